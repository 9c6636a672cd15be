#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct CRun {
    int nExitCode = -1;
    bool bCrashed = false;
    QString out;
    QString err;
};

CRun RunHelper(const QStringList& environment, const QStringList& arguments) {
    QProcessEnvironment env; // nothing inherited
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("/tmp"));
    for (const QString& entry : environment) {
        env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    }
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ORVANE_APP_HELPER), arguments);
    CRun run;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
    }
    run.nExitCode = process.exitCode();
    run.bCrashed = process.exitStatus() == QProcess::CrashExit;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

const QString kName = QFileInfo(QStringLiteral(ORVANE_APP_HELPER)).fileName();

} // namespace

TEST(Application, WithoutADisplayItSaysSoInOneLineAndExitsWith1) {
    const CRun run = RunHelper({}, {});
    EXPECT_FALSE(run.bCrashed);
    EXPECT_EQ(run.nExitCode, 1);
    EXPECT_EQ(run.err, kName + QStringLiteral(": this program needs a graphical display "
                                              "(DISPLAY or WAYLAND_DISPLAY is not set)\n"));
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(Application, APlatformThatCannotStartIsOneLineAndExitStatus1) {
    struct Case {
        QStringList environment;
        QString cause;
    };
    const Case cases[] = {
        {{QStringLiteral("QT_QPA_PLATFORM=nosuchplatform")}, QStringLiteral("nosuchplatform")},
        {{QStringLiteral("DISPLAY=:254"), QStringLiteral("QT_QPA_PLATFORM=xcb")},
         QStringLiteral("could not connect to display :254")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.environment.join(u' ').toStdString());
        const CRun run = RunHelper(c.environment, {});
        EXPECT_FALSE(run.bCrashed);
        EXPECT_EQ(run.nExitCode, 1);
        EXPECT_TRUE(run.err.startsWith(kName + QStringLiteral(": "))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.cause)) << run.err.toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(Application, StartsWithStrayArgumentsAndNamesItselfAfterTheExecutable) {
    const QString started = QStringLiteral("started as ") + kName + QStringLiteral("\n");
    CRun run = RunHelper({QStringLiteral("QT_QPA_PLATFORM=offscreen")},
                         {QStringLiteral("--foo"), QStringLiteral("bar")});
    EXPECT_EQ(run.nExitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, started);
    run = RunHelper({}, {QStringLiteral("-platform"), QStringLiteral("offscreen")});
    EXPECT_EQ(run.nExitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, started);
}
