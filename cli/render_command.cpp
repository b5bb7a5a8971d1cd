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
#include "option_table.h"
#include "platform/qt_surface.h"
#include "png_output.h"
#include "render/rule_body.h"
#include "render_window.h"
#include "state_options.h"
#include "tables/graduation.h"

namespace tesmark::cli {

namespace {

struct RenderRequest {
    enum class What { None, Body, Window } what = What::None;
    StateOptions state;
    std::string out;
    std::optional<int> width;
    double scale = 1.0;
};

// Screens have from 1 to 4 device pixels per pixel.
constexpr double kMinScale = 1.0;
constexpr double kMaxScale = 4.0;

// --scale R: a decimal ratio such as 2 or 1.5.
Option ScaleOption(RenderRequest& request) {
    return {
        "--scale", nullptr, "R",
        "device pixels per pixel of the screen the picture is for, from\n"
        "1 to 4 (default 1): 2 draws every pixel as 2 x 2, with text\n"
        "at the full resolution",
        [&request](const std::string& text, std::string& error) {
            double value = 0;
            const char* end = text.data() + text.size();
            const auto [ptr, ec] =
                std::from_chars(text.data(), end, value, std::chars_format::fixed);
            if (ec != std::errc() || ptr != end || !(value >= kMinScale && value <= kMaxScale)) {
                error = "--scale takes a ratio from 1 to 4, not '" + text + "'";
                return false;
            }
            request.scale = value;
            return true;
        }};
}

std::vector<OptionGroup> RenderOptions(RenderRequest& request) {
    auto what = [&request](RenderRequest::What chosen) {
        return [&request, chosen](const std::string&, std::string& error) {
            if (request.what != RenderRequest::What::None && request.what != chosen) {
                error = "give either --body or --window, not both";
                return false;
            }
            request.what = chosen;
            return true;
        };
    };
    return {
        {nullptr,
         13,
         {{"--body", nullptr, nullptr,
           "the composed rule body of the face and options: 2501 x 170\n"
           "pixels, both stators and the slide unshifted, no cursor",
           what(RenderRequest::What::Body)},
          {"--window", nullptr, nullptr, "the main window's client area at the state's positions",
           what(RenderRequest::What::Window)},
          {"--out", nullptr, "FILE", "where to write the PNG",
           [&request](const std::string& file, std::string& error) {
               if (file.empty()) {
                   error = "--out needs a file name";
                   return false;
               }
               request.out = file;
               return true;
           }},
          IntOption(
              "--width", "W",
              "client width of the window picture (default 625 + the\n"
              "profile's extra width)",
              kBaseClientWidth, kMaxClientWidth,
              [&request](long long width) { request.width = static_cast<int>(width); },
              "a whole number of pixels"),
          ScaleOption(request),
          HelpOption()}},
        StateOptionGroup(request.state),
    };
}

void PrintRenderHelp(std::ostream& out) {
    RenderRequest unused;
    out << "usage: tesmark-cli render --body --out FILE.png [--scale R] [state options]\n"
           "       tesmark-cli render --window --out FILE.png [--width W] [--scale R]\n"
           "                          [state options]\n"
           "\n"
           "Writes a picture of the rule as a PNG file. A failed write leaves no file\n"
           "behind (an existing file stays as it was).\n"
           "\n";
    WriteOptionHelp(out, RenderOptions(unused));
    out << "\n" << ExitStatusHelp();
}

ParseOutcome ParseRender(const Args& args, RenderRequest& request, std::string& error) {
    const ParseOutcome outcome =
        ParseCommandLine(args, {RenderOptions(request), nullptr, "-"}, error);
    if (outcome != ParseOutcome::Ok) return outcome;
    if (request.what == RenderRequest::What::None) {
        error = "say what to render: --body or --window";
        return ParseOutcome::Error;
    }
    if (request.out.empty()) {
        error = "say where to write the picture: --out FILE.png";
        return ParseOutcome::Error;
    }
    if (request.width && request.what != RenderRequest::What::Window) {
        error = "--width applies to --window only";
        return ParseOutcome::Error;
    }
    return ParseOutcome::Ok;
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

int RenderBody(const RuleState& state, double scale, const std::string& outPath,
               std::ostream& err) {
    const std::unique_ptr<QtSurface> body = ComposedRuleBody(state, scale);
    return WritePng(body->toImage(), outPath, err);
}

}  // namespace

int ParseRenderOnly(const Args& args, std::string& error) {
    RenderRequest request;
    return ParseRender(args, request, error) == ParseOutcome::Error ? kExitUsage : kExitDone;
}

int RunRender(const Args& args, std::ostream& out, std::ostream& err) {
    RenderRequest request;
    std::string error;
    if (const std::optional<int> code = StopAfterParse(ParseRender(args, request, error), "render",
                                                       error, out, err, PrintRenderHelp)) {
        return *code;
    }
    RuleState state;
    if (!ResolveState(request.state, state, error)) {
        err << "tesmark-cli render: " << error << "\n";
        return kExitUsage;
    }
    GuiApplicationScope application;
    if (!application.ready()) {
        err << "tesmark-cli render: drawing text needs a GUI application\n";
        return kExitFailed;
    }
    if (request.what == RenderRequest::What::Body)
        return RenderBody(state, request.scale, request.out, err);
    const int width = request.width.value_or(kBaseClientWidth + state.CxSize);
    return RenderWindowImage(state, width, request.scale, request.out, err);
}

}  // namespace tesmark::cli
