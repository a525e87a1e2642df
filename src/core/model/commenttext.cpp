#include "core/model/commenttext.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include "core/model/modelprofile.h"

namespace {

const char* CodePageOf(const TModelProfile& profile) {
    return profile.JapaneseComment ? "Shift-JIS" : "windows-1252";
}

}  // namespace

QString CommentToText(const std::string& bytes, const TModelProfile& profile) {
    QStringDecoder decoder(CodePageOf(profile));
    if (!decoder.isValid()) return QString::fromLatin1(bytes);
    return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string CommentFromText(const QString& text, const TModelProfile& profile) {
    QStringEncoder encoder(CodePageOf(profile));
    if (!encoder.isValid()) return text.toLatin1().toStdString();
    const QByteArray bytes = encoder(text);
    return bytes.toStdString();
}
