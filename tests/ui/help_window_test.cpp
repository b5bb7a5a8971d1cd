// The help window: it opens the bundled book at its table of contents in the
// language of the interface, its contents list and buttons move through the
// book, and a missing book is reported in a message box of that language.
#include "ui/help_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <memory>

namespace tesmark {
namespace {

struct LanguageCase {
    const char* name;
    int16_t language;
    const char* indexUrl;
    const char* documentTitle;
    const char* windowTitle;
    const char* firstContentsItem;
};

class HelpWindowTest : public ::testing::TestWithParam<LanguageCase> {
  protected:
    std::unique_ptr<QWidget> owner_ = std::make_unique<QWidget>();
};

TEST_P(HelpWindowTest, OpensAtTheTableOfContentsOfTheLanguage) {
    const LanguageCase& c = GetParam();
    HelpWindow* window = ShowHelp(owner_.get(), c.language);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->browser()->source(), QUrl(QString::fromLatin1(c.indexUrl)));
    EXPECT_EQ(window->browser()->documentTitle(), QString::fromUtf8(c.documentTitle));
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.windowTitle));
    // The contents list: the table of contents itself, then its ten chapters.
    ASSERT_EQ(window->contents()->count(), 11);
    EXPECT_EQ(window->contents()->item(0)->text(), QString::fromUtf8(c.firstContentsItem));
    EXPECT_EQ(window->contents()->currentRow(), 0);
}

TEST_P(HelpWindowTest, ContentsListAndButtonsMoveThroughTheBook) {
    const LanguageCase& c = GetParam();
    HelpWindow* window = ShowHelp(owner_.get(), c.language);
    ASSERT_NE(window, nullptr);
    auto* back = window->findChild<QToolButton*>(QStringLiteral("HelpBack"));
    auto* forward = window->findChild<QToolButton*>(QStringLiteral("HelpForward"));
    auto* home = window->findChild<QToolButton*>(QStringLiteral("HelpHome"));
    ASSERT_TRUE(back && forward && home);
    EXPECT_FALSE(back->isEnabled());

    // The last chapter is the settings page.
    QListWidgetItem* settings = window->contents()->item(10);
    emit window->contents()->itemClicked(settings);
    const QUrl index(QString::fromLatin1(c.indexUrl));
    EXPECT_EQ(window->browser()->source(), index.resolved(QUrl(QStringLiteral("settings.html"))));
    EXPECT_EQ(window->contents()->currentRow(), 10);
    EXPECT_TRUE(back->isEnabled());

    back->click();
    EXPECT_EQ(window->browser()->source(), index);
    EXPECT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(window->browser()->source(), index.resolved(QUrl(QStringLiteral("settings.html"))));
    home->click();
    EXPECT_EQ(window->browser()->source(), index);
    EXPECT_EQ(window->contents()->currentRow(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, HelpWindowTest,
    ::testing::Values(LanguageCase{"English", 0, "qrc:/help/en/index.html", "Tesmark Help",
                                   "Tesmark - Help", "Contents"},
                      LanguageCase{"Japanese", 1, "qrc:/help/ja/index.html", "Tesmark ヘルプ",
                                   "Tesmark - ヘルプ", "目次"}),
    [](const ::testing::TestParamInfo<LanguageCase>& info) {
        return std::string(info.param.name);
    });

TEST(HelpWindowReuse, ASecondHelpCommandReusesTheWindowInTheNewLanguage) {
    QWidget owner;
    HelpWindow* english = ShowHelp(&owner, 0);
    ASSERT_NE(english, nullptr);
    emit english->contents()->itemClicked(english->contents()->item(3));
    HelpWindow* japanese = ShowHelp(&owner, 1);
    EXPECT_EQ(japanese, english);
    EXPECT_EQ(japanese->browser()->source(), QUrl(QStringLiteral("qrc:/help/ja/index.html")));
    EXPECT_EQ(japanese->browser()->documentTitle(), QStringLiteral("Tesmark ヘルプ"));
    // The history of the English book does not lead into the Japanese one.
    EXPECT_FALSE(japanese->browser()->isBackwardAvailable());
    EXPECT_EQ(owner.findChildren<HelpWindow*>().size(), 1);
}

struct MissingCase {
    int16_t language;
    const char* title;
    const char* message;
};

TEST(HelpMissingBook, AMessageBoxSaysSoInTheLanguageOfTheInterface) {
    const MissingCase cases[] = {
        {0, "Tesmark - Help",
         "The help cannot be shown: its pages are missing from this copy of Tesmark."},
        {1, "Tesmark - ヘルプ",
         "ヘルプを表示できません。この Tesmark にはヘルプのページが含まれていません。"},
    };
    for (const MissingCase& c : cases) {
        SCOPED_TRACE(c.language);
        EXPECT_EQ(HelpMissingTitle(c.language), QString::fromUtf8(c.title));
        EXPECT_EQ(HelpMissingMessage(c.language), QString::fromUtf8(c.message));

        QWidget owner;
        QString shownTitle;
        QString shownText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            shownTitle = box->windowTitle();
            shownText = box->text();
            box->accept();
        });
        // Whatever happens, no modal loop outlives the test.
        QTimer::singleShot(5000, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        EXPECT_EQ(ShowHelpBook(&owner, c.language, QStringLiteral(":/no-such-book")), nullptr);
        EXPECT_EQ(shownTitle, QString::fromUtf8(c.title));
        EXPECT_EQ(shownText, QString::fromUtf8(c.message));
        EXPECT_TRUE(owner.findChildren<HelpWindow*>().isEmpty());
    }
}

}  // namespace
}  // namespace tesmark
