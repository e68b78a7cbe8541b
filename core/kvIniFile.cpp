#include "core/kvIniFile.h"

#include "core/TextCodec.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

namespace tv {

namespace {

// A hash of the folded bytes, eight at a time: plain ASCII is folded in one step, other bytes by the
// table (folding keeps a byte's top bit, so two spellings of a name take the same way).
std::uint64_t FoldedHash(std::string_view s) {
    constexpr std::uint64_t ones = 0x0101010101010101ull;
    constexpr std::uint64_t mixer = 0x9FB21C651E98DF25ull;
    const auto& t = CaseFoldTable();
    const auto tableFolded = [&](std::size_t at, std::size_t n) {
        std::uint64_t w = 0;
        for (std::size_t k = 0; k < n; ++k)
            w |= static_cast<std::uint64_t>(t[static_cast<unsigned char>(s[at + k])]) << (8 * k);
        return w;
    };
    std::uint64_t h = s.size();
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, s.data() + i, 8);
        if (w & (ones * 0x80)) {
            w = tableFolded(i, 8);
        } else {
            const std::uint64_t fromA = w + ones * (0x80 - 'A');
            const std::uint64_t pastZ = w + ones * (0x80 - 'Z' - 1);
            w |= ((fromA & ~pastZ) & (ones * 0x80)) >> 2;
        }
        h = (h ^ w) * mixer;
        h ^= h >> 32;
    }
    h = (h ^ tableFolded(i, s.size() - i)) * mixer;
    h ^= h >> 29;
    h *= 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 32);
}

bool IsBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

// The key of a stored line: the text before its first "="; empty when it has none.
std::string_view KeyOf(const std::string& line) {
    const auto eq = line.find('=');
    return eq == std::string::npos ? std::string_view() : std::string_view(line).substr(0, eq);
}

// Decimal, or hexadecimal after "$"; an optional sign and leading blanks as the classic conversion
// allows. Hexadecimal fills all 32 bits ($FFFFFFFF is -1).
bool ParseInteger(std::string_view s, std::int32_t& result) {
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

std::size_t TCaseInsensitiveHash::operator()(const std::string& s) const {
    return static_cast<std::size_t>(FoldedHash(s));
}

bool TryStrToInt(std::string_view text, std::int32_t& value) {
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return ParseInteger("$" + std::string(text.substr(2, 255)), value);
    return ParseInteger(text, value);
}

// ---- TFoldedIndex

std::size_t TFoldedIndex::SlotOf(std::string_view name) const {
    return static_cast<std::size_t>(FoldedHash(name)) & (m_Slots.size() - 1);
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
        if (SameText(m_NameAt(m_Owner, slot - 1), name))
            return slot - 1;
    }
}

bool TFoldedIndex::Insert(std::string_view name, int position) {
    if (2 * (m_Count + 1) > m_Slots.size())
        Reserve(m_Count + 1);
    std::size_t i = SlotOf(name);
    for (; m_Slots[i]; i = (i + 1) & (m_Slots.size() - 1))
        if (SameText(m_NameAt(m_Owner, m_Slots[i] - 1), name))
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
            if (SameText(KeyOf(Lines[i]), key))
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

// The bytes of the file name; false when nothing is at the name. Only a file is read: a folder or
// anything that cannot be opened or read throws.
bool ReadFileBytes(const std::string& name, std::string& bytes) {
    const auto cannotOpen = [&](const std::string& reason) {
        return EInOutError("Cannot open file " + HostToUtf8(name), reason);
    };
    if (name.find('\0') != std::string::npos)
        throw cannotOpen("the name holds a NUL byte");
    switch (iniio::PathKind(name)) {
    case iniio::TPathKind::Missing:
        return false;
    case iniio::TPathKind::Folder:
        throw cannotOpen("it is a folder");
    case iniio::TPathKind::File:
        break;
    }
    const std::intptr_t handle = iniio::OpenForReading(name);
    if (handle < 0)
        throw cannotOpen(iniio::LastErrorText());
    const bool read = iniio::ReadAll(handle, bytes);
    const std::string reason = read ? std::string() : iniio::LastErrorText();
    iniio::Close(handle);
    if (!read)
        throw EInOutError("Cannot read file " + HostToUtf8(name), reason);
    return true;
}

EInOutError CannotRead(const std::string& fileName, const std::string& reason) {
    return EInOutError("Cannot read file " + HostToUtf8(fileName), reason);
}

// A NUL byte would cut every name or value it reaches the system in.
EInOutError NulLineError(const std::string& fileName, int line) {
    return CannotRead(fileName, "line " + std::to_string(line) + " holds a NUL byte");
}

// The text of a file that starts with a UTF-8 byte-order mark in the code page, or a refusal.
void ConvertByteOrderMark(std::string& bytes, const std::string& fileName) {
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") != 0)
        return;
    if (const int line = ConvertUtf8File(bytes))
        throw CannotRead(fileName, "line " + std::to_string(line) +
                                       " holds a character the code page cannot hold (or is no UTF-8 text)");
}

// The store's line rules over a file's bytes. A line ends at a carriage return; line feeds are
// dropped wherever they occur (what reading the file in 100-byte chunks up to each carriage return
// gives, done in one pass). section(name) is called for a header, line(key, value, hasEquals) for
// every other kept line once a section is open (inSection says whether one is at the start); a line
// without "=" comes as key. The views last until the next call. Returns the number (from 1) of the
// first kept line holding a NUL byte, 0 when none does.
template <class OnSection, class OnLine>
int ScanLines(std::string_view bytes, const TIniParseOptions& options, bool inSection, OnSection section,
              OnLine line) {
    constexpr auto npos = std::string_view::npos;
    // Only a text holding a NUL byte somewhere needs the test line by line.
    const bool anyNul = bytes.find('\0') != npos;
    std::string joined;
    int lineNumber = 0;
    int nulLine = 0;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find('\r', pos);
        std::size_t from = pos;
        pos = end == npos ? bytes.size() : end + 1;
        if (end == npos)
            end = bytes.size();
        ++lineNumber;
        // Usually the only line feed is the one after the previous carriage return.
        while (from < end && bytes[from] == '\n')
            ++from;
        std::string_view text = bytes.substr(from, end - from);
        if (text.find('\n') != npos) {
            joined.assign(text);
            joined.erase(std::remove(joined.begin(), joined.end(), '\n'), joined.end());
            text = joined;
        }
        if (text.empty() || (text.size() == 1 && text[0] == '\x1A') ||
            (options.SkipComments && text[0] == ';'))
            continue;
        const bool hasNul = anyNul && nulLine == 0 && text.find('\0') != npos;
        if (text.size() >= 2 && text.front() == '[' && text.back() == ']') {
            section(text.substr(1, text.size() - 2));
            inSection = true;
            if (hasNul)
                nulLine = lineNumber;
            continue;
        }
        const std::size_t eq = text.find('=');
        const bool hasEquals = eq != npos;
        std::string_view key = hasEquals ? text.substr(0, eq) : text;
        std::string_view value = hasEquals ? text.substr(eq + 1) : std::string_view();
        if (options.TrimAroundEquals && hasEquals && eq > 0) {
            while (!key.empty() && IsBlankOrTab(key.back()))
                key.remove_suffix(1);
            while (!value.empty() && IsBlankOrTab(value.front()))
                value.remove_prefix(1);
        }
        if (options.TrimTrailing) {
            // The "=" itself stops the trimming.
            std::string_view& tail = hasEquals ? value : key;
            while (!tail.empty() && static_cast<unsigned char>(tail.back()) < 33)
                tail.remove_suffix(1);
        }
        // Needs a key, and a value of at least two characters starting and ending with one quote.
        if (options.Unquote && hasEquals && !key.empty() && value.size() >= 2 &&
            value.front() == value.back() && (value.front() == '"' || value.front() == '\''))
            value = value.substr(1, value.size() - 2);
        if ((options.RequireEquals && !hasEquals) || !inSection)
            continue;
        if (hasNul && (key.find('\0') != npos || value.find('\0') != npos))
            nulLine = lineNumber;
        line(key, value, hasEquals);
    }
    return nulLine;
}

} // namespace

void TkvIniFile::Load() {
    m_CurrentSection = 0;
    std::string bytes;
    if (ReadFileBytes(m_FileName, bytes))
        LoadText(std::move(bytes), m_FileName);
}

void TkvIniFile::LoadText(std::string bytes, const std::string& fileName) {
    m_Sections.Clear();
    m_CurrentSection = 0;
    ConvertByteOrderMark(bytes, fileName);
    if (const int line = ParseText(bytes)) {
        m_Sections.Clear();
        throw NulLineError(fileName, line);
    }
    m_Modified = false;
}

int TkvIniFile::ParseText(const std::string& bytes) {
    int current = m_Sections.Count() - 1;
    std::string line;
    const int nulLine = ScanLines(
        bytes, m_Options, current >= 0,
        [&](std::string_view name) { current = m_Sections.Add(std::string(name)); },
        [&](std::string_view key, std::string_view value, bool hasEquals) {
            line.assign(key);
            if (hasEquals)
                line.append(1, '=').append(value);
            m_Sections[current].AppendLine(line);
        });
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

bool ValueNeedsQuotes(std::string_view value) {
    const std::size_t n = value.size();
    if (n == 0)
        return false;
    const auto front = static_cast<unsigned char>(value.front());
    const auto back = static_cast<unsigned char>(value.back());
    // Blanks and tabs after "=" and anything below 33 at the end are trimmed on reading; a value
    // in one pair of matching quotes loses them. In quotes the value keeps all of that.
    const bool quoted = n >= 2 && front == back && (front == '"' || front == '\'');
    return front == ' ' || front == '\t' || back < 33 || quoted;
}

std::string ValueReadBackAs(const std::string& value) {
    return ValueNeedsQuotes(value) ? '"' + value + '"' : value;
}

// ---- TIniText

namespace {

std::string_view LineKeyAt(const void* lines, int line) {
    return static_cast<const TIniText::TLine*>(lines)[line].Key;
}

} // namespace

std::string_view TIniText::NameAt(const void* text, int section) {
    return static_cast<const TIniText*>(text)->m_Sections[static_cast<std::size_t>(section)].Name;
}

TIniText::TBuffers& TIniText::Spare() {
    // A file's text and lines take megabytes: kept for the next file, they are not handed back to
    // the system and faulted in afresh every time.
    thread_local TBuffers spare;
    return spare;
}

TIniText::TIniText(const TIniParseOptions& options) : m_Options(options) {
    TBuffers& spare = Spare();
    m_Text.swap(spare.Text);
    m_Lines.swap(spare.Lines);
    m_Sections.swap(spare.Sections);
    Clear();
}

TIniText::~TIniText() {
    TBuffers& spare = Spare();
    if (m_Text.capacity() > spare.Text.capacity())
        m_Text.swap(spare.Text);
    if (m_Lines.capacity() > spare.Lines.capacity())
        m_Lines.swap(spare.Lines);
    if (m_Sections.capacity() > spare.Sections.capacity())
        m_Sections.swap(spare.Sections);
}

bool TIniText::LoadFile(const std::string& name) {
    Clear();
    try {
        const bool exists = ReadFileBytes(name, m_Text);
        ConvertByteOrderMark(m_Text, name);
        Parse(name);
        return exists;
    } catch (...) {
        Clear();
        throw;
    }
}

void TIniText::LoadText(std::string bytes, const std::string& fileName) {
    Clear();
    ConvertByteOrderMark(bytes, fileName);
    if (bytes.size() <= m_Text.capacity())
        m_Text.assign(bytes); // keeps the buffer
    else
        m_Text = std::move(bytes);
    Parse(fileName);
}

void TIniText::Clear() {
    m_Text.clear();
    m_Joined.clear();
    m_Lines.clear();
    m_Sections.clear();
    m_Names.Clear();
    m_KeyIndexes.clear();
}

void TIniText::Parse(const std::string& fileName) {
    // A view of the text, or of a copy kept here for a line assembled apart.
    const auto kept = [this](std::string_view view) {
        const char* const text = m_Text.data();
        const std::less_equal<const char*> notAfter;
        if (view.empty() ||
            (notAfter(text, view.data()) && notAfter(view.data() + view.size(), text + m_Text.size())))
            return view;
        return std::string_view(m_Joined.emplace_back(view));
    };
    // Every line ends at a carriage return: one allocation, and no copy, for all of them. Counted in
    // blocks with a byte-wide count, which compilers vectorise (std::count widens every count).
    std::size_t lines = 1;
    for (std::size_t i = 0; i < m_Text.size();) {
        const std::size_t end = std::min(m_Text.size(), i + 255);
        unsigned char block = 0;
        for (; i < end; ++i)
            block += m_Text[i] == '\r';
        lines += block;
    }
    m_Lines.reserve(lines);
    const int nulLine = ScanLines(
        m_Text, m_Options, false,
        [&](std::string_view name) {
            m_Sections.push_back({kept(name), m_Lines.size(), 0});
        },
        [&](std::string_view key, std::string_view value, bool hasEquals) {
            // A line without "=" has no key, as the store sees it.
            m_Lines.push_back(hasEquals ? TLine{kept(key), kept(value)} : TLine{});
            ++m_Sections.back().Count;
        });
    if (nulLine) {
        Clear();
        throw NulLineError(fileName, nulLine);
    }
    // The first of same-named sections takes the name; the others cannot be found.
    m_Names.Reserve(m_Sections.size());
    for (std::size_t i = 0; i < m_Sections.size(); ++i)
        m_Sections[i].Kept = m_Names.Insert(m_Sections[i].Name, static_cast<int>(i));
}

int TIniText::FindSection(std::string_view name, int near) const {
    if (near >= 0 && near < static_cast<int>(m_Sections.size())) {
        const TSection& s = m_Sections[static_cast<std::size_t>(near)];
        if (s.Kept && SameText(s.Name, name))
            return near;
    }
    return m_Names.Find(name);
}

const TIniText::TLine* TIniText::Find(int section, std::string_view key) const {
    if (section < 0)
        return nullptr;
    const TSection& s = m_Sections[static_cast<std::size_t>(section)];
    const TLine* const lines = m_Lines.data() + s.First;
    // Short sections are searched directly, and so is a section's first line (where a list's count
    // is): a key index pays off only for the other lines of long sections.
    if (s.Count < kKeyIndexMinLines || SameText(lines[0].Key, key)) {
        for (std::size_t i = 0; i < s.Count; ++i)
            if (SameText(lines[i].Key, key))
                return &lines[i];
        return nullptr;
    }
    if (s.KeyIndex < 0) {
        TFoldedIndex& keys = m_KeyIndexes.emplace_back(lines, &LineKeyAt);
        keys.Reserve(s.Count);
        for (std::size_t i = 0; i < s.Count; ++i)
            keys.Insert(lines[i].Key, static_cast<int>(i));
        s.KeyIndex = static_cast<int>(m_KeyIndexes.size()) - 1;
    }
    const int i = m_KeyIndexes[static_cast<std::size_t>(s.KeyIndex)].Find(key);
    return i < 0 ? nullptr : &lines[i];
}

void TIniText::NumberedLines(int section, std::string_view prefix, int width,
                             std::vector<const TLine*>& slots) const {
    std::size_t numbers = 1;
    for (int i = 0; i < width; ++i)
        numbers *= 10;
    slots.assign(numbers, nullptr);
    if (section < 0)
        return;
    const TSection& s = m_Sections[static_cast<std::size_t>(section)];
    const std::size_t length = prefix.size() + static_cast<std::size_t>(width);
    for (std::size_t i = s.First; i < s.First + s.Count; ++i) {
        const std::string_view key = m_Lines[i].Key;
        if (key.size() != length || !SameText(key.substr(0, prefix.size()), prefix))
            continue;
        std::size_t n = 0;
        for (const char c : key.substr(prefix.size())) {
            if (c < '0' || c > '9') {
                n = numbers;
                break;
            }
            n = n * 10 + static_cast<std::size_t>(c - '0');
        }
        if (n < numbers && !slots[n])
            slots[n] = &m_Lines[i];
    }
}

} // namespace tv
