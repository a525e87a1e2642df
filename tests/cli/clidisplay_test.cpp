// `display` end to end: the real tavrin-cli against the transceiver simulator.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "cli/clirun.h"

namespace {

const QString kPortUnavailable = QStringLiteral(
    "tavrin-cli: The selected COM port is unavailable.\nPlease check the COM port status.\n");

struct TDisplayRun {
    int Status = -1;
    QString Output;
    QString Errors;
};

class CliDisplay : public ::testing::Test {
protected:
    void TearDown() override {
        if (Sim.state() == QProcess::NotRunning) return;
        Sim.kill();
        Sim.waitForFinished(5000);
    }

    QString StartSim(QStringList arguments) {
        Sim.setReadChannel(QProcess::StandardOutput);
        Sim.start(QStringLiteral(TAVRIN_RADIOSIM_PATH),
                  QStringList{"--radio", "1", "--quiet"} << arguments);
        while (!Sim.canReadLine() && Sim.waitForReadyRead(5000)) {
        }
        return QString::fromLocal8Bit(Sim.readLine()).trimmed();
    }

    TDisplayRun Display(const QStringList& arguments) {
        QProcess cli;
        PrepareCli(cli, Config.path());
        cli.setArguments(QStringList{"--radio", "1", "display"} << arguments);
        cli.start();
        const bool finished = cli.waitForFinished(30000);
        if (!finished) cli.kill();
        return {finished ? cli.exitCode() : -1, QString::fromLocal8Bit(cli.readAllStandardOutput()),
                QString::fromLocal8Bit(cli.readAllStandardError())};
    }

    QProcess Sim;
    QTemporaryDir Config;
};

// Directly, and wrapped in programming mode for a transceiver silent outside it.
TEST_F(CliDisplay, PrintsAndSwitchesTheProtection) {
    for (const QStringList& simOptions : {QStringList{}, QStringList{"--protect-in-program"}}) {
        SCOPED_TRACE(simOptions.join(' ').toStdString());
        const QString device = StartSim(simOptions);
        ASSERT_FALSE(device.isEmpty());

        TDisplayRun run = Display({device});
        EXPECT_EQ(run.Status, 0) << run.Errors.toStdString();
        EXPECT_EQ(run.Output, "off\n");

        run = Display({device, "--protect", "on"});
        EXPECT_EQ(run.Status, 0) << run.Errors.toStdString();
        EXPECT_EQ(run.Output, "");
        EXPECT_EQ(Display({device}).Output, "on\n");

        EXPECT_EQ(Display({device, "--protect", "off"}).Status, 0);
        EXPECT_EQ(Display({device}).Output, "off\n");
        Sim.kill();
        Sim.waitForFinished(5000);
    }
}

TEST_F(CliDisplay, SilentTransceiverTimesOut) {
    const QString device = StartSim({"--silent-after", "0"});
    const TDisplayRun run = Display({device, "--protect", "on"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Output, "");
    EXPECT_EQ(run.Errors,
              "tavrin-cli: Communication timeout error.\n"
              "Please check the cable and the transceiver's power, then try again.\n");
}

TEST_F(CliDisplay, MissingPortAndWrongArguments) {
    TDisplayRun run = Display({"/dev/tavrin-test-no-such-port"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Errors, kPortUnavailable);
    for (const QStringList& wrong :
         {QStringList{}, QStringList{"/dev/null", "--protect", "maybe"},
          QStringList{"/dev/null", "--protect"}, QStringList{"/dev/null", "/dev/null"},
          QStringList{"/dev/null", "--scope", "all"}}) {
        run = Display(wrong);
        EXPECT_EQ(run.Status, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(run.Errors.contains("display")) << run.Errors.toStdString();
    }
}

}  // namespace
