#pragma once
// The edit box (control 901): an editable drop-down list of the eight
// constants followed by the history, newest first. A committed number joins
// the history unless an entry already begins with it, in which case that
// entry is selected.
#include <QComboBox>

#include "model/rule_state.h"

namespace tesmark {

class EditBox : public QComboBox {
    Q_OBJECT
  public:
    EditBox(RuleState& state, QWidget* parent);

    // AddToEditHistory: select the first entry that begins with the text
    // (letter case ignored), or insert the text at the top of the history.
    void addToHistory(const QString& text);
    // Commits the edit field: a text that begins with a digit or "." goes
    // to the history.
    void commit();

  protected:
    void focusOutEvent(QFocusEvent* event) override;

  private:
    RuleState& state_;
};

}  // namespace tesmark
