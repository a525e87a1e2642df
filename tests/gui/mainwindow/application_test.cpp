#include <gtest/gtest.h>

#include <QProcess>

#include "gui/kit/messagebox.h"

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

TEST(Application, HelpAndVersionAreAnsweredOnTheTerminal) {
    const struct {
        const char* Argument;
        const char* Start;
    } kCases[] = {{"--help", "Usage: tavrin [FILE.tvr | /tbf]\n"},
                  {"-h", "Usage: tavrin [FILE.tvr | /tbf]\n"},
                  {"--version", "TAVRIN Version 3.11\n"}};
    for (const auto& test : kCases) {
        QProcess program;
        program.start(QStringLiteral(TAVRIN_PROGRAM_PATH), {QString::fromLatin1(test.Argument)});
        ASSERT_TRUE(program.waitForFinished(10000)) << test.Argument;
        EXPECT_EQ(program.exitCode(), 0) << test.Argument;
        EXPECT_TRUE(program.readAllStandardOutput().startsWith(test.Start)) << test.Argument;
    }
}

}  // namespace
