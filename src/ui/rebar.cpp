#include "ui/rebar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QImage>
#include <QPixmap>

#include "ops/command_registry.h"
#include "platform/mapped_image.h"
#include "ui/pixel_art_style.h"

namespace tesmark {

Rebar::Rebar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Rebar"));
    setFrameStyle(QFrame::NoFrame);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    for (std::size_t i = 0; i < kRebarBands.size(); ++i) {
        auto* band = new QFrame(this);
        band->setObjectName(QStringLiteral("RebarBand%1").arg(i));
        band->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
        band->setFixedWidth(kRebarBands[i].width + kRebarBandHeaderWidth);
        band->setMinimumHeight(kRebarBandMinChildHeight + 4);
        auto* inside = new QHBoxLayout(band);
        inside->setContentsMargins(kRebarBandHeaderWidth, 1, 1, 1);
        inside->setSpacing(0);
        row->addWidget(band);
        bands_[i] = band;
    }
    row->addStretch(1);
}

void Rebar::setBandChild(int band, QWidget* child) {
    QFrame* frame = bands_[static_cast<std::size_t>(band)];
    child->setParent(frame);
    child->setFixedHeight(kRebarBandChildHeight);
    child->setMinimumWidth(std::min(kRebarBandMinChildWidth, kRebarBands[band].width));
    frame->layout()->addWidget(child);
}

void Rebar::showBand(int band, bool show) {
    bands_[static_cast<std::size_t>(band)]->setVisible(show);
}

bool Rebar::bandShown(int band) const {
    return !bands_[static_cast<std::size_t>(band)]->isHidden();
}

RuleToolbar::RuleToolbar(int toolbarIndex, QWidget* parent)
    : QToolBar(parent), toolbarIndex_(toolbarIndex) {
    setObjectName(QStringLiteral("Toolbar%1").arg(QChar('A' + toolbarIndex)));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(kToolbarImageWidth, kToolbarImageHeight));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setFixedHeight(kToolbarHeight);
}

void RuleToolbar::load(int16_t language) {
    const ToolbarDefinition& definition = kToolbars[static_cast<std::size_t>(toolbarIndex_)];
    const ToolbarResource& resource = ToolbarResourceFor(definition, language);
    resourceId_ = resource.resourceId;
    clear();
    const QImage strip =
        LoadMappedImage(QString::fromUtf8(definition.imageStrip.data(),
                                          static_cast<qsizetype>(definition.imageStrip.size())),
                        palette());
    for (std::size_t i = 0; i < resource.buttons.size(); ++i) {
        const int command = resource.buttons[i];
        if (command == kToolbarSeparator) {
            addSeparator();
            continue;
        }
        const int image = ToolbarImageIndex(resource.buttons, i);
        // Sharp on every screen: the pixel art enlarged, never smoothed.
        QAction* action = addAction(
            PixelArtIcon(
                strip.copy(image * kToolbarImageWidth, 0, kToolbarImageWidth, kToolbarImageHeight),
                devicePixelRatioF()),
            QString());
        action->setObjectName(QStringLiteral("Command%1").arg(command));
        action->setData(command);
        if (QWidget* button = widgetForAction(action)) {
            button->setFixedSize(kToolbarButtonWidth, kToolbarButtonHeight);
            button->setStyle(SharedPixelArtStyle());
        }
        connect(action, &QAction::triggered, this,
                [this, command] { emit commandTriggered(command); });
    }
}

void RuleToolbar::applyStates(const CommandContext& context) {
    for (QAction* action : actions()) {
        if (action->isSeparator()) continue;
        const CommandState state = CommandStateOf(action->data().toInt(), context);
        action->setEnabled(state.enabled);
        action->setCheckable(state.mark != MarkKind::None);
        action->setChecked(state.marked);
    }
}

void RuleToolbar::setTooltips(Language preferred) {
    for (QAction* action : actions()) {
        if (action->isSeparator()) continue;
        const std::string_view tip = CommandTooltip(action->data().toInt(), preferred);
        action->setToolTip(QString::fromUtf8(tip.data(), static_cast<qsizetype>(tip.size())));
    }
}

QList<int> RuleToolbar::commandIds() const {
    QList<int> ids;
    for (QAction* action : actions()) {
        if (!action->isSeparator()) ids.append(action->data().toInt());
    }
    return ids;
}

}  // namespace tesmark
