#pragma once

#include "toolkit/Application.h"

// The application object: runs the main form once, then the program ends.
class COrvane_CalcApp : public CFormApplication {
public:
    bool InitInstance() override;
};
