#include "app/Orvane_CalcApp.h"
#include "app/VersionInfo.h"

#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral(ORVANE_APP_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVANE_FILE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("orvane-calc"));
    COrvane_CalcApp theApp;
    return RunFormApplication(theApp, argc, argv);
}
