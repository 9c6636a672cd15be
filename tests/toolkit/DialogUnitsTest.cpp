#include "toolkit/DialogUnits.h"
#include "toolkit/DialogFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

TEST(DialogUnits, MulDivRoundsToNearestAndReportsDivisionByZero) {
    struct Case {
        int a, b, c, expected;
    };
    const Case cases[] = {
        {10, 6, 4, 15},
        {1, 6, 4, 2}, // 1.5 rounds up
        {1, 5, 4, 1},
        {3, 5, 4, 4}, // 1.25 down, 3.75 up
        {14, 13, 8, 23},
        {0, 13, 8, 0}, // 22.75 up
        {-1, 6, 4, -2},
        {-1, 5, 4, -1}, // halves away from zero
        {1, 6, -4, -2},
        {7, 3, 0, -1},            // c == 0
        {INT_MAX, 2, 2, INT_MAX}, // 64-bit intermediate
        {INT_MAX, 2, 1, -1},      // result overflows
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
    }
}

TEST(DialogUnits, DialogToPixelsScalesEachValueOnItsOwn) {
    // Quarter of cx horizontally, eighth of cy vertically, each rounded separately.
    EXPECT_EQ(DialogToPixels(10, 10, 50, 14, {6, 13}), QRect(15, 16, 75, 23));
    EXPECT_EQ(DialogToPixels(1, 1, 1, 1, {7, 12}), QRect(2, 2, 2, 2));
    EXPECT_EQ(DialogToPixels(362, 428, 0, 0, {6, 12}), QRect(543, 642, 0, 0));
}

TEST(DialogFont, MissingFamiliesFallBackToARegularSansSerif) {
    if (!QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
        GTEST_SKIP() << "fonts-liberation2 is not installed";
    }
    for (const char* pFamily : {"Microsoft Sans Serif", "MS Shell Dlg", "No Such Family 42"}) {
        SCOPED_TRACE(pFamily);
        if (QFontDatabase::hasFamily(QString::fromLatin1(pFamily))) {
            continue;
        }
        const QFont font = DialogFont(QString::fromLatin1(pFamily), 8);
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
        EXPECT_EQ(font.pointSize(), 8);
        EXPECT_EQ(font.weight(), QFont::Normal);
        EXPECT_FALSE(font.italic());
    }
    // A family the system has passes through.
    const QStringList families = QFontDatabase::families();
    const auto present = std::find_if(families.begin(), families.end(), [](const QString& family) {
        return family != QStringLiteral("Liberation Sans") && QFontDatabase::hasFamily(family);
    });
    ASSERT_NE(present, families.end());
    EXPECT_EQ(DialogFont(*present, 9).family(), *present);
}
