#include "gui/kit/clipboardaccess.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <string_view>

#include "core/model/channelclipboard.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QString ClipboardMimeType() {
    const QString name = QString::fromLatin1(kClipboardFormatName);
#ifdef Q_OS_WIN
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(name);
#else
    return QStringLiteral("application/x-%1-record").arg(name.toLower());
#endif
}

namespace {

// Copied rows of the table travel beside the record, under a type of their own.
QString RowsMimeType() {
    return QStringLiteral("application/x-%1-rows")
        .arg(QString::fromLatin1(kClipboardFormatName).toLower());
}

}  // namespace

bool RegisterRecordClipboardFormat() {
#ifdef Q_OS_WIN
    return RegisterClipboardFormatW(
               reinterpret_cast<LPCWSTR>(QString::fromLatin1(kClipboardFormatName).utf16())) != 0;
#else
    return true;  // a MIME type needs no registration
#endif
}

std::optional<std::string> ReadClipboardRecord() {
    const QString type = ClipboardMimeType();
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (mime == nullptr || !mime->hasFormat(type)) return std::nullopt;
    const QByteArray bytes = mime->data(type);
    return ClipTextFromBytes(
        std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

std::optional<std::string> ReadClipboardRows() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (mime == nullptr || !mime->hasFormat(RowsMimeType())) return std::nullopt;
    return mime->data(RowsMimeType()).toStdString();
}

void WriteClipboardRecord(const std::string& text, bool formatRegistered, const QString& plainText,
                          const std::string& rows) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!formatRegistered && plainText.isEmpty() && rows.empty()) {
        clipboard->clear();
        return;
    }
    auto* mime = new QMimeData;
    if (formatRegistered) {
        const std::string bytes = ClipBytesOf(text);
        mime->setData(ClipboardMimeType(),
                      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
    if (!plainText.isEmpty()) mime->setText(plainText);
    if (!rows.empty()) {
        mime->setData(RowsMimeType(), QByteArray(rows.data(), static_cast<qsizetype>(rows.size())));
    }
    clipboard->setMimeData(mime);  // the clipboard takes it over
}

QString ReadClipboardText() {
    return QGuiApplication::clipboard()->text();
}
