#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>

#include "gui/kit/reportdialog.h"
#include "gui/pages/channelgrids.h"
#include "support/mainformfixture.h"

namespace {

const char kChannel7[] = "07,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,HOME";
const char kReversed7[] = "07,0145500000,3,0,1,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,HOME";

// Knows a few texts of the reports in German, while it lives.
class TGermanReports : public QTranslator {
public:
    TGermanReports() { QCoreApplication::installTranslator(this); }
    ~TGermanReports() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const QHash<QString, QString> texts{
            {"CsvChannels|%1 channel imported", "%1 Kanal importiert"},
            {"CsvChannels|%1 adjusted", "%1 angepasst"},
            {"CsvChannels|%1 line skipped", "%1 Zeile \u00FCbersprungen"},
            {"CsvChannels|Line %1: skipped, %2.", "Zeile %1: \u00FCbersprungen, %2."},
            {"CsvChannels|%1 channel exported.", "%1 Kanal exportiert."},
            {"Messages|No channels could be imported from this file.",
             "Aus dieser Datei konnten keine Kan\u00E4le importiert werden."}};
        return texts.value(QLatin1String(context) + '|' + QString::fromUtf8(source));
    }
};

// A PX-A5 (U.S.A./Canada) window, the lists in a folder of the test's own.
class CsvCommands : public MainFormTest {
protected:
    TMainForm& StartWith(const char* channel7) {
        StoreConfiguration("PX-A5", "AKF0");
        Start().Data().SetChannel(7, channel7);
        return *Form;
    }

    QString List(const QByteArray& lines) {
        QFile file(Folder.filePath(QStringLiteral("list.csv")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Location,Name,Frequency\n" + lines);
        return file.fileName();
    }

    // Answers the next report dialog with OK and keeps its summary and notes.
    void ReadReport(QStringList& shown) {
        Dialogs.Then([&shown](QDialog& dialog) {
            auto& report = dynamic_cast<TReportDialog&>(dialog);
            EXPECT_TRUE(report.NotesBox->isReadOnly());
            shown << report.SummaryLabel->text() << report.NotesBox->toPlainText();
            report.OKButton->click();
            return report.result();
        });
    }

    QTemporaryDir Folder;
};

TEST_F(CsvCommands, ImportFillsTheGridAndReportsItsNotes) {
    TMainForm& form = StartWith(kChannel7);
    Files.Choose(List("3,CLUB,145.000000\n"));
    Messages.Answer(TMessageAnswer::Ok);
    form.CsvCommands->Import->trigger();
    EXPECT_EQ(Files.Requests()[0].Kind, TFileDialogKind::OpenCsv);
    EXPECT_EQ(Files.Requests()[0].Folder, form.DialogFolder());
    EXPECT_EQ(Messages.Texts(), QStringList{"1 channel imported, 0 adjusted, 0 lines skipped."});
    EXPECT_EQ(form.Grids->MemoryGrid->item(3, 3)->text(), "CLUB");
    EXPECT_EQ(form.Data().GetChannel(7), kChannel7);
    EXPECT_TRUE(form.Data().Changed);

    QStringList shown;
    ReadReport(shown);
    Files.Choose(List("7,Caf\xC3\xA9,145.500000\n8,UHF,440.000000\n"));
    form.CsvCommands->Import->trigger();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], "1 channel imported, 1 adjusted, 1 line skipped.");
    EXPECT_EQ(shown[1].count('\n'), 1) << shown[1].toStdString();
    EXPECT_EQ(form.Grids->MemoryGrid->item(7, 3)->text(), "CAFE");
}

TEST_F(CsvCommands, TheReportsArePutTogetherInTheWindowsLanguage) {
    TMainForm& form = StartWith(kReversed7);
    const TGermanReports german;
    QStringList shown;
    ReadReport(shown);
    Files.Choose(Folder.filePath("out.csv"));
    form.CsvCommands->Export->trigger();
    ReadReport(shown);
    Files.Choose(List("7,Caf\xC3\xA9,145.500000\n8,UHF,440.000000\n"));
    form.CsvCommands->Import->trigger();
    ReadReport(shown);
    Files.Choose(List("8,UHF,440.000000\n"));
    form.CsvCommands->Import->trigger();
    ASSERT_EQ(shown.size(), 6);
    EXPECT_EQ(shown[0], "1 Kanal exportiert.");
    EXPECT_EQ(shown[2], "1 Kanal importiert, 1 angepasst, 1 Zeile \u00FCbersprungen.");
    EXPECT_TRUE(shown[3].endsWith(
        "Zeile 3: \u00FCbersprungen, frequency 440.000000 MHz is outside the band."))
        << shown[3].toStdString();
    EXPECT_EQ(shown[4], "Aus dieser Datei konnten keine Kan\u00E4le importiert werden.");
}

TEST_F(CsvCommands, CancelledOrFailedImportsChangeNothing) {
    TMainForm& form = StartWith(kChannel7);
    const QString uhf = List("7,UHF,440.000000\n");
    for (const QString& path : {QString(), uhf, Folder.filePath("none.csv")}) Files.Choose(path);
    QStringList shown;
    ReadReport(shown);  // every line skipped: the reason over the notes that tell why
    Messages.Answer(TMessageAnswer::Ok);
    for (int attempt = 0; attempt < 3; ++attempt) form.CsvCommands->Import->trigger();
    EXPECT_EQ(shown.value(0), "No channels could be imported from this file.");
    EXPECT_EQ(Messages.Texts(), QStringList{"File Open error."});
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::Error);
    EXPECT_EQ(form.Data().GetChannel(7), kChannel7);
    EXPECT_FALSE(form.Data().Changed);
}

TEST_F(CsvCommands, ExportWritesTheListAndTellsWhatItCannotCarry) {
    TMainForm& form = StartWith(kReversed7);
    Files.Choose(QString());
    form.CsvCommands->Export->trigger();
    EXPECT_TRUE(QDir(Folder.path()).isEmpty());
    const QString path = Folder.filePath("out.csv");
    Files.Choose(path);
    QStringList shown;
    ReadReport(shown);
    form.CsvCommands->Export->trigger();
    EXPECT_EQ(Files.Requests()[1].Kind, TFileDialogKind::SaveCsv);
    EXPECT_EQ(Files.Requests()[1].PresetName, "PX-A5.csv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readLine(),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,"
              "DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,"
              "Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n");
    EXPECT_TRUE(file.readLine().startsWith("7,HOME,145.500000,"));
    EXPECT_EQ(shown, QStringList({"1 channel exported.",
                                  "Channel 7: reverse not carried by the CSV layout."}));
}

}  // namespace
