#pragma once
// The version dialogs: the English one and the Japanese one, laid out in
// dialog units as the resource describes them and converted to pixels with
// the dialog font's average character width and height.
#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>

class QFont;

namespace tesmark {

// Where the link of the dialog leads: the project's page.
inline constexpr const char* kProjectPageUrl = "https://tesmark.corvane.example/";

// The platform this build runs on, as the dialog names it ("Linux", "Windows").
QString BuildPlatformName();
// The first line of the dialog's text: the brand and the build's version.
QString VersionLine(int16_t language);
// The whole two-line text ("Tesmark  Version 3.2.0" / "Tesmark for Linux").
QString VersionText(int16_t language);
QString VersionDialogTitle(int16_t language);
QString VersionNoticeText(int16_t language);
QString VersionLinkText(int16_t language);

// Dialog units to pixels for a font, as the platform's dialog manager does:
// x × average character width / 4, y × character height / 8.
class DialogUnits {
  public:
    explicit DialogUnits(const QFont& font);
    int x(int units) const;
    int y(int units) const;
    QRect rect(int left, int top, int width, int height) const;
    int baseWidth() const { return baseWidth_; }
    int baseHeight() const { return baseHeight_; }

  private:
    int baseWidth_;
    int baseHeight_;
};

class VersionDialog : public QDialog {
    Q_OBJECT

  public:
    explicit VersionDialog(int16_t language, QWidget* parent = nullptr);
    int16_t language() const { return language_; }

  private:
    int16_t language_;
};

// The Version command: the dialog of the current language, modal, owned by
// `parent`. Returns when it is closed.
void ShowVersionDialog(QWidget* parent, int16_t language);

}  // namespace tesmark
