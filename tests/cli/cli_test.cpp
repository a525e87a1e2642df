#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "cli/clirun.h"
#include "data/datafile.h"
#include "data/modelcatalogue.h"
#include "data/radiodata.h"
#include "support/qtprinters.h"

namespace {

// Runs the real program with its settings in a folder of the test's own.
class CommandLine : public ::testing::Test {
protected:
    TCliRun Run(const QStringList& arguments) { return RunCli(arguments, Config.path()); }

    QString Path(const QString& name) const { return Files.filePath(name); }

    QString WriteDataFileFor(int row, const char* count, const QString& name) {
        TRadioData data;
        ApplyConfiguration(data, ModelCatalogue()[static_cast<size_t>(row - 1)], count);
        data.ApplyDefaultRecords();
        data.ApplyWeatherAlertDefault();
        data.ApplyMenuDefaults();
        data.SetChannel(150, "150,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,");
        data.SetChannel(3, "003,0145300000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,A,B");
        data.SetComment("club");
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(WriteDataFile(data)));
        return file.fileName();
    }

    QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir Config;
    QTemporaryDir Files;
};

TEST_F(CommandLine, ResaveReturnsTheFileByteForByte) {
    const QString in = WriteDataFileFor(8, "199", QStringLiteral("in.tvr"));
    const TCliRun run = Run({"--radio", "8", "--channels", "199", "resave", in, Path("out.tvr")});
    EXPECT_EQ(run.Status, 0) << run.Errors.toStdString();
    EXPECT_EQ(Contents(Path("out.tvr")), Contents(in));
}

TEST_F(CommandLine, TheFilesChannelCountComesWithIt) {
    const QString in = WriteDataFileFor(8, "199", QStringLiteral("in.tvr"));
    EXPECT_EQ(Run({"--radio", "8", "resave", in, Path("out.tvr")}).Status, 0);
    EXPECT_TRUE(Contents(Path("out.tvr")).contains("150\t0145500000"));
    EXPECT_EQ(Contents(Path("out.tvr")), Contents(in));
}

TEST_F(CommandLine, RefusedFilesGiveTheProgramsMessagesAndStatusTwo) {
    const QString in = WriteDataFileFor(8, "99", QStringLiteral("in.tvr"));
    TCliRun run = Run({"--radio", "13", "resave", in, Path("out.tvr")});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Errors,
              "The model name selected in this software does not \nmatch applicable model name "
              "in the data file.\nYou cannot open this file.\n");
    EXPECT_FALSE(QFile::exists(Path("out.tvr")));

    run = Run({"--radio", "8", "resave", Path("missing.tvr"), Path("out.tvr")});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Errors, "File Open error.\n");

    run = Run({"--radio", "8", "resave", in, Path("out.txt")});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Errors, "File Open error.\n");
}

TEST_F(CommandLine, UsageErrors) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"--radio", "16", "resave", "a.tvr", "b.tvr"},
          QStringList{"--radio", "x", "resave"}, QStringList{"--radio"},
          QStringList{"--radio", "1", "--channels", "199", "resave", "a.tvr", "b.tvr"},
          QStringList{"--radio", "1", "fly"}, QStringList{"--radio", "1", "resave", "a.tvr"},
          QStringList{"--colour", "resave"}}) {
        const TCliRun run = Run(arguments);
        EXPECT_EQ(run.Status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Errors.contains("usage: tavrin-cli")) << arguments.join(' ').toStdString();
    }
}

TEST_F(CommandLine, WithoutRadioTheStoredConfigurationCounts) {
    const QString in = WriteDataFileFor(13, "99", QStringLiteral("in.tvr"));
    TCliRun run = Run({"resave", in, Path("out.tvr")});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Errors.contains("--radio"));

    QDir().mkpath(Config.filePath(QStringLiteral("HALVERN")));
    QFile settings(Config.filePath(QStringLiteral("HALVERN/TAVRIN.ini")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[General]\nModel=RV-350\nType=MC1\n");
    settings.close();
    run = Run({"resave", in, Path("out.tvr")});
    EXPECT_EQ(run.Status, 0) << run.Errors.toStdString();
    EXPECT_EQ(Contents(Path("out.tvr")), Contents(in));
}

}  // namespace
