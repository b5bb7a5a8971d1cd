// The profile file: a file written by the earlier QSettings-based store
// loads exactly as that store loaded it, the file written now reads back
// the same through QSettings, and what is not a readable regular file is
// neither read nor overwritten.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/qt_text.h"
#include "platform/settings_store.h"
#include "profile/profile.h"

namespace tesmark {
namespace {

const QString kFixture =
    QStringLiteral(TESMARK_SOURCE_DIR "/tests/profile/data/written_by_qsettings.conf");

// What the QSettings-based store gave for a key: a list joined by commas.
std::optional<std::string> QSettingsText(QSettings& settings, const std::string& key) {
    QVariant value = settings.value(ToQString(key));
    if (!value.isValid()) return std::nullopt;
    if (value.typeId() == QMetaType::QStringList) {
        return ToUtf8(value.toStringList().join(QLatin1Char(',')));
    }
    return ToUtf8(value.toString());
}

std::vector<std::pair<std::string, std::string>> ProfileKeys() {
    std::vector<std::pair<std::string, std::string>> keys;
    for (const IntSetting& s : kIntSettings) keys.emplace_back(kSettingsSection, s.key);
    keys.emplace_back(kSettingsSection, kProfileMarkerKey);
    for (int i = 1; i <= kMemoryCount; ++i)
        keys.emplace_back(kMemorySection, NumberedKey("Memory", i));
    for (int i = 1; i <= kEditConstantCount; ++i)
        keys.emplace_back(kEditSection, NumberedKey("Cont", i));
    for (int i = 1; i <= kEditHistoryCount; ++i)
        keys.emplace_back(kEditSection, NumberedKey("Histry", i));
    return keys;
}

TEST(SettingsStore, AFileWrittenByQSettingsReadsAsQSettingsReadIt) {
    SettingsStore store(kFixture);
    QSettings settings(kFixture, QSettings::IniFormat);
    for (const auto& [section, key] : ProfileKeys()) {
        EXPECT_EQ(store.readString(section, key), QSettingsText(settings, section + "/" + key))
            << section << "/" << key;
    }
    RuleState s = LoadProfile(store);
    EXPECT_EQ(s.Xpos, -30);
    EXPECT_EQ(s.SlidePos, 1234567);
    EXPECT_EQ(s.CursorPos, -90000);
    EXPECT_EQ(s.NumFoucs, 22);
    EXPECT_EQ(s.CxSize, 700);
    EXPECT_EQ(s.memories[2].options, -3);
    EXPECT_EQ(s.memories[2].position, -77);
    EXPECT_EQ(s.editConstants[1], "3.141592=\u03c0");
    EXPECT_EQ(s.editConstants[4], "1,5=odd, text \"quoted\"");
    EXPECT_EQ(s.editConstants[5], " lead and trail ");
    EXPECT_EQ(s.editConstants[7], "@at sign");
    EXPECT_EQ(s.editHistory[1], "2.5junk");  // the NUL is gone
    EXPECT_EQ(s.editHistory[2], "tabhere");
    EXPECT_EQ(s.editHistory[3], "\u65e5\u672c 1");
    EXPECT_EQ(s.editHistory[4], "@@double");
}

TEST(SettingsStore, WhatItWritesQSettingsReadsBackTheSame) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Corvane/Tesmark.conf");  // the folder is made
    RuleState saved = LoadProfile(*std::make_unique<SettingsStore>(kFixture));
    saved.editHistory[6] = "x;y=z, \"w\" \\";
    {
        SettingsStore store(file);
        ASSERT_TRUE(SaveProfile(saved, store));
    }
    QSettings settings(file, QSettings::IniFormat);
    SettingsStore store(file);
    for (const auto& [section, key] : ProfileKeys()) {
        EXPECT_EQ(store.readString(section, key), QSettingsText(settings, section + "/" + key))
            << section << "/" << key;
    }
    EXPECT_EQ(settings.value("EditBox/Histry07").toString(), ToQString(saved.editHistory[6]));
    EXPECT_EQ(settings.value("TesmarkX/ScaleRev").toInt(), 257);
}

TEST(SettingsStore, UnknownKeysAreNotWrittenBack) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Tesmark.conf");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("[TesmarkX]\nXpos=3\nSlidePos=@Variant(\\0\\0\\0\\x41)\n[Junk]\nA=1\n");
    out.close();
    SettingsStore store(file);
    RuleState s = LoadProfile(store);
    EXPECT_EQ(s.Xpos, 3);
    ASSERT_TRUE(SaveProfile(s, store));
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray text = in.readAll();
    EXPECT_FALSE(text.contains("Junk"));
    EXPECT_FALSE(text.contains("Variant"));
}

struct UnusableCase {
    const char* name;
    void (*make)(const QString& path);
};

class UnusableProfileTest : public testing::TestWithParam<UnusableCase> {};

TEST_P(UnusableProfileTest, CountsAsMissingAndIsNotOverwritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tesmark.conf");
    GetParam().make(path);
    const QFileInfo made(path);
    if (made.isFile() && made.size() < 1024 && ::access(QFile::encodeName(path), R_OK) == 0) {
        GTEST_SKIP() << "running as root: every file is readable";
    }
    const QByteArray before = QFileInfo(path).isFile() && QFileInfo(path).isReadable()
                                  ? [&] {
                                        QFile f(path);
                                        f.open(QIODevice::ReadOnly);
                                        return f.readAll();
                                    }()
                                  : QByteArray();
    SettingsStore store(path);  // a FIFO would block here if it were opened
    RuleState s = LoadProfile(store);
    EXPECT_EQ(s.Xpos, 10);
    EXPECT_FALSE(SaveProfile(s, store));
    EXPECT_FALSE(store.writeError().isEmpty());
    QFileInfo after(path);
    if (after.isFile() && after.isReadable()) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnusableProfileTest,
    testing::Values(UnusableCase{"Fifo",
                                 [](const QString& p) { ::mkfifo(QFile::encodeName(p), 0600); }},
                    UnusableCase{"Folder", [](const QString& p) { QDir().mkpath(p); }},
                    UnusableCase{"TooLarge",
                                 [](const QString& p) {
                                     QFile f(p);
                                     f.open(QIODevice::WriteOnly);
                                     f.write("[TesmarkX]\nXpos=5\n");
                                     f.write(QByteArray(1024 * 1024, ';'));
                                 }},
                    UnusableCase{"Unreadable",
                                 [](const QString& p) {
                                     QFile f(p);
                                     f.open(QIODevice::WriteOnly);
                                     f.write("[TesmarkX]\nXpos=5\n");
                                     f.close();
                                     f.setPermissions(QFileDevice::WriteOwner);
                                 }}),
    [](const auto& info) { return info.param.name; });

TEST(SettingsStore, AFailedWriteLeavesThePreviousProfile) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("ro");
    QDir().mkpath(folder);
    const QString file = folder + "/Tesmark.conf";
    QFile::copy(kFixture, file);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (::access(QFile::encodeName(folder), W_OK) == 0) GTEST_SKIP() << "running as root";
    SettingsStore store(file);
    RuleState s = LoadProfile(store);
    s.Xpos = 99;
    EXPECT_FALSE(SaveProfile(s, store));
    EXPECT_FALSE(store.writeError().isEmpty());
    EXPECT_EQ(LoadProfile(*std::make_unique<SettingsStore>(file)).Xpos, -30);
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

}  // namespace
}  // namespace tesmark
