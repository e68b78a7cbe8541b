#include "core/kvIniFile.h"

#include "core/TextCodec.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tv {

namespace {

// Lower-case mapping of ASCII and of the Windows-1252 letters.
const std::array<unsigned char, 256>& FoldTable() {
    static const std::array<unsigned char, 256> table = [] {
        std::array<unsigned char, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[i] = static_cast<unsigned char>(i);
        for (int c = 'A'; c <= 'Z'; ++c)
            t[c] = static_cast<unsigned char>(c + 32);
        for (int c = 0xC0; c <= 0xDE; ++c)
            if (c != 0xD7)
                t[c] = static_cast<unsigned char>(c + 32);
        t[0x8A] = 0x9A; // S caron
        t[0x8C] = 0x9C; // OE
        t[0x8E] = 0x9E; // Z caron
        t[0x9F] = 0xFF; // Y diaeresis
        return t;
    }();
    return table;
}

bool SameTextView(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    const auto& t = FoldTable();
    for (std::size_t i = 0; i < a.size(); ++i)
        if (t[static_cast<unsigned char>(a[i])] != t[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

// The key of a stored line: the text before its first "="; empty when it has none.
std::string_view KeyOf(const std::string& line) {
    const auto eq = line.find('=');
    return eq == std::string::npos ? std::string_view() : std::string_view(line).substr(0, eq);
}

std::string FoldView(std::string_view s) {
    const auto& t = FoldTable();
    std::string out(s);
    for (auto& c : out)
        c = static_cast<char>(t[static_cast<unsigned char>(c)]);
    return out;
}

// Decimal, or hexadecimal after "$"; an optional sign and leading blanks as the classic conversion
// allows. Hexadecimal fills all 32 bits ($FFFFFFFF is -1).
bool ParseInteger(const std::string& s, std::int32_t& result) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i >= s.size())
        return false;
    std::uint64_t value = 0;
    if (s[i] == '$') {
        ++i;
        if (i >= s.size())
            return false;
        for (; i < s.size(); ++i) {
            const char c = s[i];
            int d;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            else
                return false;
            value = value * 16 + static_cast<unsigned>(d);
            if (value > 0xFFFFFFFFull)
                return false;
        }
        auto v = static_cast<std::uint32_t>(value);
        if (negative)
            v = 0u - v;
        result = static_cast<std::int32_t>(v);
        return true;
    }
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > 2147483648ull)
            return false;
    }
    if (!negative && value > 2147483647ull)
        return false;
    result = negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(value))
                      : static_cast<std::int32_t>(value);
    return true;
}

} // namespace

std::string FoldCase(const std::string& s) {
    return FoldView(s);
}

std::size_t TCaseInsensitiveHash::operator()(const std::string& s) const {
    const auto& t = FoldTable();
    std::size_t h = 1469598103934665603ull; // FNV-1a over the folded bytes
    for (char c : s) {
        h ^= t[static_cast<unsigned char>(c)];
        h *= 1099511628211ull;
    }
    return h;
}

bool TryStrToInt(const std::string& text, std::int32_t& value) {
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseInteger("$" + text.substr(2, 255), value);
    return ParseInteger(text, value);
}

bool SameText(const std::string& a, const std::string& b) {
    return SameTextView(a, b);
}

// ---- TFoldedIndex

std::size_t TFoldedIndex::SlotOf(std::string_view name) const {
    const auto& t = FoldTable();
    std::size_t h = 1469598103934665603ull;
    for (char c : name) {
        h ^= t[static_cast<unsigned char>(c)];
        h *= 1099511628211ull;
    }
    return (h ^ (h >> 29)) & (m_Slots.size() - 1);
}

void TFoldedIndex::Reserve(std::size_t names) {
    std::size_t size = 16;
    while (size < 2 * names)
        size *= 2;
    if (size <= m_Slots.size())
        return;
    std::vector<int> old(size, 0);
    old.swap(m_Slots);
    for (int slot : old)
        if (slot) {
            std::size_t i = SlotOf(m_NameAt(m_Owner, slot - 1));
            while (m_Slots[i])
                i = (i + 1) & (m_Slots.size() - 1);
            m_Slots[i] = slot;
        }
}

int TFoldedIndex::Find(std::string_view name) const {
    if (m_Slots.empty())
        return -1;
    for (std::size_t i = SlotOf(name);; i = (i + 1) & (m_Slots.size() - 1)) {
        const int slot = m_Slots[i];
        if (!slot)
            return -1;
        if (SameTextView(m_NameAt(m_Owner, slot - 1), name))
            return slot - 1;
    }
}

bool TFoldedIndex::Insert(std::string_view name, int position) {
    if (2 * (m_Count + 1) > m_Slots.size())
        Reserve(m_Count + 1);
    std::size_t i = SlotOf(name);
    for (; m_Slots[i]; i = (i + 1) & (m_Slots.size() - 1))
        if (SameTextView(m_NameAt(m_Owner, m_Slots[i] - 1), name))
            return false;
    m_Slots[i] = position + 1;
    ++m_Count;
    return true;
}

// ---- TIniSection

// A copied or moved section builds its own key index when it needs one.
TIniSection& TIniSection::operator=(const TIniSection& other) {
    Name = other.Name;
    Lines = other.Lines;
    ClearKeyIndex();
    return *this;
}

TIniSection& TIniSection::operator=(TIniSection&& other) noexcept {
    Name = std::move(other.Name);
    Lines = std::move(other.Lines);
    ClearKeyIndex();
    return *this;
}

std::string_view TIniSection::KeyAt(const void* section, int line) {
    return KeyOf(static_cast<const TIniSection*>(section)->Lines[static_cast<std::size_t>(line)]);
}

// Short sections are searched directly; a key index pays off only for long ones.
constexpr std::size_t kKeyIndexMinLines = 16;

void TIniSection::BuildKeyIndex() const {
    m_KeyIndex.Clear();
    m_KeyIndex.Rebind(this);
    m_KeyIndex.Reserve(Lines.size());
    for (int i = 0; i < static_cast<int>(Lines.size()); ++i)
        m_KeyIndex.Insert(KeyOf(Lines[static_cast<std::size_t>(i)]), i);
    m_KeyIndexValid = true;
}

int TIniSection::IndexOfKey(const std::string& key) const {
    if (!m_KeyIndexValid && Lines.size() < kKeyIndexMinLines) {
        for (std::size_t i = 0; i < Lines.size(); ++i)
            if (SameTextView(KeyOf(Lines[i]), key))
                return static_cast<int>(i);
        return -1;
    }
    if (!m_KeyIndexValid)
        BuildKeyIndex();
    m_KeyIndex.Rebind(this);
    return m_KeyIndex.Find(key);
}

void TIniSection::AppendLine(std::string line) {
    Lines.push_back(std::move(line));
    if (m_KeyIndexValid) {
        m_KeyIndex.Rebind(this);
        m_KeyIndex.Insert(KeyOf(Lines.back()), static_cast<int>(Lines.size()) - 1);
    }
}

void TIniSection::DeleteLine(int index) {
    Lines.erase(Lines.begin() + index);
    ClearKeyIndex();
}

// ---- TSectionList

std::string_view TSectionList::NameAt(const void* list, int position) {
    return static_cast<const TSectionList*>(list)->m_Items[static_cast<std::size_t>(position)].Name;
}

void TSectionList::BuildNameIndex() const {
    m_NameIndex.Clear();
    m_NameIndex.Reserve(m_Items.size());
    m_HasDuplicates = false;
    for (int i = 0; i < Count(); ++i)
        if (!m_NameIndex.Insert(m_Items[static_cast<std::size_t>(i)].Name, i))
            m_HasDuplicates = true;
    m_NameIndexValid = true;
}

int TSectionList::IndexFrom(const std::string& name, int start) const {
    const int count = Count();
    if (count == 0)
        return -1;
    if (start < 0 || start >= count)
        start = 0;
    // Runs of lookups of one section, or of the sections in file order, hit at once.
    if (SameText(m_Items[static_cast<std::size_t>(start)].Name, name))
        return start;
    if (start + 1 < count && SameText(m_Items[static_cast<std::size_t>(start) + 1].Name, name))
        return start + 1;
    if (!m_NameIndexValid)
        BuildNameIndex();
    if (m_HasDuplicates) {
        for (int k = 0; k < count; ++k) {
            const int i = (start + k) % count;
            if (SameText(m_Items[static_cast<std::size_t>(i)].Name, name))
                return i;
        }
        return -1;
    }
    return m_NameIndex.Find(name);
}

bool TSectionList::HasDuplicateNames() const {
    if (!m_NameIndexValid)
        BuildNameIndex();
    return m_HasDuplicates;
}

int TSectionList::IndexOf(const std::string& name) {
    const int i = IndexFrom(name, LastIndex);
    if (i >= 0)
        LastIndex = i;
    return i;
}

int TSectionList::Add(const std::string& name) {
    const int i = Count();
    m_Items.emplace_back();
    m_Items.back().Name = name;
    if (m_NameIndexValid && !m_NameIndex.Insert(name, i))
        m_HasDuplicates = true;
    return i;
}

void TSectionList::Delete(int index) {
    m_Items.erase(m_Items.begin() + index);
    m_NameIndexValid = false;
    m_NameIndex.Clear();
}

void TSectionList::DeleteMarked(const std::vector<bool>& discard) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_Items.size(); ++i)
        if (!discard[i]) {
            if (kept != i)
                m_Items[kept] = std::move(m_Items[i]);
            ++kept;
        }
    m_Items.resize(kept);
    m_NameIndexValid = false;
    m_NameIndex.Clear();
}

void TSectionList::Clear() {
    m_Items.clear();
    m_NameIndex.Clear();
    m_NameIndexValid = false;
    LastIndex = 0;
}

// ---- TkvIniFile

// ---- TReplacementFile

TReplacementFile::TReplacementFile(std::string target) : m_Target(std::move(target)) {}

TReplacementFile::~TReplacementFile() {
    iniio::Close(m_Handle);
    if (!m_Committed && !m_TempName.empty())
        iniio::Remove(m_TempName);
}

void TReplacementFile::Fail(const std::string& reason) {
    iniio::Close(m_Handle);
    m_Handle = -1;
    if (!m_TempName.empty())
        iniio::Remove(m_TempName);
    m_TempName.clear();
    throw EInOutError("Cannot write file " + HostToUtf8(m_Target), reason);
}

void TReplacementFile::Write(const std::string& data) {
    if (m_Target.find('\0') != std::string::npos)
        Fail("the name holds a NUL byte");
    m_Handle = iniio::CreateTempBeside(m_Target, m_TempName);
    if (m_Handle < 0) {
        m_TempName.clear();
        Fail(iniio::LastErrorText());
    }
    if (!iniio::WriteAll(m_Handle, data) || !iniio::Flush(m_Handle))
        Fail(iniio::LastErrorText());
    iniio::Close(m_Handle);
    m_Handle = -1;
}

void TReplacementFile::Commit() {
    if (!iniio::Replace(m_TempName, m_Target))
        Fail(iniio::LastErrorText());
    m_Committed = true;
    // The new content is in place; a folder that cannot be flushed only weakens its lasting.
    iniio::FlushFolderOf(m_Target);
}

// ---- TkvIniFile

TkvIniFile::TkvIniFile(const std::string& fileName, bool readOnly, const TIniParseOptions& options)
    : m_ReadOnly(readOnly), m_Options(options) {
    SetFileName(fileName);
}

TkvIniFile::~TkvIniFile() {
    try {
        UpdateFile();
    } catch (...) {
        m_WriteFailed = true;
    }
    if (m_WriteFailed && m_ReportWriteFailure)
        *m_ReportWriteFailure = true;
}

void TkvIniFile::SetFileName(const std::string& name) {
    UpdateFile();
    m_Sections.Clear();
    m_FileName = name;
    if (!m_FileName.empty())
        Load();
    m_Modified = false;
}

namespace {

// The number (from 1) of the carriage-return-ended line holding byte offset pos.
int LineAt(const std::string& bytes, std::size_t pos) {
    return 1 + static_cast<int>(
                   std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(pos), '\r'));
}

// A file that starts with a UTF-8 byte-order mark holds UTF-8 text; the store holds code-page text.
// Returns the number of a line the code page cannot hold, 0 when all converted.
int ConvertUtf8File(std::string& bytes) {
    const std::string_view text = std::string_view(bytes).substr(3);
    if (auto ansi = Utf8ToAnsi(text)) {
        bytes = std::move(*ansi);
        return 0;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\r', start);
        const auto line =
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!Utf8ToAnsi(line) || end == std::string_view::npos)
            return LineAt(bytes, 3 + start);
        start = end + 1;
    }
}

} // namespace

void TkvIniFile::Load() {
    m_CurrentSection = 0;
    const auto cannotOpen = [this](const std::string& reason) {
        return EInOutError("Cannot open file " + HostToUtf8(m_FileName), reason);
    };
    if (m_FileName.find('\0') != std::string::npos)
        throw cannotOpen("the name holds a NUL byte");
    switch (iniio::PathKind(m_FileName)) {
    case iniio::TPathKind::Missing:
        return;
    case iniio::TPathKind::Folder:
        throw cannotOpen("it is a folder");
    case iniio::TPathKind::File:
        break;
    }
    std::string bytes;
    {
        const std::intptr_t handle = iniio::OpenForReading(m_FileName);
        if (handle < 0)
            throw cannotOpen(iniio::LastErrorText());
        const bool read = iniio::ReadAll(handle, bytes);
        const std::string reason = read ? std::string() : iniio::LastErrorText();
        iniio::Close(handle);
        if (!read)
            throw EInOutError("Cannot read file " + HostToUtf8(m_FileName), reason);
    }
    LoadText(std::move(bytes), m_FileName);
}

void TkvIniFile::LoadText(std::string bytes, const std::string& fileName) {
    const auto cannotRead = [&](const std::string& reason) {
        return EInOutError("Cannot read file " + HostToUtf8(fileName), reason);
    };
    m_Sections.Clear();
    m_CurrentSection = 0;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        if (const int line = ConvertUtf8File(bytes))
            throw cannotRead("line " + std::to_string(line) +
                             " holds a character the code page cannot hold (or is no UTF-8 text)");
    }
    // A NUL byte would cut every name or value it reaches the system in.
    if (const int line = ParseText(bytes)) {
        m_Sections.Clear();
        throw cannotRead("line " + std::to_string(line) + " holds a NUL byte");
    }
    m_Modified = false;
}

int TkvIniFile::ParseText(const std::string& bytes) {
    int lineNumber = 0;
    int nulLine = 0;
    // A line ends at a carriage return; line feeds are dropped wherever they occur. This is what
    // reading the file in 100-byte chunks up to each carriage return gives, done in one pass.
    int current = m_Sections.Count() - 1;
    std::string line;
    std::size_t pos = 0;
    const std::size_t size = bytes.size();
    while (pos < size) {
        std::size_t end = bytes.find('\r', pos);
        const std::size_t next = end == std::string::npos ? size : end + 1;
        if (end == std::string::npos)
            end = size;
        // Usually the only line feed is the one after the previous carriage return.
        std::size_t from = pos;
        while (from < end && bytes[from] == '\n')
            ++from;
        line.assign(bytes, from, end - from);
        ++lineNumber;
        if (line.find('\n') != std::string::npos)
            line.erase(std::remove(line.begin(), line.end(), '\n'), line.end());
        pos = next;

        if (line.size() == 1 && line[0] == '\x1A')
            line.clear();
        if (m_Options.SkipComments && !line.empty() && line[0] == ';')
            line.clear();
        if (line.empty())
            continue;
        const bool hasNul = nulLine == 0 && line.find('\0') != std::string::npos;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = m_Sections.Add(line.substr(1, line.size() - 2));
            if (hasNul)
                nulLine = lineNumber;
            continue;
        }
        if (m_Options.TrimAroundEquals) {
            std::size_t eq = line.find('=');
            if (eq != std::string::npos && eq > 0) {
                std::size_t from = eq;
                while (from > 0 && IsBlankOrTab(line[from - 1]))
                    --from;
                line.erase(from, eq - from);
                eq = from;
                std::size_t to = eq + 1;
                while (to < line.size() && IsBlankOrTab(line[to]))
                    ++to;
                line.erase(eq + 1, to - eq - 1);
            }
        }
        if (m_Options.TrimTrailing) {
            std::size_t len = line.size();
            while (len > 0 && static_cast<unsigned char>(line[len - 1]) < 33)
                --len;
            line.resize(len);
        }
        if (m_Options.Unquote) {
            const std::size_t eq = line.find('=');
            const std::size_t len = line.size();
            // Needs a key, and a value of at least two characters starting and ending with one quote.
            if (eq != std::string::npos && eq > 0 && len > eq + 2 && line[len - 1] == line[eq + 1] &&
                (line[eq + 1] == '"' || line[eq + 1] == '\'')) {
                line.erase(len - 1, 1);
                line.erase(eq + 1, 1);
            }
        }
        if (m_Options.RequireEquals && line.find('=') == std::string::npos)
            continue;
        if (current >= 0) {
            if (hasNul && line.find('\0') != std::string::npos)
                nulLine = lineNumber;
            m_Sections[current].AppendLine(line);
        }
    }
    ResolveDuplicates();
    return nulLine;
}

void TkvIniFile::ResolveDuplicates() {
    if (m_Sections.Count() < 2 || !m_Sections.HasDuplicateNames())
        return;
    // One pass in file order: each name's survivor so far meets the later sections of its name in
    // the order they come, which is what walking the sorted names gives, in linear time.
    std::unordered_map<std::string, int, TCaseInsensitiveHash, TCaseInsensitiveEqual> survivors;
    survivors.reserve(static_cast<std::size_t>(m_Sections.Count()));
    std::vector<bool> discard(static_cast<std::size_t>(m_Sections.Count()), false);
    bool any = false;
    for (int later = 0; later < m_Sections.Count(); ++later) {
        const auto [it, first] = survivors.emplace(m_Sections[later].Name, later);
        if (first)
            continue;
        const int survivor = it->second;
        bool keepEarlier = true;
        if (m_OnDuplicateSection)
            keepEarlier = m_OnDuplicateSection(m_Sections[survivor].Name, m_Sections[survivor].Lines,
                                               m_Sections[later].Lines);
        if (keepEarlier) {
            discard[static_cast<std::size_t>(later)] = true;
        } else {
            discard[static_cast<std::size_t>(survivor)] = true;
            it->second = later;
        }
        any = true;
    }
    if (!any)
        return;
    m_Sections.DeleteMarked(discard);
    m_Modified = true;
}

TIniSection* TkvIniFile::FindSection(const std::string& section, const std::string& key, bool create,
                                     int& keyIndex) {
    keyIndex = -1;
    int i = m_Sections.IndexFrom(section, m_CurrentSection);
    if (i < 0) {
        if (!create)
            return nullptr;
        i = m_Sections.Add(section);
    }
    m_CurrentSection = i;
    TIniSection& s = m_Sections[i];
    keyIndex = s.IndexOfKey(key);
    return &s;
}

std::string TkvIniFile::ReadString(const std::string& section, const std::string& key,
                                   const std::string& def) {
    int k;
    const TIniSection* s = FindSection(section, key, false, k);
    if (!s || k < 0)
        return def;
    const std::string& line = s->Lines[static_cast<std::size_t>(k)];
    const auto eq = line.find('=');
    return eq == std::string::npos ? std::string() : line.substr(eq + 1);
}

void TkvIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
    if (key.empty())
        return;
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append(1, '=').append(value);
    int k;
    TIniSection* s = FindSection(section, key, true, k);
    if (k >= 0) {
        std::string& stored = s->Lines[static_cast<std::size_t>(k)];
        if (stored != line) {
            stored = std::move(line); // same key ignoring case: the key index stays valid
            m_Modified = true;
        }
    } else {
        s->AppendLine(std::move(line));
        m_Modified = true;
    }
}

std::int32_t TkvIniFile::ReadInteger(const std::string& section, const std::string& key, std::int32_t def) {
    std::int32_t value;
    return TryStrToInt(ReadString(section, key, std::string()), value) ? value : def;
}

void TkvIniFile::WriteInteger(const std::string& section, const std::string& key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

bool TkvIniFile::ReadBool(const std::string& section, const std::string& key, bool def) {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TkvIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TkvIniFile::ReadSection(const std::string& section, std::vector<std::string>& target) {
    const int i = m_Sections.IndexOf(section);
    if (i < 0)
        return;
    for (const auto& line : m_Sections[i].Lines)
        target.emplace_back(KeyOf(line));
}

void TkvIniFile::ReadSections(std::vector<std::string>& target) const {
    target.clear();
    for (int i = 0; i < m_Sections.Count(); ++i)
        target.push_back(m_Sections[i].Name);
}

void TkvIniFile::ReadSectionValues(const std::string& section, std::vector<std::string>& target) {
    const int i = m_Sections.IndexOf(section);
    if (i < 0)
        return;
    for (const auto& line : m_Sections[i].Lines) {
        const auto eq = line.find('=');
        const std::string name = eq == std::string::npos ? line : line.substr(0, eq);
        const std::string value = eq == std::string::npos ? std::string() : line.substr(eq + 1);
        std::string entry = name + "=" + value;
        auto hit = std::find_if(target.begin(), target.end(), [&](const std::string& t) {
            const auto teq = t.find('=');
            return SameText(teq == std::string::npos ? t : t.substr(0, teq), name);
        });
        if (hit != target.end())
            *hit = std::move(entry);
        else
            target.push_back(std::move(entry));
    }
}

void TkvIniFile::EraseSection(const std::string& section) {
    const int i = m_Sections.IndexOf(section);
    if (i < 0)
        return;
    m_Sections.Delete(i);
    m_Sections.LastIndex = 0;
    m_CurrentSection = 0;
    m_Modified = true;
}

void TkvIniFile::DeleteKey(const std::string& section, const std::string& key) {
    int k;
    TIniSection* s = FindSection(section, key, true, k);
    if (k >= 0) {
        s->DeleteLine(k);
        m_Modified = true;
    }
}

void TkvIniFile::GetStrings(std::vector<std::string>& target) const {
    for (int i = 0; i < m_Sections.Count(); ++i) {
        const TIniSection& s = m_Sections[i];
        if (s.Lines.empty())
            continue;
        target.push_back("[" + s.Name + "]");
        target.insert(target.end(), s.Lines.begin(), s.Lines.end());
        target.emplace_back();
    }
}

std::string TkvIniFile::ContentText() const {
    std::size_t size = 0;
    for (int i = 0; i < m_Sections.Count(); ++i) {
        size += m_Sections[i].Name.size() + 6;
        for (const auto& line : m_Sections[i].Lines)
            size += line.size() + 2;
    }
    std::string out;
    out.reserve(size);
    for (int i = 0; i < m_Sections.Count(); ++i) {
        const TIniSection& s = m_Sections[i];
        if (s.Lines.empty())
            continue;
        out.append(1, '[').append(s.Name).append("]\r\n");
        for (const auto& line : s.Lines)
            out.append(line).append("\r\n");
        out.append("\r\n");
    }
    return out;
}

bool TkvIniFile::UpdateFile() {
    if (!m_Modified)
        return true;
    bool ok = true;
    m_WriteError.clear();
    if (!m_FileName.empty() && !m_ReadOnly) {
        try {
            iniio::CreateParentFolders(m_FileName);
            TReplacementFile file(m_FileName);
            file.Write(ContentText());
            file.Commit();
        } catch (const EInOutError& e) {
            ok = false;
            m_WriteError = e.Reason();
        }
    }
    m_Modified = false;
    m_WriteFailed = !ok;
    return ok;
}

std::string ValueReadBackAs(const std::string& value) {
    const std::size_t n = value.size();
    if (n == 0)
        return value;
    const auto front = static_cast<unsigned char>(value.front());
    const auto back = static_cast<unsigned char>(value.back());
    // Blanks and tabs after "=" and anything below 33 at the end are trimmed on reading; a value
    // in one pair of matching quotes loses them. In quotes the value keeps all of that.
    const bool quoted = n >= 2 && front == back && (front == '"' || front == '\'');
    if (front == ' ' || front == '\t' || back < 33 || quoted)
        return '"' + value + '"';
    return value;
}

} // namespace tv
