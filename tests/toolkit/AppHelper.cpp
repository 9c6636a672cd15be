// A minimal program on the toolkit's start-up path, run by the application tests.
#include "toolkit/Application.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

class CHelperApp : public CFormApplication {
public:
    bool InitInstance() override {
        std::printf("started as %s\n", qPrintable(QCoreApplication::applicationName()));
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    CHelperApp app;
    return RunFormApplication(app, argc, argv);
}
