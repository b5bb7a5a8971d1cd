#pragma once
// Watches an X display for the window of a started program: when it is
// created and mapped, and every rectangle the program draws into it (the
// damage the server reports), with the time each report arrived. It also
// sends key presses through the XTest extension.
#include <X11/Xlib.h>

#include <string>
#include <vector>

namespace probe {

struct DamageRect {
    double time = 0;  // monotonic seconds when the probe read the report
    int x = 0;        // in the coordinates of the main window
    int y = 0;
    int width = 0;
    int height = 0;
};

class DamageWatch {
  public:
    // Opens DISPLAY and starts watching the root window for new windows.
    DamageWatch();
    ~DamageWatch();
    DamageWatch(const DamageWatch&) = delete;
    DamageWatch& operator=(const DamageWatch&) = delete;

    // Forgets the windows and damage of a previous program.
    void reset();
    // The main window is the first one mapped that names this process in
    // its _NET_WM_PID.
    void expectProcess(long pid) { pid_ = pid; }
    // Handles the server's events until the monotonic time `until`.
    void pump(double until);
    // Handles events until `until` or until no damage has come for `quiet`
    // seconds, whichever is first.
    void pumpUntilQuiet(double quiet, double until);

    bool mapped() const { return window_ != 0; }
    double createdTime() const { return created_; }
    double mappedTime() const { return mappedAt_; }
    int windowWidth() const { return width_; }
    int windowHeight() const { return height_; }
    const std::vector<DamageRect>& damage() const { return damage_; }

    // Whether the rule area of the window shows graduations: rows through
    // the rule hold many dark pixels once the rule has been painted.
    bool rulePainted(int ruleTop, int ruleBottom);

    // Gives the main window the keyboard focus and parks the pointer off it.
    void focusWindow();
    // Presses and releases the key of an X keysym name ("Right", "s").
    void tapKey(const std::string& keysym);

    int screenWidth() const;
    int screenHeight() const;

  private:
    void handle(XEvent& event);
    void watchWindow(Window window);
    long windowPid(Window window);

    struct Candidate {
        Window window;
        double created;
    };

    Display* display_ = nullptr;
    int damageEvent_ = 0;
    long pid_ = 0;
    std::vector<Candidate> candidates_;
    std::vector<unsigned long> damages_;  // XDamage handles we created
    Window window_ = 0;
    double created_ = 0;
    double mappedAt_ = 0;
    int width_ = 0;
    int height_ = 0;
    double lastDamage_ = 0;
    std::vector<DamageRect> damage_;
};

}  // namespace probe
