#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

// What the first line of a communication log says about its exchange.
struct TCommLogHeading {
    QString Exchange;  // such as "read All" or "channel display"
    QString Model;
    QString Port;
    QDateTime Started = QDateTime::currentDateTime();
};

// A readable record of every byte that goes over the cable during one
// exchange, each line stamped with the milliseconds since the log began:
//
//   TAVRIN 3.11 communication log — read All, RV-310 on /dev/ttyUSB0 — started 2026-12-07 11:30:05
//   +     0.000 ms  >  ID<CR>
//   +    52.118 ms  <  ID RV-310<CR>
//
// A line ends at a carriage return or where the direction changes. Each
// finished line reaches the file at once, so a crash leaves the log behind.
// A log holds at most kCommLogCap bytes of lines; a line that would pass it
// is replaced by one note saying so, and the rest of the exchange is not
// logged, so a line full of noise cannot fill the disk. The program's own
// notes, such as how the exchange ended, still have a little room after it.
// A write that fails (the disk is full) ends the log there: it is told once,
// and the exchange goes on without it.
class TCommLog {
public:
    // Opens `path`, replacing any file there; nothing, with `problem` set,
    // when it cannot be written. A FIFO without a reader is refused at once
    // rather than waited on.
    static std::unique_ptr<TCommLog> Create(const QString& path, const TCommLogHeading& heading,
                                            QString& problem);
    // A log on a file the caller has just created and opened for writing;
    // the log owns `handle` from then on.
    static std::unique_ptr<TCommLog> CreateOn(int handle, const QString& path,
                                              const TCommLogHeading& heading, QString& problem);
    ~TCommLog();
    TCommLog(const TCommLog&) = delete;
    TCommLog& operator=(const TCommLog&) = delete;

    void Sent(std::string_view bytes);
    void Received(std::string_view bytes);
    // Bytes received but thrown away unread.
    void Discarded(std::string_view bytes);
    // A remark of the program's own, such as how the exchange ended.
    void Note(const QString& text);
    // Who hears, once, that the log could not be written any further.
    void SetFailureReport(std::function<void(const QString& problem)> report) {
        FailureReport = std::move(report);
    }

    QString Path() const { return LogPath; }

private:
    enum class TDirection { None, Out, In };

    explicit TCommLog(const QString& path);
    bool Begin(int handle, const TCommLogHeading& heading, QString& problem);
    void Add(TDirection direction, std::string_view bytes);
    void EndLine();
    void WriteLine(double milliseconds, const char* mark, const std::string& text,
                   bool fromProgram = false);
    void Put(std::string_view line);
    void Fail(int error);
    double Milliseconds() const;

    QString LogPath;  // a file opened from its handle forgets its name
    QFile File;
    QElapsedTimer Clock;
    TDirection Pending = TDirection::None;
    std::string PendingText;
    double PendingStart = 0;
    qint64 Written = 0;
    bool Capped = false;
    bool Failed = false;
    QString Failure;
    std::function<void(const QString&)> FailureReport;
};

// The most a log holds of what went over the line, and the room after it
// for the program's own notes.
inline constexpr qint64 kCommLogCap = qint64{2} * 1024 * 1024;
inline constexpr qint64 kCommLogNoteRoom = qint64{16} * 1024;
inline constexpr char kCommLogCapNote[] = "log cap reached: the rest of the exchange is not logged";

// The first line of a log.
QString CommLogHeadingLine(const TCommLogHeading& heading);
