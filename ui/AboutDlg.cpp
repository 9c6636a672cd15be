#include "ui/AboutDlg.h"

#include "ui/AboutTemplate.h"

CAboutDlg::CAboutDlg(QWidget* pParent) : CForm(AboutTemplate(), pParent) {}
