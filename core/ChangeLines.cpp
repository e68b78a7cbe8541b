#include "core/ChangeLines.h"

#include "core/Project.h"

#include <algorithm>
#include <cctype>

namespace tv {

const std::vector<std::string> kRegRoots = {"HKCR", "HKCU", "HKLM", "HKU"};

const std::vector<std::string> kChangeFlags = {"None", "NO_LOG", "DONT_OVERWRITE", "NO_LOG+DONT_OVERWRITE"};

const std::vector<std::string> kRegTypes = {"0 - String ", "1 - Numeric", "2 - Binary"};

namespace {

std::string FlagsSuffix(int flagsIndex) {
    if (flagsIndex <= 0 || flagsIndex >= static_cast<int>(kChangeFlags.size()))
        return {};
    return "," + kChangeFlags[static_cast<std::size_t>(flagsIndex)];
}

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> SplitAll(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t pos = 0;
    for (;;) {
        const auto next = text.find(separator, pos);
        parts.push_back(text.substr(pos, next == std::string::npos ? std::string::npos : next - pos));
        if (next == std::string::npos)
            return parts;
        pos = next + 1;
    }
}

// NO_LOG, DONT_OVERWRITE, or both joined by "+".
bool IsFlags(const std::string& field) {
    const auto words = SplitAll(field, '+');
    if (words.size() > 2)
        return false;
    for (const auto& w : words)
        if (w != "NO_LOG" && w != "DONT_OVERWRITE")
            return false;
    return words.size() == 1 || words[0] != words[1];
}

const char* const kFlagsHint = "NO_LOG, DONT_OVERWRITE or NO_LOG+DONT_OVERWRITE";

// The name part of a line: why it is unusable, or empty. rest gets the text after the "=".
std::string NameProblem(const std::string& line, std::string& rest) {
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return "No \"=\" between the parameter name and its value";
    if (Trim(line.substr(0, eq)).empty())
        return "The parameter name before \"=\" is empty";
    rest = line.substr(eq + 1);
    return {};
}

bool IsDecimal(const std::string& s) {
    std::size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
    if (i >= s.size())
        return false;
    return std::all_of(s.begin() + static_cast<std::ptrdiff_t>(i), s.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

bool IsHexBytes(const std::string& s) {
    std::size_t count = 0;
    for (const auto& token : SplitAll(s, ' ')) {
        if (token.empty())
            continue;
        if (token.size() != 2 || !std::isxdigit(static_cast<unsigned char>(token[0])) ||
            !std::isxdigit(static_cast<unsigned char>(token[1])))
            return false;
        ++count;
    }
    return count > 0;
}

} // namespace

std::string RegLine(const std::string& name, const std::string& value, int type, int flagsIndex) {
    return name + "=" + value + "," + std::to_string(type) + FlagsSuffix(flagsIndex);
}

std::string IniLine(const std::string& name, const std::string& value, int flagsIndex) {
    return name + "=" + value + FlagsSuffix(flagsIndex);
}

std::string RegLineProblem(const std::string& line) {
    if (line.empty())
        return {};
    std::string rest;
    if (auto problem = NameProblem(line, rest); !problem.empty())
        return problem;
    const auto fields = SplitAll(rest, ',');
    if (fields.size() == 1)
        return "No type after the value: add ,0 (string), ,1 (numeric) or ,2 (binary)";
    const std::string type = Trim(fields[1]);
    if (type != "0" && type != "1" && type != "2") {
        if (fields.size() > 2)
            return "\"" + fields[1] + "\" is no type (0, 1 or 2); a comma in the value ends the value";
        return "\"" + fields[1] + "\" is no type: 0 (string), 1 (numeric) or 2 (binary)";
    }
    if (fields.size() > 3)
        return "Too many commas: the line is name=value,type,flags and the value may hold no comma";
    if (fields.size() == 3 && !IsFlags(Trim(fields[2])))
        return "\"" + fields[2] + "\" is no flag: " + kFlagsHint;
    const std::string value = Trim(fields[0]);
    if (type == "1" && !IsDecimal(value))
        return "A numeric value is a whole number, not \"" + fields[0] + "\"";
    if (type == "2" && !IsHexBytes(value))
        return "A binary value is two-digit hexadecimal bytes separated by blanks, such as 07 A5 3E";
    return {};
}

std::string IniLineProblem(const std::string& line) {
    if (line.empty())
        return {};
    std::string rest;
    if (auto problem = NameProblem(line, rest); !problem.empty())
        return problem;
    const auto comma = rest.find(',');
    if (comma == std::string::npos)
        return {};
    const std::string flags = rest.substr(comma + 1);
    if (!IsFlags(Trim(flags)))
        return "\"" + flags + "\" after the comma is no flag: " + kFlagsHint +
               " (a comma in the value ends the value)";
    return {};
}

std::string IniKeyNameProblem(const std::string& name) {
    if (name.empty())
        return "The name is empty";
    if (name.find('=') != std::string::npos)
        return "The name holds \"=\": the setup reads only the text before it";
    if (name[0] == ';')
        return "The name begins with \";\": the setup reads the line as a comment";
    if (name[0] == '[')
        return "The name begins with \"[\": the setup may read the line as a section";
    if (name.front() == ' ' || name.front() == '\t' || name.back() == ' ' || name.back() == '\t')
        return "The name begins or ends with a blank, which the setup drops";
    if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }))
        return "The name holds a control character, which breaks its line";
    return {};
}

std::string IniKey(const std::string& target, const std::string& file, const std::string& section) {
    return target + "|" + file + "|" + section;
}

TIniKeyParts SplitIniKey(std::string key) {
    TIniKeyParts parts;
    parts.Target = SplitFirst(key, "|");
    parts.File = SplitFirst(key, "|");
    parts.Section = SplitFirst(key, "|");
    return parts;
}

} // namespace tv
