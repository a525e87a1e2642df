#pragma once

#include <QUrl>
#include <QWidget>

class QLineEdit;
class QPushButton;
class QTextBrowser;
class QToolButton;

// The guide in a window of the program's own, so that help never depends on a
// browser being installed: back and forward, the contents, finding a text, and
// the same page in the user's browser for those who prefer it.
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

private:
    // The next place that holds the text in the find box, from the top again
    // when there is none below; false when the page holds it nowhere.
    bool FindNext();
    void OpenInBrowser();

    QUrl Home;
};

// The program's one help window, made on first use as a window of `owner`.
THelpWindow& HelpWindowOf(QWidget* owner);
