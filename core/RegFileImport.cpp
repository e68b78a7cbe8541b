#include "core/RegFileImport.h"

#include "core/ChangeLines.h"
#include "core/ProjectFile.h"
#include "core/TextCodec.h"
#include "core/kvIniFile.h"

#include <cctype>
#include <cstdint>
#include <map>
#include <unordered_map>

namespace tv {

namespace {

const char* const kHeader4 = "REGEDIT4";
const char* const kHeader5 = "Windows Registry Editor Version 5.00";

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// UTF-16LE (after its byte order mark) to UTF-8; false on a broken surrogate pair or an odd length.
bool Utf16LeToUtf8(const std::string& bytes, std::size_t pos, std::string& out) {
    if ((bytes.size() - pos) % 2 != 0)
        return false;
    const auto unit = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    };
    for (std::size_t i = pos; i < bytes.size(); i += 2) {
        std::uint32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 3 >= bytes.size())
                return false;
            const std::uint32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF)
                return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            return false;
        }
        AppendUtf8(out, cp);
    }
    return true;
}

bool IsUtf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const int follow = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (follow < 0 || i + static_cast<std::size_t>(follow) >= s.size() + (follow == 0))
            return false;
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) >> 6) != 2)
                return false;
        i += static_cast<std::size_t>(follow) + 1;
    }
    return true;
}

std::string TrimWhite(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

struct TLogicalLine {
    int Number; // of its first physical line, from 1
    std::string Text;
};

// Physical lines without their line ends; a line ending in a backslash goes on in the next one,
// whose leading blanks are dropped.
std::vector<TLogicalLine> LogicalLines(const std::string& text) {
    std::vector<TLogicalLine> lines;
    bool continued = false;
    int number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        ++number;
        pos = end + 1;
        if (continued) {
            lines.back().Text += TrimWhite(line);
        } else {
            lines.push_back({number, line});
        }
        std::string& joined = lines.back().Text;
        const auto last = joined.find_last_not_of(" \t");
        continued = last != std::string::npos && joined[last] == '\\' && joined.front() != '[';
        if (continued)
            joined.erase(last);
        if (end == text.size())
            break;
    }
    return lines;
}

// A quoted text from s[pos] (the opening quote) on; \" and \\ stand for one character each. pos
// ends after the closing quote. False when the closing quote is missing.
bool ParseQuoted(const std::string& s, std::size_t& pos, std::string& out) {
    ++pos;
    while (pos < s.size()) {
        const char c = s[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c == '\\' && pos + 1 < s.size() && (s[pos + 1] == '"' || s[pos + 1] == '\\')) {
            out += s[pos + 1];
            pos += 2;
            continue;
        }
        out += c;
        ++pos;
    }
    return false;
}

bool ParseHexBytes(const std::string& list, std::vector<unsigned char>& bytes) {
    std::size_t pos = 0;
    while (pos <= list.size()) {
        auto comma = list.find(',', pos);
        if (comma == std::string::npos)
            comma = list.size();
        const std::string item = TrimWhite(list.substr(pos, comma - pos));
        const bool last = comma == list.size();
        pos = comma + 1;
        if (item.empty()) {
            if (last)
                break; // a trailing comma, or an empty list
            return false;
        }
        if (item.size() > 2 || !std::isxdigit(static_cast<unsigned char>(item[0])) ||
            (item.size() == 2 && !std::isxdigit(static_cast<unsigned char>(item[1]))))
            return false;
        bytes.push_back(static_cast<unsigned char>(std::stoul(item, nullptr, 16)));
        if (last)
            break;
    }
    return true;
}

std::string HexText(const std::vector<unsigned char>& bytes) {
    static const char* const digits = "0123456789ABCDEF";
    std::string text;
    for (unsigned char b : bytes) {
        if (!text.empty())
            text += ' ';
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

std::string KindName(const std::string& kind) {
    static const std::map<std::string, std::string> names = {{"0", "a value without type"},
                                                             {"1", "a string written in hexadecimal"},
                                                             {"2", "an expandable string"},
                                                             {"5", "a big-endian number"},
                                                             {"6", "a symbolic link"},
                                                             {"7", "a multi-string"},
                                                             {"8", "a resource list"},
                                                             {"9", "a resource descriptor"},
                                                             {"a", "a resource requirements list"},
                                                             {"b", "a 64-bit number"}};
    const auto it = names.find(FoldCase(kind));
    return (it == names.end() ? std::string("a value of kind") : it->second) + " (hex(" + kind + "))";
}

// HKEY_CURRENT_USER\a -> HKCU\a; empty when the root is none the engine knows.
std::string AbbreviateRoot(const std::string& key) {
    static const std::pair<const char*, const char*> roots[] = {{"HKEY_CLASSES_ROOT", "HKCR"},
                                                                {"HKEY_CURRENT_USER", "HKCU"},
                                                                {"HKEY_LOCAL_MACHINE", "HKLM"},
                                                                {"HKEY_USERS", "HKU"}};
    const auto slash = key.find('\\');
    const std::string root = key.substr(0, slash);
    const std::string rest = slash == std::string::npos ? std::string() : key.substr(slash);
    for (const auto& [full, shortName] : roots)
        if (SameText(root, full) || SameText(root, shortName))
            return shortName + rest;
    return {};
}

std::string ValueLabel(const std::string& key, bool isDefault, const std::string& name) {
    return key + (isDefault ? std::string(" @ (the default value)") : " \"" + name + "\"");
}

std::string NotAnsi(const std::string& utf8) {
    return "holds \"" + FirstUnencodable(utf8) + "\", which Windows-1252 cannot hold";
}

// A name or value the way a message can show it: control characters spelled out.
std::string Shown(const std::string& s) {
    static const char* const digits = "0123456789ABCDEF";
    std::string out;
    for (char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\r')
            out += "<CR>";
        else if (b == '\n')
            out += "<LF>";
        else if (b == 0)
            out += "<NUL>";
        else if (b < 32)
            out += std::string("<0x") + digits[b >> 4] + digits[b & 15] + ">";
        else
            out += c;
    }
    return out;
}

// Why text cannot stand in a parameter line or key: the project file keeps one line per entry, and
// the engine's lines end at a line break; empty when it can.
std::string ControlCharacterProblem(const std::string& text) {
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\r' || b == '\n')
            return "a line break, which would split its line in two";
        if (b == 0)
            return "a NUL character, which ends the text for the engine";
        if (b < 32)
            return "a control character, which the engine cannot read";
    }
    return {};
}

class TParser {
public:
    explicit TParser(TRegImport& result) : m_result(result) {}

    void Line(const TLogicalLine& line) {
        const std::string text = TrimWhite(line.Text);
        if (text.empty() || text[0] == ';')
            return;
        if (text[0] == '[') {
            Key(line.Number, text);
            return;
        }
        if (m_current == kNone) {
            if (!m_skippingKey)
                Skip("line " + std::to_string(line.Number) + ": a value outside any key");
            return;
        }
        Value(line.Number, text);
    }

    // Names the values left out of keys that were full.
    void Finish() {
        for (std::size_t i = 0; i < m_overflow.size(); ++i) {
            const TOverflow& o = m_overflow[i];
            if (o.Count == 0)
                continue;
            Skip(AnsiToUtf8(m_result.Keys[i].Key) + ": " + std::to_string(o.Count) + " more value" +
                 (o.Count == 1 ? "" : "s") + " (from line " + std::to_string(o.FirstLine) + ") than the " +
                 std::to_string(kMaxTableRows) + " a key can hold");
        }
    }

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    struct TOverflow {
        int Count = 0;
        int FirstLine = 0;
    };

    void Skip(const std::string& what) { m_result.Skipped.push_back(what); }

    void Key(int number, const std::string& text) {
        m_current = kNone;
        m_skippingKey = true;
        const std::string line = "line " + std::to_string(number);
        if (text.back() != ']') {
            Skip(line + ": a key without its closing \"]\"");
            return;
        }
        bool remove = text.size() > 1 && text[1] == '-';
        const std::string full = text.substr(remove ? 2 : 1, text.size() - (remove ? 3 : 2));
        if (const std::string problem = ControlCharacterProblem(full); !problem.empty()) {
            Skip(line + ": the key " + Shown(full) + " holds " + problem);
            return;
        }
        const std::string key = AbbreviateRoot(full);
        if (key.empty()) {
            Skip(full + ": a root the engine does not know");
            return;
        }
        const auto ansi = Utf8ToAnsi(key);
        if (!ansi) {
            Skip(key + ": " + NotAnsi(key));
            return;
        }
        m_skippingKey = false;
        // A key given twice, in any letter case, is one entry.
        auto& index = remove ? m_deleteIndex : m_addIndex;
        const auto [it, added] = index.emplace(*ansi, m_result.Keys.size());
        if (added) {
            m_result.Keys.push_back({*ansi, remove, {}});
            m_overflow.emplace_back();
        }
        m_currentLabel = key;
        if (!remove) // a deleted key takes no values
            m_current = it->second;
    }

    void Value(int number, const std::string& text) {
        const std::string where = "line " + std::to_string(number) + " (" + m_currentLabel + ")";
        std::size_t pos = 0;
        std::string name;
        const bool isDefault = text[0] == '@';
        if (isDefault) {
            pos = 1;
        } else if (text[0] != '"' || !ParseQuoted(text, pos, name)) {
            Skip(where + ": not a value line");
            return;
        }
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
            ++pos;
        if (pos >= text.size() || text[pos] != '=') {
            Skip(where + ": no \"=\" after the value name");
            return;
        }
        std::string data = TrimWhite(text.substr(pos + 1));
        const std::string label = ValueLabel(m_currentLabel, isDefault, Shown(name));

        std::string value;
        int type = 0;
        if (!data.empty() && data[0] == '"') {
            std::size_t p = 0;
            if (!ParseQuoted(data, p, value)) {
                Skip(label + ": a string without its closing quote");
                return;
            }
            const std::string after = TrimWhite(data.substr(p));
            if (!after.empty() && after[0] != ';') {
                Skip(label + ": \"" + after + "\" after the string's closing quote");
                return;
            }
        } else {
            // A comment may follow the value; no unquoted value holds a ";".
            data = TrimWhite(data.substr(0, data.find(';')));
            if (!ParseUnquoted(label, data, value, type))
                return;
        }

        if (isDefault || name.empty()) {
            Skip(label + ": a parameter line needs a name");
            return;
        }
        if (name.find('=') != std::string::npos) {
            Skip(label + ": the name holds \"=\", which ends a parameter name");
            return;
        }
        if (value.find(',') != std::string::npos) {
            Skip(label + ": the value holds a comma, which ends a value in a parameter line");
            return;
        }
        if (const std::string problem = ControlCharacterProblem(name); !problem.empty()) {
            Skip(where + ": the name " + Shown(name) + " holds " + problem);
            return;
        }
        if (const std::string problem = ControlCharacterProblem(value); !problem.empty()) {
            Skip(where + ": the value of \"" + Shown(name) + "\" holds " + problem);
            return;
        }
        const auto ansiName = Utf8ToAnsi(name);
        const auto ansiValue = Utf8ToAnsi(value);
        if (!ansiName || !ansiValue) {
            Skip(label + ": " + NotAnsi(ansiName ? value : name));
            return;
        }
        auto& lines = m_result.Keys[m_current].Lines;
        if (lines.size() >= static_cast<std::size_t>(kMaxTableRows)) {
            TOverflow& o = m_overflow[m_current];
            if (o.Count++ == 0)
                o.FirstLine = number;
            return;
        }
        lines.push_back(RegLine(*ansiName, *ansiValue, type, 0));
    }

    // A dword: or hex: value; false (and the value named as skipped) when the engine cannot take it.
    bool ParseUnquoted(const std::string& label, const std::string& data, std::string& value, int& type) {
        if (data == "-") {
            Skip(label + ": the removal of a single value, which the engine's lists cannot hold");
            return false;
        }
        if (StartsWithText(data, "dword:")) {
            const std::string digits = TrimWhite(data.substr(6));
            if (digits.empty() || digits.size() > 8 ||
                digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
                Skip(label + ": \"" + data + "\" is no dword value");
                return false;
            }
            value = std::to_string(std::stoul(digits, nullptr, 16));
            type = 1;
            return true;
        }
        if (!StartsWithText(data, "hex")) {
            Skip(label + ": \"" + data + "\" is no value the engine can take");
            return false;
        }
        std::string kind = "3"; // hex: is binary
        std::size_t colon = 3;
        if (data.size() > 3 && data[3] == '(') {
            const auto close = data.find(')');
            if (close == std::string::npos) {
                Skip(label + ": \"" + data.substr(0, 8) + "...\" is no value kind");
                return false;
            }
            kind = data.substr(4, close - 4);
            colon = close + 1;
        }
        std::vector<unsigned char> bytes;
        if (colon >= data.size() || data[colon] != ':' || !ParseHexBytes(data.substr(colon + 1), bytes)) {
            Skip(label + ": broken hexadecimal bytes");
            return false;
        }
        if (kind == "3") {
            if (bytes.empty()) {
                Skip(label + ": a binary value without bytes");
                return false;
            }
            value = HexText(bytes);
            type = 2;
            return true;
        }
        if (kind == "4" && bytes.size() == 4) {
            value = std::to_string(static_cast<unsigned long>(bytes[0]) | bytes[1] << 8 | bytes[2] << 16 |
                                   static_cast<unsigned long>(bytes[3]) << 24);
            type = 1;
            return true;
        }
        Skip(label + ": " + KindName(kind) + ", which the engine cannot take");
        return false;
    }

    using TKeyIndex =
        std::unordered_map<std::string, std::size_t, TCaseInsensitiveHash, TCaseInsensitiveEqual>;

    TRegImport& m_result;
    std::size_t m_current = kNone;     // index in m_result.Keys of the key that takes values
    std::vector<TOverflow> m_overflow; // by key
    TKeyIndex m_addIndex, m_deleteIndex;
    std::string m_currentLabel;
    bool m_skippingKey = false;
};

// The parameter name of a line: the text before its first "=".
std::string LineName(const std::string& line) {
    return line.substr(0, line.find('='));
}

} // namespace

bool ParseRegFile(const std::string& bytes, TRegImport& result, std::string& error) {
    result = TRegImport();
    std::string text;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        if (!Utf16LeToUtf8(bytes, 2, text)) {
            error = "The file is no readable UTF-16 text.";
            return false;
        }
    } else if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        text = bytes.substr(3);
    } else {
        // REGEDIT4 files are in the ANSI code page; a version 5 file without byte order mark is
        // taken as UTF-8 when it is valid UTF-8.
        const bool version5 = bytes.compare(0, std::char_traits<char>::length(kHeader5), kHeader5) == 0;
        text = version5 && IsUtf8(bytes) ? bytes : AnsiToUtf8(bytes);
    }
    const auto lines = LogicalLines(text);
    std::size_t i = 0;
    while (i < lines.size() && TrimWhite(lines[i].Text).empty())
        ++i;
    const std::string header = i < lines.size() ? TrimWhite(lines[i].Text) : std::string();
    if (header != kHeader4 && header != kHeader5) {
        error = "The file is no registry export: it does not begin with \"" + std::string(kHeader4) +
                "\" or \"" + kHeader5 + "\".";
        return false;
    }
    TParser parser(result);
    for (++i; i < lines.size(); ++i)
        parser.Line(lines[i]);
    parser.Finish();
    return true;
}

namespace {

// The first record of each key, found without regard to case.
class TTableIndex {
public:
    explicit TTableIndex(const TRecordTable<TContentsRecord>& table) {
        m_first.reserve(table.Records.size());
        for (std::size_t i = 0; i < table.Records.size(); ++i)
            m_first.emplace(table.Records[i].Key, i);
    }
    // The record index of key; -1 when the table does not hold it.
    long Find(const std::string& key) const {
        const auto it = m_first.find(key);
        return it == m_first.end() ? -1 : static_cast<long>(it->second);
    }
    void Add(const std::string& key, std::size_t record) { m_first.emplace(key, record); }

private:
    std::unordered_map<std::string, std::size_t, TCaseInsensitiveHash, TCaseInsensitiveEqual> m_first;
};

// Puts lines into contents: a line replaces the first one of its parameter name, others are
// appended while the key holds fewer than kMaxTableRows lines. Returns how many were left out.
int MergeLines(std::vector<std::string>& contents, const std::vector<std::string>& lines) {
    std::unordered_map<std::string, std::size_t, TCaseInsensitiveHash, TCaseInsensitiveEqual> byName;
    for (std::size_t i = 0; i < contents.size(); ++i)
        byName.emplace(LineName(contents[i]), i);
    // Lines holding line breaks count once for each line they become in the project file.
    std::size_t count = ContentsLines(contents).size();
    int leftOut = 0;
    for (const auto& line : lines) {
        const auto it = byName.find(LineName(line));
        if (it != byName.end()) {
            contents[it->second] = line;
        } else if (count >= static_cast<std::size_t>(kMaxTableRows)) {
            ++leftOut;
        } else {
            byName.emplace(LineName(line), contents.size());
            contents.push_back(line);
            ++count;
        }
    }
    return leftOut;
}

} // namespace

std::vector<std::string> ExistingRegKeys(const TProject& project, const TRegImport& import) {
    const TTableIndex add(project.tbRegAdd), remove(project.tbRegDel);
    std::vector<std::string> keys;
    for (const auto& k : import.Keys)
        if ((k.Delete ? remove : add).Find(k.Key) >= 0)
            keys.push_back(AnsiToUtf8(k.Key));
    return keys;
}

TRegApplyResult ApplyRegImport(TProject& project, const TRegImport& import, bool merge) {
    TRegApplyResult result;
    TTableIndex add(project.tbRegAdd), remove(project.tbRegDel);
    for (const auto& k : import.Keys) {
        auto& table = k.Delete ? project.tbRegDel : project.tbRegAdd;
        TTableIndex& index = k.Delete ? remove : add;
        const long existing = index.Find(k.Key);
        if (existing >= 0) {
            if (!merge)
                continue;
            auto& contents = table.Records[static_cast<std::size_t>(existing)].Contents;
            if (const int leftOut = MergeLines(contents, k.Lines); leftOut > 0)
                result.LinesLeftOut.push_back(AnsiToUtf8(k.Key) + ": " + std::to_string(leftOut) +
                                              " more value" + (leftOut == 1 ? "" : "s") + " than the " +
                                              std::to_string(kMaxTableRows) + " a key can hold");
            ++result.Merged;
            continue;
        }
        if (table.Count() >= kMaxTableRows) {
            result.Refused.push_back(AnsiToUtf8(k.Key));
            continue;
        }
        index.Add(k.Key, table.Records.size());
        table.Records.push_back({k.Key, k.Lines});
        ++result.Added;
    }
    return result;
}

} // namespace tv
