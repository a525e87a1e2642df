#include <gtest/gtest.h>

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include "cli/clirun.h"
#include "support/pseudoterminal.h"
#include "support/qtprinters.h"

namespace {

// `tavrin-cli ports` with a settings store of its own, which holds no radio configuration.
class PortsCommand : public ::testing::Test {
protected:
    TCliRun Run(const QStringList& arguments, const QProcessEnvironment& environment) {
        QProcess process;
        PrepareCli(process, Config.path(), environment);
        process.setArguments(arguments);
        process.start();
        EXPECT_TRUE(process.waitForFinished(30000));
        Output = QString::fromLocal8Bit(process.readAllStandardOutput());
        return {process.exitCode(), process.exitStatus(),
                QString::fromLocal8Bit(process.readAllStandardError()), Output};
    }

    // The line of the port map (or of the device list) that begins with `first`,
    // its cells split on the gaps between columns, however wide the padding:
    // the columns are as wide as the longest name, "/dev/pts/10" beside "/dev/pts/9".
    QStringList PortLine(const QString& first) const {
        for (const QString& line : Output.split(QLatin1Char('\n'))) {
            const QStringList cells =
                line.trimmed().split(QStringLiteral("  "), Qt::SkipEmptyParts);
            if (!cells.isEmpty() && cells[0] == first) {
                QStringList trimmed;
                for (const QString& cell : cells) trimmed.append(cell.trimmed());
                return trimmed;
            }
        }
        return {};
    }

    void StoreSetting(const QString& name, const QString& value) {
        QSettings settings(Config.filePath(QStringLiteral("HALVERN/TAVRIN.ini")),
                           QSettings::IniFormat);
        settings.setValue(name, value);
    }

    QTemporaryDir Config;
    QString Output;
};

TEST_F(PortsCommand, ShowsEachPortsDeviceWhereItCameFromAndItsState) {
    TPseudoTerminal radio;
    TPseudoTerminal cable;
    StoreSetting(QStringLiteral("Ports/COM3"), QString::fromStdString(cable.Path()));
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("TAVRIN_COM1"), QString::fromStdString(radio.Path()));
    environment.insert(QStringLiteral("TAVRIN_COM2"), QStringLiteral("/nonexistent/radio"));
    environment.insert(QStringLiteral("TAVRIN_COM3"), QStringLiteral("/nonexistent/overruled"));
    environment.insert(QStringLiteral("TAVRIN_COM4"), QStringLiteral("/dev/\x1b[2Jtty\x07"));
    const TCliRun run = Run({QStringLiteral("ports")}, environment);
    ASSERT_EQ(run.Status, 0) << run.Errors.toStdString();
    EXPECT_EQ(run.Errors, "");
    EXPECT_EQ(PortLine("COM1"), (QStringList{"COM1", QString::fromStdString(radio.Path()),
                                             "TAVRIN_COM1", "available"}));
    EXPECT_EQ(PortLine("COM2"),
              (QStringList{"COM2", "/nonexistent/radio", "TAVRIN_COM2", "missing"}));
    EXPECT_EQ(PortLine("COM3"),
              (QStringList{"COM3", QString::fromStdString(cable.Path()), "setting", "available"}));
    // A name reaches the terminal as text, never as an escape sequence.
    EXPECT_EQ(PortLine("COM4"),
              (QStringList{"COM4", "/dev/<0x1B>[2Jtty<0x07>", "TAVRIN_COM4", "missing"}));
    EXPECT_FALSE(Output.contains(QChar(0x1b)));
    EXPECT_TRUE(Output.contains("Serial devices:\n")) << Output.toStdString();
    EXPECT_EQ(PortLine(QString::fromStdString(radio.Path())).mid(0, 3),
              (QStringList{QString::fromStdString(radio.Path()), "COM1", "pseudo-terminal"}))
        << Output.toStdString();
}

TEST_F(PortsCommand, ExtraArgumentsAreAUsageError) {
    const TCliRun run = Run({QStringLiteral("ports"), QStringLiteral("COM1")}, {});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Errors.startsWith(
        "tavrin-cli: ports: extra operand 'COM1'\nTry 'tavrin-cli ports --help'.\n"))
        << run.Errors.toStdString();
    EXPECT_EQ(Output, "");
}

}  // namespace
