#include "toolkit/CaptionLayout.h"
#include "toolkit/DialogFont.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

QFont Font() {
    return DialogFont(QStringLiteral("Microsoft Sans Serif"), 8);
}

} // namespace

TEST(CaptionLayout, BreaksAtBlanksAndLineBreaksOnly) {
    const QFont font = Font();
    const QFontMetrics fm(font);
    const int wide = fm.horizontalAdvance(QStringLiteral("Max MWI/BLF Subscriptions")) + 2;
    EXPECT_EQ(WrapAtBlanks(QStringLiteral("Max MWI/BLF Subscriptions\n(Recommended)"), font, wide),
              (QStringList{QStringLiteral("Max MWI/BLF Subscriptions"),
                           QStringLiteral("(Recommended)")}));
    // "G.729" and "MWI/BLF" are single words: never split inside.
    const int narrow = fm.horizontalAdvance(QStringLiteral("Traffic (G.729")) - 1;
    EXPECT_EQ(WrapAtBlanks(QStringLiteral("Traffic (G.729 Codec)"), font, narrow),
              (QStringList{QStringLiteral("Traffic"), QStringLiteral("(G.729"),
                           QStringLiteral("Codec)")}));
    EXPECT_EQ(WrapAtBlanks(QString(), font, 100), QStringList{QString()});
}

TEST(CaptionLayout, KeepsTheFontWhenTheTextFitsAndShrinksOnlyWhenItMust) {
    const QFont font = Font();
    const QFontMetrics fm(font);
    const QString text = QStringLiteral("Maximo Subscripciones MWI/BLF\n(Sugeridas)");
    const int twoLines = 2 * fm.height();

    const CCaptionLayout roomy = LayOutCaption(text, font, 400, twoLines);
    EXPECT_TRUE(roomy.bFits);
    EXPECT_EQ(roomy.font.pointSizeF(), font.pointSizeF());
    EXPECT_EQ(roomy.lines.size(), 2);

    const int tight = fm.horizontalAdvance(QStringLiteral("Maximo Subscripciones MWI/BLF")) - 4;
    const CCaptionLayout shrunk = LayOutCaption(text, font, tight, twoLines);
    EXPECT_TRUE(shrunk.bFits);
    EXPECT_LT(shrunk.font.pointSizeF(), font.pointSizeF());
    EXPECT_EQ(shrunk.lines.size(), 2);

    const CCaptionLayout hopeless = LayOutCaption(text, font, 10, twoLines);
    EXPECT_FALSE(hopeless.bFits);
}
