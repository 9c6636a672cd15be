#pragma once

#include <QFont>
#include <QStringList>

// How a static caption is set in its box: broken into lines at blanks (a "\n" always starts a
// new line), one font height per line, as dialog texts have always been set. When the text
// needs more lines than the box holds, or a single word is wider than the box, the font is
// stepped down until everything shows, so no caption is ever cut off.
struct CCaptionLayout {
    QFont font;
    QStringList lines;
    bool bFits = false; // false only when even the smallest font cannot show it all
};

CCaptionLayout LayOutCaption(const QString& text, const QFont& font, int nWidth, int nHeight);

// Greedy line breaking at blanks within nWidth pixels of font.
QStringList WrapAtBlanks(const QString& text, const QFont& font, int nWidth);

// The last layout, kept while text, font and box stay the same. Controls paint far more
// often than their captions change, and a layout measures every word again (at every
// smaller size too, when the caption does not fit).
class CCaptionLayoutCache {
public:
    const CCaptionLayout& Get(const QString& text, const QFont& font, int nWidth, int nHeight);
    // Changes whenever Get made a new layout, for values a caller derives from it.
    unsigned Generation() const { return m_nGeneration; }

private:
    bool m_bValid = false;
    unsigned m_nGeneration = 0;
    QString m_text;
    QFont m_font;
    int m_nWidth = 0;
    int m_nHeight = 0;
    CCaptionLayout m_layout;
};
