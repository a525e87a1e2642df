#pragma once

#include <QString>
#include <optional>
#include <string>

// The system clipboard as the channel commands use it: one format of the
// program's own, carrying one record text.

// The name the format is registered under.
inline constexpr char kClipboardFormatName[] = "TAVRIN";

// The MIME type Qt carries the format as: on Windows the registered
// clipboard format of that name, elsewhere a type of the program's own.
QString ClipboardMimeType();

// Registers the format with the system (once, when the main window is
// built); false when the system refuses it.
bool RegisterRecordClipboardFormat();

// The record text the clipboard holds in our format, cut to one record;
// nothing when it holds no data of our format.
std::optional<std::string> ReadClipboardRecord();

// Empties the clipboard and, when the format is registered, puts the text on
// it; a `plainText` goes along for other programs (spreadsheets, editors), and
// `rows`, rows of the channel table in the program's own form, for its pastes.
void WriteClipboardRecord(const std::string& text, bool formatRegistered,
                          const QString& plainText = {}, const std::string& rows = {});

// The rows of the channel table the clipboard holds in the program's own form;
// nothing when it holds none.
std::optional<std::string> ReadClipboardRows();

// The plain text the clipboard holds; empty when it holds none.
QString ReadClipboardText();
