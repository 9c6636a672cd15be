#include "GuiTestMain.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

QtMessageHandler s_previousHandler = nullptr;

// The offscreen platform reports features it lacks; those lines say nothing about the tests.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")) ||
        text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    s_previousHandler(type, context, text);
}

} // namespace

int RunGuiTests(int argc, char** argv, const QString& appName, const std::function<void()>& setup) {
    testing::InitGoogleTest(&argc, argv);
    // Test discovery runs without the test environment, so no display is needed to list.
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    s_previousHandler = qInstallMessageHandler(QuietHandler);
    QApplication application(argc, argv);
    QApplication::setApplicationName(appName);
    if (setup) {
        setup();
    }
    return RUN_ALL_TESTS();
}
