#pragma once
// The profile as an INI file: ~/.config/Corvane/Tesmark.conf (the folder
// follows XDG_CONFIG_HOME). The file is read as plain text by the core's
// reader and written anew through a temporary file that replaces it
// whole, so a process that dies meanwhile leaves the old profile intact.
//
// Only a regular file under 1 MB is read. Anything else at the profile's
// place (a FIFO, a device, a folder, a huge or unreadable file) counts as
// no profile: that is said once on stderr, and the file is then left as it
// is rather than overwritten with defaults: flush() refuses and says why.
#include <QString>

#include "profile/ini_profile_store.h"

namespace tesmark {

inline constexpr const char* kProfileOrganisation = "Corvane";
inline constexpr const char* kProfileApplication = "Tesmark";

class SettingsStore : public IniProfileStore {
  public:
    // The user's profile.
    SettingsStore();
    // A profile file of the caller's choice.
    explicit SettingsStore(const QString& iniFile);

    // Where the user's profile lives.
    static QString DefaultPath();
    // The largest profile file that is read.
    static constexpr qint64 kMaxFileSize = 1024 * 1024 - 1;

    QString path() const { return path_; }
    // Why the last flush() failed, in English; empty after a success.
    QString writeError() const { return writeError_; }

    std::string location() const override;
    std::string lastError() const override;

  protected:
    bool commit(const std::string& text) override;

  private:
    QString path_;
    QString unreadable_;  // why an existing file was not read
    QString writeError_;
};

}  // namespace tesmark
