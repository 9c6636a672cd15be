// The start-up probe: starts the main form the way the program does (the same application
// start and modal run) and ends it right after its first painted frame.
#include "bench/FirstFrame.h"
#include "toolkit/Application.h"
#include "ui/Orvane_CalcDlg.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace {

class CProbeApp : public CFormApplication {
public:
    bool InitInstance() override {
        COrvane_CalcDlg dlg;
        m_pMainWnd = &dlg;
        new CFirstFrame(&dlg, [&dlg] { dlg.EndDialog(CForm::kCancel); });
        dlg.DoModal();
        m_pMainWnd = nullptr;
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("Orvane_Calc"));
    QGuiApplication::setDesktopFileName(QStringLiteral("orvane-calc"));
    CProbeApp theApp;
    return RunFormApplication(theApp, argc, argv);
}
