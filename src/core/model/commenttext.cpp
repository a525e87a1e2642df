#include "core/model/commenttext.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const char* CodePageOf(char marketLetter) {
    return marketLetter == 'J' ? "Shift-JIS" : "windows-1252";
}

}  // namespace

QString CommentToText(const std::string& bytes, char marketLetter) {
    QStringDecoder decoder(CodePageOf(marketLetter));
    if (!decoder.isValid()) return QString::fromLatin1(bytes);
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string CommentFromText(const QString& text, char marketLetter) {
    QStringEncoder encoder(CodePageOf(marketLetter));
    if (!encoder.isValid()) return text.toLatin1().toStdString();
    const QByteArray bytes = encoder(text);
    return bytes.toStdString();
}
