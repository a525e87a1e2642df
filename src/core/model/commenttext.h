#pragma once

#include <QString>
#include <string>

// The comment is stored as the bytes of the system code page the radio's
// market uses: Shift-JIS for the Japanese market ('J'), Windows-1252 otherwise.
QString CommentToText(const std::string& bytes, char marketLetter);
std::string CommentFromText(const QString& text, char marketLetter);
