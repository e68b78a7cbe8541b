#include "core/RegFileImport.h"

#include "core/ChangeLines.h"
#include "core/TextCodec.h"

#include <cctype>
#include <cstdint>
#include <map>

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

bool StartsWithNoCase(const std::string& s, const std::string& prefix) {
    if (s.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
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
    std::string lower;
    for (char c : kind)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto it = names.find(lower);
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
        if (SameKeyIgnoringCase(root, full) || SameKeyIgnoringCase(root, shortName))
            return shortName + rest;
    return {};
}

std::string ValueLabel(const std::string& key, bool isDefault, const std::string& name) {
    return key + (isDefault ? std::string(" @ (the default value)") : " \"" + name + "\"");
}

std::string NotAnsi(const std::string& utf8) {
    return "holds \"" + FirstUnencodable(utf8) + "\", which Windows-1252 cannot hold";
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
        if (!m_current) {
            if (!m_skippingKey)
                Skip("line " + std::to_string(line.Number) + ": a value outside any key");
            return;
        }
        Value(line.Number, text);
    }

private:
    void Skip(const std::string& what) { m_result.Skipped.push_back(what); }

    void Key(int number, const std::string& text) {
        m_current = nullptr;
        m_skippingKey = true;
        if (text.back() != ']') {
            Skip("line " + std::to_string(number) + ": a key without its closing \"]\"");
            return;
        }
        bool remove = text.size() > 1 && text[1] == '-';
        const std::string full = text.substr(remove ? 2 : 1, text.size() - (remove ? 3 : 2));
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
        for (auto& k : m_result.Keys)
            if (k.Delete == remove && SameKeyIgnoringCase(k.Key, *ansi)) {
                m_current = &k;
                break;
            }
        if (!m_current) {
            m_result.Keys.push_back({*ansi, remove, {}});
            m_current = &m_result.Keys.back();
        }
        m_currentLabel = key;
        if (remove)
            m_current = nullptr; // a deleted key takes no values
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
        const std::string data = TrimWhite(text.substr(pos + 1));
        const std::string label = ValueLabel(m_currentLabel, isDefault, name);

        std::string value;
        int type = 0;
        if (!data.empty() && data[0] == '"') {
            std::size_t p = 0;
            if (!ParseQuoted(data, p, value) || !TrimWhite(data.substr(p)).empty()) {
                Skip(label + ": a string without its closing quote");
                return;
            }
        } else if (data == "-") {
            Skip(label + ": the removal of a single value, which the engine's lists cannot hold");
            return;
        } else if (StartsWithNoCase(data, "dword:")) {
            const std::string digits = TrimWhite(data.substr(6));
            if (digits.empty() || digits.size() > 8 ||
                digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
                Skip(label + ": \"" + data + "\" is no dword value");
                return;
            }
            value = std::to_string(std::stoul(digits, nullptr, 16));
            type = 1;
        } else if (StartsWithNoCase(data, "hex")) {
            std::string kind = "3"; // hex: is binary
            std::size_t colon = 3;
            if (data.size() > 3 && data[3] == '(') {
                const auto close = data.find(')');
                if (close == std::string::npos) {
                    Skip(label + ": \"" + data.substr(0, 8) + "...\" is no value kind");
                    return;
                }
                kind = data.substr(4, close - 4);
                colon = close + 1;
            }
            std::vector<unsigned char> bytes;
            if (colon >= data.size() || data[colon] != ':' || !ParseHexBytes(data.substr(colon + 1), bytes)) {
                Skip(label + ": broken hexadecimal bytes");
                return;
            }
            if (kind == "3") {
                if (bytes.empty()) {
                    Skip(label + ": a binary value without bytes");
                    return;
                }
                value = HexText(bytes);
                type = 2;
            } else if (kind == "4" && bytes.size() == 4) {
                value = std::to_string(static_cast<unsigned long>(bytes[0]) | bytes[1] << 8 | bytes[2] << 16 |
                                       static_cast<unsigned long>(bytes[3]) << 24);
                type = 1;
            } else {
                Skip(label + ": " + KindName(kind) + ", which the engine cannot take");
                return;
            }
        } else {
            Skip(label + ": \"" + data + "\" is no value the engine can take");
            return;
        }

        if (isDefault) {
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
        const auto ansiName = Utf8ToAnsi(name);
        const auto ansiValue = Utf8ToAnsi(value);
        if (!ansiName || !ansiValue) {
            Skip(label + ": " + NotAnsi(ansiName ? value : name));
            return;
        }
        m_current->Lines.push_back(RegLine(*ansiName, *ansiValue, type, 0));
    }

    TRegImport& m_result;
    TRegImportKey* m_current = nullptr;
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
    return true;
}

std::vector<std::string> ExistingRegKeys(const TProject& project, const TRegImport& import) {
    std::vector<std::string> keys;
    for (const auto& k : import.Keys)
        if (IndexOfKeyIgnoringCase(k.Delete ? project.tbRegDel : project.tbRegAdd, k.Key) >= 0)
            keys.push_back(AnsiToUtf8(k.Key));
    return keys;
}

TRegApplyResult ApplyRegImport(TProject& project, const TRegImport& import, bool merge) {
    TRegApplyResult result;
    for (const auto& k : import.Keys) {
        auto& table = k.Delete ? project.tbRegDel : project.tbRegAdd;
        const int existing = IndexOfKeyIgnoringCase(table, k.Key);
        if (existing >= 0) {
            if (!merge)
                continue;
            auto& contents = table.Records[static_cast<std::size_t>(existing)].Contents;
            for (const auto& line : k.Lines) {
                bool replaced = false;
                for (auto& old : contents)
                    if (SameKeyIgnoringCase(LineName(old), LineName(line))) {
                        old = line;
                        replaced = true;
                        break;
                    }
                if (!replaced)
                    contents.push_back(line);
            }
            ++result.Merged;
            continue;
        }
        if (table.Count() >= kMaxTableRows) {
            result.Refused.push_back(AnsiToUtf8(k.Key));
            continue;
        }
        table.Records.push_back({k.Key, k.Lines});
        ++result.Added;
    }
    return result;
}

} // namespace tv
