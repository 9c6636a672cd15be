#pragma once

#include "toolkit/Form.h"

// The About box: the emblem, the program's name and version, and OK.
class CAboutDlg : public CForm {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
};
