#include "toolkit/Application.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace {

CFormApplication* s_pCurrent = nullptr;

std::string ProgramName(int argc, char** argv) {
    if (argc < 1 || argv == nullptr || argv[0] == nullptr || argv[0][0] == '\0') {
        return "program";
    }
    std::string name = argv[0];
    if (const size_t slash = name.find_last_of('/'); slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".exe") == 0) {
        name.resize(name.size() - 4);
    }
    return name;
}

bool IsSet(const char* pName) {
    const char* pValue = std::getenv(pName);
    return pValue != nullptr && pValue[0] != '\0';
}

bool HasPlatformArgument(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0) {
            return true;
        }
    }
    return false;
}

// While QApplication starts, Qt's messages are held back: a failing start produces several
// (the cause, then a fatal "no platform plugin" with advice to reinstall), and the user
// should see one line that names the cause, with exit status 1 instead of an abort.
struct CStartupMessages {
    std::mutex mutex;
    std::string programName;
    QtMessageHandler previous = nullptr;
    struct CHeld {
        QtMsgType type;
        QString category;
        QString text;
    };
    std::vector<CHeld> held;
};

CStartupMessages& Startup() {
    static CStartupMessages s_startup;
    return s_startup;
}

std::string OneLine(const QString& text) {
    return text.simplified().toStdString();
}

void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    CStartupMessages& startup = Startup();
    const std::lock_guard lock(startup.mutex);
    const QString category = QString::fromUtf8(context.category != nullptr ? context.category : "");
    if (type != QtFatalMsg) {
        startup.held.push_back({type, category, text});
        return;
    }
    // The platform layer's own warning says what went wrong ("could not connect to
    // display :1"); the fatal message after it only says that nothing could start.
    QString cause = text;
    for (const CStartupMessages::CHeld& message : startup.held) {
        if (message.type != QtDebugMsg && message.type != QtInfoMsg &&
            message.category.startsWith(QLatin1String("qt.qpa"))) {
            cause = message.text;
            break;
        }
    }
    const std::string line = startup.programName + ": " + OneLine(cause) + "\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// Hands the held messages on and restores the usual handling.
void EndStartup() {
    CStartupMessages& startup = Startup();
    std::vector<CStartupMessages::CHeld> held;
    {
        const std::lock_guard lock(startup.mutex);
        held.swap(startup.held);
        qInstallMessageHandler(startup.previous);
    }
    for (const CStartupMessages::CHeld& message : held) {
        const QByteArray category = message.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         category.isEmpty() ? nullptr : category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

} // namespace

CFormApplication::CFormApplication() {
    s_pCurrent = this;
}

CFormApplication::~CFormApplication() {
    if (s_pCurrent == this) {
        s_pCurrent = nullptr;
    }
}

CFormApplication* CFormApplication::Current() {
    return s_pCurrent;
}

int RunFormApplication(CFormApplication& app, int& argc, char** argv) {
    const std::string programName = ProgramName(argc, argv);
    if (!IsSet("DISPLAY") && !IsSet("WAYLAND_DISPLAY") && !IsSet("QT_QPA_PLATFORM") &&
        !HasPlatformArgument(argc, argv)) {
        const std::string line =
            programName +
            ": this program needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set)\n";
        std::fputs(line.c_str(), stderr);
        return 1;
    }

    const bool bNameSet = !QCoreApplication::applicationName().isEmpty();
    Startup().programName = programName;
    Startup().previous = qInstallMessageHandler(StartupMessageHandler);
    // Qt takes its own options (-platform, -style, ...) out of argv and ignores the rest.
    QApplication application(argc, argv);
    EndStartup();

    if (!bNameSet) {
        QCoreApplication::setApplicationName(QString::fromStdString(programName));
    }
    app.InitInstance();
    app.m_pMainWnd = nullptr;
    return 0;
}
