#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "cli/clirun.h"
#include "support/qtprinters.h"

namespace {

const QByteArray kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
    "DtcsCode,DtcsPolarity,Mode,TStep,Skip\n";

// The RV-310 (U.S.A./Canada) through the real program, files in a folder of the test's own.
class CsvCommandLine : public ::testing::Test {
protected:
    TCliRun Run(const QStringList& arguments) {
        return RunCli(QStringList{"--radio", "8"} + arguments, Config.path());
    }

    QString Path(const QString& name) const { return Files.filePath(name); }

    QString Write(const QString& name, const QByteArray& bytes) {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kHeader + bytes);
        return file.fileName();
    }

    QByteArray Contents(const QString& name) {
        QFile file(Path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir Config;
    QTemporaryDir Files;
};

TEST_F(CsvCommandLine, ImportStartsFromANewDataSetOrKeepsTheBaseFilesChannels) {
    TCliRun run = Run({"import-csv", Write("1.csv", "1,CLUB,145.5\n"), Path("a.tvr")});
    EXPECT_EQ(run.Errors, "tavrin-cli: 1 channel imported, 0 adjusted, 0 lines skipped.\n");
    const QString second = Write("2.csv", "2,RPT,147,+,0.6\n");
    run = Run({"import-csv", second, Path("b.tvr"), "--into", Path("a.tvr")});
    ASSERT_EQ(run.Status, 0) << run.Errors.toStdString();
    EXPECT_TRUE(
        Contents("b.tvr").contains("\r\n001\t0145500000\t0\t0\t0\t0\t0\t0\t08\t08\t000\t"
                                   "00600000\t0\t0\t0000000000\t0\t0\t\tCLUB\r\n"
                                   "002\t0147000000\t0\t1\t"));
}

TEST_F(CsvCommandLine, ExportedListImportsToTheSameChannels) {
    Write("rich.csv",
          "0,SIMPLX,146.520000,,,,,,,,FM,5.00,\n"
          "1,CLUB,145.500000,-,0.600000,Tone,88.5,88.5,023,NN,FM,5.00,\n"
          "2,RPT,147.000000,+,0.600000,TSQL,100.0,100.0,023,NN,NFM,5.00,S\n"
          "3,DCS,146.940000,-,0.600000,DTCS,,,023,NN,FM,5.00,\n"
          "4,SPLIT,145.500000,split,146.100000,,,,,,FM,5.00,\n"
          "5,STEP,145.787500,,,,,,,,FM,12.50,\n");
    ASSERT_EQ(Run({"import-csv", Path("rich.csv"), Path("first.tvr")}).Status, 0);
    EXPECT_EQ(Run({"export-csv", Path("first.tvr"), Path("back.csv")}).Errors,
              "tavrin-cli: 6 channels exported.\n");
    // A slip of the name does not replace a data file.
    EXPECT_EQ(Run({"export-csv", Path("first.tvr"), Path("first.tvr")}).Status, 2);
    ASSERT_EQ(Run({"import-csv", Path("back.csv"), Path("second.tvr")}).Status, 0);
    EXPECT_EQ(Contents("second.tvr"), Contents("first.tvr"));
}

TEST_F(CsvCommandLine, FailuresWriteNoFile) {
    const QString headerOnly = Write("empty.csv", "");
    for (const QString& list : {Write("uhf.csv", "1,UHF,440\n"), headerOnly}) {
        EXPECT_EQ(Run({"import-csv", list, Path("out.tvr")}).Status, 1);
    }
    // The report quotes the list without handing its control characters to the terminal.
    const TCliRun controls =
        Run({"import-csv", Write("esc.csv", "1,X,\x1B]2;x\x07" + QByteArray(3 << 20, '9') + "\n"),
             Path("out.tvr")});
    EXPECT_EQ(controls.Status, 1);
    EXPECT_TRUE(controls.Errors.contains("frequency \"<0x1B>]2;x<0x07>999"));
    EXPECT_FALSE(controls.Errors.contains(QChar(0x1B)));
    EXPECT_LT(controls.Errors.size(), 1000);
    const QString large = Write("large.csv", QByteArray(5 << 20, ' '));
    // The message may be followed by a line that names the file and the reason.
    EXPECT_TRUE(Run({"import-csv", large, Path("out.tvr")})
                    .Errors.startsWith(
                        "tavrin-cli: This file is too large for a channel list (over 4 MiB).\n"));
    for (const QStringList& arguments :
         {QStringList{"import-csv", Path("none.csv"), Path("out.tvr")},
          QStringList{"import-csv", headerOnly, Path("out.tvr"), "--into", Path("none.tvr")},
          QStringList{"import-csv", headerOnly, Path("out.tvr"), "--into"},
          QStringList{"export-csv", Path("none.tvr"), Path("out.csv")}}) {
        EXPECT_EQ(Run(arguments).Status, 2) << arguments.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path("out.tvr")) || QFile::exists(Path("out.csv")));
}

}  // namespace
