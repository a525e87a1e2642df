#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

class QUrl;
class QWidget;

// The commands the help viewer takes.
inline constexpr unsigned kHelpDisplayTopic = 0;  // the guide's first page
inline constexpr unsigned kHelpDisplayToc = 1;    // its contents
inline constexpr unsigned kHelpContext = 15;      // the section of a help context number

// Shows the user guide `file` for `command` (with `data` the help context
// number of kHelpContext). Returns 0 when nothing could be shown: a missing
// guide or an unknown command leaves the program silent.
int HtmlHelp(QWidget* window, const QString& file, unsigned command, quintptr data);

// Shows the guide shipped with the program as HtmlHelp does; without it, a
// message says where it was looked for.
void ShowHelp(QWidget* window, unsigned command, quintptr data = 0);

// The guide shipped with the program: GuideFileBeside() the executable's folder,
// in the language the windows show.
QString GuideFile();

// The guide of a program in `programFolder`: guide/index.html there (a build
// tree), else ../share/tavrin/guide/index.html from there (an installed
// program); the first when neither exists. Within that folder the guide in
// `language` is <language>/index.html where there is one.
QString GuideFileBeside(const QString& programFolder,
                        const QString& language = QStringLiteral("en"));

// The guide in `language` within a guide folder: <language>/index.html when it
// exists, else the folder's own (English) index.html.
QString GuideIn(const QString& folder, const QString& language);

// The anchor of the guide's section for a help context number: the menu page
// controls share the menu settings section, everything else has its own.
QString GuideAnchorOf(int context);

// F1 on the focused control (or the first of its parents with a help
// context: its page or window), on a highlighted menu item or in the active
// window opens the guide there, anywhere else at its contents. Installed for
// the whole program; it lives as long as `mainWindow`.
void InstallContextHelp(QWidget& mainWindow);

// Test seams: where the guide lies (empty: next to the program) and what
// shows a page (empty: the program's help window).
void SetGuideFolder(const QString& folder);
using TUrlOpener = std::function<bool(const QUrl&)>;
void SetUrlOpener(TUrlOpener opener);
