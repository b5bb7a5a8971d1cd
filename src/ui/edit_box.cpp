#include "ui/edit_box.h"

#include <QAbstractItemView>
#include <QLineEdit>

#include "ops/edit_box_rules.h"
#include "platform/qt_text.h"

namespace tesmark {

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

void EditBox::addToHistory(const QString& text) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i) entries.push_back(ToUtf8(itemText(i)));
    const EditHistoryAdd added = AddToEditHistory(entries, state_, ToUtf8(text));
    if (added.inserted) {
        insertItem(added.select, ToQString(entries[static_cast<std::size_t>(added.select)]));
    }
    setCurrentIndex(added.select);
}

void EditBox::commit() {
    if (const std::optional<std::string> text = CommittedEditText(ToUtf8(currentText()))) {
        addToHistory(ToQString(*text));
    }
}

void EditBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    // The list popping up takes the focus for a moment without leaving.
    if (!view()->isVisible()) commit();
}

}  // namespace tesmark
