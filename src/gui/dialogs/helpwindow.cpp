#include "gui/dialogs/helpwindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr QSize kStartSize(760, 620);

QToolButton* MakeButton(const QString& text, const QString& hint, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(hint);
    return button;
}

QPointer<THelpWindow>& TheHelpWindow() {
    static QPointer<THelpWindow> window;
    return window;
}

}  // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("TAVRIN Help"));
    // A window of its own, but never the one that keeps the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    Browser = new QTextBrowser(this);
    Browser->setOpenExternalLinks(true);
    BackButton = MakeButton(tr("< &Back"), tr("Back (Alt+Left)"), this);
    ForwardButton = MakeButton(tr("&Forward >"), tr("Forward (Alt+Right)"), this);
    ContentsButton = MakeButton(tr("&Contents"), tr("Contents"), this);
    FindEdit = new QLineEdit(this);
    FindEdit->setPlaceholderText(tr("Find (Enter: next)"));
    FindEdit->setClearButtonEnabled(true);
    BrowserButton = new QPushButton(tr("Open in &Browser"), this);
    NoteLabel = new QLabel(this);
    NoteLabel->hide();
    BackButton->setEnabled(false);
    ForwardButton->setEnabled(false);
    connect(BackButton, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(ForwardButton, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardButton, &QToolButton::setEnabled);
    connect(ContentsButton, &QToolButton::clicked, this, [this] { Browser->setSource(Home); });
    connect(FindEdit, &QLineEdit::returnPressed, this, &THelpWindow::FindNext);
    connect(FindEdit, &QLineEdit::textEdited, NoteLabel, &QLabel::hide);
    connect(BrowserButton, &QPushButton::clicked, this, &THelpWindow::OpenInBrowser);

    auto* bar = new QHBoxLayout;
    for (QWidget* control :
         {static_cast<QWidget*>(BackButton), static_cast<QWidget*>(ForwardButton),
          static_cast<QWidget*>(ContentsButton)}) {
        bar->addWidget(control);
    }
    bar->addWidget(FindEdit, 1);
    bar->addWidget(BrowserButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(NoteLabel);
    layout->addWidget(Browser, 1);
    AddKeys();
    resize(kStartSize);
}

// The keys a reader expects of a help window: Esc and Ctrl+W close it, Ctrl+F
// goes to the find box, and Ctrl+Q is the program's Exit here too.
void THelpWindow::AddKeys() {
    const auto addKey = [this](const QKeySequence& key, auto action) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, action);
    };
    addKey(QKeySequence(Qt::Key_Escape), &QWidget::close);
    addKey(QKeySequence(QStringLiteral("Ctrl+W")), &QWidget::close);
    addKey(QKeySequence::Find, [this] {
        FindEdit->setFocus(Qt::ShortcutFocusReason);
        FindEdit->selectAll();
    });
    addKey(QKeySequence(QStringLiteral("Ctrl+Q")), &THelpWindow::ExitProgram);
}

void THelpWindow::ShowPage(const QUrl& page) {
    Home = page.adjusted(QUrl::RemoveFragment);
    Browser->setSource(page);
    show();
    raise();
    activateWindow();
}

bool THelpWindow::FindNext() {
    const QString text = FindEdit->text();
    if (text.isEmpty()) return false;
    NoteLabel->hide();
    if (Browser->find(text)) return true;
    const QTextCursor where = Browser->textCursor();
    const int scrolled = Browser->verticalScrollBar()->value();
    QTextCursor start = where;
    start.movePosition(QTextCursor::Start);
    Browser->setTextCursor(start);
    if (Browser->find(text)) return true;
    // The reader stays where they were.
    Browser->setTextCursor(where);
    Browser->verticalScrollBar()->setValue(scrolled);
    NoteLabel->setText(tr("\"%1\" is not on this page.").arg(text));
    NoteLabel->show();
    return false;
}

void THelpWindow::OpenInBrowser() {
    NoteLabel->hide();
    if (QDesktopServices::openUrl(Browser->source())) return;
    NoteLabel->setText(
        tr("No web browser could be started. The page is %1").arg(Browser->source().toLocalFile()));
    NoteLabel->show();
}

void THelpWindow::ExitProgram() {
    close();
    QWidget* program = parentWidget() ? parentWidget()->window() : nullptr;
    while (program && program->parentWidget()) program = program->parentWidget()->window();
    // Under a modal dialog the program's window takes no commands, Exit included.
    if (program && !QApplication::activeModalWidget()) program->close();
}

THelpWindow& HelpWindowOf(QWidget* owner) {
    QWidget* ownerWindow = owner ? owner->window() : nullptr;
    QPointer<THelpWindow>& window = TheHelpWindow();
    if (!window) {
        window = new THelpWindow(ownerWindow);
    } else if (window->parentWidget() != ownerWindow) {
        window->setParent(ownerWindow, Qt::Window);
    }
    return *window;
}

void CloseHelpWindow() {
    if (TheHelpWindow()) TheHelpWindow()->close();
}
