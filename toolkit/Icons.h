#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// Icons and pictures by resource id, read from "<location><id>.png". The location is the
// Qt resource folder ":/icons/" unless set otherwise (tests point it at a folder of their own).
QIcon LoadIconResource(int id);
QPixmap LoadImageResource(int id);

void SetIconLocation(const QString& location);
QString IconLocation();
