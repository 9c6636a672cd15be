#pragma once

#include <QFont>
#include <QString>

// The font a form is built with: the named family when this system has it, otherwise a
// metric-compatible stand-in, otherwise the system's sans-serif. Regular weight, upright.
QFont DialogFont(const QString& family, int pointSize);
