#include "ui/edit_box.h"

#include <QAbstractItemView>
#include <QLineEdit>

#include "model/edit_history.h"
#include "platform/qt_text.h"

namespace tesmark {

namespace {

// New history entries go in after the constants.
constexpr int kHistoryInsertPosition = kEditConstantCount;
constexpr int kFieldReadLimit = kEditTextLimit - 1;

}  // namespace

EditBox::EditBox(RuleState& state, QWidget* parent) : QComboBox(parent), state_(state) {
    setObjectName(QStringLiteral("EditBox"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(16);
    lineEdit()->setMaxLength(kEditTextLimit);
    for (const std::string& text : state_.editConstants) addItem(ToQString(text));
    for (const std::string& text : state_.editHistory) addItem(ToQString(text));
    setCurrentIndex(kHistoryInsertPosition);
}

QString EditBox::fieldText() const {
    return currentText().left(kFieldReadLimit);
}

void EditBox::addToHistory(const QString& text) {
    for (int i = 0; i < count(); ++i) {
        if (itemText(i).startsWith(text, Qt::CaseInsensitive)) {
            setCurrentIndex(i);
            return;
        }
    }
    insertItem(kHistoryInsertPosition, text);
    PushEditHistory(state_, ToUtf8(text));
    setCurrentIndex(kHistoryInsertPosition);
}

void EditBox::commit() {
    const QString text = fieldText();
    if (IsCommittableEditText(ToUtf8(text))) addToHistory(text);
}

void EditBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // The list popping up takes the focus for a moment without leaving.
    if (!view()->isVisible()) commit();
}

}  // namespace tesmark
