// The program as a desktop sees it: the real program on an X server of the
// test's own, looked at with xprop as a task bar or a session manager would.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "support/xserver.h"

namespace {

const QString kMainWindow = QStringLiteral("TAVRIN [RV-310/320A -1]  [Untitled]");

// The real program with settings of its own (an RV-310 chosen before).
class TDesktopProgram {
public:
    TDesktopProgram(const QString& display, const QString& folder, const QStringList& arguments) {
        StartOnDisplay(Process, QStringLiteral(TAVRIN_PROGRAM_PATH), arguments, display, folder,
                       "RV-310", "MKF");
    }
    ~TDesktopProgram() {
        if (Process.state() != QProcess::NotRunning) Stop(Process);
    }

    QProcess Process;
};

// What a tool of the X server says, or nothing when it fails.
QString Ask(const QString& tool, const QString& display, const QStringList& arguments) {
    QProcess process;
    process.start(tool, QStringList{"-display", display} + arguments);
    if (!process.waitForFinished(kXServerBound) || process.exitCode() != 0) return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// What xprop tells of a property of the window named `name`; empty while there is none.
QString PropertyOfWindow(const QString& display, const QString& name, const char* property) {
    return Ask(QStringLiteral("xprop"), display, {"-name", name, property});
}

// A dialog on the screen captioned as the program's message boxes are.
bool MessageBoxShown(const QString& display) {
    static const QRegularExpression named(QStringLiteral("(0x[0-9a-f]+) \"TAVRIN\": "));
    const QString tree = Ask(QStringLiteral("xwininfo"), display, {"-root", "-tree"});
    for (auto match = named.globalMatch(tree); match.hasNext();) {
        const QString id = match.next().captured(1);
        if (Ask(QStringLiteral("xprop"), display, {"-id", id, "_NET_WM_WINDOW_TYPE"})
                .contains("_NET_WM_WINDOW_TYPE_DIALOG") &&
            Ask(QStringLiteral("xwininfo"), display, {"-id", id}).contains("IsViewable")) {
            return true;
        }
    }
    return false;
}

bool WaitFor(const std::function<bool()>& condition) {
    const QDeadlineTimer deadline(kXServerBound);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QTest::qWait(50);
    }
    return true;
}

class Desktop : public ::testing::Test {
protected:
    void SetUp() override {
        std::string failure;
        Display = Server.Start(failure);
        ASSERT_FALSE(Display.isEmpty()) << failure;
        ASSERT_TRUE(Folder.isValid());
    }

    TXServer Server;
    QString Display;
    QTemporaryDir Folder;
};

// Task bars and window switchers show the icon the window carries.
TEST_F(Desktop, TheWindowCarriesTheProgramIcon) {
    TDesktopProgram program(Display, Folder.path(), {});
    QString icon;
    EXPECT_TRUE(WaitFor([&] {
        icon = PropertyOfWindow(Display, kMainWindow, "_NET_WM_ICON");
        return !icon.isEmpty();
    })) << program.Process.readAllStandardError().toStdString();
    EXPECT_TRUE(icon.startsWith("_NET_WM_ICON(CARDINAL) = ")) << icon.left(200).toStdString();
    EXPECT_TRUE(icon.contains("Icon (32 x 32)")) << icon.left(200).toStdString();
}

// A session that ends, or a terminal closed or interrupted, ends the program
// also while a message box of the start-up waits for an answer.
TEST_F(Desktop, EndSignalsEndTheProgramWhileAStartUpMessageIsShown) {
    const QString missing = Folder.filePath("missing.tvr");
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        TDesktopProgram program(Display, Folder.path(), {missing});
        // The box saying that the file cannot be opened, captioned as the program.
        ASSERT_TRUE(WaitFor([&] { return MessageBoxShown(Display); }))
            << program.Process.readAllStandardError().toStdString();
        ::kill(static_cast<pid_t>(program.Process.processId()), signal);
        ASSERT_TRUE(program.Process.waitForFinished(kXServerBound));
        EXPECT_EQ(program.Process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.Process.exitCode(), 0)
            << program.Process.readAllStandardError().toStdString();
    }
}

}  // namespace
