#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QToolButton;

// The guide in a window of the program's own, so that help never depends on a
// browser being installed: back and forward, the contents, finding a text, and
// the same page in the user's browser for those who prefer it. It belongs to
// the window it was opened from and never keeps the program running alone.
class THelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows `page` (a file of the guide, with the section as its fragment).
    void ShowPage(const QUrl& page);

    QTextBrowser* Browser = nullptr;
    QToolButton* BackButton = nullptr;
    QToolButton* ForwardButton = nullptr;
    QToolButton* ContentsButton = nullptr;
    QLineEdit* FindEdit = nullptr;
    QPushButton* BrowserButton = nullptr;
    // What became of the last search or of Open in Browser, when it failed.
    QLabel* NoteLabel = nullptr;

private:
    void AddKeys();
    // The next place that holds the text in the find box, from the top again
    // when there is none below; false, and said so, when the page holds it nowhere.
    bool FindNext();
    void OpenInBrowser();
    // Exit as from the program's window: that window closes, asking about
    // unsaved changes, and this one with it.
    void ExitProgram();

    QUrl Home;
};

// The program's one help window, made on first use as a window of `owner`'s
// window, and moved to it when it belongs to another (a modal dialog lets only
// its own windows take input).
THelpWindow& HelpWindowOf(QWidget* owner);

// Closes the help window, if there is one.
void CloseHelpWindow();
