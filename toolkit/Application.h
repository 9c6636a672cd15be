#pragma once

class CForm;

// The program's application object: InitInstance runs the whole program (typically one
// modal form) and returns when it should end. Exactly one exists at a time.
class CFormApplication {
public:
    CFormApplication();
    virtual ~CFormApplication();
    CFormApplication(const CFormApplication&) = delete;
    CFormApplication& operator=(const CFormApplication&) = delete;

    virtual bool InitInstance() = 0;

    // The form that stands for the application; a form clears it when it is destroyed.
    CForm* m_pMainWnd = nullptr;

    static CFormApplication* Current();
};

// Starts the toolkit and runs app.InitInstance(). Without any display to connect to, or
// when the windowing system cannot be started, prints one line to stderr and returns 1;
// otherwise returns 0 once InitInstance has returned.
int RunFormApplication(CFormApplication& app, int& argc, char** argv);
