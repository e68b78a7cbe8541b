#include "core/ProjectFile.h"

#include "core/HostPath.h"
#include "core/ProjectSettings.h"
#include "core/TextCodec.h"
#include "core/kvIniFile.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace tv {

const char* const kInfoGenerator = "Tamrin Installer Velox v1.0";
const char* const kInfoCopyright = "Copyright (c) 2000 Tamvelox developers";
const char* const kInfoHomepage = "https://tamvelox.example.org";
const char* const kInfoTznNeeded = "Tamrin Installer v1.6";
const char* const kInfoTznCopyright = "The Tamrin Installer author";
const char* const kInfoTznHomepage = "https://tamrin-installer.example.org";
const char* const kTitleBitmapName = "tzns256.bmp";

namespace {

// A run list with its section and row key.
struct TRunSection {
    std::string_view Section;
    std::string_view Key;
    TRunList TProject::*List;
};
const TRunSection kRunSections[] = {
    {"Run.Before", "RunBefore", &TProject::RunBefore},
    {"Run.After", "RunAfter", &TProject::RunAfter},
    {"Run.BeforeUn", "RunBeforeUn", &TProject::RunBeforeUn},
    {"Run.AfterUn", "RunAfterUn", &TProject::RunAfterUn},
};

// A contents table with its list section, count key, row key and the prefix of its record sections.
struct TContentsSection {
    std::string_view Section;
    std::string_view CountKey;
    std::string_view RowKey;
    std::string_view RecordPrefix;
    TRecordTable<TContentsRecord> TProject::*Table;
};
const TContentsSection kContentsSections[] = {
    {"Registry.Add", "Registries", "RegAdd", "Registry.Add.", &TProject::tbRegAdd},
    {"Registry.Del", "Registries", "RegDel", "Registry.Del.", &TProject::tbRegDel},
    {"INIChanges", "Changes", "Changes", "INIChanges.", &TProject::tbINI},
};

// Does s hold a control character up to carriage return, or c? One pass the compiler vectorises, to
// pass the clean values (nearly all) quickly.
bool HasLowOr(std::string_view s, char c = '\r') {
    unsigned char hit = 0;
    for (const char ch : s)
        hit |= static_cast<unsigned char>((static_cast<unsigned char>(ch) <= '\r') | (ch == c));
    return hit != 0;
}

// First carriage return or line feed at or after pos (find_first_of is slow for this).
std::size_t FindLineBreak(const std::string& s, std::size_t pos = 0) {
    if (!HasLowOr(std::string_view(s).substr(std::min(pos, s.size()))))
        return std::string::npos;
    for (std::size_t i = pos; i < s.size(); ++i)
        if (static_cast<unsigned char>(s[i]) <= '\r' && (s[i] == '\r' || s[i] == '\n'))
            return i;
    return std::string::npos;
}

// Row counts of a loaded file: row numbers beyond the format's range would only read earlier rows
// again (the numbers are cut to their width), so they are not read.
int RowCount(std::int32_t count, int limit) {
    return std::clamp<std::int32_t>(count, 0, limit);
}

// ZeroPad(n, width) for n >= 0, written at p (width characters); returns the end.
char* PutZeroPadded(char* p, long long n, int width) {
    if (width == 3 && n >= 0 && n < 1000) { // row numbers
        p[0] = static_cast<char>('0' + n / 100);
        p[1] = static_cast<char>('0' + n / 10 % 10);
        p[2] = static_cast<char>('0' + n % 10);
        return p + 3;
    }
    char digits[24];
    const auto length = static_cast<int>(std::to_chars(digits, digits + sizeof digits, n).ptr - digits);
    for (int i = length; i < width; ++i)
        *p++ = '0';
    return std::copy(digits, digits + std::min(length, width), p);
}

void AppendZeroPadded(std::string& out, long long n, int width) {
    char digits[24];
    out.append(digits, PutZeroPadded(digits, n, std::min(width, 20)));
}

// ---- Load helpers

// SplitFirst on a view: the text before the first separator, and text keeps what follows it
// (nothing when there is no separator).
std::string_view TakeField(std::string_view& text, char separator) {
    const auto pos = text.find(separator);
    const std::string_view field = text.substr(0, pos);
    text = pos == std::string_view::npos ? std::string_view() : text.substr(pos + 1);
    return field;
}

std::string_view ValueOf(const TIniText::TLine* line) {
    return line ? line->Value : std::string_view();
}

// The value of key as a number; def when the key is missing or its value is no number.
std::int32_t IntegerAt(const TIniText& ini, int section, std::string_view key, std::int32_t def) {
    std::int32_t value;
    const TIniText::TLine* line = ini.Find(section, key);
    return line && TryStrToInt(line->Value, value) ? value : def;
}

// Reads every value into the new project p; a setting without a Missing value keeps what current
// holds when the file lacks it.
void ReadProjectFile(TProject& p, const TProject& current, const TIniText& ini) {
    for (const TSetting& setting : ProjectSettings()) {
        const std::string fallback =
            setting.Missing ? std::string(setting.Missing) : SettingText(current, setting);
        const TIniText::TLine* line = ini.Find(ini.FindSection(setting.Section), setting.Key);
        SetSettingText(p, setting, line ? std::string(line->Value) : fallback, fallback);
    }
    // Rows are found in one pass over their section, not one lookup each.
    std::vector<const TIniText::TLine*> rows;

    // Static bitmaps: path, three placement fields, transparent colour.
    const int mainWindow = ini.FindSection("Main_Window");
    const int bitmaps = RowCount(IntegerAt(ini, mainWindow, "Bitmap", 0), kMaxStaticBitmaps);
    ini.NumberedLines(mainWindow, "Bitmap.", 2, rows);
    p.StaticBitmaps.clear();
    p.StaticBitmaps.reserve(static_cast<std::size_t>(bitmaps));
    for (int i = 1; i <= bitmaps; ++i) {
        std::string_view text = ValueOf(rows[static_cast<std::size_t>(i)]);
        // A short or missing row gets all five fields, so that it is written back as it reads.
        TStaticBitmap& bitmap = p.StaticBitmaps.emplace_back();
        bitmap.File = TakeField(text, ',');
        bitmap.Coord = TakeField(text, ',');
        bitmap.Coord.append(1, ',').append(TakeField(text, ','));
        bitmap.Coord.append(1, ',').append(TakeField(text, ','));
        bitmap.Transparency = text;
    }

    // Files
    const int filesSection = ini.FindSection("Files");
    const int files = RowCount(IntegerAt(ini, filesSection, "Files", -1), kMaxTableRows);
    ini.NumberedLines(filesSection, "File", 3, rows);
    p.tbFiles.Clear();
    p.tbFiles.Records.reserve(static_cast<std::size_t>(files));
    for (int i = 0; i < files; ++i) {
        std::string_view text = ValueOf(rows[static_cast<std::size_t>(i)]);
        if (text.empty())
            continue;
        TFileRecord& r = p.tbFiles.Records.emplace_back();
        r.FileName = TakeField(text, '|');
        r.FilePath = TakeField(text, '|');
        r.SetFlagsFromText(text);
    }
    p.tbFiles.Current = p.tbFiles.Empty() ? -1 : 0;

    // Shortcuts
    const int shortcutsSection = ini.FindSection("Shortcuts");
    const int shortcuts = RowCount(IntegerAt(ini, shortcutsSection, "Shortcuts", -1), kMaxTableRows);
    ini.NumberedLines(shortcutsSection, "Shortcut", 3, rows);
    p.tbShortcuts.Clear();
    p.tbShortcuts.Records.reserve(static_cast<std::size_t>(shortcuts));
    for (int i = 0; i < shortcuts; ++i) {
        std::string_view text = ValueOf(rows[static_cast<std::size_t>(i)]);
        if (text.empty())
            continue;
        TShortcutRecord& r = p.tbShortcuts.Records.emplace_back();
        r.ProgramGroup = TakeField(text, '|');
        r.Shortcuts = TakeField(text, '|');
        r.Target = TakeField(text, '|');
        r.Arguments = TakeField(text, '|');
        r.WorkDirectory = text;
    }
    p.tbShortcuts.Current = p.tbShortcuts.Empty() ? -1 : 0;

    // Registry and INI changes: the keys first, then each record's own section.
    std::string section;
    std::string itemKey = "Item000";
    for (const auto& cs : kContentsSections) {
        auto& table = p.*cs.Table;
        const int list = ini.FindSection(cs.Section);
        const int count = RowCount(IntegerAt(ini, list, cs.CountKey, 0), kMaxTableRows);
        ini.NumberedLines(list, cs.RowKey, 3, rows);
        table.Clear();
        table.Records.resize(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            table.Records[static_cast<std::size_t>(i)].Key = ValueOf(rows[static_cast<std::size_t>(i)]);
        int s = list;
        for (auto& r : table.Records) {
            section.assign(cs.RecordPrefix).append(r.Key);
            s = ini.FindSection(section, s < 0 ? -1 : s + 1); // saved files keep the records' order
            const int items = RowCount(IntegerAt(ini, s, "Items", 0), kMaxTableRows);
            r.Contents.reserve(static_cast<std::size_t>(items));
            for (int i = 0; i < items; ++i) {
                itemKey.resize(4);
                AppendZeroPadded(itemKey, i, 3);
                r.Contents.emplace_back(ValueOf(ini.Find(s, itemKey)));
            }
        }
        table.Current = table.Empty() ? -1 : 0;
    }

    // Run lists: every row number gives a row, also an empty one.
    for (const auto& rs : kRunSections) {
        auto& list = p.*rs.List;
        const int s = ini.FindSection(rs.Section);
        const int count = RowCount(IntegerAt(ini, s, rs.Key, -1), kMaxTableRows);
        ini.NumberedLines(s, rs.Key, 3, rows);
        list.clear();
        list.resize(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            std::string_view text = ValueOf(rows[static_cast<std::size_t>(i)]);
            TRunRecord& r = list[static_cast<std::size_t>(i)];
            r.Application = TakeField(text, '|');
            r.Argument = TakeField(text, '|');
            r.WorkingDirectory = TakeField(text, '|');
            r.Message = TakeField(text, '|');
            r.Flag = text;
        }
    }
}

// ---- Save helpers

// The text is written straight from the project, section by section, in the order and form the
// keyed store gave it when every value was written into one: sections in the order of their first
// write, keys in the order of theirs, a key written again replacing its line in place. Values go in
// the form that reads back unchanged, so that blanks at either end and surrounding quotes survive.

// Lines go straight into the text: into one buffer, written through a pointer. A line is key (and
// its row number, when width > 0) "=" and the fields joined by separator.
class TTextWriter final {
public:
    TTextWriter(std::string& out, std::size_t expected) : m_Out(out) {
        m_Out.resize(std::max(m_Out.size(), expected));
        m_Pos = m_Out.data();
        m_End = m_Pos + m_Out.size();
    }
    // The text ends where the writing did.
    void Finish() { m_Out.resize(static_cast<std::size_t>(m_Pos - m_Out.data())); }

    void Section(std::string_view prefix, std::string_view name = {}) {
        char* p = Room(prefix.size() + name.size() + 3);
        *p++ = '[';
        p = Copy(Copy(p, prefix), name);
        m_Pos = Copy(p, "]\r\n");
    }
    void EndSection() { m_Pos = Copy(Room(2), "\r\n"); }

    void Put(std::string_view key, long long number, int width, char separator,
             std::initializer_list<std::string_view> fields) {
        std::size_t size = key.size() + static_cast<std::size_t>(std::max(width, 0)) + 5; // = "" CR LF
        for (const std::string_view field : fields)
            size += field.size() + 1;
        char* p = Copy(Room(size), key);
        if (width > 0)
            p = PutZeroPadded(p, number, width);
        *p++ = '=';
        char* const value = p;
        bool first = true;
        for (const std::string_view field : fields) {
            if (!first)
                *p++ = separator;
            first = false;
            p = Copy(p, field);
        }
        // Quotes keep what reading would trim or unquote (rare): the value moves up by one.
        if (ValueNeedsQuotes(std::string_view(value, static_cast<std::size_t>(p - value)))) {
            std::memmove(value + 1, value, static_cast<std::size_t>(p - value));
            *value = '"';
            p += 1;
            *p++ = '"';
        }
        m_Pos = Copy(p, "\r\n");
    }
    void Lines(const std::vector<std::string>& lines) {
        for (const auto& line : lines)
            m_Pos = Copy(Copy(Room(line.size() + 2), line), "\r\n");
    }

private:
    std::string& m_Out;
    char* m_Pos;
    char* m_End;

    static char* Copy(char* p, std::string_view s) {
        if (!s.empty())
            std::memcpy(p, s.data(), s.size());
        return p + s.size();
    }
    char* Room(std::size_t size) {
        if (static_cast<std::size_t>(m_End - m_Pos) < size) {
            const auto used = static_cast<std::size_t>(m_Pos - m_Out.data());
            m_Out.resize(std::max(2 * m_Out.size(), used + size));
            m_Pos = m_Out.data() + used;
            m_End = m_Out.data() + m_Out.size();
        }
        return m_Pos;
    }
};

// Lines collected as the keyed store keeps them, for writes that repeat a key: rows past the
// numbering (their numbers are cut to the key's width) and records whose keys name one section.
// Only projects that Save refuses, or that hold such records, need it.
class TKeyedLines final {
public:
    void Put(std::string_view key, long long number, int width, char separator,
             std::initializer_list<std::string_view> fields) {
        std::string line(key);
        if (width > 0)
            AppendZeroPadded(line, number, width);
        const std::string keyText = line;
        std::string value;
        bool first = true;
        for (const std::string_view field : fields) {
            if (!first)
                value += separator;
            first = false;
            value.append(field.data(), field.size());
        }
        line.append(1, '=').append(ValueReadBackAs(value));
        const int k = m_Section.IndexOfKey(keyText);
        if (k >= 0)
            m_Section.Lines[static_cast<std::size_t>(k)] = std::move(line); // same key: the index holds
        else
            m_Section.AppendLine(std::move(line));
    }
    const std::vector<std::string>& Lines() const { return m_Section.Lines; }

private:
    TIniSection m_Section;
};

// Writes through put(sink) straight into the text, or, when keys repeat, through the keyed lines.
template <class F> void PutLines(TTextWriter& w, bool keysRepeat, F put) {
    if (!keysRepeat) {
        put(w);
        return;
    }
    TKeyedLines keyed;
    put(keyed);
    w.Lines(keyed.Lines());
}

template <class Sink> void Put(Sink& sink, std::string_view key, std::string_view value) {
    sink.Put(key, 0, 0, ' ', {value});
}

template <class Sink> void PutInteger(Sink& sink, std::string_view key, long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    sink.Put(key, 0, 0, ' ', {std::string_view(digits, static_cast<std::size_t>(end - digits))});
}

// The contents lines of r: its elements, or split holding them split at their line breaks.
const std::vector<std::string>& LinesOf(const TContentsRecord& r, std::vector<std::string>& split) {
    const bool breaks = std::any_of(r.Contents.begin(), r.Contents.end(), [](const std::string& line) {
        return FindLineBreak(line) != std::string::npos;
    });
    if (!breaks)
        return r.Contents;
    split = ContentsLines(r.Contents);
    return split;
}

// A record's contents lines under "Items" and "Item000"...
template <class Sink> void PutContents(Sink& sink, const std::vector<std::string>& lines) {
    PutInteger(sink, "Items", static_cast<long long>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        sink.Put("Item", static_cast<long long>(i), 3, ' ', {lines[i]});
    }
}

// The settings by section, the sections in the order of their first setting.
struct TSettingsSection {
    const char* Name;
    std::vector<const TSetting*> Settings;
};

const std::vector<TSettingsSection>& SettingsSections() {
    static const std::vector<TSettingsSection> sections = [] {
        std::vector<TSettingsSection> list;
        for (const TSetting& setting : ProjectSettings()) {
            auto it = std::find_if(list.begin(), list.end(), [&](const TSettingsSection& s) {
                return SameText(s.Name, setting.Section);
            });
            if (it == list.end())
                it = list.insert(list.end(), {setting.Section, {}});
            it->Settings.push_back(&setting);
        }
        return list;
    }();
    return sections;
}

// For each record, the first record whose key names the same section (itself when none before does).
std::vector<int> FirstOfSection(const TRecordTable<TContentsRecord>& table) {
    TFoldedIndex keys(&table, [](const void* owner, int i) {
        return std::string_view(static_cast<const TRecordTable<TContentsRecord>*>(owner)
                                    ->Records[static_cast<std::size_t>(i)]
                                    .Key);
    });
    keys.Reserve(table.Records.size());
    std::vector<int> first(table.Records.size());
    for (int i = 0; i < table.Count(); ++i) {
        const std::string& key = table.Records[static_cast<std::size_t>(i)].Key;
        first[static_cast<std::size_t>(i)] = keys.Insert(key, i) ? i : keys.Find(key);
    }
    return first;
}

// About the size of the text (row keys, separators, line ends and the values), so that it is written
// into one buffer; the buffer still grows when long settings or many file flags need it.
std::size_t TextSizeBound(const TProject& p) {
    std::size_t n = 2048 + 64 * ProjectSettings().size();
    for (const auto& b : p.StaticBitmaps)
        n += 20 + b.File.size() + b.Coord.size() + b.Transparency.size();
    for (const auto& r : p.tbFiles.Records)
        n += 40 + r.FileName.size() + r.FilePath.size();
    for (const auto& r : p.tbShortcuts.Records)
        n += 20 + r.ProgramGroup.size() + r.Shortcuts.size() + r.Target.size() + r.Arguments.size() +
             r.WorkDirectory.size();
    for (const auto& cs : kContentsSections)
        for (const auto& r : (p.*cs.Table).Records) {
            n += 50 + 2 * r.Key.size();
            for (const auto& line : r.Contents)
                n += 14 + line.size();
        }
    for (const auto& rs : kRunSections)
        for (const auto& r : p.*rs.List)
            n += 24 + r.Application.size() + r.Argument.size() + r.WorkingDirectory.size() +
                 r.Message.size() + r.Flag.size();
    return n + n / 16;
}

// The text of project p in out.
void WriteProjectFile(const TProject& p, std::string& out) {
    TTextWriter w(out, TextSizeBound(p));
    w.Section("Info");
    Put(w, "Generator", kInfoGenerator);
    Put(w, "Copyright", kInfoCopyright);
    Put(w, "Homepage", kInfoHomepage);
    Put(w, "TZN Needed", kInfoTznNeeded);
    Put(w, "TZN Copyright", kInfoTznCopyright);
    Put(w, "TZN Homepage", kInfoTznHomepage);
    w.EndSection();

    for (const TSettingsSection& section : SettingsSections()) {
        w.Section(section.Name);
        for (const TSetting* setting : section.Settings)
            Put(w, setting->Key, SettingText(p, *setting));
        // The static bitmaps follow the settings of their section.
        if (SameText(section.Name, "Main_Window"))
            PutLines(w, p.StaticBitmaps.size() > kMaxStaticBitmaps, [&](auto& sink) {
                PutInteger(sink, "Bitmap", static_cast<long long>(p.StaticBitmaps.size()));
                for (std::size_t i = 0; i < p.StaticBitmaps.size(); ++i) {
                    const TStaticBitmap& b = p.StaticBitmaps[i];
                    sink.Put("Bitmap.", static_cast<long long>(i) + 1, 2, ',',
                             {b.File, b.Coord, b.Transparency});
                }
            });
        w.EndSection();
    }

    w.Section("Files");
    std::string flags;
    PutLines(w, p.tbFiles.Count() > kMaxTableRows, [&](auto& sink) {
        PutInteger(sink, "Files", p.tbFiles.Count());
        for (int i = 0; i < p.tbFiles.Count(); ++i) {
            const TFileRecord& r = p.tbFiles.Records[static_cast<std::size_t>(i)];
            flags.clear();
            r.AppendFlagsText(flags);
            sink.Put("File", i, 3, '|', {r.FileName, r.FilePath, flags});
        }
    });
    w.EndSection();

    w.Section("Shortcuts");
    PutLines(w, p.tbShortcuts.Count() > kMaxTableRows, [&](auto& sink) {
        PutInteger(sink, "Shortcuts", p.tbShortcuts.Count());
        for (int i = 0; i < p.tbShortcuts.Count(); ++i) {
            const TShortcutRecord& r = p.tbShortcuts.Records[static_cast<std::size_t>(i)];
            sink.Put("Shortcut", i, 3, '|',
                     {r.ProgramGroup, r.Shortcuts, r.Target, r.Arguments, r.WorkDirectory});
        }
    });
    w.EndSection();

    for (const auto& cs : kContentsSections) {
        const auto& table = p.*cs.Table;
        w.Section(cs.Section);
        PutLines(w, table.Count() > kMaxTableRows, [&](auto& sink) {
            PutInteger(sink, cs.CountKey, table.Count());
            for (int i = 0; i < table.Count(); ++i) {
                sink.Put(cs.RowKey, i, 3, ' ', {table.Records[static_cast<std::size_t>(i)].Key});
            }
        });
        w.EndSection();
        // Keys equal but for letter case name one section, where the first of them put it; the later
        // records write their contents over it.
        const std::vector<int> first = FirstOfSection(table);
        std::vector<int> sharing(first.size(), 0);
        for (const int f : first)
            ++sharing[static_cast<std::size_t>(f)];
        std::vector<std::string> split;
        for (int i = 0; i < table.Count(); ++i) {
            if (first[static_cast<std::size_t>(i)] != i)
                continue;
            const TContentsRecord& r = table.Records[static_cast<std::size_t>(i)];
            w.Section(cs.RecordPrefix, r.Key);
            const auto& lines = LinesOf(r, split);
            if (sharing[static_cast<std::size_t>(i)] == 1 && lines.size() <= kMaxTableRows) {
                PutContents(w, lines);
            } else {
                TKeyedLines keyed;
                for (int j = i; j < table.Count(); ++j)
                    if (first[static_cast<std::size_t>(j)] == i)
                        PutContents(keyed, LinesOf(table.Records[static_cast<std::size_t>(j)], split));
                w.Lines(keyed.Lines());
            }
            w.EndSection();
        }
    }

    for (const auto& rs : kRunSections) {
        const auto& list = p.*rs.List;
        w.Section(rs.Section);
        PutLines(w, list.size() > kMaxTableRows, [&](auto& sink) {
            PutInteger(sink, rs.Key, static_cast<long long>(list.size()));
            for (std::size_t i = 0; i < list.size(); ++i) {
                const TRunRecord& r = list[i];
                sink.Put(rs.Key, static_cast<long long>(i), 3, '|',
                         {r.Application, r.Argument, r.WorkingDirectory, r.Message, r.Flag});
            }
        });
        w.EndSection();
    }
    w.Finish();
}

// ---- Limits

// Collects the problems; the description of a value is only composed when it has a problem.
class TLimitCheck {
public:
    std::vector<std::string> Problems;

    template <class F> void Count(const F& what, std::size_t n, std::size_t limit) {
        if (n > limit)
            Problems.push_back(what() + " has " + std::to_string(n) + " rows; at most " +
                               std::to_string(limit) + " can be stored");
    }
    template <class F> void NoLineBreak(const F& what, const std::string& value) {
        NoChar(what, value, '\n');
    }
    // A NUL byte would end the value wherever it reaches the system.
    template <class F> void NoNul(const F& what, const std::string& value) {
        if (HasLowOr(value) && value.find('\0') != std::string::npos)
            Problems.push_back(what() + " contains a NUL byte: \"" + Shown(value) + "\"");
    }
    // Line breaks, NUL bytes and c, in one pass over the value.
    template <class F> void NoChar(const F& what, const std::string& value, char c) {
        if (HasLowOr(value, c))
            ReportChars(what, value, c);
    }

private:
    template <class F> void ReportChars(const F& what, const std::string& value, char c) {
        bool lineBreak = false, nul = false, reserved = false;
        for (const char ch : value) {
            if (static_cast<unsigned char>(ch) <= '\r') {
                lineBreak |= ch == '\r' || ch == '\n';
                nul |= ch == '\0';
            }
            reserved |= ch == c;
        }
        if (lineBreak)
            Problems.push_back(what() + " contains a line break: \"" + Shown(value) + "\"");
        if (nul)
            Problems.push_back(what() + " contains a NUL byte: \"" + Shown(value) + "\"");
        if (reserved && c != '\n')
            Problems.push_back(what() + " contains \"" + std::string(1, c) + "\": \"" + Shown(value) + "\"");
    }

    // A project value in a message: UTF-8, line breaks shown as the escapes a reader recognises.
    static std::string Shown(const std::string& value) {
        std::string s;
        for (char c : AnsiToUtf8(value)) {
            if (c == '\0')
                s += "\\0";
            else if (c == '\r')
                s += "\\r";
            else if (c == '\n')
                s += "\\n";
            else
                s += c;
        }
        return s;
    }
};

std::string Nth(const char* what, std::size_t i) {
    return std::string(what) + " " + std::to_string(i + 1);
}

std::size_t ContentsLineCount(const std::vector<std::string>& contents) {
    std::size_t n = 0;
    for (const auto& text : contents) {
        if (FindLineBreak(text) == std::string::npos)
            ++n;
        else
            n += ContentsLines({text}).size();
    }
    return n;
}

} // namespace

std::vector<std::string> ContentsLines(const std::vector<std::string>& contents) {
    std::vector<std::string> lines;
    lines.reserve(contents.size());
    for (const auto& text : contents) {
        if (FindLineBreak(text) == std::string::npos) {
            lines.push_back(text);
            continue;
        }
        std::size_t pos = 0;
        while (pos < text.size()) {
            std::size_t end = FindLineBreak(text, pos);
            if (end == std::string::npos) {
                lines.push_back(text.substr(pos));
                break;
            }
            lines.push_back(text.substr(pos, end - pos));
            pos = end + 1;
            if (text[end] == '\r' && pos < text.size() && text[pos] == '\n')
                ++pos;
        }
    }
    return lines;
}

std::vector<std::string> CheckProjectLimits(const TProject& p) {
    TLimitCheck c;
    for (const TSetting& setting : ProjectSettings())
        if (setting.RefuseLineBreaks)
            c.NoLineBreak([&] { return setting.Name(); }, SettingText(p, setting));

    c.Count([] { return std::string("The static bitmap list"); }, p.StaticBitmaps.size(), kMaxStaticBitmaps);
    for (std::size_t i = 0; i < p.StaticBitmaps.size(); ++i) {
        const TStaticBitmap& b = p.StaticBitmaps[i];
        c.NoChar([&] { return "The path of " + Nth("static bitmap", i); }, b.File, ',');
        c.NoLineBreak([&] { return "The placement of " + Nth("static bitmap", i); }, b.Coord);
        c.NoLineBreak([&] { return "The transparent colour of " + Nth("static bitmap", i); }, b.Transparency);
    }

    c.Count([] { return std::string("The file list"); }, p.tbFiles.Records.size(), kMaxTableRows);
    for (std::size_t i = 0; i < p.tbFiles.Records.size(); ++i) {
        const auto& r = p.tbFiles.Records[i];
        c.NoChar([&] { return "The source of " + Nth("file", i); }, r.FileName, '|');
        c.NoChar([&] { return "The target folder of " + Nth("file", i); }, r.FilePath, '|');
    }

    c.Count([] { return std::string("The shortcut list"); }, p.tbShortcuts.Records.size(), kMaxTableRows);
    for (std::size_t i = 0; i < p.tbShortcuts.Records.size(); ++i) {
        const auto& r = p.tbShortcuts.Records[i];
        const std::pair<const char*, const std::string*> fields[] = {
            {"The program group of ", &r.ProgramGroup},
            {"The name of ", &r.Shortcuts},
            {"The target of ", &r.Target},
            {"The arguments of ", &r.Arguments},
            {"The work directory of ", &r.WorkDirectory}};
        for (const auto& [field, value] : fields)
            c.NoChar([&, f = field] { return f + Nth("shortcut", i); }, *value, '|');
    }

    const std::pair<const char*, const TRecordTable<TContentsRecord>*> tables[] = {
        {"registry addition", &p.tbRegAdd}, {"registry deletion", &p.tbRegDel}, {"INI change", &p.tbINI}};
    for (const auto& [name, table] : tables) {
        const std::string tableName = name;
        c.Count([&] { return "The " + tableName + " list"; }, table->Records.size(), kMaxTableRows);
        // Keys equal but for letter case name one section of the file, which can hold one contents.
        TFoldedIndex sections(table, [](const void* owner, int i) {
            return std::string_view(static_cast<const TRecordTable<TContentsRecord>*>(owner)
                                        ->Records[static_cast<std::size_t>(i)]
                                        .Key);
        });
        sections.Reserve(table->Records.size());
        for (std::size_t i = 0; i < table->Records.size(); ++i) {
            const auto& r = table->Records[i];
            c.NoLineBreak([&] { return "The key of " + tableName + " " + std::to_string(i + 1); }, r.Key);
            c.Count([&] { return "The contents of " + tableName + " \"" + AnsiToUtf8(r.Key) + "\""; },
                    ContentsLineCount(r.Contents), kMaxTableRows);
            for (const auto& line : r.Contents)
                c.NoNul([&] { return "The contents of " + tableName + " " + std::to_string(i + 1); }, line);
            if (sections.Insert(r.Key, static_cast<int>(i)))
                continue;
            const auto earlier = static_cast<std::size_t>(sections.Find(r.Key));
            if (ContentsLines(table->Records[earlier].Contents) != ContentsLines(r.Contents))
                c.Problems.push_back("The keys of " + tableName + " " + std::to_string(earlier + 1) +
                                     " and " + std::to_string(i + 1) + " (\"" + AnsiToUtf8(r.Key) +
                                     "\") differ only in letter case, or not at all, but their contents do");
        }
    }

    const std::pair<const char*, const TRunList*> runLists[] = {{"run-before-install", &p.RunBefore},
                                                                {"run-after-install", &p.RunAfter},
                                                                {"run-before-uninstall", &p.RunBeforeUn},
                                                                {"run-after-uninstall", &p.RunAfterUn}};
    for (const auto& [name, list] : runLists) {
        const std::string listName = name;
        c.Count([&] { return "The " + listName + " list"; }, list->size(), kMaxTableRows);
        for (std::size_t i = 0; i < list->size(); ++i) {
            const TRunRecord& r = (*list)[i];
            const std::pair<const char*, const std::string*> fields[] = {
                {"application", &r.Application},
                {"argument", &r.Argument},
                {"working directory", &r.WorkingDirectory},
                {"message", &r.Message},
                {"flag", &r.Flag}};
            for (const auto& [field, value] : fields)
                c.NoChar(
                    [&, f = field] {
                        return std::string("The ") + f + " of " + listName + " entry " +
                               std::to_string(i + 1);
                    },
                    *value, '|');
        }
    }
    return c.Problems;
}

std::string BackupFileName(const std::string& path) {
    const auto nameStart = path.find_last_of("/\\");
    const auto dot = path.rfind('.');
    if (dot != std::string::npos && (nameStart == std::string::npos || dot > nameStart))
        return path.substr(0, dot) + ".BAK";
    return path + ".BAK";
}

namespace {

[[noreturn]] void CannotWrite(const std::string& path, const std::string& reason) {
    throw EProjectFileError("Cannot write file " + HostToUtf8(path) + ": " + reason);
}

} // namespace

void BackupProjectFile(const std::string& path) {
    std::error_code ec;
    const fs::path file = HostPath(path);
    const auto status = fs::status(file, ec);
    if (!fs::exists(status))
        return;
    const std::string backupName = BackupFileName(path);
    auto fail = [&](const std::string& why) {
        throw EProjectFileError("Cannot make the backup " + HostToUtf8(backupName) + " of " +
                                HostToUtf8(path) + ": " + why);
    };
    if (fs::equivalent(file, HostPath(backupName), ec))
        return; // the file is its own backup name: the save replaces it
    if (!fs::is_regular_file(status))
        fail("it is not a regular file");
    // The previous content goes under a new name first and then replaces the old backup, so the old
    // backup stays whole until a new one is; a link at the backup's name is replaced, not followed.
    std::string temp;
    if (!iniio::LinkOrCopyBeside(path, backupName, temp))
        fail(iniio::LastErrorText());
    if (!iniio::Replace(temp, backupName)) {
        const std::string reason = iniio::LastErrorText();
        iniio::Remove(temp);
        fail(reason);
    }
    // A rename between two names of one file does nothing and leaves both: that happens when a save
    // running at the same time has just made the backup from the same project file.
    fs::remove(HostPath(temp), ec);
}

void SaveProject(TProject& project, const std::string& path) {
    const auto problems = CheckProjectLimits(project);
    if (!problems.empty()) {
        std::string message = "Cannot save " + HostToUtf8(path) + ": " + problems.front();
        if (problems.size() > 1)
            message += " (and " + std::to_string(problems.size() - 1) + " more problems)";
        throw EProjectFileError(message);
    }
    if (path.find('\0') != std::string::npos)
        CannotWrite(path, "the name holds a NUL byte");
    if (iniio::PathKind(path) == iniio::TPathKind::Folder)
        CannotWrite(path, "it is a folder");
    // Written from the project alone: whatever the file holds meanwhile is never read into it. The
    // buffer is kept for the thread's next save: a megabyte is not faulted in afresh every time.
    thread_local std::string text;
    WriteProjectFile(project, text);
    iniio::CreateParentFolders(path);
    TReplacementFile file(path);
    try {
        file.Write(text);
        BackupProjectFile(path);
        file.Commit();
    } catch (const EInOutError& e) {
        CannotWrite(path, e.Reason());
    }
    project.Modified = false;
}

std::string ProjectFileText(const TProject& project) {
    std::string text;
    WriteProjectFile(project, text);
    return text;
}

namespace {

// Load from a store that has read the file (or its bytes).
template <class F> void LoadProjectWith(TProject& project, const std::string& path, F read) {
    TProject loaded;
    try {
        TIniText ini;
        const bool exists = read(ini);
        if (exists && ini.FindSection("Start") < 0 && ini.FindSection("Main_Window") < 0 &&
            ini.FindSection("Dialog") < 0)
            throw EProjectFileError(HostToUtf8(path) +
                                    " is not a project file: it has none of the sections [Start], "
                                    "[Main_Window] and [Dialog]");
        ReadProjectFile(loaded, project, ini);
    } catch (const EInOutError& e) {
        throw EProjectFileError(std::string(e.what()) + ": " + e.Reason());
    }
    loaded.FileName = path;
    loaded.Modified = false;
    project = std::move(loaded);
}

} // namespace

void LoadProject(TProject& project, const std::string& path) {
    LoadProjectWith(project, path, [&](TIniText& ini) { return ini.LoadFile(path); });
}

void LoadProjectText(TProject& project, const std::string& bytes, const std::string& path) {
    LoadProjectWith(project, path, [&](TIniText& ini) {
        ini.LoadText(bytes, path);
        return true;
    });
}

void NewProject(TProject& p, const std::string& programDataDir) {
    p.FileName = "*UNTITLED";
    p.Modified = true;

    // The data folder is a host path; the project holds code-page text. The file name joins it with
    // the system's own separator, so that a Windows path does not end up with two kinds.
    std::string folder = HostToAnsi(programDataDir).value_or(programDataDir);
#ifdef _WIN32
    const char separator = '\\';
#else
    const char separator = '/';
#endif
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\')
        folder += separator;
    for (const TSetting& setting : ProjectSettings()) {
        if (setting.NewKeeps)
            continue;
        const std::string value = setting.NewInDataFolder ? folder + setting.New : std::string(setting.New);
        SetSettingText(p, setting, value, value);
    }

    p.StaticBitmaps.clear();
    p.tbFiles.Clear();
    p.tbShortcuts.Clear();
    p.tbRegAdd.Clear();
    p.tbRegDel.Clear();
    p.tbINI.Clear();
    p.RunBefore.clear();
    p.RunAfter.clear();
    p.RunBeforeUn.clear();
    p.RunAfterUn.clear();
}

} // namespace tv
