// The splash window in the real start-up, the About box, Help Topics and F1.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "gui/dialogs/aboutbox.h"
#include "gui/dialogs/help.h"
#include "gui/dialogs/helpwindow.h"
#include "gui/dialogs/welcomeform.h"
#include "gui/kit/helpcontext.h"
#include "gui/pages/channelgrids.h"
#include "support/mainformfixture.h"

namespace {

class HelpCommands : public MainFormTest {
protected:
    HelpCommands() {
        SetGuideFolder(QStringLiteral(TAVRIN_GUIDE_DIR));
        SetUrlOpener([this](const QUrl& url) {
            Opened.push_back(url);
            return true;
        });
    }
    ~HelpCommands() override {
        SetUrlOpener({});
        SetGuideFolder({});
    }

    TMainForm& StartHandheld() {
        StoreConfiguration("PX-A5", "AKF0");
        return Start();
    }

    QStringList Fragments() const {
        QStringList fragments;
        for (const QUrl& url : Opened) fragments << url.fragment();
        return fragments;
    }

    std::vector<QUrl> Opened;
};

// The window's controls are built while the splash is up, so it is ready when the splash goes.
TEST_F(HelpCommands, SplashClosesItselfAfterTwoSecondsWhileTheWindowIsBuilt) {
    StoreConfiguration("PX-A5", "AKF0");
    QString caption;
    QStringList texts;
    qint64 shownFor = 0;
    bool builtMeanwhile = false;
    Dialogs.Then([&](QDialog& dialog) {
        auto& splash = dynamic_cast<TWelcomeForm&>(dialog);
        caption = splash.windowTitle();
        for (QLabel* label : {splash.NameLabel, splash.TitleLabel, splash.ModelsLabel,
                              splash.VersionLabel, splash.ReleaseLabel}) {
            texts << label->text();
        }
        QElapsedTimer clock;
        clock.start();
        const int result = splash.exec();  // nobody closes it but its own timer
        shownFor = clock.elapsed();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            builtMeanwhile |= window->findChild<QTableWidget*>() != nullptr;
        }
        return result;
    });
    TSettingsStore store;

    TMainForm form(store, {});

    EXPECT_EQ(Dialogs.Count(), 1);
    EXPECT_EQ(caption, "Welcome");
    EXPECT_EQ(texts, (QStringList{"TAVRIN", "Radio Channel Composer",
                                  "for the PX-A5/A7/RV-310/320/350/380", "Version 3.11",
                                  "Release OCT/31/2013"}));
    EXPECT_GE(shownFor, 1950);
    EXPECT_LT(shownFor, 3500);
    EXPECT_TRUE(builtMeanwhile);
}

TEST_F(HelpCommands, AboutBoxShowsTheVersion) {
    TMainForm& form = StartHandheld();
    QStringList texts;
    Dialogs.Then([&texts](QDialog& dialog) {
        auto& box = dynamic_cast<TAboutBox&>(dialog);
        texts << box.windowTitle() << box.TitleLabel->text() << box.ModelsLabel->text()
              << box.VersionLabel->text() << box.ReleaseLabel->text();
        box.OKButton->click();
        return box.result();
    });
    form.HelpCommands->About->trigger();
    EXPECT_EQ(texts, (QStringList{"About TAVRIN", "Radio Channel Composer ",
                                  "for the PX-A5/A7/RV-310/320/350/380", "Version 3.11",
                                  "Release OCT/31/2013"}));
}

TEST_F(HelpCommands, HelpTopicsOpensTheGuideAndAMissingGuideSaysWhereItWasLookedFor) {
    TMainForm& form = StartHandheld();
    form.HelpCommands->HelpTopics->trigger();
    ASSERT_EQ(Opened.size(), 1u);
    EXPECT_TRUE(Opened[0].isLocalFile());
    EXPECT_TRUE(Opened[0].toLocalFile().endsWith("/guide/index.html"));
    EXPECT_TRUE(Opened[0].fragment().isEmpty());

    QTemporaryDir empty;
    SetGuideFolder(empty.path());
    Messages.Answer(TMessageAnswer::Ok);
    Messages.Answer(TMessageAnswer::Ok);
    form.HelpCommands->HelpTopics->trigger();
    QTest::keyClick(form.CommentEdit, Qt::Key_F1);
    EXPECT_EQ(Opened.size(), 1u);
    const QString said =
        "The user guide is not installed. TAVRIN looked for it in:\n" + empty.path();
    EXPECT_EQ(Messages.Texts(), QStringList({said, said}));
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::Information);
}

TEST_F(HelpCommands, WithoutABrowserTheGuideShowsInTheProgramsOwnWindow) {
    TMainForm& form = StartHandheld();
    SetUrlOpener({});
    form.CommentEdit->setFocus();
    QTest::keyClick(form.CommentEdit, Qt::Key_F1);
    THelpWindow& help = HelpWindowOf(&form);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.Browser->source().fileName(), "index.html");
    EXPECT_EQ(help.Browser->source().fragment(), "105");
    EXPECT_FALSE(help.BackButton->isEnabled());

    help.FindEdit->setText(QStringLiteral("Writing to the transceiver"));
    QTest::keyClick(help.FindEdit, Qt::Key_Return);
    EXPECT_EQ(help.Browser->textCursor().selectedText(), "Writing to the transceiver");
    help.ContentsButton->click();
    EXPECT_TRUE(help.Browser->source().fragment().isEmpty());
    EXPECT_TRUE(help.BackButton->isEnabled());
    help.BackButton->click();
    EXPECT_EQ(help.Browser->source().fragment(), "105");
    help.close();
}

TEST_F(HelpCommands, F1OpensTheSectionOfTheFocusedControlOrHighlightedItem) {
    TMainForm& form = StartHandheld();
    form.CommentEdit->setFocus();
    QTest::keyClick(form.CommentEdit, Qt::Key_F1);
    form.Grids->MemoryGrid->setFocus();
    QTest::keyClick(form.Grids->MemoryGrid, Qt::Key_F1);
    form.Menu.RadioMenu->popup(form.pos());
    form.Menu.RadioMenu->setActiveAction(form.RadioCommands->ChannelDisplay);
    QTest::keyClick(form.Menu.RadioMenu, Qt::Key_F1);
    form.Menu.RadioMenu->close();

    EXPECT_EQ(Fragments(), (QStringList{"105", "200", "80"}));
    EXPECT_EQ(GuideAnchorOf(310), "205");  // menu page controls share their section
    EXPECT_EQ(GuideAnchorOf(735), "205");
    EXPECT_EQ(GuideAnchorOf(545), "545");
}

// Where the focused control has no section, F1 opens the one of its page or
// window, and where there is none either, the guide's contents.
TEST_F(HelpCommands, F1AlwaysOpensHelpWhereNoControlHasASection) {
    TMainForm& form = StartHandheld();
    QTabBar* tabs = form.PageTabs->tabBar();
    form.PageTabs->setCurrentWidget(form.MenuTab);
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_F1);
    form.PageTabs->setCurrentWidget(form.ChannelsTab);
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_F1);
    Dialogs.Then([](QDialog& ports) {
        ports.show();
        QApplication::setActiveWindow(&ports);
        auto* close = ports.findChild<QPushButton*>();
        close->setFocus();
        QTest::keyClick(close, Qt::Key_F1);
        return 0;
    });
    form.PortCommands->Ports->trigger();
    QWidget plain;  // a window of no section, such as a message box
    plain.show();
    QApplication::setActiveWindow(&plain);
    QTest::keyClick(&plain, Qt::Key_F1);

    EXPECT_EQ(Fragments(), (QStringList{"205", "150", "75", ""}));
}

// The help window answers the keys of a desktop's help window, and says what
// it could not do.
TEST_F(HelpCommands, HelpWindowClosesWithItsKeysFindsAndSaysWhatFailed) {
    TMainForm& form = StartHandheld();
    SetUrlOpener({});
    const auto openHelp = [&form]() -> THelpWindow& {
        form.HelpCommands->HelpTopics->trigger();
        THelpWindow& help = HelpWindowOf(&form);
        QApplication::setActiveWindow(&help);
        return help;
    };
    for (const char* key : {"Esc", "Ctrl+W"}) {
        THelpWindow& help = openHelp();
        ASSERT_TRUE(help.isVisible());
        QTest::keySequence(&help, QKeySequence(QString::fromLatin1(key)));
        EXPECT_FALSE(help.isVisible()) << key;
    }
    THelpWindow& help = openHelp();
    QTest::keySequence(&help, QKeySequence(QStringLiteral("Ctrl+F")));
    EXPECT_EQ(QApplication::focusWidget(), help.FindEdit);
    help.Browser->verticalScrollBar()->setValue(300);
    help.FindEdit->setText(QStringLiteral("no such words"));
    QTest::keyClick(help.FindEdit, Qt::Key_Return);
    EXPECT_TRUE(help.NoteLabel->isVisibleTo(&help));
    EXPECT_EQ(help.NoteLabel->text(), "\"no such words\" is not on this page.");
    EXPECT_EQ(help.Browser->verticalScrollBar()->value(), 300);  // the page stays where it was

    // Without a browser to start (none on the search path), the window says so.
    QTemporaryDir nowhere;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", nowhere.path().toLocal8Bit());
    help.BrowserButton->click();
    qputenv("PATH", path);
    EXPECT_TRUE(help.NoteLabel->text().startsWith("No web browser could be started."))
        << help.NoteLabel->text().toStdString();
    help.close();
}

// Exit, from the program's window or as Ctrl+Q in the help window, ends the
// program with the help window open: no window is left to keep it running.
TEST_F(HelpCommands, ExitEndsTheProgramWhileTheHelpWindowIsOpen) {
    SetUrlOpener({});
    const std::vector<std::pair<const char*, std::function<void(TMainForm&, THelpWindow&)>>> ways{
        {"File > Exit", [](TMainForm& form, THelpWindow&) { form.FileCommands->Exit->trigger(); }},
        {"Ctrl+Q in the help window",
         [](TMainForm&, THelpWindow& help) {
             QApplication::setActiveWindow(&help);
             QTest::keySequence(&help, QKeySequence(QStringLiteral("Ctrl+Q")));
         }},
    };
    for (const auto& [name, exit] : ways) {
        SCOPED_TRACE(name);
        TMainForm& form = StartHandheld();
        form.HelpCommands->HelpTopics->trigger();
        THelpWindow& help = HelpWindowOf(&form);
        ASSERT_TRUE(help.isVisible());
        exit(form, help);
        QStringList open;
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) open << window->windowTitle();
        }
        EXPECT_TRUE(open.isEmpty()) << open.join(", ").toStdString();
    }
}

// Every help context the main window carries leads to an anchor of the shipped guide.
TEST_F(HelpCommands, GuideHasASectionForEveryContextOfTheWindow) {
    TMainForm& form = StartHandheld();
    QFile guide(GuideFile());
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(guide.readAll());
    std::set<int> contexts;
    for (const QObject* object : form.findChildren<QObject*>()) {
        if (const int context = HelpContextOf(object)) contexts.insert(context);
    }
    EXPECT_GT(contexts.size(), 30u);
    for (const int context : contexts) {
        EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(GuideAnchorOf(context))))
            << context;
    }
}

// The guide's pictures lie in its images/ folder, named relative to the page, so the help
// window finds them wherever the guide is (build tree or package); none is drawn wider than
// it is, nor so wide that the window's text would need a sideways scroll bar.
TEST_F(HelpCommands, EveryPictureOfTheGuideShowsInTheHelpWindow) {
    TMainForm& form = StartHandheld();
    SetUrlOpener({});
    form.HelpCommands->HelpTopics->trigger();
    THelpWindow& help = HelpWindowOf(&form);
    QFile guide(GuideFile());
    ASSERT_TRUE(guide.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(guide.readAll());
    static const QRegularExpression tag(
        QStringLiteral("<img src=\"([^\"]+)\" width=\"(\\d+)\" alt=\"([^\"]+)\""));
    int pictures = 0;
    for (auto match = tag.globalMatch(html); match.hasNext(); ++pictures) {
        const QRegularExpressionMatch picture = match.next();
        const QString source = picture.captured(1);
        EXPECT_TRUE(source.startsWith(QStringLiteral("images/"))) << source.toStdString();
        const QVariant bytes =
            help.Browser->loadResource(QTextDocument::ImageResource, QUrl(source));
        const QImage image = QImage::fromData(bytes.toByteArray());
        ASSERT_FALSE(image.isNull()) << source.toStdString();
        EXPECT_LE(picture.captured(2).toInt(), image.width()) << source.toStdString();
        EXPECT_LE(picture.captured(2).toInt(), 560) << source.toStdString();
    }
    EXPECT_EQ(pictures, html.count(QStringLiteral("<img ")));  // each written as the pattern says
    EXPECT_GE(pictures, 6);
    help.close();
}

// A build tree has the guide next to the program; the package installs it under
// share/ beside bin/, and the copy next to the program wins when both exist.
TEST(GuideLookup, FindsTheGuideNextToTheProgramElseInTheInstalledPlace) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir tree(root.path());
    ASSERT_TRUE(tree.mkpath(QStringLiteral("usr/bin")));
    const QString program = tree.filePath(QStringLiteral("usr/bin"));
    const QString beside = tree.filePath(QStringLiteral("usr/bin/guide/index.html"));
    const QString installed = tree.filePath(QStringLiteral("usr/share/tavrin/guide/index.html"));
    const auto createFile = [](const QString& path) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    };

    EXPECT_EQ(GuideFileBeside(program), beside);  // neither: the missing guide stays silent
    ASSERT_TRUE(createFile(installed));
    EXPECT_EQ(GuideFileBeside(program), installed);
    EXPECT_EQ(GuideFileBeside(program + QStringLiteral("/")), installed);
    ASSERT_TRUE(createFile(beside));
    EXPECT_EQ(GuideFileBeside(program), beside);
}

// The guide in the language the windows show, where there is one; the English
// guide for any other language and for English itself.
TEST(GuideLookup, FindsTheGuideInTheLanguageShownElseTheEnglishOne) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir guide(root.path());
    const auto createFile = [&guide](const QString& name) {
        QDir().mkpath(QFileInfo(guide.filePath(name)).path());
        QFile file(guide.filePath(name));
        return file.open(QIODevice::WriteOnly);
    };
    ASSERT_TRUE(createFile(QStringLiteral("index.html")));
    ASSERT_TRUE(createFile(QStringLiteral("de/index.html")));
    ASSERT_TRUE(createFile(QStringLiteral("en/index.html")));

    EXPECT_EQ(GuideIn(guide.path(), QStringLiteral("de")), guide.filePath("de/index.html"));
    EXPECT_EQ(GuideIn(guide.path(), QStringLiteral("ja")), guide.filePath("index.html"));
    EXPECT_EQ(GuideIn(guide.path(), QStringLiteral("en")), guide.filePath("index.html"));

    // The program's own folder: the same choice inside the guide found there.
    const QString program = guide.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(createFile(QStringLiteral("bin/guide/index.html")));
    ASSERT_TRUE(createFile(QStringLiteral("bin/guide/ja/index.html")));
    EXPECT_EQ(GuideFileBeside(program, QStringLiteral("ja")),
              guide.filePath("bin/guide/ja/index.html"));
    EXPECT_EQ(GuideFileBeside(program, QStringLiteral("de")),
              guide.filePath("bin/guide/index.html"));
}

}  // namespace
