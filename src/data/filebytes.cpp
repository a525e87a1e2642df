#include "data/filebytes.h"

#include <QFile>
#include <QSaveFile>

bool SaveFileBytes(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    // Unbuffered, so that a disk that fills up shows in the count written
    // here; a buffered write would only be cut short at commit, unnoticed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<std::string> LoadFileBytes(const QString& path, qint64 largest) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > largest) return std::nullopt;
    const QByteArray bytes = file.read(largest + 1);
    if (bytes.size() > largest) return std::nullopt;
    return bytes.toStdString();
}
