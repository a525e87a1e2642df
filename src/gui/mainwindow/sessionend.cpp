#include "gui/mainwindow/sessionend.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>
#include <cstdlib>

namespace {

constexpr int kWatchedSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The handler may only write a byte, the signal's number; the event loop reads it.
int SignalPipe[2] = {-1, -1};

extern "C" void NoteEndSignal(int signal) {
    const auto byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(SignalPipe[0], &byte, 1);
}

void SetHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kWatchedSignals) sigaction(signal, &action, nullptr);
}

}  // namespace

TSessionEndWatcher::TSessionEndWatcher(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, SignalPipe) != 0) {
        return;  // without the pipe the signals keep their default effect
    }
    Notifier = new QSocketNotifier(SignalPipe[1], QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, &TSessionEndWatcher::Drain);
    SetHandler(NoteEndSignal);
}

TSessionEndWatcher::~TSessionEndWatcher() {
    if (!Notifier) return;
    SetHandler(SIG_DFL);
    delete Notifier;
    ::close(SignalPipe[0]);
    ::close(SignalPipe[1]);
    SignalPipe[0] = SignalPipe[1] = -1;
}

void TSessionEndWatcher::Drain() {
    char bytes[16];
    ssize_t count = 0;
    while ((count = ::read(SignalPipe[1], bytes, sizeof bytes)) > 0) {
        for (ssize_t index = 0; index < count; ++index) emit EndRequested(bytes[index]);
    }
}

void EndBySignal(int signal) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    std::raise(signal);
    std::_Exit(128 + signal);  // only if the signal was blocked
}
