#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the signals a desktop session or a terminal sends when it ends the
// program (SIGTERM, SIGHUP, SIGINT) into a Qt signal on the event loop, where
// the program can still keep the user's work. Only one watcher may exist.
class TSessionEndWatcher : public QObject {
    Q_OBJECT
public:
    explicit TSessionEndWatcher(QObject* parent = nullptr);
    ~TSessionEndWatcher() override;

signals:
    // One for each signal that arrived, with its number.
    void EndRequested(int signal);

private:
    void Drain();

    QSocketNotifier* Notifier = nullptr;
};

// Ends the process as `signal` would have ended it without a watcher.
[[noreturn]] void EndBySignal(int signal);
