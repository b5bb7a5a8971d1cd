// tesmark-cli render: the composed rule body, or the whole window, as a PNG.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>
#include <charconv>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "commands.h"
#include "model/client_size.h"
#include "platform/qt_surface.h"
#include "render/rule_body.h"
#include "render_window.h"
#include "state_options.h"
#include "tables/graduation.h"

namespace tesmark::cli {

namespace {

constexpr const char* kHelp =
    "usage: tesmark-cli render --body --out FILE.png [state options]\n"
    "       tesmark-cli render --window --out FILE.png [--width W] [state options]\n"
    "\n"
    "Writes a picture of the rule as a PNG file.\n"
    "\n"
    "  --body       the composed rule body of the face and options: 2501 x 170\n"
    "               pixels, both stators and the slide unshifted, no cursor\n"
    "  --window     the main window's client area at the state's positions\n"
    "  --out FILE   where to write the PNG\n"
    "  --width W    client width of the window picture (default 625 + the\n"
    "               profile's extra width)\n"
    "  --help       show this help\n"
    "\n";

constexpr int kMaxWidth = 32767;

struct RenderRequest {
    enum class What { None, Body, Window } what = What::None;
    std::string out;
    std::optional<int> width;
    bool help = false;
};

// Reads the options that are not state options; false with a message on a
// bad one.
bool ParseRenderOptions(const Args& rest, RenderRequest& request, std::string& error) {
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string& arg = rest[i];
        if (arg == "--help" || arg == "-h") {
            request.help = true;
        } else if (arg == "--body" || arg == "--window") {
            const auto what =
                arg == "--body" ? RenderRequest::What::Body : RenderRequest::What::Window;
            if (request.what != RenderRequest::What::None && request.what != what) {
                error = "give either --body or --window, not both";
                return false;
            }
            request.what = what;
        } else if (arg == "--out" || arg == "--width") {
            if (i + 1 >= rest.size()) {
                error = arg + " needs a value";
                return false;
            }
            const std::string& value = rest[++i];
            if (arg == "--out") {
                if (value.empty()) {
                    error = "--out needs a file name";
                    return false;
                }
                request.out = value;
                continue;
            }
            int width = 0;
            const char* end = value.data() + value.size();
            const auto [ptr, ec] = std::from_chars(value.data(), end, width);
            if (ec != std::errc() || ptr != end || width < 1 || width > kMaxWidth) {
                error =
                    "--width needs a whole number of pixels from 1 to 32767, not '" + value + "'";
                return false;
            }
            request.width = width;
        } else {
            error = "unknown option '" + arg + "' (see --help)";
            return false;
        }
    }
    if (request.help) return true;
    if (request.what == RenderRequest::What::None) {
        error = "say what to render: --body or --window";
        return false;
    }
    if (request.out.empty()) {
        error = "say where to write the picture: --out FILE.png";
        return false;
    }
    if (request.width && request.what != RenderRequest::What::Window) {
        error = "--width applies to --window only";
        return false;
    }
    return true;
}

// Fonts need a GUI application. Without a display the offscreen platform
// serves; an application that already runs (the tests') is used as it is.
class GuiApplicationScope {
  public:
    GuiApplicationScope() {
        if (QCoreApplication::instance() != nullptr) return;
        if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
            std::getenv("WAYLAND_DISPLAY") == nullptr)
            qputenv("QT_QPA_PLATFORM", "offscreen");
        own_ = std::make_unique<QGuiApplication>(argc_, argv_);
    }
    bool ready() const { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()); }

  private:
    int argc_ = 1;
    char name_[12] = "tesmark-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> own_;
};

int RenderBody(const RuleState& state, const std::string& outPath, std::ostream& err) {
    const std::unique_ptr<QtSurface> body = ComposedRuleBody(state);
    if (!body->toImage().save(QString::fromStdString(outPath), "PNG")) {
        err << "tesmark-cli render: cannot write '" << outPath << "'\n";
        return 2;
    }
    return 0;
}

}  // namespace

int RunRender(const Args& args, std::ostream& out, std::ostream& err) {
    ParsedState parsed;
    std::string error;
    if (!ParseStateOptions(args, parsed, error)) {
        err << "tesmark-cli render: " << error << "\n";
        return 2;
    }
    RenderRequest request;
    if (!ParseRenderOptions(parsed.rest, request, error)) {
        err << "tesmark-cli render: " << error << "\n";
        return 2;
    }
    if (request.help) {
        out << kHelp << StateOptionsHelp();
        return 0;
    }
    GuiApplicationScope application;
    if (!application.ready()) {
        err << "tesmark-cli render: drawing text needs a GUI application\n";
        return 2;
    }
    if (request.what == RenderRequest::What::Body)
        return RenderBody(parsed.state, request.out, err);
    const int width = request.width.value_or(kBaseClientWidth + parsed.state.CxSize);
    return RenderWindowImage(parsed.state, width, request.out, err);
}

}  // namespace tesmark::cli
