#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "cli/clirun.h"
#include "core/files/datafile.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "support/filetraps.h"
#include "support/qtprinters.h"

namespace {

// Runs the real program with its settings in a folder of the test's own.
class CommandLine : public ::testing::Test {
protected:
    TCliRun Run(const QStringList& arguments) { return RunCli(arguments, Config.path()); }

    // Runs the program and keeps what it printed on standard output.
    TCliRun Run(const QStringList& arguments, QByteArray& output) {
        QProcess process;
        PrepareCli(process, Config.path());
        process.setArguments(arguments);
        process.start();
        EXPECT_TRUE(process.waitForFinished(30000));
        output = process.readAllStandardOutput();
        return {process.exitCode(), process.exitStatus(),
                QString::fromLocal8Bit(process.readAllStandardError()),
                QString::fromLocal8Bit(output)};
    }

    QString Path(const QString& name) const { return Files.filePath(name); }

    QString WriteDataFileFor(int row, const char* count, const QString& name) {
        TRadioData data;
        ApplyConfiguration(data, ModelCatalogue()[static_cast<size_t>(row - 1)], count);
        data.ApplyDefaultRecords();
        data.ApplyWeatherAlertDefault();
        data.ApplyMenuDefaults();
        data.SetChannel(150, "150,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,");
        data.SetChannel(3, "003,0145300000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,A/B");
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
              "tavrin-cli: The model name selected in this software does not \nmatch applicable "
              "model name "
              "in the data file.\nYou cannot open this file.\n" +
                  in + ": saved for another model\n");
    EXPECT_FALSE(QFile::exists(Path("out.tvr")));

    run = Run({"--radio", "8", "resave", Path("missing.tvr"), Path("out.tvr")});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Errors, "tavrin-cli: File Open error.\n" + Path("missing.tvr") +
                              ": No such file or directory\n");

    run = Run({"--radio", "8", "resave", in, Path("out.txt")});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Errors, "tavrin-cli: File Open error.\n" + Path("out.txt") +
                              ": not a data file name (.tvr)\n");
}

// Nothing waits on a FIFO, an output never takes the place of one (or of a
// socket or folder, named or at the end of a link), and a name's control
// characters reach the terminal only as text.
TEST_F(CommandLine, PathsThatAreNoPlainFileAreRefusedAtOnce) {
    const QString in = WriteDataFileFor(8, "99", QStringLiteral("in.tvr"));
    ASSERT_TRUE(MakeFifo(Path("fifo.tvr")));
    ASSERT_TRUE(MakeFifo(Path("fifo.csv")));
    ASSERT_TRUE(MakeSocket(Path("socket.csv")));
    PutFile(Path("club.csv"), "Location,Name,Frequency\n1,CLUB,145.5\n");
    ASSERT_TRUE(QDir(Files.path()).mkdir("folder.tvr"));
    ASSERT_TRUE(QFile::link(Path("fifo.tvr"), Path("to-fifo.tvr")));
    ASSERT_TRUE(QDir(Files.path()).mkdir("folder"));
    ASSERT_TRUE(QFile::link(Path("folder"), Path("to-folder.pdf")));
    const struct {
        QStringList Arguments;
        QString Errors;
    } cases[] = {
        {{"list", Path("fifo.tvr")}, Path("fifo.tvr") + ": not a regular file"},
        {{"resave", Path("fifo.tvr"), Path("out.tvr")}, Path("fifo.tvr") + ": not a regular file"},
        {{"import-csv", Path("fifo.csv"), Path("out.tvr")},
         Path("fifo.csv") + ": not a regular file"},
        {{"list", Path("folder.tvr")}, Path("folder.tvr") + ": not a regular file"},
        {{"list", Path("\x1b[31mred.tvr")},
         Path("<0x1B>[31mred.tvr") + ": No such file or directory"},
        {{"resave", in, Path("fifo.tvr")}, Path("fifo.tvr") + ": not a regular file"},
        {{"resave", in, Path("to-fifo.tvr")}, Path("to-fifo.tvr") + ": not a regular file"},
        {{"import-csv", Path("club.csv"), Path("folder.tvr")},
         Path("folder.tvr") + ": not a regular file"},
        {{"export-csv", in, Path("socket.csv")}, Path("socket.csv") + ": not a regular file"},
        {{"pdf", in, Path("to-folder.pdf")}, Path("to-folder.pdf") + ": not a regular file"},
    };
    for (const auto& c : cases) {
        const TCliRun run = Run(QStringList{"--radio", "8"} + c.Arguments);
        EXPECT_EQ(run.Status, 2) << c.Arguments.join(' ').toStdString();
        // A drawing command may find warnings of the platform before its own message.
        EXPECT_TRUE(run.Errors.endsWith("tavrin-cli: File Open error.\n" + c.Errors + "\n"))
            << run.Errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path("out.tvr")));
    EXPECT_EQ(KindOf(Path("fifo.tvr")), S_IFIFO);
    EXPECT_EQ(KindOf(Path("socket.csv")), S_IFSOCK);
    EXPECT_TRUE(QDir(Path("folder.tvr")).isEmpty());
    EXPECT_EQ(KindOf(Path("to-fifo.tvr")), S_IFLNK);
}

// In a folder everyone may write, as /tmp, a link that another user may have
// planted is not followed; the user's own link is, and stays a link.
TEST_F(CommandLine, ALinkInASharedFolderIsFollowedOnlyWhenItIsTheUsersOwn) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a link to another user";
    const QString in = WriteDataFileFor(8, "99", QStringLiteral("in.tvr"));
    ASSERT_TRUE(QDir(Files.path()).mkdir("shared"));
    ASSERT_EQ(::chmod(QFile::encodeName(Path("shared")).constData(), 01777), 0);
    PutFile(Path("mine.tvr"), "old");
    ASSERT_TRUE(QFile::link(Path("mine.tvr"), Path("shared/planted.tvr")));
    ASSERT_EQ(::lchown(QFile::encodeName(Path("shared/planted.tvr")).constData(), 65534, 65534), 0);
    ASSERT_TRUE(QFile::link(Path("mine.tvr"), Path("shared/own.tvr")));

    TCliRun run = Run({"--radio", "8", "resave", in, Path("shared/planted.tvr")});
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Errors, "tavrin-cli: File Open error.\n" + Path("shared/planted.tvr") +
                              ": a link in a shared folder that belongs to another user\n");
    EXPECT_EQ(Contents(Path("mine.tvr")), "old");

    run = Run({"--radio", "8", "resave", in, Path("shared/own.tvr")});
    EXPECT_EQ(run.Status, 0) << run.Errors.toStdString();
    EXPECT_EQ(Contents(Path("mine.tvr")), Contents(in));
    EXPECT_EQ(KindOf(Path("shared/own.tvr")), S_IFLNK);
}

// An export never replaces a data file, however its name reaches one, and
// never the file it is made from.
TEST_F(CommandLine, OutputsNeverReplaceADataFile) {
    const QString in = WriteDataFileFor(8, "99", QStringLiteral("in.tvr"));
    const QByteArray original = Contents(in);
    QFile::link(in, Path("link.pdf"));
    QFile::link(in, Path("link.csv"));
    const QString refused = ": a data file (.tvr) is never replaced by an export\n";
    const struct {
        QStringList Arguments;
        QString Output;
    } cases[] = {
        {{"pdf", in, in}, in},
        {{"pdf", in, Path("IN.TVR")}, Path("IN.TVR")},
        {{"pdf", in, Path("link.pdf")}, Path("link.pdf")},
        {{"export-csv", in, Path("other.Tvr")}, Path("other.Tvr")},
        {{"export-csv", in, Path("link.csv")}, Path("link.csv")},
    };
    for (const auto& c : cases) {
        const TCliRun run = Run(QStringList{"--radio", "8"} + c.Arguments);
        EXPECT_EQ(run.Status, 2) << c.Arguments.join(' ').toStdString();
        // A drawing command may find warnings of the platform before its own message.
        EXPECT_TRUE(run.Errors.endsWith("tavrin-cli: File Open error.\n" + c.Output + refused))
            << run.Errors.toStdString();
    }
    EXPECT_EQ(Contents(in), original);
    EXPECT_FALSE(QFile::exists(Path("IN.TVR")) || QFile::exists(Path("other.Tvr")));
}

TEST_F(CommandLine, AFullDiskLeavesTheOldFileAndStatusTwo) {
    TSmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << "a small file system can only be mounted as root";
    const QString in = WriteDataFileFor(8, "199", QStringLiteral("in.tvr"));
    PutFile(disk.FilePath("out.tvr"), "old data");
    PutFile(disk.FilePath("out.csv"), "old list");
    disk.Fill(0);
    for (const QString& out : {disk.FilePath("out.tvr"), disk.FilePath("out.csv")}) {
        const QString command = out.endsWith(".csv") ? "export-csv" : "resave";
        const TCliRun run = Run({"--radio", "8", "--channels", "199", command, in, out});
        EXPECT_EQ(run.Status, 2) << command.toStdString();
        EXPECT_TRUE(run.Errors.startsWith("tavrin-cli: File Open error.\n" + out +
                                          ": No space left on device\n"))
            << run.Errors.toStdString();
    }
    EXPECT_EQ(ContentsOf(disk.FilePath("out.tvr")), "old data");
    EXPECT_EQ(ContentsOf(disk.FilePath("out.csv")), "old list");
    EXPECT_EQ(disk.Names(), (QStringList{"filler", "out.csv", "out.tvr"}));
}

// A usage error names the bad argument and ends with one line of hint.
TEST_F(CommandLine, UsageErrors) {
    const struct {
        QStringList Arguments;
        QString Said;  // the first line, after "tavrin-cli: "
        QString Hint;  // the command whose help the hint names; empty: the program's
    } cases[] = {
        {{}, "no command given", ""},
        {{"--radio", "16", "resave", "a.tvr", "b.tvr"},
         "--radio must be a row from 1 to 15, not '16'",
         ""},
        {{"--radio"}, "option --radio needs a value", ""},
        {{"--colour", "resave"}, "unknown option --colour", ""},
        {{"--radio", "1", "fly"}, "unknown command 'fly'", ""},
        {{"--radio=1", "--channels=199", "resave", "a.tvr", "b.tvr"},
         "--channels must be 49 or 99 for the PX-A5",
         "resave"},
        {{"--radio", "1", "resave", "a.tvr"}, "resave: missing OUT.tvr", "resave"},
        {{"list", "club.tvr", "--bogus"}, "list: unknown option --bogus", "list"},
        {{"list", "a.tvr", "b.tvr", "c.tvr"}, "list: extra operand 'c.tvr'", "list"},
        {{"list", "club.tvr", "--radio", "8"}, "list: unknown option --radio", "list"},
        {{"--radio", "1", "display", "COM1", "extra"}, "display: extra operand 'extra'", "display"},
        {{"--radio", "1", "read", "COM1", "x.tvr", "--scope=all", "--scope", "menu"},
         "read: option --scope is given twice",
         "read"},
        {{"--radio", "1", "write", "COM1", "x.tvr", "--yes=1"},
         "write: option --yes takes no value",
         "write"},
    };
    for (const auto& c : cases) {
        const TCliRun run = Run(c.Arguments);
        EXPECT_EQ(run.Status, 2) << c.Arguments.join(' ').toStdString();
        const QString hint = c.Hint.isEmpty() ? QString() : c.Hint + " ";
        EXPECT_EQ(run.Errors, "tavrin-cli: " + c.Said + "\nTry 'tavrin-cli " + hint + "--help'.\n");
    }
}

TEST_F(CommandLine, OptionsAreNeverFileNamesAndDoubleDashEndsThem) {
    const QString in = WriteDataFileFor(8, "99", QStringLiteral("in.tvr"));
    for (const QStringList& arguments : {QStringList{"list", in, "-x"}, QStringList{"list", "-x"},
                                         QStringList{"resave", in, "-o", Path("out.tvr")}}) {
        const TCliRun run = Run(QStringList{"--radio", "8"} + arguments);
        EXPECT_EQ(run.Status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Errors.startsWith("tavrin-cli: " + arguments[0] + ": unknown option -"))
            << run.Errors.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path("out.tvr")));
    QProcess process;
    PrepareCli(process, Config.path());
    process.setWorkingDirectory(Files.path());
    process.setArguments({"--radio", "8", "--", "export-csv", "in.tvr", "--", "--yes.csv"});
    process.start();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(Contents(Path("--yes.csv")).startsWith("Location,"));

    // "-" is standard output where the output is text; a PDF goes to a file only.
    QByteArray output;
    EXPECT_EQ(Run({"--radio=8", "export-csv", in, "-"}, output).Status, 0);
    EXPECT_EQ(output, Contents(Path("--yes.csv")));
    TCliRun run = Run({"--radio", "8", "list", in, Path("listing.txt")}, output);
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(output.isEmpty());
    EXPECT_EQ(Run({"--radio", "8", "list", in, "-"}, output).Status, 0);
    EXPECT_EQ(output, Contents(Path("listing.txt")));
    run = Run({"--radio", "8", "pdf", in, "-"}, output);
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(output.isEmpty());
    EXPECT_TRUE(
        run.Errors.contains("tavrin-cli: pdf: OUT.pdf must be a file, not standard output"));
}

TEST_F(CommandLine, HelpAndVersionAtEveryLevelEndWithStatusZero) {
    const struct {
        QStringList Arguments;
        const char* Start;
    } kCases[] = {
        {{"--help"}, "usage: tavrin-cli [--radio ROW]"},
        {{"-h"}, "usage: tavrin-cli [--radio ROW]"},
        {{"help"}, "usage: tavrin-cli [--radio ROW]"},
        {{"--version"}, "tavrin-cli 3.11\n"},
        {{"read", "--help"},
         "usage: tavrin-cli [--radio ROW] [--channels N] [--tbf] [--log FILE] read"},
        {{"help", "write"},
         "usage: tavrin-cli [--radio ROW] [--channels N] [--tbf] [--log FILE] write"},
        {{"ports", "-h"},
         "usage: tavrin-cli [--radio ROW] [--channels N] [--tbf] [--log FILE] ports"},
    };
    for (const auto& test : kCases) {
        const TCliRun run = Run(test.Arguments);
        SCOPED_TRACE(test.Arguments.join(' ').toStdString());
        EXPECT_EQ(run.Status, 0) << run.Errors.toStdString();
        EXPECT_TRUE(run.Output.startsWith(test.Start)) << run.Output.toStdString();
        EXPECT_TRUE(run.Errors.isEmpty());
    }
    // A command's help holds its own lines and no other command's.
    const TCliRun read = Run({"read", "--help"});
    EXPECT_TRUE(read.Output.contains("read PORT OUT.tvr [--scope all|memory|menu]"));
    EXPECT_FALSE(read.Output.contains("write PORT"));
}

// The manual page cannot drift from the program: every command and option the
// program's own help names has its entry there.
// Every command and option a program's --help names is in its manual page.
TEST_F(CommandLine, ManualPagesNameEveryCommandAndOption) {
    const struct {
        const char* Program;
        const char* Page;
        int Least;
    } programs[] = {{TAVRIN_CLI_PATH, TAVRIN_MANUAL_PAGE, 15},
                    {TAVRIN_RADIOSIM_PATH, TAVRIN_RADIOSIM_MANUAL_PAGE, 30}};
    for (const auto& program : programs) {
        SCOPED_TRACE(program.Page);
        QFile manual(QString::fromLatin1(program.Page));
        ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
        const QString page =
            QString::fromUtf8(manual.readAll()).replace(QStringLiteral("\\-"), "-");
        QProcess process;
        process.start(QString::fromLatin1(program.Program), {"--help"});
        ASSERT_TRUE(process.waitForFinished(10000));
        const QString usage = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QRegularExpression entry(QStringLiteral("^  ([a-z-]+) |(--[a-z]+(?:-[a-z]+)*)"),
                                       QRegularExpression::MultilineOption);
        int named = 0;
        for (const QRegularExpressionMatch& match : entry.globalMatch(usage)) {
            const QString name =
                match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
            const QRegularExpression inPage(
                QStringLiteral("^\\.B[IR]? %1\\b").arg(QRegularExpression::escape(name)),
                QRegularExpression::MultilineOption);
            EXPECT_TRUE(page.contains(inPage) || (name.startsWith("--") && page.contains(name)))
                << name.toStdString();
            ++named;
        }
        EXPECT_GT(named, program.Least);
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

TEST_F(CommandLine, DiffListsTheDifferencesOnStandardOutput) {
    const QString a = WriteDataFileFor(8, "99", QStringLiteral("a.tvr"));
    QFile b(Path(QStringLiteral("b.tvr")));
    ASSERT_TRUE(b.open(QIODevice::WriteOnly));
    b.write(Contents(a).replace("club", "pub").replace("0145300000", "0145400000"));
    b.close();
    QByteArray output;
    // Without --radio and without settings each file brings its own model.
    TCliRun run = Run({"diff", a, b.fileName()}, output);
    EXPECT_EQ(run.Status, 1) << run.Errors.toStdString();
    EXPECT_EQ(output,
              "comment: \"club\" | \"pub\"\n"
              "channel 3, RxFreq: \"0145300000\" | \"0145400000\"\n");
    EXPECT_EQ(run.Errors, "tavrin-cli: 2 differences.\n");

    run = Run({"--radio", "8", "diff", a, a}, output);
    EXPECT_EQ(run.Status, 0) << run.Errors.toStdString();
    EXPECT_TRUE(output.isEmpty());
    EXPECT_TRUE(run.Errors.isEmpty());

    const QString other = WriteDataFileFor(13, "99", QStringLiteral("other.tvr"));
    EXPECT_EQ(Run({"diff", a, other}, output).Status, 1);
    EXPECT_TRUE(output.startsWith("model: \"RV-310\" | \"RV-350\"\n")) << output.toStdString();
}

TEST_F(CommandLine, DiffRefusesWhatOpenRefuses) {
    const QString a = WriteDataFileFor(8, "99", QStringLiteral("a.tvr"));
    QByteArray output;
    TCliRun run = Run({"diff", a, Path("missing.tvr")}, output);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Errors, "tavrin-cli: File Open error.\n" + Path("missing.tvr") +
                              ": No such file or directory\n");
    run = Run({"--radio", "13", "diff", a, a}, output);
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Errors.startsWith("tavrin-cli: The model name selected"))
        << run.Errors.toStdString();
    EXPECT_TRUE(output.isEmpty());
    run = Run({"diff", a}, output);
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Errors.contains("\nTry 'tavrin-cli "));
    run = Run({"diff", "--help"}, output);
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(output.startsWith(
        "usage: tavrin-cli [--radio ROW] [--channels N] [--tbf] [--log FILE] diff ...\n"
        "  diff A.tvr B.tvr"));
}

}  // namespace
