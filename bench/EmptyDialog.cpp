// The start-up baseline: the least a Qt Widgets program does to put an empty dialog of the
// main form's size on screen. Ends after its first painted frame.
//   empty_dialog [width height [--font]]
// The size defaults to what the main form gets with Liberation Sans 8 pt; the runner passes
// the size the probe reported, so both windows always have the same area to paint.
// --font also measures one font before showing: an empty dialog never starts the font
// system before its first frame, any window with text must (for comparison only).
#include "bench/FirstFrame.h"

#include <QApplication>
#include <QDialog>
#include <QFontMetrics>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int width = 543;
    int height = 642;
    if (argc >= 3) {
        width = std::atoi(argv[1]);
        height = std::atoi(argv[2]);
    }
    if (argc >= 4 && std::strcmp(argv[3], "--font") == 0) {
        const QFontMetrics metrics(QFont(QStringLiteral("Liberation Sans"), 8));
        if (metrics.height() <= 0) {
            return 1;
        }
    }
    QDialog dialog;
    dialog.setFixedSize(width, height);
    new CFirstFrame(&dialog, [] { QCoreApplication::quit(); });
    dialog.show();
    return QApplication::exec();
}
