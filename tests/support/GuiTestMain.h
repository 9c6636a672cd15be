#pragma once

#include <QString>

#include <functional>

// Runs the GoogleTest tests of a widget test program inside a QApplication named appName;
// setup runs once the application exists.
int RunGuiTests(int argc, char** argv, const QString& appName,
                const std::function<void()>& setup = {});
