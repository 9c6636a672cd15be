#include "toolkit/Icons.h"

namespace {

QString& Location() {
    static QString s_location = QStringLiteral(":/icons/");
    return s_location;
}

} // namespace

QPixmap LoadImageResource(int id) {
    return QPixmap(Location() + QString::number(id) + QStringLiteral(".png"));
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
