#pragma once

#include <QString>
#include <ostream>

// Lets test failures print Qt texts readably.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
