#pragma once
// The rule for assistive technology: the client area is a pane whose
// children are the reading boxes, each named by its scale and place ("D under
// the cursor") in the language of the user interface, with the box's text
// as its value. The focus reading is the accessible focus; after each paint
// the window announces a new focus reading or a changed value of it.
#include <QString>
#include <cstdint>

class QObject;
class QAccessibleInterface;

namespace tesmark {

class ClientArea;

// Makes Qt ask us for the client area's accessible interface (once per
// process; later calls do nothing).
void InstallRuleAccessibility();

// Announces the focus reading after a paint: a focus event when the focus
// slot changed since the last announcement, a value change when its text
// did. Qt passes the events on only while assistive technology listens.
class FocusReadingAnnouncer {
  public:
    enum class Change { None, Focus, Value };

    void afterPaint(ClientArea* area);
    // What the focus reading `slot` showing `text` announces, remembered.
    Change change(int slot, const QString& text);

  private:
    int lastSlot_ = -1;
    QString lastText_;
};

}  // namespace tesmark
