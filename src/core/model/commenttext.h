#pragma once

#include <QString>
#include <string>

struct TModelProfile;

// The comment is stored as the bytes of the system code page the radio's
// market uses: Shift-JIS where the profile makes it Japanese text, Windows-1252 otherwise.
QString CommentToText(const std::string& bytes, const TModelProfile& profile);
std::string CommentFromText(const QString& text, const TModelProfile& profile);
