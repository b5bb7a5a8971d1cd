#pragma once
// The profile in QSettings: the registry key HKCU\Software\Corvane\Tesmark
// on Windows, ~/.config/Corvane/Tesmark.conf (an INI file) on Linux.
#include <QSettings>
#include <memory>

#include "app/profile_store.h"

namespace tesmark {

inline constexpr const char* kProfileOrganisation = "Corvane";
inline constexpr const char* kProfileApplication = "Tesmark";

class SettingsStore : public ProfileStore {
  public:
    // The user's profile.
    SettingsStore();
    // A profile file of the caller's choice (INI format).
    explicit SettingsStore(const QString& iniFile);

    std::optional<int64_t> readInt(std::string_view section, std::string_view key) override;
    std::optional<std::string> readString(std::string_view section, std::string_view key) override;
    void writeInt(std::string_view section, std::string_view key, int32_t value) override;
    void writeString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    bool flush() override;

    QString fileName() const { return settings_->fileName(); }

  private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace tesmark
