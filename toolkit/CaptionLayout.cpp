#include "toolkit/CaptionLayout.h"

#include <QFontMetrics>

namespace {

constexpr qreal kSmallestPointSize = 6.0;
constexpr qreal kPointStep = 0.5;

bool Fits(const QStringList& lines, const QFont& font, int nWidth, int nHeight) {
    const QFontMetrics fm(font);
    if (static_cast<int>(lines.size()) * fm.height() > nHeight && lines.size() > 1) {
        return false;
    }
    for (const QString& line : lines) {
        if (fm.horizontalAdvance(line) > nWidth) {
            return false;
        }
    }
    return true;
}

} // namespace

QStringList WrapAtBlanks(const QString& text, const QFont& font, int nWidth) {
    const QFontMetrics fm(font);
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        // Most captions fit on one line: one measurement instead of one per word.
        if (fm.horizontalAdvance(paragraph) <= nWidth) {
            lines.append(paragraph);
            continue;
        }
        QString line;
        bool bFirst = true;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            if (bFirst) {
                line = word;
                bFirst = false;
                continue;
            }
            const QString candidate = line + QLatin1Char(' ') + word;
            if (fm.horizontalAdvance(candidate) <= nWidth || line.trimmed().isEmpty()) {
                line = candidate;
            } else {
                lines.append(line);
                line = word;
            }
        }
        lines.append(line);
    }
    return lines;
}

CCaptionLayout LayOutCaption(const QString& text, const QFont& font, int nWidth, int nHeight) {
    CCaptionLayout layout{font, WrapAtBlanks(text, font, nWidth), false};
    if (Fits(layout.lines, font, nWidth, nHeight)) {
        layout.bFits = true;
        return layout;
    }
    QFont smaller = font;
    for (qreal size = font.pointSizeF() - kPointStep; size >= kSmallestPointSize;
         size -= kPointStep) {
        smaller.setPointSizeF(size);
        QStringList lines = WrapAtBlanks(text, smaller, nWidth);
        layout = {smaller, lines, Fits(lines, smaller, nWidth, nHeight)};
        if (layout.bFits) {
            break;
        }
    }
    return layout;
}

const CCaptionLayout& CCaptionLayoutCache::Get(const QString& text, const QFont& font, int nWidth,
                                               int nHeight) {
    if (!m_bValid || nWidth != m_nWidth || nHeight != m_nHeight || text != m_text ||
        font != m_font) {
        m_layout = LayOutCaption(text, font, nWidth, nHeight);
        m_text = text;
        m_font = font;
        m_nWidth = nWidth;
        m_nHeight = nHeight;
        m_bValid = true;
        ++m_nGeneration;
    }
    return m_layout;
}
