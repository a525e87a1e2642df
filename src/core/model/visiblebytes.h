#pragma once

#include <QString>
#include <string>
#include <string_view>

// Bytes as text with every control character and every byte outside ASCII
// made visible: "<CR>", "<LF>", "<XON>", "<XOFF>", "<0x1B>".
std::string VisibleBytes(std::string_view bytes);

// A text a person reads (a file or device name, a product name) with every
// control character shown as "<0x1B>", or "<U+202E>" beyond Latin-1, so it
// cannot move the cursor, recolour the terminal or turn its text around.
// Letters outside ASCII stay as they are.
QString VisibleText(const QString& text);
