#pragma once
// The help book: HTML pages bundled with the program (resources/help, one
// folder per language) shown in a window of our own, so help works without a
// browser, a help viewer or a network. The window has the book's contents on
// the left, the page on the right and back / forward / contents buttons.
#include <QString>
#include <QUrl>
#include <QWidget>
#include <cstdint>

class QListWidget;
class QListWidgetItem;
class QTextBrowser;
class QToolButton;

namespace tesmark {

// The scheme of the book's worked examples: a link "showme:2.5*3.7" plays
// its calculation in the main window instead of opening a page.
inline constexpr const char* kShowMeScheme = "showme";

// Where the book lives inside the program's resources.
inline constexpr const char* kHelpBookRoot = ":/help";

// The language folder of the book: "en" for Language 0, "ja" otherwise.
QString HelpLanguageFolder(int16_t language);
// The table of contents of the book under `root` for a language, as a URL
// ("qrc:/help/en/index.html" for the bundled English book).
QUrl HelpIndexUrl(const QString& root, int16_t language);
// The texts of the box that says the book cannot be shown.
QString HelpMissingTitle(int16_t language);
QString HelpMissingMessage(int16_t language);

class HelpWindow : public QWidget {
    Q_OBJECT

  public:
    // Opens the book at `index` (its table of contents).
    HelpWindow(const QUrl& index, int16_t language, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return browser_; }
    QListWidget* contents() const { return contents_; }
    int16_t language() const { return language_; }
    // Shows the table of contents again, in `language` if it changed.
    void openIndex(const QUrl& index, int16_t language);

  signals:
    // A worked example's link was followed: the calculation to play.
    void calculationChosen(const QString& calculation);

  private:
    void fillContents();
    void showChosenPage(QListWidgetItem* item);
    void markCurrentPage(const QUrl& url);
    void retitle();

    QUrl index_;
    int16_t language_;
    QTextBrowser* browser_ = nullptr;
    QListWidget* contents_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* home_ = nullptr;
};

// Opens the book under `root` at its table of contents for `language` in the
// help window of `parent` (one window per parent, reused). When the book is
// missing, a message box says so and nullptr is returned.
HelpWindow* ShowHelpBook(QWidget* parent, int16_t language, const QString& root);

// The Help command: the bundled book in the current language.
HelpWindow* ShowHelp(QWidget* parent, int16_t language);

}  // namespace tesmark
