#include "toolkit/DialogFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// Looked up in the installed families only: QFontDatabase::hasFamily also asks the font
// configuration for aliases of a missing family, which costs more than the whole lookup.
bool IsInstalled(const QStringList& families, const QString& family) {
    return families.contains(family, Qt::CaseInsensitive);
}

} // namespace

QFont DialogFont(const QString& family, int pointSize) {
    QFont font;
    const QStringList families = QFontDatabase::families();
    if (IsInstalled(families, family)) {
        font.setFamily(family);
    } else if (IsInstalled(families, QStringLiteral("Liberation Sans"))) {
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
