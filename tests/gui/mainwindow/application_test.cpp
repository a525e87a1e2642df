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

}  // namespace
