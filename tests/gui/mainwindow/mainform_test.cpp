#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <vector>

#include "core/files/datafile.h"
#include "gui/dialogs/setupform.h"
#include "gui/kit/language.h"
#include "gui/kit/toolbaricons.h"
#include "gui/pages/channelgrids.h"
#include "support/mainformfixture.h"
#include "support/startranslator.h"

namespace {

const QString kChangedQuestion =
    QStringLiteral("Data has been changed.\nDo you want to save the changes?");
const char kChannel5[] = "05,0145500000,3,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,0,,";

bool TabVisible(TMainForm& form, QWidget* page) {
    return form.PageTabs->isTabVisible(form.PageTabs->indexOf(page));
}

QList<int> CheckedPorts(TMainForm& form) {
    QList<int> checked;
    for (QAction* item : form.PortCommands->ComItems) {
        if (item->isChecked()) checked.append(item->data().toInt());
    }
    return checked;
}

bool TryClose(TMainForm& form) {
    QCloseEvent event;
    QCoreApplication::sendEvent(&form, &event);
    return event.isAccepted();
}

TEST_F(MainFormTest, FirstStartAsksForTheConfigurationAndStoresIt) {
    Dialogs.Then([](QDialog& dialog) {
        auto& setup = dynamic_cast<TSetupForm&>(dialog);
        EXPECT_EQ(setup.windowTitle(), "TAVRIN");
        EXPECT_TRUE(setup.RadioButtons.Buttons[0]->isChecked());
        setup.findChild<QRadioButton*>(QStringLiteral("RadioButton8"))->click();
        setup.accept();
        return static_cast<int>(QDialog::Accepted);
    });
    TMainForm& form = Start();
    EXPECT_EQ(Dialogs.Count(), 1);
    EXPECT_EQ(form.windowTitle(), "TAVRIN [RV-310/320A -1]  [Untitled]");
    EXPECT_EQ(form.Data().GetMarketCode(), "MKF");
    EXPECT_EQ(form.Data().GetMenuSlot(26), "99");
    EXPECT_EQ(form.Data().GetCall(),
              "0,0144000000,0,0,0,0,0,0,08,08,000,00600000,0,0,0000000000,0,,,");
    EXPECT_EQ(form.Data().GetChannel(207)[0], ' ');
    EXPECT_EQ(form.Data().GetMenuSlot(13), "1");
    EXPECT_FALSE(form.Data().Changed);
    EXPECT_EQ(Temp.Value("Type"), "MKF");
    EXPECT_EQ(Temp.Value("Limit"), "0136,0173");
    EXPECT_EQ(CheckedPorts(form), QList<int>{1});
    EXPECT_FALSE(TabVisible(form, form.MenuTab));
    EXPECT_TRUE(TabVisible(form, form.Menu1Tab));
    EXPECT_TRUE(TabVisible(form, form.Menu2Tab));
}

TEST_F(MainFormTest, ClosingTheFirstRunChoiceTakesTheFirstRow) {
    Dialogs.Then([](QDialog& dialog) {
        dialog.reject();
        return dialog.result();
    });
    TMainForm& form = Start();
    EXPECT_EQ(form.Data().GetModel(), "PX-A5");
    EXPECT_EQ(form.Data().GetMarketCode(), "AKF0");
    EXPECT_TRUE(TabVisible(form, form.MenuTab));
    EXPECT_FALSE(TabVisible(form, form.Menu1Tab));
}

TEST_F(MainFormTest, StoredSettingsStartWithoutQuestions) {
    StoreConfiguration("PX-A7", "JJ10");
    Temp.Set("CommPort", "COM12");
    TMainForm& form = Start();
    EXPECT_EQ(Dialogs.Count(), 0);
    EXPECT_EQ(form.windowTitle(), "TAVRIN [PX-A7]  [Untitled]");
    EXPECT_EQ(form.CommPort(), "COM12");
    EXPECT_EQ(CheckedPorts(form), QList<int>{12});
    EXPECT_EQ(form.Data().GetVfo(), "0,0433000000,5,0,0,0,0,0,08,08,000,05000000,0,0,,,,0,");
}

TEST_F(MainFormTest, UnknownStoredPortTicksCom1ButIsKept) {
    StoreConfiguration("RV-380", "MM2");
    Temp.Set("CommPort", "COM33");
    TMainForm& form = Start();
    EXPECT_EQ(CheckedPorts(form), QList<int>{1});
    EXPECT_EQ(form.CommPort(), "COM33");
    EXPECT_TRUE(TryClose(form));
    EXPECT_EQ(Temp.Value("CommPort"), "COM33");
}

TEST_F(MainFormTest, ToneBurstOptionOnlyInAllLowerOrAllUpperCase) {
    StoreConfiguration("RV-310", "MED");
    EXPECT_TRUE(Start({QStringLiteral("/tbf")}).ToneBurst());
    EXPECT_TRUE(Start({QStringLiteral("/TBF"), QStringLiteral("x")}).ToneBurst());
    EXPECT_FALSE(Start().ToneBurst());
}

TEST_F(MainFormTest, NewWithoutChangesResetsTheDataSilently) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    form.Data().SetChannel(5, kChannel5);
    form.Data().SetChannel(207, "");
    form.Data().SetMenuSlot(1, "0");
    form.FileCommands->NewClick();
    EXPECT_TRUE(Messages.Shown().empty());
    EXPECT_EQ(form.Data().GetChannel(5), "");
    EXPECT_EQ(form.Data().GetChannel(207).substr(0, 3), "AL,");
    EXPECT_EQ(form.Data().GetMenuSlot(1), "5");
    EXPECT_EQ(form.Data().GetMenuSlot(26), "49");
}

TEST_F(MainFormTest, TypingACommentMarksTheDataChangedAndNewEmptiesIt) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    TypeText(form.CommentEdit, QStringLiteral("Café net"));
    EXPECT_TRUE(form.Data().Changed);
    EXPECT_EQ(form.Data().GetComment(), "Caf\xE9 net");
    Messages.Answer(TMessageAnswer::No);
    form.FileCommands->NewClick();
    EXPECT_EQ(Messages.Texts(), QStringList{kChangedQuestion});
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::YesNoCancelWarning);
    EXPECT_EQ(form.CommentEdit->text(), "");
    EXPECT_EQ(form.Data().GetComment(), "");
    EXPECT_FALSE(form.Data().Changed);
}

// Whichever control had the keyboard, it is back on the grid last entered when a
// dialog has closed, so the next key is not typed into the comment.
TEST_F(MainFormTest, ClosingADialogGivesTheKeyboardBackToTheGrid) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    form.activateWindow();
    form.Grids->DtmfGrid->setFocus();
    form.CommentEdit->setFocus();
    Dialogs.Then([](QDialog&) { return int(QDialog::Rejected); });
    form.HelpCommands->AboutClick();
    EXPECT_EQ(form.focusWidget(), form.CommentEdit);  // the dialog's command has not yet ended
    QCoreApplication::processEvents();
    EXPECT_EQ(form.focusWidget(), form.Grids->DtmfGrid);
    EXPECT_FALSE(form.Data().Changed);
}

TEST_F(MainFormTest, CommentKeepsAtMostFiftyCharactersInTheMarketsCodePage) {
    StoreConfiguration("PX-A5", "JJ10");
    TMainForm& form = Start();
    EXPECT_TRUE(form.CommentEdit->font().families().contains(QStringLiteral("ＭＳ　Ｐ明朝")));
    TypeText(form.CommentEdit, QString(60, QChar(0x3042)));
    EXPECT_EQ(form.CommentEdit->text().size(), 50);
    EXPECT_EQ(form.Data().GetComment().size(), 100u);
    EXPECT_EQ(form.Data().GetComment().substr(0, 2), "\x82\xA0");
}

TEST_F(MainFormTest, NewWithChangesFollowsTheAnswer) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    form.Data().SetChannel(5, kChannel5);
    form.Data().Changed = true;

    Messages.Answer(TMessageAnswer::Cancel);
    form.FileCommands->NewClick();
    EXPECT_EQ(form.Data().GetChannel(5), kChannel5);
    EXPECT_TRUE(form.Data().Changed);

    Messages.Answer(TMessageAnswer::No);
    form.FileCommands->NewClick();
    EXPECT_EQ(form.Data().GetChannel(5), "");
    EXPECT_FALSE(form.Data().Changed);
}

TEST_F(MainFormTest, YesThenCancelledSaveAsKeepsTheChanges) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    form.Data().SetChannel(5, kChannel5);
    form.Data().Changed = true;
    Messages.Answer(TMessageAnswer::Yes);
    Files.Choose(QString());
    form.FileCommands->NewClick();
    ASSERT_EQ(Files.Requests().size(), 1u);
    EXPECT_EQ(Files.Requests()[0].Kind, TFileDialogKind::Save);
    EXPECT_EQ(Files.Requests()[0].PresetName, "Untitled");
    EXPECT_EQ(form.Data().GetChannel(5), kChannel5);
    EXPECT_TRUE(form.Data().Changed);

    // Closing likewise stays open when the save does not happen.
    Messages.Answer(TMessageAnswer::Yes);
    Files.Choose(QString());
    EXPECT_FALSE(TryClose(form));
}

TEST_F(MainFormTest, YesThenFailedSaveKeepsTheChanges) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    form.Data().SetChannel(5, kChannel5);
    form.Data().Changed = true;
    Messages.Answer(TMessageAnswer::Yes);
    Files.Choose(QStringLiteral("/nonexistent-folder/radio.tvr"));
    Messages.Answer(TMessageAnswer::Ok);
    form.FileCommands->NewClick();
    EXPECT_EQ(Messages.Texts().last(), "File Open error.");
    EXPECT_EQ(Messages.Shown().back().Style, TMessageStyle::Error);
    EXPECT_EQ(form.Data().GetChannel(5), kChannel5);
    EXPECT_EQ(form.FileName(), "Untitled");
}

TEST_F(MainFormTest, YesSavesUnderTheChosenNameThenGoesOn) {
    StoreConfiguration("RV-350", "MC1");
    TMainForm& form = Start();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("club.TVR"));
    form.Data().SetChannel(5, "005,0435500000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,");
    form.Data().Changed = true;
    const std::string saved = WriteDataFile(form.Data());
    Messages.Answer(TMessageAnswer::Yes);
    Files.Choose(path);
    form.FileCommands->NewClick();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), saved);
    EXPECT_EQ(form.FileName(), "Untitled");
    EXPECT_EQ(form.Data().GetChannel(5), "");
    EXPECT_EQ(Temp.Value("Path"), QDir::toNativeSeparators(folder.path() + QStringLiteral("/")));
}

TEST_F(MainFormTest, SaveAsRefusesOtherExtensionsAndLeavesTheirFilesAlone) {
    StoreConfiguration("RV-350", "MC1");
    TMainForm& form = Start();
    QTemporaryDir folder;
    const QString other = folder.filePath(QStringLiteral("notes.txt"));
    QFile file(other);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    Files.Choose(other);
    Messages.Answer(TMessageAnswer::Ok);
    EXPECT_FALSE(form.FileCommands->SaveAsClick());
    EXPECT_EQ(Messages.Texts(), QStringList{QStringLiteral("File Open error.")});
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "keep me");
    EXPECT_EQ(form.FileName(), "Untitled");
}

TEST_F(MainFormTest, SaveOnANamedFileWritesInPlaceAndAsksAgainOnceItIsGone) {
    StoreConfiguration("RV-350", "MC1");
    TMainForm& form = Start();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("club.tvr"));
    Files.Choose(path);
    form.FileCommands->SaveClick();
    EXPECT_EQ(Files.Requests().back().PresetName, "Untitled");
    EXPECT_EQ(form.FileName(), path);
    EXPECT_EQ(form.windowTitle(), "TAVRIN [RV-350A -1]  [" + path + "]");

    form.Data().SetComment("second");
    form.Data().Changed = true;
    form.FileCommands->SaveClick();
    EXPECT_EQ(Files.Requests().size(), 1u);
    EXPECT_FALSE(form.Data().Changed);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("second"));
    file.close();

    ASSERT_TRUE(QFile::remove(path));
    Files.Choose(QString());
    form.FileCommands->SaveClick();
    ASSERT_EQ(Files.Requests().size(), 2u);
    EXPECT_EQ(Files.Requests().back().PresetName, path);
}

TEST_F(MainFormTest, ClosingWritesTheSettingsBeforeTheQuestion) {
    StoreConfiguration("RV-310", "MM9");
    Temp.Set("CommPort", "COM4");
    TMainForm& form = Start();
    form.Data().SetMenuSlot(26, "199");
    form.Data().Changed = true;
    Messages.Answer(TMessageAnswer::Cancel);
    EXPECT_FALSE(TryClose(form));
    EXPECT_EQ(Temp.Value("Channel"), "199");
    EXPECT_EQ(Temp.Value("CommPort"), "COM4");
    EXPECT_EQ(Temp.Value("Type"), "MM9");

    Messages.Answer(TMessageAnswer::No);
    EXPECT_TRUE(TryClose(form));
}

TEST_F(MainFormTest, ClosingUnchangedDataAsksNothing) {
    StoreConfiguration("RV-310", "MM9");
    TMainForm& form = Start();
    EXPECT_TRUE(TryClose(form));
    EXPECT_TRUE(Messages.Shown().empty());
}

TEST_F(MainFormTest, MenusCarryTheirShortcutsAndHelpContexts) {
    StoreConfiguration("RV-310", "MM9");
    TMainForm& form = Start();
    EXPECT_EQ(form.FileCommands->New->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(form.EditCommands->Delete->shortcuts(),
              (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Del")),
                                   QKeySequence(Qt::Key_Delete)}));
    EXPECT_EQ(form.FileCommands->Print->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_EQ(form.FileCommands->Exit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(form.FileCommands->SaveAs->property("HelpContext").toInt(), 20);
    EXPECT_EQ(form.ModelCommands->ModelSelect->property("HelpContext").toInt(), 90);
    EXPECT_EQ(form.CommentEdit->property("HelpContext").toInt(), 105);
    ASSERT_EQ(form.PortCommands->ComItems.size(), 20);
    EXPECT_EQ(form.PortCommands->ComItems[9]->text(), "Com1&0");
    EXPECT_EQ(form.PortCommands->ComItems[10]->text(), "Com&11");
    EXPECT_EQ(form.ToolbarButtons.ReadButton->toolTip(), "Read");
    EXPECT_EQ(form.PageTabs->tabText(0), "Memor&y");
}

// A toolbar button is its menu item's action: a click triggers that action,
// and the button is enabled exactly when the action is.
TEST_F(MainFormTest, EachToolbarButtonIsItsMenuItem) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    const TToolbarButtons& buttons = form.ToolbarButtons;
    const std::vector<std::pair<QToolButton*, QAction*>> items{
        {buttons.NewButton, form.FileCommands->New},
        {buttons.OpenButton, form.FileCommands->Open},
        {buttons.SaveButton, form.FileCommands->Save},
        {buttons.CutButton, form.EditCommands->Cut},
        {buttons.CopyButton, form.EditCommands->Copy},
        {buttons.PasteButton, form.EditCommands->Paste},
        {buttons.UndoButton, form.UndoCommands->Undo},
        {buttons.RedoButton, form.UndoCommands->Redo},
        {buttons.ReadButton, form.RadioCommands->ReadAll},
        {buttons.WriteButton, form.RadioCommands->WriteAll},
        {buttons.PrintButton, form.FileCommands->Print},
    };
    for (const auto& [button, action] : items) {
        SCOPED_TRACE(button->toolTip().toStdString());
        for (const auto& item : items) item.second->setEnabled(item.second != action);
        for (const auto& [other, otherAction] : items)
            EXPECT_EQ(other->isEnabled(), other != button);
        action->setEnabled(true);
        // The test listens in place of the command.
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        QSignalSpy triggered(action, &QAction::triggered);
        button->click();
        EXPECT_EQ(triggered.count(), 1);
    }
}

}  // namespace

namespace {

// The window's words go through the translator; the language names, the port
// items and the shortcuts stay as they are.
TEST_F(MainFormTest, MenusTabsAndHintsAreTranslatedButNotTheNamesAndShortcuts) {
    StoreConfiguration("PX-A5", "AKF0");
    const TStarTranslator translator;
    TMainForm& form = Start();
    EXPECT_EQ(form.Menu.FileMenu->title(), "&File*");
    EXPECT_EQ(form.EditCommands->Cut->text(), "Cu&t*");
    EXPECT_EQ(form.EditCommands->Cut->shortcut(), QKeySequence(QStringLiteral("Ctrl+X")));
    EXPECT_EQ(form.ToolbarButtons.NewButton->toolTip(), "New*");
    EXPECT_EQ(form.PageTabs->tabText(1), "Ch&annels*");
    EXPECT_EQ(form.PortCommands->ComItems.first()->text(), "Com&1");
    const QList<QAction*> languages = form.HelpCommands->LanguageItems->actions();
    EXPECT_EQ(languages[0]->text(), "System Language*");
    EXPECT_EQ(languages[2]->text(), "Deutsch");
}

// Help > Language keeps the choice for the next start; the desktop's language
// counts until one is chosen, and English stands in for a language without translation.
TEST_F(MainFormTest, LanguageChoiceIsKeptForTheNextStart) {
    StoreConfiguration("PX-A5", "AKF0");
    TMainForm& form = Start();
    const QList<QAction*> items = form.HelpCommands->LanguageItems->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_TRUE(items[0]->isChecked());
    Messages.Answer(TMessageAnswer::Ok);
    items[2]->trigger();
    EXPECT_EQ(Temp.Value(kLanguageSetting), "de");
    EXPECT_EQ(Messages.Texts(), QStringList{"The language changes when TAVRIN is started again."});

    const struct {
        const char* Chosen;
        QLocale Desktop;
        const char* Shown;
    } kCases[] = {
        {"", QLocale(QLocale::German), "de"},     {"", QLocale(QLocale::French), "en"},
        {"ja", QLocale(QLocale::German), "ja"},   {"en", QLocale(QLocale::Japanese), "en"},
        {"xx", QLocale(QLocale::Japanese), "ja"}, {"", QLocale::c(), "en"}};
    for (const auto& test : kCases) {
        EXPECT_EQ(EffectiveLanguage(QString::fromLatin1(test.Chosen), test.Desktop), test.Shown)
            << test.Chosen << " " << test.Desktop.name().toStdString();
    }
}

// The controls of every page that show a text, whose text is cut: narrower than it needs.
QStringList CutTexts(TMainForm& form) {
    QStringList cut;
    for (int page = 0; page < form.PageTabs->count(); ++page) {
        if (!form.PageTabs->isTabVisible(page)) continue;
        form.PageTabs->setCurrentIndex(page);
        for (QWidget* control : form.findChildren<QWidget*>()) {
            if (!control->isVisibleTo(&form)) continue;
            QString text;
            int needed = 0;
            if (auto* button = qobject_cast<QAbstractButton*>(control)) {
                text = button->text();
                needed = button->sizeHint().width();
            } else if (auto* label = qobject_cast<QLabel*>(control); label && !label->wordWrap()) {
                text = label->text();
                needed = label->minimumSizeHint().width();
            }
            if (!text.isEmpty() && control->width() < needed) cut << text;
        }
    }
    form.PageTabs->setCurrentIndex(0);
    return cut;
}

// The Alt letters of the menu bar and the page tabs that more than one of them uses:
// Alt+letter would reach only one.
QStringList ClashingMnemonics(TMainForm& form) {
    QStringList texts;
    for (QAction* menu : form.menuBar()->actions()) texts << menu->text();
    for (int page = 0; page < form.PageTabs->count(); ++page) {
        if (form.PageTabs->isTabVisible(page)) texts << form.PageTabs->tabText(page);
    }
    QStringList letters;
    QStringList clashing;
    for (const QString& text : texts) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at < 0 || at + 1 >= text.size()) continue;
        const QString letter = text.mid(at + 1, 1).toLower();
        if (letters.contains(letter)) clashing << letter;
        letters << letter;
    }
    return clashing;
}

// Started in German or Japanese the window speaks that language, with no text cut
// and no Alt letter used twice; English is what it always was.
TEST_F(MainFormTest, StartsInEachLanguageWithNoTextCut) {
    StoreConfiguration("RV-310", "MKF");
    const struct {
        const char* Language;
        const char* File;
    } kCases[] = {{"de", "&Datei"}, {"ja", "ファイル(&F)"}, {"en", "&File"}};
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.Language);
        Form.reset();
        EXPECT_TRUE(InstallTranslations(*qApp, QString::fromLatin1(test.Language)));
        TMainForm& form = Start();
        EXPECT_EQ(form.Menu.FileMenu->title(), QString::fromUtf8(test.File));
        EXPECT_EQ(CutTexts(form), QStringList{});
        EXPECT_EQ(ClashingMnemonics(form), QStringList{});
    }
    EXPECT_EQ(ShownLanguage(), "en");
}

TEST(ToolbarIcons, ArrowsStandOutOnALightOrADarkToolbar) {
    for (const QColor background : {QColor(240, 240, 240), QColor(45, 45, 45)}) {
        QPalette palette;
        palette.setColor(QPalette::Button, background);
        const QImage image = ToolbarIcon(TToolbarGlyph::Undo, palette).pixmap(20).toImage();
        int standingOut = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel.alpha() > 200 &&
                    std::abs(pixel.lightness() - background.lightness()) > 90)
                    ++standingOut;
            }
        }
        EXPECT_GT(standingOut, 15) << background.name().toStdString();
    }
}

}  // namespace
