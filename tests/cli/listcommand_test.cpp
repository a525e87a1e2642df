#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

#include "cli/clirun.h"
#include "core/files/datafile.h"
#include "core/files/listing.h"
#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "support/filetraps.h"
#include "support/qtprinters.h"
#include "support/testdata.h"

namespace {

class ListingCommands : public ::testing::Test {
protected:
    // A PX-A7 (General market) data file with `used` channels, so the listing runs to two pages.
    QString WriteListingFile(int used) {
        TRadioData data;
        ApplyConfiguration(data, ModelCatalogue()[6]);
        data.ApplyDefaultRecords();
        data.ApplyMenuDefaults();
        for (int channel = 0; channel < used; ++channel) {
            data.SetChannel(channel,
                            LabelOf(data, channel) +
                                ",0433500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,N");
        }
        data.SetComment("club");
        Data = data;
        const QString path = Files.filePath(QStringLiteral("in.tvr"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(WriteDataFile(data)));
        return path;
    }

    // Runs the program and keeps what it printed.
    TCliRun Run(const QStringList& arguments, QByteArray& output, bool withoutDisplay = false) {
        QProcess process;
        PrepareCli(process, Config.path());
        if (withoutDisplay) {
            QProcessEnvironment environment = process.processEnvironment();
            for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
                environment.remove(QLatin1String(name));
            }
            process.setProcessEnvironment(environment);
        }
        process.setArguments(arguments);
        process.start();
        EXPECT_TRUE(process.waitForFinished(30000));
        output = process.readAllStandardOutput();
        return {process.exitCode(), process.exitStatus(),
                QString::fromLocal8Bit(process.readAllStandardError()),
                QString::fromLocal8Bit(output)};
    }

    QTemporaryDir Config;
    QTemporaryDir Files;
    TRadioData Data;
};

int PdfPageCount(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray contents = file.readAll();
    int pages = 0;
    for (qsizetype at = contents.indexOf("/Type /Page"); at >= 0;
         at = contents.indexOf("/Type /Page", at + 1)) {
        if (contents.mid(at + 11, 1) != "s") ++pages;
    }
    return pages;
}

TEST_F(ListingCommands, ListPrintsThePagesWithAFormFeedLineBetween) {
    const QString in = WriteListingFile(50);
    QByteArray output;
    const TCliRun run = Run({"--radio", "7", "list", in}, output);
    ASSERT_EQ(run.Status, 0) << run.Errors.toStdString();
    const QStringList pages = QString::fromUtf8(output).split(QStringLiteral("\f\n"));
    ASSERT_EQ(pages.size(), 2);
    const QString caption = QStringLiteral("TAVRIN [PX-A7A]  [%1]").arg(in);
    for (const QString& page : pages) {
        EXPECT_TRUE(page.startsWith(caption + QStringLiteral("\n\n")))
            << page.left(60).toStdString();
    }
    EXPECT_TRUE(
        pages[0].contains(QStringLiteral("\n[Comment]\nclub\n\n[Memory Channel]\n00 433.500MHz")));
    EXPECT_TRUE(pages[1].endsWith(QStringLiteral("Channel Quantity : 50ch\n")));
    // The same lines the printer gets.
    const std::vector<TListingPage> expected = ListingPages(Data, caption, false);
    EXPECT_EQ(QString::fromUtf8(output), ListingText(expected));
}

TEST_F(ListingCommands, ToneBurstOptionAddsItsLine) {
    const QString in = WriteListingFile(1);
    QByteArray without;
    QByteArray with;
    EXPECT_EQ(Run({"--radio", "7", "list", in}, without).Status, 0);
    EXPECT_EQ(Run({"--radio", "7", "--tbf", "list", in}, with).Status, 0);
    EXPECT_FALSE(without.contains("Tone Burst Frequency : "));
    EXPECT_TRUE(with.contains("Tone Burst Frequency : "));
}

// A comment or name can carry a terminal escape sequence: it must not reach the terminal.
TEST_F(ListingCommands, ControlCharactersFromTheFileArePrintedVisibly) {
    WriteListingFile(1);
    Data.SetComment(
        "\x1b]0;owned\x07"
        "club");
    Data.SetChannel(0,
                    LabelOf(Data, 0) +
                        ",0433500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,\x1b[2J");
    const QString in = Files.filePath(QStringLiteral("odd.tvr"));
    QFile file(in);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(WriteDataFile(Data)));
    file.close();
    QByteArray output;
    ASSERT_EQ(Run({"--radio", "7", "list", in}, output).Status, 0);
    EXPECT_FALSE(output.contains('\x1b'));
    EXPECT_FALSE(output.contains('\x07'));
    EXPECT_TRUE(output.contains("\n<0x1B>]0;owned<0x07>club\n")) << output.toStdString();
    EXPECT_TRUE(output.contains("Name:<0x1B>[2J"));
}

TEST_F(ListingCommands, PdfHasThePagesOfTheListing) {
    const QString in = WriteListingFile(50);
    const QString out = Files.filePath(QStringLiteral("out.pdf"));
    QByteArray output;
    // Without a display the program draws offscreen by itself.
    const TCliRun run = Run({"--radio", "7", "pdf", in, out}, output, true);
    ASSERT_EQ(run.Status, 0) << run.Errors.toStdString();
    EXPECT_EQ(PdfPageCount(out), 2);
    EXPECT_TRUE(output.isEmpty());
}

// Without --radio a file opens for the model its header names: the stored
// configuration when it is that model, else the model's first catalogue row.
TEST_F(ListingCommands, WithoutRadioTheFileNamesTheModel) {
    const QString in = WriteListingFile(1);
    QByteArray output;
    ASSERT_EQ(Run({"list", in}, output).Status, 0);
    EXPECT_TRUE(output.startsWith("TAVRIN [PX-A7E]  [")) << output.left(40).toStdString();
    for (const char* command : {"pdf", "export-csv"}) {
        const TCliRun run = Run({command, in, Files.filePath(command)}, output);
        EXPECT_EQ(run.Status, 0) << command << run.Errors.toStdString();
    }
    QDir().mkpath(Config.filePath(QStringLiteral("HALVERN")));
    QFile settings(Config.filePath(QStringLiteral("HALVERN/TAVRIN.ini")));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[General]\nModel=PX-A7\nType=AM70\n");
    settings.close();
    QByteArray withRadio;
    ASSERT_EQ(Run({"--radio", "7", "list", in}, withRadio).Status, 0);
    ASSERT_EQ(Run({"list", in}, output).Status, 0);
    EXPECT_EQ(output, withRadio);
}

TEST_F(ListingCommands, UsageAndFileErrors) {
    const QString in = WriteListingFile(1);
    QByteArray output;
    EXPECT_EQ(Run({"--radio", "7", "list"}, output).Status, 2);
    EXPECT_EQ(Run({"--radio", "7", "pdf", in}, output).Status, 2);
    const TCliRun missing = Run({"--radio", "7", "list", Files.filePath("none.tvr")}, output);
    EXPECT_EQ(missing.Status, 2);
    EXPECT_TRUE(missing.Errors.contains(QStringLiteral("File Open error.")));
    const TCliRun unwritable =
        Run({"--radio", "7", "pdf", in, Files.filePath("no/out.pdf")}, output);
    EXPECT_EQ(unwritable.Status, 2);
    EXPECT_TRUE(unwritable.Errors.contains(QStringLiteral("tavrin-cli: File Open error.\n") +
                                           Files.filePath("no/out.pdf") + ": No such file"))
        << unwritable.Errors.toStdString();
}

// A listing that did not reach its reader must not pass for one that did:
// a full disk or a reader gone before the output is written ends with the
// reason and status 2, as coreutils do; the missing reader does not end the
// program silently with SIGPIPE either.
TEST_F(ListingCommands, OutputThatCannotBeWrittenIsAnError) {
    const QString in = WriteListingFile(50);
    const auto fullDisk = [] {
        const int full = ::open("/dev/full", O_WRONLY);
        ::dup2(full, STDOUT_FILENO);
    };
    const auto readerGone = [] {
        int pipe[2];
        if (::pipe(pipe) != 0) return;
        ::dup2(pipe[1], STDOUT_FILENO);
        ::close(pipe[0]);
    };
    const struct {
        QStringList Arguments;
        std::function<void()> Output;
        const char* Reason;
    } cases[] = {
        {{"--radio", "7", "list", in}, fullDisk, "No space left on device"},
        {{"--radio", "7", "list", in}, readerGone, "Broken pipe"},
        {{"--help"}, fullDisk, "No space left on device"},
    };
    for (const auto& c : cases) {
        QProcess process;
        PrepareCli(process, Config.path());
        process.setArguments(c.Arguments);
        process.setChildProcessModifier(c.Output);
        process.start();
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << c.Reason;
        EXPECT_EQ(process.exitCode(), 2) << c.Reason;
        EXPECT_EQ(process.readAllStandardError(),
                  QByteArray("tavrin-cli: standard output: ") + c.Reason + "\n");
    }
}

// A PDF cut short by a full disk is no PDF: the old one stays and the command fails.
TEST_F(ListingCommands, PdfOnAFullDiskLeavesTheOldFile) {
    TSmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << "a small file system can only be mounted as root";
    const QString in = WriteListingFile(50);
    const QString out = disk.FilePath(QStringLiteral("out.pdf"));
    QByteArray output;
    ASSERT_EQ(Run({"--radio", "7", "pdf", in, out}, output).Status, 0);
    const QByteArray complete = ContentsOf(out);
    disk.Fill(complete.size() / 2 / 4096 * 4096);
    const TCliRun run = Run({"--radio", "7", "--tbf", "pdf", in, out}, output);
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(
        run.Errors.endsWith("tavrin-cli: File Open error.\n" + out + ": No space left on device\n"))
        << run.Errors.toStdString();
    EXPECT_EQ(ContentsOf(out), complete);
    EXPECT_EQ(disk.Names(), (QStringList{"filler", "out.pdf"}));
}

}  // namespace
