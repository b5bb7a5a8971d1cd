#include "damage_watch.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>

#include <X11/Xatom.h>

#include <algorithm>
#include <stdexcept>

#include "tesmark_process.h"

namespace probe {

namespace {

// Damage reported before the main window is known, with its drawable.
struct EarlyDamage {
    Window drawable;
    DamageRect rect;
};
std::vector<EarlyDamage> early;

}  // namespace

DamageWatch::DamageWatch() {
    display_ = XOpenDisplay(nullptr);
    if (!display_) throw std::runtime_error("cannot open the X display (is DISPLAY set?)");
    int damageError = 0;
    if (!XDamageQueryExtension(display_, &damageEvent_, &damageError)) {
        throw std::runtime_error("the X server has no DAMAGE extension");
    }
    int major = 0;
    int minor = 0;
    int xtestEvent = 0;
    int xtestError = 0;
    if (!XTestQueryExtension(display_, &xtestEvent, &xtestError, &major, &minor)) {
        throw std::runtime_error("the X server has no XTEST extension");
    }
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
}

DamageWatch::~DamageWatch() {
    reset();
    XCloseDisplay(display_);
}

void DamageWatch::reset() {
    // The handles of a window that is gone went with it; destroying them
    // again would be an error, so errors are ignored here.
    XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    for (unsigned long damage : damages_) XDamageDestroy(display_, damage);
    XSync(display_, False);
    XSetErrorHandler(previous);
    damages_.clear();
    candidates_.clear();
    early.clear();
    damage_.clear();
    // Events of the previous program's windows still queued are dropped.
    XSync(display_, True);
    pid_ = 0;
    window_ = 0;
    created_ = mappedAt_ = lastDamage_ = 0;
    width_ = height_ = 0;
}

void DamageWatch::watchWindow(Window window) {
    XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    damages_.push_back(XDamageCreate(display_, window, XDamageReportRawRectangles));
    XSync(display_, False);
    XSetErrorHandler(previous);
}

void DamageWatch::handle(XEvent& event) {
    const double now = MonotonicSeconds();
    if (event.type == CreateNotify) {
        const XCreateWindowEvent& created = event.xcreatewindow;
        if (created.parent != DefaultRootWindow(display_) || created.override_redirect) return;
        candidates_.push_back({created.window, now});
        watchWindow(created.window);
    } else if (event.type == MapNotify) {
        const XMapEvent& map = event.xmap;
        if (window_ != 0 || map.override_redirect) return;
        const auto candidate =
            std::find_if(candidates_.begin(), candidates_.end(),
                         [&](const Candidate& item) { return item.window == map.window; });
        if (candidate == candidates_.end() || windowPid(map.window) != pid_) return;
        window_ = map.window;
        created_ = candidate->created;
        mappedAt_ = now;
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, window_, &attributes);
        width_ = attributes.width;
        height_ = attributes.height;
        for (const EarlyDamage& item : early) {
            if (item.drawable == window_) damage_.push_back(item.rect);
        }
        early.clear();
    } else if (event.type == damageEvent_ + XDamageNotify) {
        const auto& notify = reinterpret_cast<const XDamageNotifyEvent&>(event);
        DamageRect rect{now, notify.area.x, notify.area.y, notify.area.width, notify.area.height};
        if (window_ == 0) {
            early.push_back({notify.drawable, rect});
        } else if (notify.drawable == window_) {
            damage_.push_back(rect);
            lastDamage_ = now;
        }
    }
}

long DamageWatch::windowPid(Window window) {
    const Atom property = XInternAtom(display_, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display_, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) == Success &&
        data && items == 1 && format == 32) {
        pid = *reinterpret_cast<long*>(data);
    }
    if (data) XFree(data);
    return pid;
}

void DamageWatch::pump(double until) {
    for (;;) {
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            handle(event);
        }
        const double left = until - MonotonicSeconds();
        if (left <= 0) return;
        pollfd connection{ConnectionNumber(display_), POLLIN, 0};
        poll(&connection, 1, std::max(1, static_cast<int>(left * 1000)));
    }
}

void DamageWatch::pumpUntilQuiet(double quiet, double until) {
    const double start = MonotonicSeconds();
    for (;;) {
        const double now = MonotonicSeconds();
        const double last = std::max(lastDamage_, start);
        if (now - last >= quiet || now >= until) return;
        pump(std::min(until, last + quiet));
    }
}

bool DamageWatch::rulePainted(int ruleTop, int ruleBottom) {
    if (window_ == 0) return false;
    // A painted rule has dark graduation marks and digits all over it; an
    // unpainted one is a plain background.
    XImage* image = XGetImage(display_, window_, 0, ruleTop, static_cast<unsigned>(width_),
                              static_cast<unsigned>(ruleBottom - ruleTop), AllPlanes, ZPixmap);
    if (!image) return false;
    int dark = 0;
    for (int y = 0; y < ruleBottom - ruleTop; ++y) {
        for (int x = 0; x < width_; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            const unsigned long sum =
                ((pixel >> 16) & 0xff) + ((pixel >> 8) & 0xff) + (pixel & 0xff);
            if (sum < 3 * 80) ++dark;
        }
    }
    XDestroyImage(image);
    return dark > 1000;
}

void DamageWatch::focusWindow() {
    XWarpPointer(display_, None, DefaultRootWindow(display_), 0, 0, 0, 0, screenWidth() - 1,
                 screenHeight() - 1);
    XSetInputFocus(display_, window_, RevertToPointerRoot, CurrentTime);
    XSync(display_, False);
}

void DamageWatch::tapKey(const std::string& keysym) {
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysym.c_str()));
    if (code == 0) throw std::runtime_error("no key for " + keysym);
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XFlush(display_);
}

int DamageWatch::screenWidth() const {
    return DisplayWidth(display_, DefaultScreen(display_));
}

int DamageWatch::screenHeight() const {
    return DisplayHeight(display_, DefaultScreen(display_));
}

}  // namespace probe
