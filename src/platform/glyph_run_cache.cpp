#include "platform/glyph_run_cache.h"

#include <QList>
#include <QPointF>

namespace tesmark {

GlyphRunCache::GlyphRunCache(const QFont& font, qreal ratio)
    : raw_(QRawFont::fromFont(font)), device_(raw_) {
    if (ratio != 1.0 && device_.isValid()) device_.setPixelSize(raw_.pixelSize() * ratio);
}

const GlyphRunCache::Glyph* GlyphRunCache::glyphOf(QChar character) {
    if (character.unicode() < latin_.size()) {
        Glyph& latin = latin_[character.unicode()];
        if (latin.known) return latin.index != 0 ? &latin : nullptr;
    }
    auto found = glyphs_.constFind(character.unicode());
    if (found != glyphs_.constEnd()) return found->index != 0 ? &*found : nullptr;
    Glyph glyph;
    const QList<quint32> indexes = raw_.glyphIndexesForString(QString(character));
    if (raw_.isValid() && indexes.size() == 1 && indexes[0] != 0) {
        const QList<QPointF> advances = raw_.advancesForGlyphIndexes(indexes);
        glyph.index = indexes[0];
        glyph.advance = advances.isEmpty() ? 0 : qRound(advances[0].x());
    }
    glyph.known = true;
    if (character.unicode() < latin_.size()) {
        latin_[character.unicode()] = glyph;
        return glyph.index != 0 ? &latin_[character.unicode()] : nullptr;
    }
    auto inserted = glyphs_.insert(character.unicode(), glyph);
    return glyph.index != 0 ? &*inserted : nullptr;
}

bool GlyphRunCache::place(const QString& text, QList<quint32>& indexes, std::vector<int>& xs,
                          int& advance) {
    indexes.clear();
    xs.clear();
    int x = 0;
    for (QChar character : text) {
        if (character.isSurrogate()) return false;
        const Glyph* glyph = glyphOf(character);
        if (glyph == nullptr) return false;
        indexes.append(glyph->index);
        xs.push_back(x);
        x += glyph->advance;
    }
    advance = x;
    return true;
}

bool GlyphRunCache::layout(const QString& text, QGlyphRun& run, int& advance) {
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(text.size());
    positions.reserve(text.size());
    int x = 0;
    for (QChar character : text) {
        if (character.isSurrogate()) return false;
        const Glyph* glyph = glyphOf(character);
        if (glyph == nullptr) return false;
        indexes.append(glyph->index);
        positions.append(QPointF(x, 0));
        x += glyph->advance;
    }
    run.setRawFont(raw_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    advance = x;
    return true;
}

}  // namespace tesmark
