#include "gui/dialogs/helpwindow.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
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

}  // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("TAVRIN Help"));
    Browser = new QTextBrowser(this);
    Browser->setOpenExternalLinks(true);
    BackButton = MakeButton(tr("< &Back"), tr("Back (Alt+Left)"), this);
    ForwardButton = MakeButton(tr("&Forward >"), tr("Forward (Alt+Right)"), this);
    ContentsButton = MakeButton(tr("&Contents"), tr("Contents"), this);
    FindEdit = new QLineEdit(this);
    FindEdit->setPlaceholderText(tr("Find (Enter: next)"));
    FindEdit->setClearButtonEnabled(true);
    BrowserButton = new QPushButton(tr("Open in &Browser"), this);
    BackButton->setEnabled(false);
    ForwardButton->setEnabled(false);
    connect(BackButton, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(ForwardButton, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardButton, &QToolButton::setEnabled);
    connect(ContentsButton, &QToolButton::clicked, this, [this] { Browser->setSource(Home); });
    connect(FindEdit, &QLineEdit::returnPressed, this, &THelpWindow::FindNext);
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
    layout->addWidget(Browser, 1);
    resize(kStartSize);
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
    if (Browser->find(text)) return true;
    QTextCursor start = Browser->textCursor();
    start.movePosition(QTextCursor::Start);
    Browser->setTextCursor(start);
    return Browser->find(text);
}

void THelpWindow::OpenInBrowser() {
    QDesktopServices::openUrl(Browser->source());
}

THelpWindow& HelpWindowOf(QWidget* owner) {
    static QPointer<THelpWindow> window;
    if (!window) window = new THelpWindow(owner);
    return *window;
}
