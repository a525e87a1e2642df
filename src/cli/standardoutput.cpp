// What the commands print for scripts, and the check that it arrived.
#include <QtGlobal>
#include <cerrno>
#include <cstdio>

#include "cli/clicommands.h"

int PrintOutput(const QString& text, QTextStream& errors) {
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    const auto size = static_cast<size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0) {
        return kExitDone;
    }
    errors << "tavrin-cli: standard output: " << qt_error_string(errno) << "\n";
    errors.flush();
    return kExitUsage;
}
