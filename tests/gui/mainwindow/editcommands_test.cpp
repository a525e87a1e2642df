#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "core/model/channelrecord.h"
#include "gui/kit/clipboardaccess.h"
#include "gui/pages/channelgrids.h"
#include "support/mainformfixture.h"

namespace {

const char kChannel3[] = "03,0145500000,3,1,0,1,0,0,12,08,000,00600000,0,0,0000000000,0,0,,RPT";
const QByteArray kChannel3Bytes(kChannel3, sizeof kChannel3);  // with its NUL
const QString kInvalidFunction = QStringLiteral("Invalid function.");
constexpr int kMemory = TChannelGrids::kMemoryGrid;
constexpr int kVfo = TChannelGrids::kVfoGrid;
constexpr int kCall = TChannelGrids::kCallGrid;
constexpr int kDtmf = TChannelGrids::kDtmfGrid;

// The main window driven through its grids, menus, tool buttons and popup menus.
class EditCommands : public MainFormTest {
protected:
    void SetUp() override { QGuiApplication::clipboard()->clear(); }
    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }

    TMainForm& StartWithChannel3(const char* model, const char* type) {
        StoreConfiguration(model, type);
        Start().Data().SetChannel(3, kChannel3);
        Form->Data().SetDtmf(2, "2,12*#");
        Form->RefreshGrids();
        return *Form;
    }

    QTableWidget* Table(int grid) {
        const TChannelGrids& grids = *Form->Grids;
        const std::array tables{grids.MemoryGrid, grids.VfoGrid, grids.CallGrid, grids.DtmfGrid};
        return tables[static_cast<size_t>(grid - 1)];
    }

    QPoint RowCentre(int grid, int row) {
        QTableWidgetItem* label = Table(grid)->item(row - 1, 1);
        Table(grid)->scrollToItem(label);
        return Table(grid)->visualItemRect(label).center();
    }

    void Click(int grid, int row) {
        QTest::mouseClick(Table(grid)->viewport(), Qt::LeftButton, {}, RowCentre(grid, row));
    }

    // As the window system delivers a right click: the press selects the row, the menu opens.
    QMenu* RightClick(int grid, int row) {
        const QPoint centre = Table(grid)->viewport()->mapTo(Form.get(), RowCentre(grid, row));
        QTest::mousePress(Form->windowHandle(), Qt::RightButton, {}, centre);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    void Choose(QMenu* menu, QAction* item) {
        ASSERT_TRUE(menu != nullptr && menu->actions().contains(item));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }

    QString Cell(int grid, int row, int column) {
        return Table(grid)->item(row - 1, column)->text();
    }

    static QByteArray ClipboardBytes() {
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        return mime && mime->hasFormat(ClipboardMimeType()) ? mime->data(ClipboardMimeType())
                                                            : QByteArray("none");
    }

    // What another program puts on the clipboard in our format, then the program comes forward.
    static void ComeForwardWith(const QByteArray& bytes) {
        auto* mime = new QMimeData;
        mime->setData(ClipboardMimeType(), bytes);
        QGuiApplication::clipboard()->setMimeData(mime);
        emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    }

    bool PasteOffered() {
        const TGridPopupMenus& popups = Form->EditCommands->Popups;
        const bool offered = Form->EditCommands->Paste->isEnabled();
        for (QAction* paste : {popups.MemoryPaste, popups.VfoCallPaste, popups.DtmfPaste}) {
            EXPECT_EQ(paste->isEnabled(), offered);
        }
        EXPECT_EQ(Form->ToolbarButtons.PasteButton->isEnabled(), offered);
        return offered;
    }

    bool CutAndDeleteOffered() {
        const TGridPopupMenus& popups = Form->EditCommands->Popups;
        const bool offered = Form->EditCommands->Cut->isEnabled();
        for (QAction* item : {popups.MemoryCut, popups.DtmfCut, Form->EditCommands->Delete,
                              popups.MemoryDelete, popups.DtmfDelete}) {
            EXPECT_EQ(item->isEnabled(), offered);
        }
        EXPECT_EQ(Form->ToolbarButtons.CutButton->isEnabled(), offered);
        return offered;
    }
};

TEST_F(EditCommands, CopyAndPasteThroughTheEditMenu) {
    TMainForm& form = StartWithChannel3("PX-A5", "AKF0");
    Click(kMemory, 2);
    form.EditCommands->Copy->trigger();
    EXPECT_EQ(ClipboardBytes(), QByteArray(1, '\0'));  // an empty channel
    EXPECT_FALSE(PasteOffered());
    Click(kMemory, 4);
    form.EditCommands->Copy->trigger();
    EXPECT_EQ(ClipboardBytes(), kChannel3Bytes);
    EXPECT_FALSE(form.Data().Changed);
    EXPECT_TRUE(PasteOffered());

    Click(kMemory, 13);
    form.EditCommands->Paste->trigger();
    EXPECT_EQ(form.Data().GetChannel(12),
              "12,0145500000,3,1,0,1,0,0,12,08,000,00600000,0,0,0000000000,0,0,,RPT");
    EXPECT_EQ(Cell(kMemory, 13, 3), "RPT");
    EXPECT_TRUE(form.Data().Changed);
}

TEST_F(EditCommands, ToolButtonsAndShortcutsActOnTheSelectedRow) {
    TMainForm& form = StartWithChannel3("RV-310", "MKF");
    Click(kMemory, 4);
    form.ToolbarButtons.CutButton->click();  // Cut
    EXPECT_EQ(form.Data().GetChannel(3), "");
    EXPECT_EQ(Cell(kMemory, 4, 2), "");
    EXPECT_EQ(ClipboardBytes(), kChannel3Bytes);
    EXPECT_TRUE(form.Data().Changed);
    EXPECT_TRUE(PasteOffered());
    form.ToolbarButtons.PasteButton->click();  // Paste
    EXPECT_EQ(form.Data().GetChannel(3), "003" + std::string(kChannel3).substr(2));

    QTableWidget* memory = Table(kMemory);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(memory, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(ClipboardBytes(), QByteArray("003") + kChannel3Bytes.mid(2));
    QTest::keyClick(memory, Qt::Key_Down);
    QTest::keyClick(memory, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Data().GetChannel(4).substr(0, 14), "004,0145500000");
    QTest::keyClick(memory, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(form.Data().GetChannel(4), "");
    QTest::keyClick(memory, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(memory, Qt::Key_Delete);
    EXPECT_EQ(form.Data().GetChannel(4), "");
    // In a text box Delete stays the box's own.
    form.CommentEdit->setText(QStringLiteral("ab"));
    form.CommentEdit->setCursorPosition(0);
    QTest::keyClick(form.CommentEdit, Qt::Key_Delete);
    EXPECT_EQ(form.CommentEdit->text(), "b");
    EXPECT_EQ(form.Data().GetChannel(3).substr(0, 14), "003,0145500000");
    QTest::keyClick(memory, Qt::Key_Up);
    QTest::keyClick(memory, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(form.Data().GetChannel(3), "");
}

TEST_F(EditCommands, VfoAndCallOfferCopyAndPasteButNotCutOrDelete) {
    TMainForm& form = StartWithChannel3("PX-A7", "AEB0");
    Click(kVfo, 1);
    EXPECT_FALSE(CutAndDeleteOffered());
    EXPECT_TRUE(form.EditCommands->Copy->isEnabled() &&
                form.ToolbarButtons.CopyButton->isEnabled());
    QMenu* menu = RightClick(kVfo, 1);
    ASSERT_EQ(menu, form.EditCommands->Popups.VfoCallMenu);
    EXPECT_EQ(menu->actions(), (QList<QAction*>{form.EditCommands->Popups.VfoCallCopy,
                                                form.EditCommands->Popups.VfoCallPaste}));
    Choose(menu, form.EditCommands->Popups.VfoCallCopy);
    EXPECT_EQ(ClipboardBytes(), QByteArray(form.Data().GetVfo().c_str()) + '\0');

    Click(kCall, 1);
    EXPECT_FALSE(CutAndDeleteOffered());
    Choose(RightClick(kCall, 1), form.EditCommands->Popups.VfoCallPaste);
    EXPECT_EQ(form.Data().GetCall(),
              "0,0430000000,6,0,0,0,0,0,08,08,000,01600000,0,0,0000000000,0,,,");

    // Were the commands reached anyway, they would refuse.
    const std::string call = form.Data().GetCall();
    Messages.Answer(TMessageAnswer::Ok);
    Messages.Answer(TMessageAnswer::Ok);
    form.EditCommands->CutClick();
    form.EditCommands->DeleteClick();
    EXPECT_EQ(Messages.Texts(), (QStringList{kInvalidFunction, kInvalidFunction}));
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::Information);
    EXPECT_EQ(form.Data().GetCall(), call);
    Click(kMemory, 1);
    EXPECT_TRUE(CutAndDeleteOffered());
}

TEST_F(EditCommands, BeforeAnyGridCutAndDeleteSayInvalidFunctionAndCopyDoesNothing) {
    TMainForm& form = StartWithChannel3("PX-A5", "AKF0");
    ASSERT_EQ(form.Grids->CurrentGrid, TChannelGrids::kNoGrid);
    EXPECT_TRUE(CutAndDeleteOffered());
    EXPECT_FALSE(PasteOffered());
    Messages.Answer(TMessageAnswer::Ok);
    Messages.Answer(TMessageAnswer::Ok);
    form.EditCommands->Cut->trigger();
    form.EditCommands->Delete->trigger();
    EXPECT_EQ(Messages.Texts(), (QStringList{kInvalidFunction, kInvalidFunction}));
    form.EditCommands->Copy->trigger();
    EXPECT_EQ(ClipboardBytes(), "none");
    EXPECT_FALSE(form.Data().Changed);
}

TEST_F(EditCommands, DtmfPopupMenuAndPasteOnlyIntoTheDtmfGrid) {
    TMainForm& form = StartWithChannel3("PX-A5", "AKF0");
    const TGridPopupMenus& popups = form.EditCommands->Popups;
    QMenu* menu = RightClick(kDtmf, 3);
    ASSERT_EQ(menu, popups.DtmfMenu);
    EXPECT_EQ(menu->actions(), (QList<QAction*>{popups.DtmfCut, popups.DtmfCopy, popups.DtmfPaste,
                                                popups.DtmfDelete}));
    Choose(menu, popups.DtmfCopy);
    EXPECT_EQ(ClipboardBytes(), QByteArray("2,12*#", 7));
    Click(kVfo, 1);
    EXPECT_FALSE(PasteOffered());
    Click(kMemory, 1);
    EXPECT_FALSE(PasteOffered());
    Choose(RightClick(kDtmf, 6), popups.DtmfPaste);
    EXPECT_EQ(form.Data().GetDtmf(5), "5,12*#");
    EXPECT_EQ(Cell(kDtmf, 6, 2), "12*#");

    // Delete leaves the clipboard as it is.
    Choose(RightClick(kDtmf, 3), popups.DtmfDelete);
    EXPECT_EQ(form.Data().GetDtmf(2), "");
    EXPECT_EQ(Cell(kDtmf, 3, 2), "");
    Choose(RightClick(kMemory, 4), popups.MemoryDelete);
    EXPECT_EQ(form.Data().GetChannel(3), "");
    EXPECT_EQ(ClipboardBytes(), QByteArray("2,12*#", 7));
}

TEST_F(EditCommands, LockOutTogglesTheMarkOnChannelRowsOnly) {
    TMainForm& form = StartWithChannel3("PX-A5", "AKF0");
    QAction* lockout = form.EditCommands->Popups.MemoryLockout;
    EXPECT_EQ(lockout->text(), "&Lock Out");
    EXPECT_EQ(lockout->property("HelpContext").toInt(), 545);
    EXPECT_EQ(form.EditCommands->Popups.MemoryCut->property("HelpContext").toInt(), 40);
    Choose(RightClick(kMemory, 4), lockout);
    EXPECT_EQ(form.Grids->SelectedRow(kMemory), 4);
    EXPECT_EQ(Cell(kMemory, 4, 0), "*");
    EXPECT_EQ(RecordField(form.Data().GetChannel(3), kLockoutField), "1");
    EXPECT_TRUE(form.Data().Changed);
    Choose(RightClick(kMemory, 4), lockout);
    EXPECT_EQ(Cell(kMemory, 4, 0), "");

    for (int row : {51, 57, 58}) {  // L0, PR, AL
        RightClick(kMemory, row);
        EXPECT_FALSE(lockout->isEnabled()) << row;
        form.EditCommands->Popups.MemoryMenu->close();
    }
}

TEST_F(EditCommands, ActivationTakesOtherProgramsRecordsCutToOneRecord) {
    TMainForm& form = StartWithChannel3("PX-A5", "AKF0");
    Click(kMemory, 2);
    // A name far too long runs past the end of one record; no NUL ends it.
    const QByteArray longRecord = QByteArray(kChannel3) + QByteArray(80, 'X');
    ComeForwardWith(longRecord);
    EXPECT_EQ(form.Data().GetClipRecord(), longRecord.left(99).toStdString());
    ASSERT_TRUE(PasteOffered());
    form.EditCommands->Paste->trigger();
    EXPECT_EQ(Cell(kMemory, 2, 3), "RPTXXX");

    // Data of other formats leaves the last record in place.
    QGuiApplication::clipboard()->setText(QStringLiteral("3,123"));
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(PasteOffered());
    ComeForwardWith(QByteArray(kChannel3) + "\r\nDM 1,2");
    EXPECT_EQ(form.Data().GetClipRecord(), "");
    EXPECT_FALSE(PasteOffered());
}

TEST_F(EditCommands, OtherPagesOfferNoEditingEvenAfterActivation) {
    TMainForm& form = StartWithChannel3("PX-A5", "AKF0");
    Click(kMemory, 4);
    form.EditCommands->Copy->trigger();
    form.PageTabs->setCurrentWidget(form.MenuTab);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_FALSE(PasteOffered());
    EXPECT_FALSE(CutAndDeleteOffered());
    // The shortcut of Copy stays live, and acts on nothing here.
    QGuiApplication::clipboard()->clear();
    form.EditCommands->Copy->trigger();
    EXPECT_EQ(ClipboardBytes(), "none");

    form.PageTabs->setCurrentWidget(form.MemoryTab);
    EXPECT_TRUE(CutAndDeleteOffered());
    EXPECT_TRUE(PasteOffered());  // judged on the record taken before
}

}  // namespace
