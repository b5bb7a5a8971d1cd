#include "ui/version_dialog.h"

#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "model/version.h"

// The icon comes from the program's images, compiled into a static library.
// (The macro must stand outside any namespace.)
static void InitVersionResources() {
    Q_INIT_RESOURCE(tesmark);
}

namespace tesmark {
namespace {

constexpr int16_t kEnglish = 0;

struct Box {
    int left, top, width, height;
};

// One dialog's resource: texts and the places of its controls in dialog units.
struct VersionLayout {
    const char* title;
    const char* versionPrefix;     // before the version number
    const char* secondLinePrefix;  // before the platform name
    const char* notice;
    const char* link;
    QStringList families;
    Box dialog;
    Box icon;
    Box text;
    Box ok;
    Box bars[3];
    Box lines[2];
    Box notes;
    Box linkBox;
};

const VersionLayout& LayoutFor(int16_t language) {
    // Liberation Sans and the CJK families stand in for "Meiryo UI" and
    // "メイリオ"; fontconfig picks another face if none of them is there.
    static const VersionLayout english = {
        "Tesmark - Version Information",
        "Tesmark  Version ",
        "Tesmark for ",
        "Tesmark \xE2\x80\x94 a slide rule simulator. Free to use.",
        "Tesmark project page",
        {QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans CJK JP"),
         QStringLiteral("IPAPGothic")},
        {35, 15, 231, 85},
        {5, 11, 20, 20},
        {40, 6, 132, 20},
        {176, 7, 45, 19},
        {{39, 34, 26, 9}, {68, 34, 53, 9}, {124, 34, 100, 9}},
        {{39, 30, 186, 1}, {39, 46, 186, 1}},
        {39, 49, 187, 16},
        {39, 69, 134, 8},
    };
    static const VersionLayout japanese = {
        "Tesmark - バージョン",
        "Tesmark Version ",
        "両面型デジタル計算尺 for ",
        "Tesmark \xE2\x80\x94 両面型計算尺のシミュレーター。無料でお使いいただけます。",
        "Tesmark プロジェクトのページ",
        {QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"),
         QStringLiteral("Liberation Sans")},
        {35, 15, 231, 85},
        {5, 12, 20, 20},
        {40, 6, 132, 22},
        {176, 8, 45, 19},
        {{39, 35, 26, 10}, {68, 35, 53, 10}, {124, 35, 100, 10}},
        {{39, 31, 187, 1}, {39, 48, 187, 1}},
        {40, 52, 181, 13},
        {40, 71, 134, 8},
    };
    return language == kEnglish ? english : japanese;
}

QFont DialogFont(int16_t language) {
    QFont font;
    font.setFamilies(LayoutFor(language).families);
    font.setPointSize(10);
    return font;
}

QLabel* FilledBar(QWidget* parent, const QColor& colour, const QRect& place, const char* name) {
    auto* bar = new QLabel(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, colour);
    bar->setPalette(palette);
    bar->setGeometry(place);
    return bar;
}

}  // namespace

QString BuildPlatformName() {
#if defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#elif defined(Q_OS_FREEBSD)
    return QStringLiteral("FreeBSD");
#else
    return QStringLiteral("Unix");
#endif
}

QString VersionLine(int16_t language) {
    return QString::fromUtf8(LayoutFor(language).versionPrefix) +
           QString::fromLatin1(kVersionNumber);
}

QString VersionText(int16_t language) {
    return VersionLine(language) + QLatin1Char('\n') +
           QString::fromUtf8(LayoutFor(language).secondLinePrefix) + BuildPlatformName();
}

QString VersionDialogTitle(int16_t language) {
    return QString::fromUtf8(LayoutFor(language).title);
}

QString VersionNoticeText(int16_t language) {
    return QString::fromUtf8(LayoutFor(language).notice);
}

QString VersionLinkText(int16_t language) {
    return QString::fromUtf8(LayoutFor(language).link);
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    // The average width of the Latin letters, rounded as the dialog manager
    // rounds it, and the full character height.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseWidth_ = (letters / 26 + 1) / 2;
    baseHeight_ = metrics.height();
}

int DialogUnits::x(int units) const {
    return units * baseWidth_ / 4;
}

int DialogUnits::y(int units) const {
    return units * baseHeight_ / 8;
}

QRect DialogUnits::rect(int left, int top, int width, int height) const {
    return QRect(x(left), y(top), x(width), y(height));
}

VersionDialog::VersionDialog(int16_t language, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      language_(language) {
    InitVersionResources();
    const VersionLayout& layout = LayoutFor(language);
    setObjectName(QStringLiteral("VersionDialog"));
    setModal(true);
    setWindowTitle(VersionDialogTitle(language));
    const QFont font = DialogFont(language);
    setFont(font);
    const DialogUnits du(font);
    auto place = [&du](const Box& box) {
        return du.rect(box.left, box.top, box.width, box.height);
    };

    setFixedSize(du.x(layout.dialog.width), du.y(layout.dialog.height));
    if (parent != nullptr) {
        move(parent->mapToGlobal(QPoint(du.x(layout.dialog.left), du.y(layout.dialog.top))));
    }

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("VersionIcon"));
    const QPixmap pixmap = QIcon(QStringLiteral(":/images/tesmark_32.png")).pixmap(32, 32);
    icon->setPixmap(pixmap);
    // The icon keeps its own size at the control's top-left corner.
    icon->setGeometry(QRect(place(layout.icon).topLeft(), QSize(32, 32)));

    auto* text = new QLabel(VersionText(language), this);
    text->setObjectName(QStringLiteral("VersionText"));
    text->setTextFormat(Qt::PlainText);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setGeometry(place(layout.text));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    ok->setAutoDefault(true);
    ok->setGeometry(place(layout.ok));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    FilledBar(this, QColor(0, 0, 0), place(layout.bars[0]), "BlackBar");
    FilledBar(this, QColor(128, 128, 128), place(layout.bars[1]), "GreyBar");
    FilledBar(this, QColor(255, 255, 255), place(layout.bars[2]), "WhiteBar");

    // An etched line: a shadow line with a highlight line under it.
    for (const Box& line : layout.lines) {
        const QRect r = place(line);
        FilledBar(this, palette().color(QPalette::Dark), QRect(r.x(), r.y(), r.width(), 1),
                  "EtchedShadow");
        FilledBar(this, palette().color(QPalette::Light), QRect(r.x(), r.y() + 1, r.width(), 1),
                  "EtchedLight");
    }

    auto* notice = new QLabel(VersionNoticeText(language), this);
    notice->setObjectName(QStringLiteral("NoticeText"));
    notice->setTextFormat(Qt::PlainText);
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A fallback font may need more room than the resource gives; the
    // notice then takes the lines it needs rather than losing its end.
    const QRect noticePlace = place(layout.notes);
    notice->setGeometry(
        noticePlace.x(), noticePlace.y(), noticePlace.width(),
        std::max(noticePlace.height(), notice->heightForWidth(noticePlace.width())));

    auto* link = new QLabel(this);
    link->setObjectName(QStringLiteral("LinkText"));
    link->setTextFormat(Qt::RichText);
    link->setText(
        QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(QString::fromLatin1(kProjectPageUrl), VersionLinkText(language).toHtmlEscaped()));
    link->setOpenExternalLinks(true);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    // The text may be a little taller than 8 units; let it show whole.
    const QRect linkPlace = place(layout.linkBox);
    link->setGeometry(linkPlace.x(), linkPlace.y(), linkPlace.width(),
                      std::max(linkPlace.height(), QFontMetrics(font).height()));

    ok->setFocus();
}

void ShowVersionDialog(QWidget* parent, int16_t language) {
    VersionDialog dialog(language, parent);
    dialog.exec();
}

}  // namespace tesmark
