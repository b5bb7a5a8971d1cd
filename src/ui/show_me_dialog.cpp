#include "ui/show_me_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/show_me_texts.h"

namespace tesmark {

ShowMeDialog::ShowMeDialog(Attempt attempt, QWidget* parent)
    : QDialog(parent), attempt_(std::move(attempt)) {
    setObjectName(QStringLiteral("ShowMeDialog"));
    prompt_ = new QLabel(this);
    field_ = new QComboBox(this);
    field_->setObjectName(QStringLiteral("ShowMeField"));
    field_->setEditable(true);
    // The history is kept by accept(), newest first; Return must not add too.
    field_->setInsertPolicy(QComboBox::NoInsert);
    field_->setMaxCount(kShowMeHistorySize);
    field_->setMinimumWidth(360);
    // A calculation is short; a long paste is cut, never a burden to the planner.
    field_->lineEdit()->setMaxLength(200);
    prompt_->setBuddy(field_);
    examples_ = new QLabel(this);
    examples_->setWordWrap(true);
    // The examples in grey, dark enough to read.
    QPalette grey = examples_->palette();
    grey.setColor(QPalette::WindowText, QColor(96, 96, 96));
    examples_->setPalette(grey);
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("ShowMeRefusal"));
    refusal_->setWordWrap(true);
    refusal_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    refusal_->hide();
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &ShowMeDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &ShowMeDialog::reject);
    // A new text makes the old reason stale.
    connect(field_, &QComboBox::editTextChanged, refusal_, &QLabel::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(field_);
    layout->addWidget(examples_);
    layout->addWidget(refusal_);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowMeDialog::retranslate(int16_t language) {
    const ShowMeTexts& texts = ShowMeTextsFor(language);
    setWindowTitle(ShowMeText(texts.title));
    prompt_->setText(ShowMeText(texts.prompt));
    examples_->setText(ShowMeText(texts.examples));
    buttons_->button(QDialogButtonBox::Ok)->setText(ShowMeText(texts.ok));
    buttons_->button(QDialogButtonBox::Cancel)->setText(ShowMeText(texts.cancel));
}

void ShowMeDialog::ask(int16_t language) {
    retranslate(language);
    refusal_->hide();
    field_->lineEdit()->selectAll();
    field_->setFocus(Qt::OtherFocusReason);
    open();
}

QStringList ShowMeDialog::history() const {
    QStringList items;
    for (int i = 0; i < field_->count(); ++i) items << field_->itemText(i);
    return items;
}

void ShowMeDialog::accept() {
    const QString text = field_->currentText().trimmed();
    if (text.isEmpty()) return;
    const QString refusal = attempt_(text);
    if (!refusal.isEmpty()) {
        refusal_->setText(refusal);
        refusal_->show();
        field_->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The calculation moves to the top of the history.
    const int old = field_->findText(text);
    if (old >= 0) field_->removeItem(old);
    field_->insertItem(0, text);
    field_->setCurrentIndex(0);
    QDialog::accept();
}

}  // namespace tesmark
