#pragma once
// The style of the buttons that show pixel art (the home and reverse
// buttons, the toolbar buttons): the window's own style, except that an
// icon is drawn without smoothing. On a screen of a fractional ratio (1.25,
// 1.5) an icon's pixels cannot all land on whole device pixels, and a
// smoothed icon blurs every edge of its picture; drawn without smoothing, a
// row or column of the enlarged picture is at most repeated or left out.
#include <QProxyStyle>

namespace tesmark {

class PixelArtStyle final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawItemPixmap(QPainter* painter, const QRect& rect, int alignment,
                        const QPixmap& pixmap) const override;
};

// One style for all such buttons; it lives as long as the application.
PixelArtStyle* SharedPixelArtStyle();

}  // namespace tesmark
