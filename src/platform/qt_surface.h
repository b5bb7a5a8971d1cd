#pragma once
// QtSurface: the Surface port on a QImage (RGB32) through a QPainter with
// antialiasing off, so that every call lands on exactly the pixels its
// convention names (see render/surface.h). It serves as the rule body and as
// the window's back buffer; fonts need a QGuiApplication.
//
// For a screen of more than one device pixel per pixel, the surface holds
// the picture at the screen's resolution: the image has the device pixels,
// while every call keeps speaking of the rule's pixels. Fills, lines and
// copies cover the blocks of the device grid (see device_grid.h), text is
// rasterised at the device size and placed glyph by glyph where it stands
// at ratio 1, and the pattern and the gauge glyphs are enlarged as pixel
// art. At ratio 1 the image is the pixels themselves.
#include <QFont>
#include <QFontMetrics>
#include <memory>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <optional>
#include <vector>
#include "platform/glyph_atlas.h"
#include "platform/glyph_run_cache.h"

#include "render/surface.h"

namespace tesmark {

// A Qt colour as the core's colour.
Rgb ToRgb(const QColor& colour);

class QtSurface final : public Surface {
  public:
    // A surface of w x h pixels, filled with `background`, held at `ratio`
    // device pixels per pixel.
    QtSurface(int width, int height, Rgb background = kWhite, qreal ratio = 1.0);
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

    // Copies from another QtSurface (or this one) of the same ratio; other
    // surfaces have no pixels to give at this resolution and are ignored.
    void copyFrom(const Surface& source, int x, int y, int w, int h, int sx, int sy) override;
    void andGlyph(GlyphId glyph, int x, int y) override;

    // The tile of the pattern brush, aligned to the surface's origin. Until
    // the owner gives one, a plain light grey tile.
    void setPatternImage(const QImage& tile);
    // Paints the whole surface with the pattern, as the platform erases a
    // window's background. Leaves the pattern brush and no pen selected.
    void eraseWithPattern();

    // Device pixels per pixel.
    qreal ratio() const { return ratio_; }

    // Lines of one pixel's width as strokes of one width: the whole ratio
    // below the surface's ratio, at least one device pixel, where lines
    // otherwise cover their pixels' blocks (one or two device pixels by
    // turns at 1.5). For the rule body, whose ticks stand apart: even ticks
    // read as a scale. Not for the window, where a line beside a frame
    // makes one thicker edge, which a thinner stroke would split. No effect
    // at a whole ratio.
    void setEvenStrokes(bool even) { evenStrokes_ = !unit_ && even; }
    // The device pixels of a rectangle of pixels.
    QRect deviceRect(const QRect& rect) const;

    // The device pixels as they stand. The painter writes into this image
    // for the surface's whole life: read it or draw it, but keep a deep copy
    // (toImage) rather than a shallow one.
    const QImage& image() const { return image_; }
    // A copy of the device pixels, carrying the ratio.
    QImage toImage() const;
    // The colour of pixel (x, y): its block's top-left device pixel.
    Rgb pixel(int x, int y) const;

    // Shows the pixels of `region` (in pixels) through a painter of the
    // screen, whose own transform maps pixels to device pixels: device
    // pixel for device pixel where the two grids agree.
    void drawOn(QPainter& painter, const QRegion& region) const;

  private:
    int device(int edge) const;
    QBrush currentBrush() const;
    // The device pixels of a line of one pixel's width.
    QRect strokeRect(const QRect& rect) const;
    void fillSolid(const QRect& rect, const QColor& colour);
    void fillDevice(const QRect& deviceRect, const QColor& colour);
    void fillWith(const QRect& rect, const QBrush& brush);
    // Repeats `tile` over the device rectangle, from the image's origin.
    void fillTiled(const QRect& deviceRect, const QImage& tile);

    qreal ratio_;
    bool unit_;  // one device pixel per pixel
    bool evenStrokes_ = false;
    int width_;
    int height_;
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
    // The same glyphs' pixels at the device size, copied rather than drawn.
    std::unique_ptr<GlyphAtlas> normalAtlas_;
    std::unique_ptr<GlyphAtlas> boldAtlas_;
    GlyphAtlas* atlas_ = nullptr;
    // One text's glyphs, their x from its origin and their device origins.
    QList<quint32> indexes_;
    std::vector<int> xs_;
    std::vector<QPoint> origins_;
    Rgb textColour_ = kBlack;
    std::optional<Rgb> textBackground_;
    TextAlign align_ = TextAlign::BaselineCentre;
    std::optional<QRect> clipRect_;  // in device pixels
    uchar* bits_ = nullptr;
    qsizetype bytesPerLine_ = 0;
};

}  // namespace tesmark
