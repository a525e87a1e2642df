#include "core/files/csvtable.h"
#include "core/model/visiblebytes.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// Splits the text into records of fields. A record ends at a line end outside quotes.
class TCsvReader {
public:
    explicit TCsvReader(std::string_view text) : Text(text) {}

    bool AtEnd() const { return Position >= Text.size(); }
    int Line() const { return LineNumber; }

    // The raw line starting here, without its line end, for the comment and blank checks.
    std::string_view PeekLine() const {
        const size_t end = Text.find('\n', Position);
        std::string_view line = Text.substr(
            Position, end == std::string_view::npos ? std::string_view::npos : end - Position);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    }

    void SkipLine() {
        const size_t end = Text.find('\n', Position);
        Position = end == std::string_view::npos ? Text.size() : end + 1;
        ++LineNumber;
    }

    std::vector<std::string> ReadRecord(char separator) {
        std::vector<std::string> fields;
        std::string field;
        bool quoted = false;     // inside quotes
        bool wasQuoted = false;  // the field had quotes: its blanks are its own
        while (Position < Text.size()) {
            const char c = Text[Position++];
            if (quoted) {
                if (c == '"' && Position < Text.size() && Text[Position] == '"') {
                    field += '"';
                    ++Position;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    if (c == '\n') ++LineNumber;
                    field += c;
                }
            } else if (c == '"') {
                if (!wasQuoted) field.clear();  // blanks before the opening quote
                quoted = wasQuoted = true;
            } else if (c == separator) {
                fields.push_back(wasQuoted ? field : Trimmed(field));
                field.clear();
                wasQuoted = false;
            } else if (c == '\n') {
                ++LineNumber;
                break;
            } else if (c != '\r') {
                if (!wasQuoted) field += c;
            }
        }
        fields.push_back(wasQuoted ? field : Trimmed(field));
        return fields;
    }

private:
    std::string_view Text;
    size_t Position = 0;
    int LineNumber = 1;
};

bool IsSkippedLine(std::string_view line) {
    return Trimmed(line).empty() || line.front() == '#';
}

char SeparatorOf(std::string_view headerLine) {
    const bool semicolons = headerLine.find(';') != std::string_view::npos;
    const bool commas = headerLine.find(',') != std::string_view::npos;
    const bool tabs = headerLine.find('\t') != std::string_view::npos;
    if (commas) return ',';
    if (semicolons) return ';';
    return tabs ? '\t' : ',';
}

bool NeedsQuotes(std::string_view field, char separator) {
    return field.find_first_of("\"\r\n") != std::string_view::npos ||
           field.find(separator) != std::string_view::npos;
}

std::string SeparatedLine(const std::vector<std::string>& fields, char separator) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += separator;
        if (!NeedsQuotes(fields[i], separator)) {
            line += fields[i];
            continue;
        }
        line += '"';
        for (const char c : fields[i]) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    return line + "\r\n";
}

// Whether a spreadsheet would run the cell, also counting apostrophes in front as the text's own.
bool RunsAsFormula(std::string_view text) {
    const size_t first = text.find_first_not_of('\'');
    return first != std::string_view::npos &&
           std::string_view("=+-@\t\r").find(text[first]) != std::string_view::npos;
}

// One character of UTF-8 text: its code point and length, or length 0 for a byte that
// does not start a well-formed sequence.
struct TUtf8Character {
    char32_t CodePoint = 0;
    size_t Length = 0;
};

TUtf8Character Utf8CharacterAt(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return {lead, 1};
    const size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                          : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                         : 0;
    if (length == 0 || text.size() < length) return {};
    char32_t codePoint = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return {};
        codePoint = codePoint << 6 | (next & 0x3F);
    }
    const char32_t lowest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < lowest || codePoint > 0x10FFFF || surrogate) return {};
    return {codePoint, length};
}

// C1 controls, line and paragraph separators and the marks that reverse the text around them.
bool IsHiddenCharacter(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || c == 0x200E || c == 0x200F || (c >= 0x2028 && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

std::string ShownCharacter(std::string_view text, size_t& length) {
    const TUtf8Character character = Utf8CharacterAt(text);
    length = std::max<size_t>(character.Length, 1);
    if (character.Length == 0 || character.CodePoint < 0x80) return VisibleBytes(text.substr(0, 1));
    if (!IsHiddenCharacter(character.CodePoint)) return std::string(text.substr(0, length));
    char name[16];
    std::snprintf(name, sizeof name, "<U+%04X>", static_cast<unsigned>(character.CodePoint));
    return name;
}

}  // namespace

int TCsvTable::ColumnOf(std::string_view name) const {
    for (size_t column = 0; column < Header.size(); ++column) {
        if (SameName(Header[column], name)) return static_cast<int>(column);
    }
    return -1;
}

std::string TCsvTable::FieldOf(const TCsvRow& row, int column) {
    if (column < 0 || static_cast<size_t>(column) >= row.Fields.size()) return {};
    return row.Fields[static_cast<size_t>(column)];
}

TCsvTable ParseCsvTable(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    TCsvTable table;
    TCsvReader reader(text);
    bool haveHeader = false;
    char separator = ',';
    while (!reader.AtEnd()) {
        if (IsSkippedLine(reader.PeekLine())) {
            reader.SkipLine();
            continue;
        }
        if (!haveHeader) {
            separator = SeparatorOf(reader.PeekLine());
            table.Header = reader.ReadRecord(separator);
            haveHeader = true;
            continue;
        }
        TCsvRow row;
        row.Line = reader.Line();
        row.Fields = reader.ReadRecord(separator);
        table.Rows.push_back(std::move(row));
    }
    return table;
}

std::string CsvLine(const std::vector<std::string>& fields) {
    return SeparatedLine(fields, ',');
}

std::string TabSeparatedLine(const std::vector<std::string>& fields) {
    return SeparatedLine(fields, '\t');
}

std::string NeutralisedCell(std::string_view text) {
    return RunsAsFormula(text) ? "'" + std::string(text) : std::string(text);
}

std::string RestoredCell(std::string_view text) {
    const bool added = !text.empty() && text.front() == '\'' && RunsAsFormula(text.substr(1));
    return std::string(added ? text.substr(1) : text);
}

std::string ShownField(std::string_view text) {
    std::string shown;
    for (size_t characters = 0; !text.empty(); ++characters) {
        if (characters == kShownFieldCharacters) return shown + "...";
        size_t length = 0;
        shown += ShownCharacter(text, length);
        text.remove_prefix(length);
    }
    return shown;
}
