// Starts the whole program as main does (stray arguments included), lets its form come up
// and closes it the way a user does, through the close box. Exits 0 only if the form was
// shown, the program ended by itself afterwards and no window was left open.
#include "app/Orvane_CalcApp.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

bool s_bShown = false;

class CClosingApp : public COrvane_CalcApp {
public:
    bool InitInstance() override {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, [poll] {
            QWidget* form = QApplication::activeModalWidget();
            if (form != nullptr && form->isVisible()) {
                s_bShown = true;
                poll->stop();
                form->close();
            }
        });
        poll->start(10);
        return COrvane_CalcApp::InitInstance();
    }
};

} // namespace

int main(int argc, char** argv) {
    CClosingApp theApp;
    const int result = RunFormApplication(theApp, argc, argv);
    if (result != 0 || !s_bShown) {
        std::fprintf(stderr, "the form did not come up and close (result %d)\n", result);
        return 1;
    }
    return 0;
}
