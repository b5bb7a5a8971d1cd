#pragma once
// QtSurface: the Surface port on a QImage (RGB32) through a QPainter with
// antialiasing off, so that every call lands on exactly the pixels its
// convention names (see render/surface.h). It serves as the rule body and as
// the window's back buffer; fonts need a QGuiApplication.
#include <QFont>
#include <QFontMetrics>
#include <memory>

#include <QImage>
#include <QPainter>
#include <optional>
#include "platform/glyph_run_cache.h"

#include "render/surface.h"

namespace tesmark {

// A Qt colour as the core's colour.
Rgb ToRgb(const QColor& colour);

class QtSurface final : public Surface {
  public:
    // A surface of w x h pixels, filled with `background`.
    QtSurface(int width, int height, Rgb background = kWhite);
    ~QtSurface() override;
    QtSurface(const QtSurface&) = delete;
    QtSurface& operator=(const QtSurface&) = delete;

    int width() const override;
    int height() const override;

    void setPen(std::optional<Rgb> colour) override;
    void setBrush(std::optional<Rgb> colour) override;
    void setPatternBrush() override;

    void line(int x1, int y1, int x2, int y2) override;
    void rectangle(int x1, int y1, int x2, int y2) override;

    void setFont(FontId font) override;
    void setTextColour(Rgb colour) override;
    void setTextBackground(std::optional<Rgb> colour) override;
    void setTextAlign(TextAlign align) override;
    void drawText(int x, int y, std::string_view text) override;

    void clip(int x1, int y1, int x2, int y2) override;
    void clearClip() override;

    // Copies from another QtSurface (or this one); other kinds of surface
    // have no pixels to give and are ignored.
    void copyFrom(const Surface& source, int x, int y, int w, int h, int sx, int sy) override;
    void andGlyph(GlyphId glyph, int x, int y) override;

    // The tile of the pattern brush, aligned to the surface's origin. Until
    // the owner gives one, a plain light grey tile.
    void setPatternImage(const QImage& tile);
    // Paints the whole surface with the pattern, as the platform erases a
    // window's background. Leaves the pattern brush and no pen selected.
    void eraseWithPattern();

    // The pixels as they stand. The painter writes into this image for the
    // surface's whole life: read it or draw it, but keep a deep copy
    // (toImage) rather than a shallow one.
    const QImage& image() const { return image_; }
    QImage toImage() const { return image_.copy(); }
    Rgb pixel(int x, int y) const;

  private:
    QBrush currentBrush() const;
    void fillSolid(const QRect& rect, const QColor& colour);
    void fillWith(const QRect& rect, const QBrush& brush);

    QImage image_;
    QPainter painter_;
    std::optional<Rgb> pen_;
    enum class BrushKind { None, Solid, Pattern } brushKind_ = BrushKind::None;
    Rgb brushColour_{};
    QImage patternTile_;
    QFont normalFont_;
    QFont boldFont_;
    // Measured once per font: every number of the rule is placed from them.
    QFontMetrics normalMetrics_;
    QFontMetrics boldMetrics_;
    const QFontMetrics* metrics_ = &normalMetrics_;
    // Glyph layouts per font, so that drawing a number does not shape it.
    std::unique_ptr<GlyphRunCache> normalGlyphs_;
    std::unique_ptr<GlyphRunCache> boldGlyphs_;
    GlyphRunCache* glyphs_ = nullptr;
    Rgb textColour_ = kBlack;
    std::optional<Rgb> textBackground_;
    TextAlign align_ = TextAlign::BaselineCentre;
    std::optional<QRect> clipRect_;
    uchar* bits_ = nullptr;
    qsizetype bytesPerLine_ = 0;
};

}  // namespace tesmark
