#include "ui/Resources.h"

#include <QtGlobal>

// Outside any namespace, as Qt's resource macro requires.
static void RegisterIcons() {
    Q_INIT_RESOURCE(icons);
}

void InitUiResources() {
    // A static library's resources are only linked in when something registers them.
    static const bool registered = (RegisterIcons(), true);
    (void)registered;
}
