#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <tuple>

#include "core/model/channelrecord.h"
#include "core/model/pffunctions.h"
#include "gui/pages/channelgrids.h"
#include "gui/pages/mchannelform.h"
#include "gui/pages/printing.h"
#include "gui/pages/sortform.h"
#include "support/mainformfixture.h"
#include "support/testdata.h"

namespace {

std::string Record(const std::string& label, const std::string& frequency,
                   const std::string& name) {
    return label + ",0" + frequency + ",3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,," + name;
}

// The number of pages in a PDF file's page tree.
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

class MemoryDialogs : public MainFormTest {
protected:
    void SetUp() override { StoreConfiguration("PX-A7", "AM70"); }
};

TEST_F(MemoryDialogs, SortByNameRefreshesTheGridAndMarksChanged) {
    TMainForm& form = Start();
    form.Data().SetChannel(4, Record("04", "433000000", "BETA"));
    form.Data().SetChannel(9, Record("09", "432000000", "ALPHA"));
    Dialogs.Then([](QDialog& dialog) {
        auto& sort = dynamic_cast<TSortForm&>(dialog);
        EXPECT_EQ(sort.windowTitle(), "Memory Channel Sort");
        EXPECT_TRUE(sort.FrequencyRadio->isChecked());
        EXPECT_TRUE(sort.NameRadio->isEnabled());
        sort.NameRadio->setChecked(true);
        sort.SortButton->click();
        return sort.result();
    });
    form.EditCommands->MemorySort->trigger();
    EXPECT_EQ(Dialogs.Count(), 1);
    EXPECT_EQ(RecordField(form.Data().GetChannel(0), kNameField), "ALPHA");
    EXPECT_EQ(form.Grids->MemoryGrid->item(0, 3)->text(), "ALPHA");
    EXPECT_EQ(form.Grids->MemoryGrid->item(1, 3)->text(), "BETA");
    EXPECT_TRUE(form.Data().Changed);
}

TEST_F(MemoryDialogs, SortCancelledChangesNothing) {
    TMainForm& form = Start();
    form.Data().SetChannel(4, Record("04", "433000000", ""));
    Dialogs.Then([](QDialog& dialog) {
        dynamic_cast<TSortForm&>(dialog).CancelButton->click();
        return dialog.result();
    });
    form.EditCommands->MemorySort->trigger();
    EXPECT_EQ(RecordField(form.Data().GetChannel(4), kLabelField), "04");
    EXPECT_FALSE(form.Data().Changed);
}

TEST_F(MemoryDialogs, NameSortIsOffWithoutMemoryNames) {
    for (const auto& [model, type, count] :
         {std::tuple{"PX-A5", "AKF0", "99"}, std::tuple{"RV-380", "MM2", "199"}}) {
        TRadioData data = ConfiguredData(model, type, count);
        TSortForm sort(data, nullptr);
        EXPECT_FALSE(sort.NameRadio->isEnabled()) << model;
    }
}

// Presses OK on the channel count dialog after choosing the size.
TScriptedDialogs::THandler ChooseSize(bool smaller, bool expectSmallerPreselected) {
    return [=](QDialog& dialog) {
        auto& count = dynamic_cast<TMChannelForm&>(dialog);
        EXPECT_EQ(count.windowTitle(), "Memory Channel Select");
        EXPECT_EQ(count.SmallerCountRadio->text(), "&50 channels");
        EXPECT_EQ(count.LargerCountRadio->text(), "&100 channels");
        EXPECT_EQ(count.SmallerCountRadio->isChecked(), expectSmallerPreselected);
        (smaller ? count.SmallerCountRadio : count.LargerCountRadio)->setChecked(true);
        count.OkButton->click();
        return count.result();
    };
}

TEST_F(MemoryDialogs, CountChangeMovesNoRecordAndAsksEveryTime) {
    TMainForm& form = Start();
    form.Data().Changed = false;
    form.Data().SetChannel(70, Record("70", "433700000", ""));
    form.Data().SetChannel(200, Record("L0", "430000000", ""));
    const std::string before70 = form.Data().GetChannel(70);

    Messages.Answer(TMessageAnswer::Yes);
    Dialogs.Then(ChooseSize(false, true));
    form.ModelCommands->MemoryChannelSelect->trigger();
    EXPECT_EQ(form.Data().GetMenuSlot(26), "99");
    EXPECT_EQ(form.Grids->MemoryGrid->rowCount(), 100 + 7);
    EXPECT_EQ(form.Grids->MemoryGrid->item(70, 2)->text(), "433.700");

    Messages.Answer(TMessageAnswer::Yes);
    Dialogs.Then(ChooseSize(true, false));
    form.ModelCommands->MemoryChannelSelect->trigger();
    EXPECT_EQ(form.Data().GetMenuSlot(26), "49");
    EXPECT_EQ(form.Grids->MemoryGrid->rowCount(), 50 + 7);

    // Left as it was: still asked.
    Messages.Answer(TMessageAnswer::Yes);
    Dialogs.Then(ChooseSize(true, true));
    form.ModelCommands->MemoryChannelSelect->trigger();

    ASSERT_EQ(Messages.Shown().size(), 3u);
    for (const TShownMessage& shown : Messages.Shown()) {
        EXPECT_EQ(shown.Text, QString::fromLatin1(kChannelCountQuestion));
        EXPECT_EQ(shown.Style, TMessageStyle::YesNoQuestion);
    }
    EXPECT_EQ(form.Data().GetChannel(70), before70);
    EXPECT_EQ(form.Data().GetChannel(200), Record("L0", "430000000", ""));
    EXPECT_FALSE(form.Data().Changed);
}

TEST_F(MemoryDialogs, CountQuestionAnsweredNoStillRebuildsTheGrids) {
    TMainForm& form = Start();
    form.Grids->SelectRow(TChannelGrids::kMemoryGrid, 20);
    form.Data().SetChannel(5, Record("05", "433500000", ""));  // not yet shown
    Messages.Answer(TMessageAnswer::No);
    Dialogs.Then(ChooseSize(false, true));
    form.ModelCommands->MemoryChannelSelect->trigger();
    EXPECT_EQ(form.Data().GetMenuSlot(26), "49");
    EXPECT_EQ(form.Grids->MemoryGrid->item(5, 2)->text(), "433.500");
    EXPECT_EQ(form.Grids->SelectedRow(TChannelGrids::kMemoryGrid), 1);
}

TEST_F(MemoryDialogs, PrintWithoutPrinterSaysSoAndPrintsNothing) {
    TMainForm& form = Start();
    SetPrinterProbe([] { return false; });
    Messages.Answer(TMessageAnswer::Ok);
    form.FileCommands->Print->trigger();
    SetPrinterProbe({});
    ASSERT_EQ(Messages.Shown().size(), 1u);
    EXPECT_EQ(Messages.Shown()[0].Text, "No default printer is configured.");
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::Warning);
    EXPECT_EQ(Dialogs.Count(), 0);
}

// The print dialog's choice goes to a PDF file, so the pages can be counted.
// Such a file is saved as Export saves one: never in the place of a folder.
TEST_F(MemoryDialogs, PrintsEveryPageOfTheListing) {
    TMainForm& form = Start();
    for (int channel = 0; channel < 50; ++channel) {
        form.Data().SetChannel(channel, Record("00", "433500000", "N"));
    }
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("printed.pdf"));
    SetPrinterProbe([] { return true; });
    Dialogs.Then([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    form.ToolbarButtons.PrintButton->click();
    EXPECT_FALSE(QFile::exists(output));
    Dialogs.Then([&](QDialog& dialog) {
        auto& print = dynamic_cast<QPrintDialog&>(dialog);
        print.printer()->setOutputFileName(output);
        return static_cast<int>(QDialog::Accepted);
    });
    form.FileCommands->Print->trigger();
    EXPECT_EQ(PdfPageCount(output), 2);
    EXPECT_TRUE(Messages.Shown().empty());

    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    const QString link = folder.filePath(QStringLiteral("to-folder.pdf"));
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("folder")), link));
    Dialogs.Then([&](QDialog& dialog) {
        dynamic_cast<QPrintDialog&>(dialog).printer()->setOutputFileName(link);
        return static_cast<int>(QDialog::Accepted);
    });
    Messages.Answer(TMessageAnswer::Ok);
    form.FileCommands->Print->trigger();
    SetPrinterProbe({});
    ASSERT_EQ(Messages.Texts(), QStringList{"File Open error."});
    EXPECT_EQ(Messages.Shown()[0].Detail, link + ": not a regular file");
    EXPECT_TRUE(QDir(folder.filePath(QStringLiteral("folder"))).isEmpty());
}

TEST_F(MemoryDialogs, ExportAsksForAPdfFileAndWritesThePages) {
    TMainForm& form = Start();
    for (int channel = 0; channel < 50; ++channel) {
        form.Data().SetChannel(channel, Record("00", "433500000", "N"));
    }
    QTemporaryDir folder;
    const QString output = folder.filePath(QStringLiteral("listing.pdf"));
    Files.Choose(QString());
    form.FileCommands->ExportPdf->trigger();
    Files.Choose(output);
    form.FileCommands->ExportPdf->trigger();
    ASSERT_EQ(Files.Requests().size(), 2u);
    EXPECT_EQ(Files.Requests()[0].Kind, TFileDialogKind::SavePdf);
    EXPECT_EQ(Files.Requests()[0].PresetName, "Untitled.pdf");
    EXPECT_EQ(PdfPageCount(output), 2);

    Files.Choose(folder.filePath(QStringLiteral("missing/listing.pdf")));
    Messages.Answer(TMessageAnswer::Ok);
    form.FileCommands->ExportPdf->trigger();
    ASSERT_EQ(Messages.Shown().size(), 1u);
    EXPECT_EQ(Messages.Shown()[0].Text, "File Open error.");
}

TEST(PfFunctions, SlotTextsNameTheirPosition) {
    EXPECT_EQ(PfFunctionOfSlot("00"), "MONI");
    EXPECT_EQ(PfFunctionOfSlot("0a"), "M.IN");
    EXPECT_EQ(PfFunctionOfSlot("12"), "STEP");
    EXPECT_EQ(PfFunctionOfSlot("13"), "");
    EXPECT_EQ(PfFunctionOfSlot("G1"), "");
    EXPECT_EQ(PfFunctionOfSlot(""), "");
}

}  // namespace
