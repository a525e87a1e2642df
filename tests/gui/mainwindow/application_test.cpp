#include <gtest/gtest.h>

#include <QProcess>

#include "gui/kit/messagebox.h"
#include "gui/mainwindow/application.h"

namespace {

TEST(Application, ExceptionsFromEventHandlersAreShownAndTheLoopGoesOn) {
    QProcess probe;
    probe.start(QStringLiteral(TAVRIN_APPLICATION_PROBE_PATH), QStringList{});
    ASSERT_TRUE(probe.waitForFinished(10000));
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 7) << probe.readAllStandardError().toStdString();
    const QString error = QString::number(static_cast<int>(TMessageStyle::Error));
    EXPECT_EQ(QString::fromLocal8Bit(probe.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
              QStringList({error + " WriteFile Error:5", error + " other failure"}));
}

// Before any window: help and version on standard output, a usage error on
// standard error; only data files and /tbf reach the window.
TEST(Application, TheCommandLineIsAnsweredOnTheTerminal) {
    const struct {
        QStringList Arguments;
        int Status;
        const char* Start;  // of standard output, or of standard error for status 2
    } kCases[] = {
        {{"--help"}, 0, "Usage: tavrin [--help | --version] [FILE.tvr | /tbf]\n"},
        {{"-h"}, 0, "Usage: tavrin [--help | --version] [FILE.tvr | /tbf]\n"},
        {{"--version"}, 0, "TAVRIN Version 3.11\n"},
        {{"--bogus"}, 2, "tavrin: unknown option --bogus\nTry 'tavrin --help'.\n"},
        {{"club.tvr", "-v"}, 2, "tavrin: unknown option -v\n"},
        {{"help"}, 2, "tavrin: 'help' is not a data file name (.tvr)\nTry 'tavrin --help'.\n"},
    };
    for (const auto& test : kCases) {
        const std::string shown = test.Arguments.join(' ').toStdString();
        QProcess program;
        program.start(QStringLiteral(TAVRIN_PROGRAM_PATH), test.Arguments);
        ASSERT_TRUE(program.waitForFinished(10000)) << shown;
        EXPECT_EQ(program.exitCode(), test.Status) << shown;
        const QByteArray said =
            test.Status == 0 ? program.readAllStandardOutput() : program.readAllStandardError();
        EXPECT_TRUE(said.startsWith(test.Start)) << shown << ": " << said.toStdString();
    }
    const std::optional<TProgramAnswer> window = AnswerCommandLine({"--", "-club", "list.TVR"});
    EXPECT_FALSE(window.has_value());
    EXPECT_FALSE(AnswerCommandLine({"/TBF"}).has_value());
}

}  // namespace
