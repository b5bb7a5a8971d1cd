// The bundled help book: both languages have the same pages, every link and
// picture of every page leads to a resource of the book, and the pages use
// nothing that needs a network or a script.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

#include "ui/help_window.h"

static void RegisterHelp() {
    Q_INIT_RESOURCE(help);
}

namespace tesmark {
namespace {

QString ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QStringList PagesOf(const QString& folder) {
    return QDir(QStringLiteral(":/help/") + folder)
        .entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

class HelpBookTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { RegisterHelp(); }
};

TEST_F(HelpBookTest, BothLanguagesHaveTheSamePages) {
    const QStringList english = PagesOf(QStringLiteral("en"));
    EXPECT_TRUE(english.contains(QStringLiteral("index.html")));
    EXPECT_TRUE(english.contains(QStringLiteral("keys.html")));
    EXPECT_EQ(english, PagesOf(QStringLiteral("ja")));
}

TEST_F(HelpBookTest, EveryLinkAndPictureLeadsToAResourceOfTheBook) {
    static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    for (const QString& folder : {QStringLiteral("en"), QStringLiteral("ja")}) {
        for (const QString& page : PagesOf(folder)) {
            SCOPED_TRACE((folder + QLatin1Char('/') + page).toStdString());
            const QUrl base(QStringLiteral("qrc:/help/") + folder + QLatin1Char('/') + page);
            const QString text =
                ReadResource(QStringLiteral(":/help/") + folder + QLatin1Char('/') + page);
            ASSERT_FALSE(text.isEmpty());
            int references = 0;
            for (auto it = reference.globalMatch(text); it.hasNext();) {
                const QString target = it.next().captured(1);
                SCOPED_TRACE(target.toStdString());
                const QUrl url(target);
                // A worked example plays its calculation (the Show me test plans each one).
                if (url.scheme() == QLatin1String(kShowMeScheme)) continue;
                ASSERT_TRUE(url.isRelative()) << "the book links only to itself";
                QUrl resolved = base.resolved(url);
                resolved.setFragment(QString());
                EXPECT_TRUE(QFile::exists(QLatin1Char(':') + resolved.path()));
                ++references;
            }
            // Every page but the contents leads back to the contents.
            if (page != QStringLiteral("index.html")) {
                EXPECT_TRUE(text.contains(QStringLiteral("href=\"index.html\"")));
            }
            EXPECT_GT(references, 0);
            EXPECT_FALSE(text.contains(QStringLiteral("<script"), Qt::CaseInsensitive));
        }
    }
}

TEST_F(HelpBookTest, TheContentsListEveryOtherPage) {
    for (const QString& folder : {QStringLiteral("en"), QStringLiteral("ja")}) {
        SCOPED_TRACE(folder.toStdString());
        const QString index =
            ReadResource(QStringLiteral(":/help/") + folder + QStringLiteral("/index.html"));
        for (const QString& page : PagesOf(folder)) {
            if (page == QStringLiteral("index.html")) continue;
            EXPECT_TRUE(index.contains(QStringLiteral("<li><a href=\"") + page + QLatin1Char('"')))
                << page.toStdString();
        }
    }
}

TEST_F(HelpBookTest, JapanesePagesNameTheSlideCorrectly) {
    // "渇尺" is a misprint of "滑尺" (the slide); the book never uses it.
    for (const QString& page : PagesOf(QStringLiteral("ja"))) {
        SCOPED_TRACE(page.toStdString());
        EXPECT_FALSE(
            ReadResource(QStringLiteral(":/help/ja/") + page).contains(QStringLiteral("渇尺")));
    }
}

TEST_F(HelpBookTest, TheScalesPageGivesEveryFormulaTooltip) {
    // The formulas of the scale-name tooltips, as the rule shows them.
    const char* formulas[] = {"D=D",
                              "C=nD",
                              "A=D^2",
                              "B=nD^2",
                              "CI=10/nD",
                              "DF=D*sqrt(10)",
                              "CF=nD*sqrt(10)",
                              "CIF=10/(nD*sqrt(10))",
                              "DI=10/D",
                              "K=D^3",
                              "DF=D*PI",
                              "CF=nD*PI",
                              "CIF=10/(nD*PI)",
                              "L=log(D)",
                              "LL0=e^(D/1000)",
                              "LL1=e^(D/100)",
                              "LL2=e^(D/10)",
                              "LL3=e^D",
                              "LL/0=1/(e^(D/1000))",
                              "LL/1=1/(e^(D/100))",
                              "LL/2=1/(e^(D/10))",
                              "LL/3=1/(e^D)",
                              "S=asin(nD/10)",
                              "S0=asin(nD/100)",
                              "S=acos(nD/10)",
                              "S0=acos(nD/100)",
                              "T=atan(nD/10)",
                              "T0=atan(nD/100)",
                              "T=acot(nD/10)",
                              "T0=acot(nD/100)"};
    for (const QString& folder : {QStringLiteral("en"), QStringLiteral("ja")}) {
        const QString page =
            ReadResource(QStringLiteral(":/help/") + folder + QStringLiteral("/scales.html"));
        for (const char* formula : formulas) {
            EXPECT_TRUE(page.contains(QString::fromLatin1(formula)))
                << folder.toStdString() << " " << formula;
        }
    }
}

}  // namespace
}  // namespace tesmark
