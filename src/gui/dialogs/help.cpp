#include "gui/dialogs/help.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QUrl>

#include "gui/dialogs/helpwindow.h"
#include "gui/kit/helpcontext.h"
#include "gui/kit/language.h"
#include "gui/kit/messagebox.h"

namespace {

constexpr int kMenuSettingsSection = 205;

QString& GuideFolder() {
    static QString folder;
    return folder;
}

TUrlOpener& UrlOpener() {
    static TUrlOpener opener;
    return opener;
}

// The guide is a set of HTML pages, shown in the program's own help window;
// under a modal dialog it belongs to the dialog, as only the dialog's own
// windows take input then.
int ShowGuidePage(QWidget* window, const QUrl& page) {
    if (UrlOpener()) return UrlOpener()(page) ? 1 : 0;
    QWidget* modal = QApplication::activeModalWidget();
    HelpWindowOf(modal ? modal : window).ShowPage(page);
    return 1;
}

// Next to the program in a build tree; where the package puts it
// (packaging/CMakeLists.txt) for an installed one, /usr/bin/../share/tavrin/guide.
QStringList GuideFoldersOf(const QString& programFolder) {
    const QDir program(programFolder);
    return {program.filePath(QStringLiteral("guide")),
            QDir::cleanPath(program.filePath(QStringLiteral("../share/tavrin/guide")))};
}

// Where the guide is looked for, in that order.
QStringList GuideFolders() {
    if (!GuideFolder().isEmpty()) return {GuideFolder()};
    return GuideFoldersOf(QCoreApplication::applicationDirPath());
}

bool InRange(int value, int first, int last) {
    return value >= first && value <= last;
}

// The help context of a highlighted menu item, else of the focused control or
// its nearest parent that has one (the page or the window), else of the
// active window; 0 when there is none.
int ContextInFocus() {
    if (const auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        if (menu->activeAction()) return HelpContextOf(menu->activeAction());
    }
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (const int context = HelpContextOf(widget)) return context;
    }
    const QWidget* window = QApplication::activeWindow();
    return window ? HelpContextOf(window) : 0;
}

class TContextHelp : public QObject {
public:
    explicit TContextHelp(QWidget& window) : QObject(&window), Window(window) {
        qApp->installEventFilter(this);
    }
    ~TContextHelp() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
        // Where nothing has a section of its own, the guide opens at its contents.
        const int context = ContextInFocus();
        ShowHelp(&Window, context == 0 ? kHelpDisplayToc : kHelpContext,
                 static_cast<quintptr>(context));
        return true;
    }

private:
    QWidget& Window;
};

}  // namespace

int HtmlHelp(QWidget* window, const QString& file, unsigned command, quintptr data) {
    if (!QFileInfo(file).isFile()) return 0;
    QUrl page = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    switch (command) {
        case kHelpDisplayTopic:
        case kHelpDisplayToc:
            break;
        case kHelpContext:
            page.setFragment(GuideAnchorOf(static_cast<int>(data)));
            break;
        default:
            return 0;
    }
    return ShowGuidePage(window, page);
}

void ShowHelp(QWidget* window, unsigned command, quintptr data) {
    if (HtmlHelp(window, GuideFile(), command, data) != 0) return;
    QStringList places;
    for (const QString& folder : GuideFolders()) places << QDir::toNativeSeparators(folder);
    ShowMessage(window,
                QCoreApplication::translate(
                    "Messages", "The user guide is not installed. TAVRIN looked for it in:") +
                    QStringLiteral("\n") + places.join(QLatin1Char('\n')),
                TMessageStyle::Information);
}

QString GuideFile() {
    if (!GuideFolder().isEmpty()) return GuideIn(GuideFolder(), ShownLanguage());
    return GuideFileBeside(QCoreApplication::applicationDirPath(), ShownLanguage());
}

QString GuideFileBeside(const QString& programFolder, const QString& language) {
    const QStringList folders = GuideFoldersOf(programFolder);
    const QString& beside = folders[0];
    const QString& installed = folders[1];
    const bool useInstalled =
        !QFileInfo(QDir(beside).filePath(QStringLiteral("index.html"))).isFile() &&
        QFileInfo(QDir(installed).filePath(QStringLiteral("index.html"))).isFile();
    return GuideIn(useInstalled ? installed : beside, language);
}

QString GuideIn(const QString& folder, const QString& language) {
    const QDir guide(folder);
    const QString translated = guide.filePath(language + QStringLiteral("/index.html"));
    const bool english = language.isEmpty() || language == QLatin1String("en");
    if (!english && QFileInfo(translated).isFile()) return translated;
    return guide.filePath(QStringLiteral("index.html"));
}

QString GuideAnchorOf(int context) {
    if (InRange(context, 205, 330) || InRange(context, 700, 735)) {
        return QString::number(kMenuSettingsSection);
    }
    return QString::number(context);
}

void InstallContextHelp(QWidget& mainWindow) {
    new TContextHelp(mainWindow);
}

void SetGuideFolder(const QString& folder) {
    GuideFolder() = folder;
}

void SetUrlOpener(TUrlOpener opener) {
    UrlOpener() = std::move(opener);
}
