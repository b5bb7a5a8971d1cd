// Construction of the main window: the client area with its controls, the
// drawing resources, the graduation tables and the first rule body.
#include "ui/main_window.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

#include "model/scale_layout.h"
#include "ops/random_generator.h"
#include "platform/mapped_image.h"
#include "platform/rule_view.h"
#include "platform/start_trace.h"
#include "ui/client_area.h"
#include "ui/edit_box.h"
#include "ui/pixel_art_style.h"
#include "ui/rebar.h"
#include "ui/scale_tooltip.h"
#include "ui/slide_bar.h"
#include "ui/window_geometry.h"

// The images are compiled into a static library; register them before use.
// (The macro must stand outside any namespace.)
static void InitTesmarkResources() {
    Q_INIT_RESOURCE(tesmark);
}

namespace tesmark {

CMainWindow::CMainWindow(RuleState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), session_(state) {
    InitTesmarkResources();
    setObjectName(QStringLiteral("MainWindow"));
    // A frame with a caption, a system menu, a sizing border and a minimize
    // box, but no maximize box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowFlag(Qt::WindowStaysOnTopHint, state_.TopWin != 0);
    QIcon icon;
    for (int size : {16, 32, 48}) icon.addFile(QStringLiteral(":/images/tesmark_%1.png").arg(size));
    setWindowIcon(icon);

    loadImages();
    InstallRuleAccessibility();
    StartTrace::mark("images");
    createControls();
    StartTrace::mark("controls");

    // The random generator of the greetings, seeded from the local time.
    const QDateTime now = QDateTime::currentDateTime();
    session_.random.seed(SeedFromLocalTime(now.date().year(), now.date().month(), now.date().day(),
                                           now.time().hour(), now.time().minute(),
                                           now.time().second(), now.time().msec()));
    // Prompts and tooltips come from the table of the display language.
    preferred_ = PreferredLanguageFromLocale(QLocale::system().name().toStdString());

    view_ = std::make_unique<RuleView>(ClientWidth(state_.CxSize), backgroundTile_,
                                       devicePixelRatioF());
    StartTrace::mark("tables+buffer");
    createRebar();
    StartTrace::mark("toolbars");
    // The formula tooltip, created once; every composition renews its texts.
    scaleTooltip_ = new ScaleTooltip(this);
    composeAndReact();
    StartTrace::mark("composition");
    refreshMenusAndLanguage();
    StartTrace::mark("menus");

    fixHeight();
    resize(ClientWidth(state_.CxSize), height());
    placeOnScreen();
    constructed_ = true;
    layoutForWidth(extraWidth());
    cursorBar_->setFocus(Qt::OtherFocusReason);
    session_.undo.kind = -1;
    qApp->installEventFilter(this);
    // The paste commands are available only while the clipboard holds text;
    // their buttons follow it.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { refreshToolbarStates(); });
}

CMainWindow::~CMainWindow() {
    qApp->removeEventFilter(this);
}

void CMainWindow::loadImages() {
    backgroundTile_ = LoadMappedBitmap(kWindowBackgroundBitmap, palette());
    barTile_ = LoadMappedBitmap(kBarTroughBitmap, palette());
}

void CMainWindow::loadIcons() {
    const qreal ratio = devicePixelRatioF();
    const QIcon home = PixelArtIcon(LoadMappedBitmap(kHomeButtonBitmap, palette()), ratio);
    slideHome_->setIcon(home);
    cursorHome_->setIcon(home);
    reverse_->setIcon(PixelArtIcon(LoadMappedBitmap(kReverseButtonBitmap, palette()), ratio));
}

void CMainWindow::createControls() {
    client_ = new ClientArea(this, this);
    client_->setFixedHeight(kClientHeight);
    // The layout keeps the client area within the width limits even in a
    // window that a window manager made narrower or wider (it is clipped).
    client_->setMinimumWidth(kMinClientWidth);
    client_->setMaximumWidth(kMaxClientWidth);
    setCentralWidget(client_);

    // The slide bars start hidden; the first rule paint shows them.
    slideBar_ = new SlideBar(BarId::Slide, client_);
    cursorBar_ = new SlideBar(BarId::Cursor, client_);
    for (SlideBar* bar : {slideBar_, cursorBar_}) {
        bar->setVisible(false);
        connect(bar, &SlideBar::scrolled, this, &CMainWindow::onScroll);
        connect(bar, &SlideBar::wheelTurned, this, &CMainWindow::onWheel);
        bar->setTroughTile(barTile_);
    }
    slideBar_->setThumb(SlideBarPosition(state_.SlidePos));
    session_.redraw.DrawnSlidePos = state_.SlidePos;
    cursorBar_->setThumb(state_.CursorPos);
    session_.redraw.DrawnCursorPos = state_.CursorPos;

    auto makeButton = [this](int id, const QString& name) {
        auto* button = new QPushButton(client_);
        button->setObjectName(name);
        button->setFlat(true);
        button->setStyle(SharedPixelArtStyle());  // sharp pictures at any ratio
        button->setProperty("controlId", id);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, id] { runCommand(id); });
        return button;
    };
    slideHome_ = makeButton(kSlideHomeButtonId, QStringLiteral("SlideHomeButton"));
    cursorHome_ = makeButton(kCursorHomeButtonId, QStringLiteral("CursorHomeButton"));
    reverse_ = makeButton(kReverseButtonId, QStringLiteral("ReverseButton"));
    reverse_->setGeometry(geometry::kReverseButton);
    loadIcons();
    const QSize homeImage = slideHome_->icon().availableSizes().value(0, QSize(56, 25));
    slideHome_->setIconSize(homeImage);
    cursorHome_->setIconSize(homeImage);
    reverse_->setIconSize(reverse_->icon().availableSizes().value(0, QSize(36, 61)));

    statusBar_ = new QStatusBar(client_);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(true);
    statusBar_->setAutoFillBackground(true);  // the system colour, not the window's pattern
    statusBar_->setBackgroundRole(QPalette::Button);
    statusPart0_ = new QLabel(QStringLiteral(" "), statusBar_);
    statusPart0_->setObjectName(QStringLiteral("StatusPart0"));
    statusPart0_->setFrameStyle(QFrame::Panel | QFrame::Sunken);  // part 0 ends visibly
    // The bar keeps two pixels before its first part: part 0 ends at 480.
    statusPart0_->setFixedWidth(geometry::kStatusPart0Width - 2);
    statusBar_->addWidget(statusPart0_);
}

void CMainWindow::createRebar() {
    rebar_ = new Rebar(client_);
    rebar_->setAutoFillBackground(true);
    QPalette bands = rebar_->palette();
    bands.setBrush(QPalette::Window, QBrush(backgroundTile_));
    rebar_->setPalette(bands);
    for (int i = 0; i < static_cast<int>(toolbars_.size()); ++i) {
        // Its buttons come with the language, in refreshMenusAndLanguage().
        toolbars_[static_cast<std::size_t>(i)] = new RuleToolbar(i, rebar_);
        connect(toolbars_[static_cast<std::size_t>(i)], &RuleToolbar::commandTriggered, this,
                [this](int id) { runCommand(id); });
    }
    editBox_ = new EditBox(state_, rebar_);
    QFont editFont(QStringLiteral("Arial"));
    editFont.setPixelSize(12);
    editBox_->setFont(editFont);
    for (std::size_t band = 0; band < kRebarBands.size(); ++band) {
        const RebarBand& definition = kRebarBands[band];
        rebar_->setBandChild(static_cast<int>(band),
                             definition.toolbar == kEditBoxBand
                                 ? static_cast<QWidget*>(editBox_)
                                 : toolbars_[static_cast<std::size_t>(definition.toolbar)]);
    }
    rebar_->showBand(kFrontOptionsBand, state_.SlideRev == 0);
    rebar_->showBand(kBackOptionsBand, state_.SlideRev != 0);
}

void CMainWindow::refreshScaleTooltips() {
    tooltipIds_ = RowTooltipIds(state_);
    // The tip on show belongs to the names before the composition; the next
    // rest of the mouse shows the new name's formula in its colour.
    if (scaleTooltip_ != nullptr) scaleTooltip_->hideTip();
}

void CMainWindow::applyAccessibleNames() {
    struct Names {
        QWidget* widget;
        const char* english;
        const char* englishDescription;
        const char* japanese;
        const char* japaneseDescription;
    };
    const Names names[] = {
        {slideBar_, "Slide bar", "Moves the slide; arrows step, Page keys jump", "滑尺バー",
         "滑尺を動かします"},
        {cursorBar_, "Cursor bar", "Moves the cursor; arrows step, Page keys jump", "カーソルバー",
         "カーソルを動かします"},
        {slideHome_, "Slide home", "Puts the slide back in the middle", "滑尺を中央へ",
         "滑尺を中央に戻します"},
        {cursorHome_, "Cursor home", "Puts the cursor back in the middle", "カーソルを中央へ",
         "カーソルを中央に戻します"},
        {reverse_, "Reverse", "Turns the rule over", "裏返す", "計算尺を裏返します"},
        {editBox_, "Edit box", "A number to set on the rule, and the numbers used before",
         "エディット・ボックス", "計算尺に設定する数値と、その履歴"},
        {statusPart0_, "Status", "The last message", "ステータス", "最後のメッセージ"},
    };
    const bool english = state_.Language == 0;
    for (const Names& n : names) {
        n.widget->setAccessibleName(QString::fromUtf8(english ? n.english : n.japanese));
        n.widget->setAccessibleDescription(
            QString::fromUtf8(english ? n.englishDescription : n.japaneseDescription));
    }
}

void CMainWindow::composeAndReact() {
    const Composition composition = view_->compose(state_, session_.composed);
    if (composition.faceTurned && rebar_ != nullptr) {
        rebar_->showBand(kFrontOptionsBand, state_.SlideRev == 0);
        rebar_->showBand(kBackOptionsBand, state_.SlideRev != 0);
    }
    refreshScaleTooltips();
}

int CMainWindow::extraWidth() const {
    return client_->width() - kBaseClientWidth;
}

}  // namespace tesmark
