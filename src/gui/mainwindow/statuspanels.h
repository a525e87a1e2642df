#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QLabel;
class QStatusBar;
struct TStatusTexts;

// The status bar's four panels: the transmit frequency, the offset, the tone
// and the programmable VFO of the channel the keyboard is on.
class TStatusPanels : public QObject {
    Q_OBJECT
public:
    explicit TStatusPanels(QStatusBar& bar);

    void Show(const TStatusTexts& texts);
    // Panels without a text are emptied.
    void Show(const QStringList& texts);
    void Clear() { Show(QStringList()); }

    QList<QLabel*> Panels;
};
