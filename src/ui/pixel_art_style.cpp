#include "ui/pixel_art_style.h"

#include <QApplication>
#include <QPainter>

namespace tesmark {

namespace {

bool ShowsAnIcon(QStyle::ControlElement element) {
    return element == QStyle::CE_PushButtonLabel || element == QStyle::CE_ToolButtonLabel;
}

}  // namespace

void PixelArtStyle::drawControl(ControlElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (!ShowsAnIcon(element)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    QProxyStyle::drawControl(element, option, painter, widget);
    painter->restore();
}

void PixelArtStyle::drawItemPixmap(QPainter* painter, const QRect& rect, int alignment,
                                   const QPixmap& pixmap) const {
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    QProxyStyle::drawItemPixmap(painter, rect, alignment, pixmap);
    painter->restore();
}

PixelArtStyle* SharedPixelArtStyle() {
    // The proxy follows the application's style (QProxyStyle without a base
    // style uses it); parented to the application, it goes with it.
    static PixelArtStyle* const style = [] {
        auto* created = new PixelArtStyle();
        created->setParent(qApp);
        return created;
    }();
    return style;
}

}  // namespace tesmark
