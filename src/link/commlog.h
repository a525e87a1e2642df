#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
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
class TCommLog {
public:
    // Opens `path`, replacing any file there; nothing, with `problem` set,
    // when it cannot be written.
    static std::unique_ptr<TCommLog> Create(const QString& path, const TCommLogHeading& heading,
                                            QString& problem);
    ~TCommLog();
    TCommLog(const TCommLog&) = delete;
    TCommLog& operator=(const TCommLog&) = delete;

    void Sent(std::string_view bytes);
    void Received(std::string_view bytes);
    // Bytes received but thrown away unread.
    void Discarded(std::string_view bytes);
    // A remark of the program's own, such as how the exchange ended.
    void Note(const QString& text);

    QString Path() const { return File.fileName(); }

private:
    enum class TDirection { None, Out, In };

    explicit TCommLog(const QString& path);
    void Add(TDirection direction, std::string_view bytes);
    void EndLine();
    void WriteLine(double milliseconds, const char* mark, const std::string& text);
    double Milliseconds() const;

    QFile File;
    QElapsedTimer Clock;
    TDirection Pending = TDirection::None;
    std::string PendingText;
    double PendingStart = 0;
};

// The first line of a log.
QString CommLogHeadingLine(const TCommLogHeading& heading);

// Bytes as text with every control character and every byte outside ASCII
// made visible: "<CR>", "<LF>", "<XON>", "<XOFF>", "<0x1B>".
std::string VisibleBytes(std::string_view bytes);
