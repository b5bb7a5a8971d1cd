#pragma once
// The rebar row at the top of the client area: five bands in a row — the
// front-face option toolbar, the back-face option toolbar (only one of the
// two shows, by face), the edit box, the edit-command toolbar and the
// settings toolbar.
#include <QFrame>
#include <QToolBar>
#include <array>

#include "model/string_table.h"
#include "ops/command_context.h"
#include "ui/toolbar_resources.h"

namespace tesmark {

class Rebar : public QFrame {
    Q_OBJECT
  public:
    explicit Rebar(QWidget* parent);

    // Puts a band's child in place (the toolbars, the edit box).
    void setBandChild(int band, QWidget* child);
    void showBand(int band, bool show);
    bool bandShown(int band) const;
    QWidget* band(int index) const { return bands_[static_cast<std::size_t>(index)]; }

  private:
    std::array<QFrame*, kRebarBands.size()> bands_{};
};

// A toolbar of the rebar, loaded from its resource for a language: the
// command ids in order (separators as gaps) with their 18 x 17 images.
class RuleToolbar : public QToolBar {
    Q_OBJECT
  public:
    RuleToolbar(int toolbarIndex, QWidget* parent);

    // (Re)loads the buttons of the resource for the language.
    void load(int16_t language);
    int resourceId() const { return resourceId_; }
    // The command id of each button, in order, separators left out.
    QList<int> commandIds() const;
    // Each button enabled, checkable and pressed as its command's rules say:
    // a disabled button cannot be pressed, a marked one shows pressed.
    void applyStates(const CommandContext& context);
    // The buttons' tooltips from the string table of the display language.
    void setTooltips(Language preferred);

  signals:
    void commandTriggered(int commandId);

  private:
    int toolbarIndex_;
    int resourceId_ = 0;
};

}  // namespace tesmark
