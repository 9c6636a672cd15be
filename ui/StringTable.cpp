#include "ui/StringTable.h"

QString LoadStringResource(int nId) {
    switch (nId) {
    case 101:
        return QStringLiteral("&About Orvane_Calc...");
    default:
        return QString();
    }
}
