// Texts laid out from cached glyphs measure as the sum of the font's
// characters, each glyph starting on a whole pixel, and characters the font
// lacks send the text the ordinary way.
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "platform/glyph_run_cache.h"

namespace tesmark {
namespace {

QFont RuleFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setKerning(false);
    return font;
}

TEST(GlyphRunCache, GlyphsStandOnWholePixelsAtTheFontsCharacterAdvances) {
    for (bool bold : {false, true}) {
        const QFont font = RuleFont(bold ? 13 : 12, bold);
        GlyphRunCache cache(font);
        const QFontMetrics metrics(font);
        for (const char* text : {"    3.16228    ", "    --------    ", "-99.0000", ".0010005",
                                 "LL/2", "CIF", "Tesmark", "version 3.2.0", "SLIDE", "1000"}) {
            SCOPED_TRACE(text);
            QGlyphRun run;
            int advance = -1;
            ASSERT_TRUE(cache.layout(QString::fromLatin1(text), run, advance));
            ASSERT_EQ(run.positions().size(), static_cast<qsizetype>(std::strlen(text)));
            int x = 0;
            for (qsizetype i = 0; i < run.positions().size(); ++i) {
                EXPECT_EQ(run.positions()[i], QPointF(x, 0)) << "character " << i;
                x += metrics.horizontalAdvance(QChar::fromLatin1(text[i]));
            }
            EXPECT_EQ(advance, x);
        }
    }
}

TEST(GlyphRunCache, CharactersOutsideTheFontAreRefused) {
    GlyphRunCache cache(RuleFont(12, false));
    QGlyphRun run;
    int advance = 0;
    EXPECT_FALSE(cache.layout(QStringLiteral("70\u30fb"), run, advance));  // the degree dot
    EXPECT_FALSE(cache.layout(QStringLiteral("\U0001F600"), run, advance));
    EXPECT_TRUE(cache.layout(QStringLiteral("70"), run, advance));  // the cache still works
}

}  // namespace
}  // namespace tesmark
