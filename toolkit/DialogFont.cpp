#include "toolkit/DialogFont.h"

#include <QFontDatabase>

QFont DialogFont(const QString& family, int pointSize) {
    QFont font;
    if (QFontDatabase::hasFamily(family)) {
        font.setFamily(family);
    } else if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
        // Its widths match the sans-serif that form layouts are usually drawn with, so texts
        // still fit their boxes.
        font.setFamily(QStringLiteral("Liberation Sans"));
    } else {
        font.setFamily(QStringLiteral("Sans Serif"));
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSize(pointSize > 0 ? pointSize : 8);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}
