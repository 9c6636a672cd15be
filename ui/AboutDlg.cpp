#include "ui/AboutDlg.h"

#include "ui/AboutTemplate.h"
#include "ui/Resources.h"

namespace {

// The emblem is read while the box is built, so the resources must be there first.
const FormTemplate& TemplateWithResources() {
    InitUiResources();
    return AboutTemplate();
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* pParent) : CForm(TemplateWithResources(), pParent) {}
