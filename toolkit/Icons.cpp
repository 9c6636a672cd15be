#include "toolkit/Icons.h"

#include <QImageReader>

namespace {

QString& Location() {
    static QString s_location = QStringLiteral(":/icons/");
    return s_location;
}

} // namespace

QPixmap LoadImageResource(int id) {
    // Told the format and not to guess, the reader goes straight to Qt's own PNG reader.
    // Left to guess, it first loads every installed image plugin (gif, ico, jpeg and its
    // library here; more on other systems) to ask each whether it reads PNG.
    QImageReader reader(Location() + QString::number(id) + QStringLiteral(".png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImageReader(&reader);
}

QIcon LoadIconResource(int id) {
    // Null when the picture is missing, so callers can tell.
    const QPixmap pixmap = LoadImageResource(id);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

void SetIconLocation(const QString& location) {
    Location() = location;
}

QString IconLocation() {
    return Location();
}
