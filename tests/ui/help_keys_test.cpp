// The key list of the help book: every command of the registry is named,
// with both identifiers of its pair and its keys, between the markers of
// keys.html, in both languages; every accelerator key is listed once; and
// the generator, run on what the program's registry gives now, finds the
// committed pages up to date.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>

#include "ops/accelerator_table.h"
#include "ops/command_registry.h"

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

// The rows of the list's tables, each as its cells' HTML (header rows left out).
std::vector<QStringList> ListRows(const QString& list) {
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"));
    static const QRegularExpression cell(QStringLiteral("<td>(.*?)</td>"));
    std::vector<QStringList> rows;
    for (auto r = row.globalMatch(list); r.hasNext();) {
        const QString text = r.next().captured(1);
        QStringList cells;
        for (auto c = cell.globalMatch(text); c.hasNext();) cells << c.next().captured(1);
        if (!cells.isEmpty()) rows.push_back(cells);
    }
    return rows;
}

QString Identifiers(const CommandRow& row) {
    QString ids = QString::number(row.id);
    if (row.englishId != 0) ids += QStringLiteral(" / ") + QString::number(row.englishId);
    return ids;
}

const QString kLanguages[] = {QStringLiteral("en"), QStringLiteral("ja")};

class HelpKeysTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { RegisterHelp(); }
};

TEST_F(HelpKeysTest, EveryCommandOfTheRegistryIsNamedWithItsIdentifiersAndKeys) {
    for (const QString& language : kLanguages) {
        const std::vector<QStringList> rows = ListRows(KeyList(language));
        ASSERT_FALSE(rows.empty()) << language.toStdString();
        for (const CommandRow& command : CommandRegistry()) {
            const QString ids = Identifiers(command);
            SCOPED_TRACE((language + QLatin1Char(' ') + ids).toStdString());
            std::vector<const QStringList*> found;
            for (const QStringList& row : rows) {
                if (row.last() == ids) found.push_back(&row);
            }
            ASSERT_EQ(found.size(), 1u) << "listed once, both identifiers in one row";
            const QStringList& row = *found.front();
            const QString keys = QString::fromStdString(CommandKeyText(command.id));
            if (keys.isEmpty()) {
                ASSERT_EQ(row.size(), 2);  // the table of commands without a key
            } else {
                ASSERT_EQ(row.size(), 3);
                EXPECT_EQ(row[0],
                          QStringLiteral("<b>") + keys.toHtmlEscaped() + QStringLiteral("</b>"));
            }
            EXPECT_FALSE(row[row.size() - 2].trimmed().isEmpty()) << "the command has a name";
        }
        // Nothing else: the list holds the registry's commands only.
        EXPECT_EQ(rows.size(), CommandRegistry().size());
    }
}

TEST_F(HelpKeysTest, EveryAcceleratorKeyIsListedOnce) {
    for (const QString& language : kLanguages) {
        SCOPED_TRACE(language.toStdString());
        std::map<QString, int> listed;
        for (const QStringList& row : ListRows(KeyList(language))) {
            if (row.size() != 3) continue;
            QString keys = row[0];
            keys.remove(QStringLiteral("<b>")).remove(QStringLiteral("</b>"));
            for (const QString& key : keys.split(QStringLiteral(", "))) ++listed[key];
        }
        EXPECT_EQ(listed.size(), MainAccelTable().size());
        for (const Accelerator& accelerator : MainAccelTable()) {
            const QString key = QString::fromStdString(AcceleratorText(accelerator));
            EXPECT_EQ(listed[key.toHtmlEscaped()], 1) << key.toStdString();
        }
    }
}

TEST_F(HelpKeysTest, TheBooksNamesBelongToCommandsOfTheRegistry) {
    const QJsonObject names =
        QJsonDocument::fromJson(
            ReadFile(QStringLiteral(TESMARK_SOURCE_DIR "/resources/help/command_names.json")))
            .object();
    ASSERT_FALSE(names.isEmpty());
    for (auto it = names.begin(); it != names.end(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        const CommandRow* command = FindCommand(it.key().toInt());
        ASSERT_NE(command, nullptr) << "a name for a command the program no longer has";
        EXPECT_EQ(command->id, it.key().toInt()) << "named by its first identifier";
        for (const QString& language : kLanguages)
            EXPECT_FALSE(it.value()[language].toString().isEmpty()) << language.toStdString();
    }
}

TEST_F(HelpKeysTest, ThePagesAreWhatTheRegistryGivesNow) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed";
    // The program reads a profile of its own, not the user's.
    QTemporaryDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    QProcess generator;
    generator.setProcessEnvironment(environment);
    generator.start(
        python, {QStringLiteral(TESMARK_SOURCE_DIR "/scripts/make_help_keys.py"),
                 QStringLiteral("--cli"), QStringLiteral(TESMARK_CLI), QStringLiteral("--check")});
    ASSERT_TRUE(generator.waitForFinished(30000));
    EXPECT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
}

}  // namespace
}  // namespace tesmark
