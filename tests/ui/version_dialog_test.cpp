// The version dialogs: their texts in both languages, the version of the
// build, and the layout converted from dialog units with the dialog's font.
#include "ui/version_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "model/version.h"

namespace tesmark {
namespace {

struct VersionCase {
    const char* name;
    int16_t language;
    const char* title;
    const char* firstLinePrefix;
    const char* secondLinePrefix;
    const char* notice;
    const char* link;
    // Dialog units of the OK button and of the link.
    QRect ok;
    QRect link_;
};

class VersionDialogTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionDialogTest, ShowsTheTextsOfItsLanguageAndTheBuildsVersion) {
    const VersionCase& c = GetParam();
    VersionDialog dialog(c.language);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(c.title));

    const QString version = QString::fromLatin1(kVersionNumber);
    EXPECT_EQ(VersionLine(c.language), QString::fromUtf8(c.firstLinePrefix) + version);
    auto* text = dialog.findChild<QLabel*>(QStringLiteral("VersionText"));
    ASSERT_NE(text, nullptr);
    const QStringList lines = text->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], VersionLine(c.language));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" ") + version));
    EXPECT_EQ(lines[1], QString::fromUtf8(c.secondLinePrefix) + BuildPlatformName());
#if defined(Q_OS_LINUX)
    EXPECT_EQ(BuildPlatformName(), QStringLiteral("Linux"));
#endif

    auto* notice = dialog.findChild<QLabel*>(QStringLiteral("NoticeText"));
    auto* link = dialog.findChild<QLabel*>(QStringLiteral("LinkText"));
    ASSERT_TRUE(notice && link);
    EXPECT_EQ(notice->text(), QString::fromUtf8(c.notice));
    EXPECT_TRUE(link->text().contains(QString::fromUtf8(c.link)));
    EXPECT_TRUE(link->text().contains(QString::fromLatin1(kProjectPageUrl)));
    EXPECT_TRUE(link->openExternalLinks());
}

TEST_P(VersionDialogTest, PlacesItsControlsInDialogUnitsOfItsFont) {
    const VersionCase& c = GetParam();
    VersionDialog dialog(c.language);
    const DialogUnits du(dialog.font());
    ASSERT_GT(du.baseWidth(), 0);
    ASSERT_GT(du.baseHeight(), 0);
    EXPECT_EQ(dialog.size(), QSize(du.x(231), du.y(85)));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OkButton"));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->geometry(), du.rect(c.ok.x(), c.ok.y(), c.ok.width(), c.ok.height()));
    auto* link = dialog.findChild<QLabel*>(QStringLiteral("LinkText"));
    EXPECT_EQ(link->pos(), QPoint(du.x(c.link_.x()), du.y(c.link_.y())));
    for (const char* bar : {"BlackBar", "GreyBar", "WhiteBar"}) {
        EXPECT_NE(dialog.findChild<QLabel*>(QString::fromLatin1(bar)), nullptr) << bar;
    }
    auto* icon = dialog.findChild<QLabel*>(QStringLiteral("VersionIcon"));
    ASSERT_NE(icon, nullptr);
    EXPECT_FALSE(icon->pixmap().isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Languages, VersionDialogTest,
    ::testing::Values(
        VersionCase{"English", 0, "Tesmark - Version Information", "Tesmark  Version ",
                    "Tesmark for ", "Tesmark — a slide rule simulator. Free to use.",
                    "Tesmark project page", QRect(176, 7, 45, 19), QRect(39, 69, 134, 8)},
        VersionCase{"Japanese", 1, "Tesmark - バージョン", "Tesmark Version ",
                    "両面型デジタル計算尺 for ",
                    "Tesmark — 両面型計算尺のシミュレーター。無料でお使いいただけます。",
                    "Tesmark プロジェクトのページ", QRect(176, 8, 45, 19), QRect(40, 71, 134, 8)}),
    [](const ::testing::TestParamInfo<VersionCase>& info) { return std::string(info.param.name); });

TEST(DialogUnits, ConvertAsTheDialogManagerDoes) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(10);
    const DialogUnits du(font);
    // x × average width / 4 and y × height / 8, truncated.
    EXPECT_EQ(du.x(4), du.baseWidth());
    EXPECT_EQ(du.y(8), du.baseHeight());
    EXPECT_EQ(du.x(231), 231 * du.baseWidth() / 4);
    EXPECT_EQ(du.y(85), 85 * du.baseHeight() / 8);
}

TEST(ShowVersionDialog, IsModalAndClosesWithOk) {
    QWidget owner;
    bool wasModal = false;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<VersionDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        wasModal = dialog->isModal();
        title = dialog->windowTitle();
        dialog->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
    });
    // Whatever happens, no modal loop outlives the test.
    QTimer::singleShot(5000, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    ShowVersionDialog(&owner, 1);
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(title, QStringLiteral("Tesmark - バージョン"));
}

}  // namespace
}  // namespace tesmark
