#pragma once
// The "Show me" dialog: a field for the calculation with the calculations
// typed before, in the language of the user interface. Its button hands the
// text to the window; a calculation the rule cannot do leaves the dialog
// open with the reason under the field, so the text can be mended.
#include <QDialog>
#include <cstdint>
#include <functional>

class QComboBox;
class QDialogButtonBox;
class QLabel;

namespace tesmark {

class ShowMeDialog : public QDialog {
    Q_OBJECT
  public:
    // Plays a calculation; returns "" when it is being played, else why not.
    using Attempt = std::function<QString(const QString& calculation)>;

    ShowMeDialog(Attempt attempt, QWidget* parent);

    // Texts in the language; the field and its history stay.
    void retranslate(int16_t language);
    // Opens window-modally with the field selected and no old refusal.
    void ask(int16_t language);

    QComboBox* field() const { return field_; }
    QLabel* refusal() const { return refusal_; }
    // The calculations played, newest first.
    QStringList history() const;

    void accept() override;

  private:
    Attempt attempt_;
    QLabel* prompt_ = nullptr;
    QComboBox* field_ = nullptr;
    QLabel* examples_ = nullptr;
    QLabel* refusal_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

// How many calculations the field remembers.
inline constexpr int kShowMeHistorySize = 12;

}  // namespace tesmark
