#include "app/Orvane_CalcApp.h"

#include "ui/Orvane_CalcDlg.h"

bool COrvane_CalcApp::InitInstance() {
    COrvane_CalcDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // No message loop of our own: the program ends when the form closes.
    return false;
}
