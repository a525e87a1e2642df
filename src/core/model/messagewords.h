#pragma once

#include <functional>
#include <initializer_list>
#include <string>

// Some messages the windows show are put together by the core from a pattern
// and values ("The read was not completed: it stopped at %1."). The windows
// hand the core the words of their language for those patterns; without them,
// as in tavrin-cli, the English patterns stay.
using TMessageWords = std::function<std::string(const char* pattern)>;
void SetMessageWords(TMessageWords words);

// The pattern in the language of the windows, with %1, %2... replaced by
// `values` in one pass (a value holding "%2" stays as it is).
std::string MessageText(const char* pattern, std::initializer_list<std::string> values = {});
