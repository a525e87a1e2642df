#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class TRadioData;

// The printed listing of a data set: the window caption, the comment, the
// used channels, the VFO, CALL channel, DTMF memories and menu settings, one
// item per line, laid out on pages of 60 lines.

constexpr int kListingPageLines = 60;

enum class TChannelLineKind { Memory, Vfo, Call };

// The line of one channel; `record` is the index in the channels for a memory line.
QString FormatChannelLine(const TRadioData& data, TChannelLineKind kind, int record = 0);

// The line of menu item 1..36 (print order, not slot order); empty when the
// item does not apply to the model, market or tone-burst option.
QString FormatMenuLine(const TRadioData& data, int item, bool toneBurstOption);

// The name the listing gives menu slot 1..36 ("Key Beep"); "menu slot N" for any other number.
std::string MenuSettingName(int slot);

// One page: entry n is the text of line n, empty where the page leaves the line
// empty; it ends with the last line printed.
using TListingPage = QStringList;

// The pages as the printer gets them, each starting with `caption` on line 0.
std::vector<TListingPage> ListingPages(const TRadioData& data, const QString& caption,
                                       bool toneBurstOption);

// The pages as plain text: the lines of each page, a form feed alone on a line between pages.
QString ListingText(const std::vector<TListingPage>& pages);
