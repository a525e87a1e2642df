#pragma once

#include <string>
#include <string_view>

// Bytes as text with every control character and every byte outside ASCII
// made visible: "<CR>", "<LF>", "<XON>", "<XOFF>", "<0x1B>".
std::string VisibleBytes(std::string_view bytes);
