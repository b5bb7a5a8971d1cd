#include "app/settings_store.h"

#include "platform/qt_text.h"

namespace tesmark {

namespace {

QString KeyPath(std::string_view section, std::string_view key) {
    return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

}  // namespace

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            kProfileOrganisation, kProfileApplication)) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

std::optional<int64_t> SettingsStore::readInt(std::string_view section, std::string_view key) {
    QVariant value = settings_->value(KeyPath(section, key));
    if (!value.isValid()) return std::nullopt;
    bool ok = false;
    qlonglong number = value.toString().trimmed().toLongLong(&ok);
    if (!ok) return std::nullopt;  // a text that is not a whole number counts as missing
    return static_cast<int64_t>(number);
}

std::optional<std::string> SettingsStore::readString(std::string_view section,
                                                     std::string_view key) {
    QVariant value = settings_->value(KeyPath(section, key));
    if (!value.isValid()) return std::nullopt;
    // An INI value holding commas reads back as a list; join it as written.
    if (value.typeId() == QMetaType::QStringList) {
        return ToUtf8(value.toStringList().join(QLatin1Char(',')));
    }
    return ToUtf8(value.toString());
}

void SettingsStore::writeInt(std::string_view section, std::string_view key, int32_t value) {
    settings_->setValue(KeyPath(section, key), static_cast<int>(value));
}

void SettingsStore::writeString(std::string_view section, std::string_view key,
                                std::string_view value) {
    settings_->setValue(KeyPath(section, key), ToQString(value));
}

bool SettingsStore::flush() {
    // QSettings writes the whole file anew and renames it into place, so a
    // process that dies meanwhile leaves the old profile intact.
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

}  // namespace tesmark
