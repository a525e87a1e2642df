#include "gui/mainwindow/statuspanels.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>

#include "core/model/channelview.h"

namespace {

constexpr int kPanelWidths[] = {180, 40, 105, 50};

// A panel reads "label : value"; these labels are shown in the window's language,
// the values and the tone marks (T, CT, DCS) as they are.
constexpr const char* kLabels[] = {QT_TRANSLATE_NOOP("StatusBar", "Tx Freq."),
                                   QT_TRANSLATE_NOOP("StatusBar", "Offset"),
                                   QT_TRANSLATE_NOOP("StatusBar", "Programmable VFO")};

QString ShownText(const QString& text) {
    for (const char* label : kLabels) {
        if (text.startsWith(QLatin1String(label) + QLatin1String(" : "))) {
            return QCoreApplication::translate("StatusBar", label) + text.mid(qstrlen(label));
        }
    }
    return text;
}

}  // namespace

// A panel is at least its designed width and grows to show its whole text; the last
// one takes the rest of the bar.
TStatusPanels::TStatusPanels(QStatusBar& bar) : QObject(&bar) {
    bar.setSizeGripEnabled(false);
    const int count = static_cast<int>(std::size(kPanelWidths));
    for (int index = 0; index < count; ++index) {
        auto* panel = new QLabel(&bar);
        panel->setMinimumWidth(kPanelWidths[index]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        bar.addWidget(panel, index == count - 1 ? 1 : 0);
        Panels.append(panel);
    }
    Panels[1]->setAlignment(Qt::AlignCenter);
}

void TStatusPanels::Show(const TStatusTexts& texts) {
    Show(QStringList{QString::fromLatin1(texts.Frequency), QString::fromLatin1(texts.Shift),
                     QString::fromLatin1(texts.Tone), QString::fromLatin1(texts.ProgramVfo)});
}

void TStatusPanels::Show(const QStringList& texts) {
    for (int panel = 0; panel < Panels.size(); ++panel) {
        Panels[panel]->setText(panel < texts.size() ? ShownText(texts[panel]) : QString());
    }
}
