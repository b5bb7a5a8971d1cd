#pragma once
// ComposeHooks: what the rule-body composition asks of the main window
// beyond drawing: switching the face-specific option toolbar band and
// renewing the scale-name tooltips for the face and options just composed.
namespace tesmark {

// The bands of the toolbar container that carry the option toolbars.
inline constexpr int kFrontOptionBand = 0;
inline constexpr int kBackOptionBand = 1;

class ComposeHooks {
  public:
    virtual ~ComposeHooks() = default;

    virtual void showToolbarBand(int band, bool show) = 0;
    // Replaces the ten scale-name tooltips (RefreshScaleTooltips with 0).
    virtual void refreshScaleTooltips() = 0;
};

// For compositions without a window (tesmark-cli, benchmarks).
class NoComposeHooks final : public ComposeHooks {
  public:
    void showToolbarBand(int, bool) override {}
    void refreshScaleTooltips() override {}
};

}  // namespace tesmark
