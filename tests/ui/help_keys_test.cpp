// The key list of the help book: every command of the command list is named,
// with its keys, between the markers of keys.html, in both languages; and the
// generator finds the committed pages up to date.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

static void RegisterHelp() {
    Q_INIT_RESOURCE(help);
}

namespace tesmark {
namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString KeyList(const QString& language) {
    const QString page = QString::fromUtf8(
        ReadFile(QStringLiteral(":/help/") + language + QStringLiteral("/keys.html")));
    const qsizetype begin = page.indexOf(QStringLiteral("<!-- keys:begin -->"));
    const qsizetype end = page.indexOf(QStringLiteral("<!-- keys:end -->"));
    if (begin < 0 || end < begin) return {};
    return page.mid(begin, end - begin);
}

// The menu text without its mnemonic, as the list shows it.
QString PlainMenuText(QString text) {
    static const QRegularExpression mnemonic(QStringLiteral("\\(&[^)]\\)"));
    return text.remove(mnemonic).remove(QLatin1Char('&')).trimmed();
}

QJsonArray CommittedCommands() {
    return QJsonDocument::fromJson(
               ReadFile(QStringLiteral(TESMARK_SOURCE_DIR "/resources/help/commands.json")))
        .array();
}

class HelpKeysTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { RegisterHelp(); }
};

TEST_F(HelpKeysTest, EveryCommandOfTheListIsNamedWithItsKeys) {
    const QJsonArray commands = CommittedCommands();
    ASSERT_FALSE(commands.isEmpty());
    for (const QString& language : {QStringLiteral("en"), QStringLiteral("ja")}) {
        const QString list = KeyList(language);
        ASSERT_FALSE(list.isEmpty()) << language.toStdString();
        for (const QJsonValue& value : commands) {
            const QJsonObject command = value.toObject();
            const QString text =
                PlainMenuText(command[QStringLiteral("menu_text")][language].toString());
            const QJsonArray keys = command[QStringLiteral("keys")].toArray();
            SCOPED_TRACE((language + QLatin1Char(' ') + text).toStdString());
            ASSERT_FALSE(text.isEmpty());
            QStringList keyTexts;
            for (const QJsonValue& key : keys) keyTexts << key.toString().toHtmlEscaped();
            const QString row = QStringLiteral("<tr><td><b>%1</b></td><td>%2</td>")
                                    .arg(keyTexts.join(QStringLiteral(", ")), text.toHtmlEscaped());
            EXPECT_TRUE(list.contains(row)) << row.toStdString();
            EXPECT_TRUE(list.contains(QString::number(command[QStringLiteral("id")].toInt())));
        }
    }
}

TEST_F(HelpKeysTest, EveryAcceleratorKeyAppearsOnce) {
    QStringList keys;
    for (const QJsonValue& value : CommittedCommands()) {
        for (const QJsonValue& key : value.toObject()[QStringLiteral("keys")].toArray())
            keys << key.toString();
    }
    // The accelerator table: Shift+0 … Shift+9 and twenty-three more keys.
    EXPECT_EQ(keys.size(), 33);
    EXPECT_EQ(keys.removeDuplicates(), 0);
}

TEST_F(HelpKeysTest, TheGeneratorFindsTheCommittedPagesUpToDate) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed";
    QProcess generator;
    generator.start(python, {QStringLiteral(TESMARK_SOURCE_DIR "/scripts/make_help_keys.py"),
                             QStringLiteral("--check")});
    ASSERT_TRUE(generator.waitForFinished(30000));
    EXPECT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
}

}  // namespace
}  // namespace tesmark
