#pragma once
// RecordingSurface: a Surface that draws nothing and remembers every call,
// together with the drawing state in force at that moment, so that a test can
// say "the number 1.5 is drawn centred at x = 470 on baseline y" or "the
// hairline is a red line from (x, 39) to (x, 209)".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/surface.h"

namespace tesmark {

enum class CallKind {
    SetPen,
    SetBrush,
    SetPatternBrush,
    Line,
    Rectangle,
    SetFont,
    SetTextColour,
    SetTextBackground,
    SetTextAlign,
    Text,
    Clip,
    ClearClip,
    CopyFrom,
    AndGlyph,
};

struct ClipRect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    friend bool operator==(const ClipRect&, const ClipRect&) = default;
};

// The brush as a value: none, a solid colour or the background pattern.
struct BrushState {
    bool pattern = false;
    std::optional<Rgb> colour;
    friend bool operator==(const BrushState&, const BrushState&) = default;
};

struct SurfaceCall {
    CallKind kind{};
    // Line / Rectangle / Clip: (x1, y1)-(x2, y2). Text / AndGlyph: (x1, y1).
    // CopyFrom: destination (x1, y1), size (x2, y2) as w, h, source (sx, sy).
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int sx = 0, sy = 0;
    int sourceWidth = 0, sourceHeight = 0;  // CopyFrom: the source's dimensions
    const Surface* source = nullptr;        // CopyFrom: which surface was copied
    std::string text;                       // Text
    GlyphId glyph{};                        // AndGlyph
    // The state in force when the call was made (after it, for the setters).
    std::optional<Rgb> pen;
    BrushState brush;
    FontId font = FontId::Normal;
    Rgb textColour{};
    std::optional<Rgb> textBackground;
    TextAlign align = TextAlign::BaselineCentre;
    std::optional<ClipRect> clip;
};

class RecordingSurface : public Surface {
  public:
    RecordingSurface(int width = 2501, int height = 170) : width_(width), height_(height) {}

    int width() const override { return width_; }
    int height() const override { return height_; }

    void setPen(std::optional<Rgb> colour) override {
        state_.pen = colour;
        record(CallKind::SetPen);
    }
    void setBrush(std::optional<Rgb> colour) override {
        state_.brush = BrushState{false, colour};
        record(CallKind::SetBrush);
    }
    void setPatternBrush() override {
        state_.brush = BrushState{true, std::nullopt};
        record(CallKind::SetPatternBrush);
    }
    void line(int x1, int y1, int x2, int y2) override { record(CallKind::Line, x1, y1, x2, y2); }
    void rectangle(int x1, int y1, int x2, int y2) override {
        record(CallKind::Rectangle, x1, y1, x2, y2);
    }
    void setFont(FontId font) override {
        state_.font = font;
        record(CallKind::SetFont);
    }
    void setTextColour(Rgb colour) override {
        state_.textColour = colour;
        record(CallKind::SetTextColour);
    }
    void setTextBackground(std::optional<Rgb> colour) override {
        state_.textBackground = colour;
        record(CallKind::SetTextBackground);
    }
    void setTextAlign(TextAlign align) override {
        state_.align = align;
        record(CallKind::SetTextAlign);
    }
    void drawText(int x, int y, std::string_view text) override {
        SurfaceCall& call = record(CallKind::Text, x, y);
        call.text = std::string(text);
    }
    void clip(int x1, int y1, int x2, int y2) override {
        state_.clip = ClipRect{x1, y1, x2, y2};
        record(CallKind::Clip, x1, y1, x2, y2);
    }
    void clearClip() override {
        state_.clip.reset();
        record(CallKind::ClearClip);
    }
    void copyFrom(const Surface& source, int x, int y, int w, int h, int sx, int sy) override {
        SurfaceCall& call = record(CallKind::CopyFrom, x, y, w, h);
        call.sx = sx;
        call.sy = sy;
        call.sourceWidth = source.width();
        call.sourceHeight = source.height();
        call.source = &source;
    }
    void andGlyph(GlyphId glyph, int x, int y) override {
        SurfaceCall& call = record(CallKind::AndGlyph, x, y);
        call.glyph = glyph;
    }

    // --- for the tests ---------------------------------------------------

    const std::vector<SurfaceCall>& calls() const { return calls_; }
    void clear() { calls_.clear(); }

    // Every call of one kind, in order.
    std::vector<SurfaceCall> ofKind(CallKind kind) const {
        std::vector<SurfaceCall> found;
        for (const SurfaceCall& call : calls_)
            if (call.kind == kind) found.push_back(call);
        return found;
    }
    std::vector<SurfaceCall> texts() const { return ofKind(CallKind::Text); }
    std::vector<SurfaceCall> lines() const { return ofKind(CallKind::Line); }
    std::vector<SurfaceCall> rectangles() const { return ofKind(CallKind::Rectangle); }

    // Every drawing of exactly this text.
    std::vector<SurfaceCall> textsEqual(std::string_view text) const {
        std::vector<SurfaceCall> found;
        for (const SurfaceCall& call : calls_)
            if (call.kind == CallKind::Text && call.text == text) found.push_back(call);
        return found;
    }
    // The first drawing of this text, if any.
    std::optional<SurfaceCall> findText(std::string_view text) const {
        for (const SurfaceCall& call : calls_)
            if (call.kind == CallKind::Text && call.text == text) return call;
        return std::nullopt;
    }
    // The drawing of this text at (x, y), if any.
    std::optional<SurfaceCall> findTextAt(std::string_view text, int x, int y) const {
        for (const SurfaceCall& call : calls_)
            if (call.kind == CallKind::Text && call.text == text && call.x1 == x && call.y1 == y)
                return call;
        return std::nullopt;
    }
    // The first line with these end points, if any.
    std::optional<SurfaceCall> findLine(int x1, int y1, int x2, int y2) const {
        for (const SurfaceCall& call : calls_)
            if (call.kind == CallKind::Line && call.x1 == x1 && call.y1 == y1 && call.x2 == x2 &&
                call.y2 == y2)
                return call;
        return std::nullopt;
    }
    // Every line that starts in column x.
    std::vector<SurfaceCall> linesAtX(int x) const {
        std::vector<SurfaceCall> found;
        for (const SurfaceCall& call : calls_)
            if (call.kind == CallKind::Line && call.x1 == x) found.push_back(call);
        return found;
    }
    // The first rectangle with these corners, if any.
    std::optional<SurfaceCall> findRectangle(int x1, int y1, int x2, int y2) const {
        for (const SurfaceCall& call : calls_)
            if (call.kind == CallKind::Rectangle && call.x1 == x1 && call.y1 == y1 &&
                call.x2 == x2 && call.y2 == y2)
                return call;
        return std::nullopt;
    }
    // True when a call of this kind was made (drawing calls, not setters).
    bool drewAnything() const {
        for (const SurfaceCall& call : calls_) switch (call.kind) {
                case CallKind::Line:
                case CallKind::Rectangle:
                case CallKind::Text:
                case CallKind::CopyFrom:
                case CallKind::AndGlyph:
                    return true;
                default:
                    break;
            }
        return false;
    }

  private:
    SurfaceCall& record(CallKind kind, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0) {
        SurfaceCall call = state_;
        call.kind = kind;
        call.x1 = x1;
        call.y1 = y1;
        call.x2 = x2;
        call.y2 = y2;
        calls_.push_back(std::move(call));
        return calls_.back();
    }

    int width_;
    int height_;
    SurfaceCall state_;  // only the state fields are used
    std::vector<SurfaceCall> calls_;
};

}  // namespace tesmark
