// The help window: a QTextBrowser on the bundled HTML book. QTextBrowser
// renders the book's simple HTML (headings, lists, tables, pictures, links)
// from the Qt resources directly; Qt Help would need a compiled help
// collection, the QtHelp module and an extra build step for the same pages.
#include "ui/help_window.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

// The book is compiled into a static library; register it before use.
// (The macro must stand outside any namespace.)
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

namespace tesmark {
namespace {

constexpr int16_t kEnglish = 0;

struct HelpTexts {
    const char* windowTitle;
    const char* contentsItem;
    const char* back;
    const char* forward;
    const char* home;
    const char* missingTitle;
    const char* missingMessage;
};

constexpr HelpTexts kEnglishTexts = {
    "Tesmark - Help",
    "Contents",
    "Back",
    "Forward",
    "Contents",
    "Tesmark - Help",
    "The help cannot be shown: its pages are missing from this copy of Tesmark.",
};

constexpr HelpTexts kJapaneseTexts = {
    "Tesmark - ヘルプ",
    "目次",
    "戻る",
    "進む",
    "目次",
    "Tesmark - ヘルプ",
    "ヘルプを表示できません。この Tesmark にはヘルプのページが含まれていません。",
};

const HelpTexts& TextsFor(int16_t language) {
    return language == kEnglish ? kEnglishTexts : kJapaneseTexts;
}

QString FileOfUrl(const QUrl& url) {
    // "qrc:/help/en/index.html" is the resource ":/help/en/index.html".
    if (url.scheme() == QLatin1String("qrc")) return QLatin1Char(':') + url.path();
    return url.toLocalFile();
}

QFont BookFont(int16_t language) {
    QFont font;
    // Liberation Sans stands in for the Windows UI font; the CJK families
    // give the Japanese glyphs (fontconfig falls back if none is installed).
    const QStringList latinFirst = {QStringLiteral("Liberation Sans"),
                                    QStringLiteral("Noto Sans CJK JP"),
                                    QStringLiteral("IPAPGothic")};
    const QStringList japaneseFirst = {QStringLiteral("Noto Sans CJK JP"),
                                       QStringLiteral("IPAPGothic"),
                                       QStringLiteral("Liberation Sans")};
    font.setFamilies(language == kEnglish ? latinFirst : japaneseFirst);
    font.setPointSize(10);
    return font;
}

// The page view. A worked example's link plays its calculation (the window
// passes it on) and leaves the page and its history as they are.
class HelpBrowser : public QTextBrowser {
  public:
    HelpBrowser(HelpWindow* window) : QTextBrowser(window), window_(window) {}

  protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override {
        if (name.scheme() == QLatin1String(kShowMeScheme)) {
            emit window_->calculationChosen(name.path(QUrl::FullyDecoded));
            return;
        }
        QTextBrowser::doSetSource(name, type);
    }

  private:
    HelpWindow* window_;
};

}  // namespace

QString HelpLanguageFolder(int16_t language) {
    return language == kEnglish ? QStringLiteral("en") : QStringLiteral("ja");
}

QUrl HelpIndexUrl(const QString& root, int16_t language) {
    const QString path =
        root + QLatin1Char('/') + HelpLanguageFolder(language) + QStringLiteral("/index.html");
    if (path.startsWith(QLatin1Char(':'))) return QUrl(QStringLiteral("qrc") + path);
    return QUrl::fromLocalFile(path);
}

QString HelpMissingTitle(int16_t language) {
    return QString::fromUtf8(TextsFor(language).missingTitle);
}

QString HelpMissingMessage(int16_t language) {
    return QString::fromUtf8(TextsFor(language).missingMessage);
}

HelpWindow::HelpWindow(const QUrl& index, int16_t language, QWidget* parent)
    : QWidget(parent, Qt::Window), index_(index), language_(language) {
    setObjectName(QStringLiteral("HelpWindow"));
    resize(960, 680);

    back_ = new QToolButton(this);
    back_->setObjectName(QStringLiteral("HelpBack"));
    back_->setArrowType(Qt::LeftArrow);
    forward_ = new QToolButton(this);
    forward_->setObjectName(QStringLiteral("HelpForward"));
    forward_->setArrowType(Qt::RightArrow);
    home_ = new QToolButton(this);
    home_->setObjectName(QStringLiteral("HelpHome"));
    for (QToolButton* button : {back_, forward_, home_}) {
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
    }

    contents_ = new QListWidget(this);
    contents_->setObjectName(QStringLiteral("HelpContents"));
    // Long chapter titles wrap instead of hiding behind a scroll bar.
    contents_->setWordWrap(true);
    contents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contents_->setSpacing(2);
    browser_ = new HelpBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    // The book's own links stay inside the window; nothing reaches a browser.
    browser_->setOpenExternalLinks(false);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 650});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addWidget(home_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QToolButton::clicked, this, [this] { browser_->setSource(index_); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::markCurrentPage);
    connect(contents_, &QListWidget::itemClicked, this, &HelpWindow::showChosenPage);
    connect(contents_, &QListWidget::itemActivated, this, &HelpWindow::showChosenPage);

    openIndex(index, language);
}

void HelpWindow::openIndex(const QUrl& index, int16_t language) {
    index_ = index;
    language_ = language;
    const QFont font = BookFont(language);
    browser_->setFont(font);
    browser_->document()->setDefaultFont(font);
    contents_->setFont(font);
    retitle();
    fillContents();
    // A new start: the pages seen before (perhaps in the other language) are
    // no longer reachable with Back.
    browser_->setSource(index_);
    browser_->clearHistory();
}

void HelpWindow::retitle() {
    const HelpTexts& texts = TextsFor(language_);
    setWindowTitle(QString::fromUtf8(texts.windowTitle));
    back_->setText(QString::fromUtf8(texts.back));
    forward_->setText(QString::fromUtf8(texts.forward));
    home_->setText(QString::fromUtf8(texts.home));
}

// The contents list is read from the index page's own links, so the page and
// the list cannot disagree.
void HelpWindow::fillContents() {
    contents_->clear();
    auto* top = new QListWidgetItem(QString::fromUtf8(TextsFor(language_).contentsItem), contents_);
    top->setData(Qt::UserRole, index_);

    QFile file(FileOfUrl(index_));
    if (!file.open(QIODevice::ReadOnly)) return;
    const QString page = QString::fromUtf8(file.readAll());
    static const QRegularExpression link(
        QStringLiteral("<li><a href=\"([^\"#:]+\\.html)\">(.*?)</a>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    for (auto match = link.globalMatch(page); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        QTextDocument title;
        title.setHtml(m.captured(2).remove(tag));
        auto* item = new QListWidgetItem(title.toPlainText().simplified(), contents_);
        item->setData(Qt::UserRole, index_.resolved(QUrl(m.captured(1))));
    }
}

void HelpWindow::showChosenPage(QListWidgetItem* item) {
    if (item == nullptr) return;
    const QUrl url = item->data(Qt::UserRole).toUrl();
    if (url != browser_->source()) browser_->setSource(url);
}

void HelpWindow::markCurrentPage(const QUrl& url) {
    QUrl page = url;
    page.setFragment(QString());
    for (int row = 0; row < contents_->count(); ++row) {
        if (contents_->item(row)->data(Qt::UserRole).toUrl() == page) {
            const QSignalBlocker blocker(contents_);
            contents_->setCurrentRow(row);
            return;
        }
    }
    contents_->clearSelection();
}

HelpWindow* ShowHelpBook(QWidget* parent, int16_t language, const QString& root) {
    InitHelpResources();
    const QUrl index = HelpIndexUrl(root, language);
    if (!QFile::exists(FileOfUrl(index))) {
        QMessageBox::warning(parent, HelpMissingTitle(language), HelpMissingMessage(language));
        return nullptr;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    HelpWindow* window = parent != nullptr
                             ? parent->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly)
                             : nullptr;
    if (window == nullptr) {
        window = new HelpWindow(index, language, parent);
        if (parent == nullptr) window->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        window->openIndex(index, language);
    }
    window->show();
    window->raise();
    window->activateWindow();
    QApplication::restoreOverrideCursor();
    return window;
}

HelpWindow* ShowHelp(QWidget* parent, int16_t language) {
    return ShowHelpBook(parent, language, QString::fromLatin1(kHelpBookRoot));
}

}  // namespace tesmark
