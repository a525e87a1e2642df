// What the commands print for scripts, and the check that it arrived.
#include <QtGlobal>
#include <cerrno>
#include <cstdio>

#include "cli/clicommands.h"

int PrintBytes(std::string_view bytes, QTextStream& errors) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
        std::fflush(stdout) == 0) {
        return kExitDone;
    }
    SayMessage(errors, QStringLiteral("standard output: ") + qt_error_string(errno));
    return kExitUsage;
}

int PrintOutput(const QString& text, QTextStream& errors) {
    const QByteArray bytes = text.toUtf8();
    return PrintBytes(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                      errors);
}
