#pragma once
// TkvIniFile: the program's own INI-format file store. The whole file is read into memory once,
// reads and writes are served from memory, and the file is written back in one go by UpdateFile,
// which destruction performs. Lines are ANSI byte strings; nothing is escaped.
//
// Loading only reads (no write access, no lock), so read-only and busy files load. Writing replaces
// the file as a whole: a new file beside it, flushed, then renamed over it, so the file is at every
// moment its old content or the new one, and a link at its name is replaced, never written through.

#include "core/CaseFold.h"
#include "core/TvError.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tv {

// Input/output failure of a store: "Cannot open file <path>", with the system's reason apart.
class EInOutError final : public ETvError {
public:
    using ETvError::ETvError;
};

// The store's integer conversion: decimal, hexadecimal after "$" or "0x", optional sign; false when
// text is no number.
bool TryStrToInt(std::string_view text, std::int32_t& value);

// Hash and equality of names that ignore case, for the lookup tables.
struct TCaseInsensitiveHash {
    std::size_t operator()(const std::string& s) const;
};
struct TCaseInsensitiveEqual {
    bool operator()(const std::string& a, const std::string& b) const { return SameText(a, b); }
};

// Positions of names, found without regard to case; the first position of a name is kept. An
// open-addressing table of positions that asks its owner for the name at a position, so that
// indexing costs no allocation per name.
class TFoldedIndex final {
public:
    using TNameAt = std::string_view (*)(const void* owner, int position);
    TFoldedIndex(const void* owner, TNameAt nameAt) : m_Owner(owner), m_NameAt(nameAt) {}
    void Rebind(const void* owner) { m_Owner = owner; }

    int Find(std::string_view name) const;
    // False (and nothing changes) when the name is there already.
    bool Insert(std::string_view name, int position);
    void Clear() {
        m_Slots.clear();
        m_Count = 0;
    }
    void Reserve(std::size_t names);

private:
    const void* m_Owner;
    TNameAt m_NameAt;
    std::vector<int> m_Slots; // position + 1; 0 is free
    std::size_t m_Count = 0;
    std::size_t SlotOf(std::string_view name) const;
};

struct TIniSection {
    TIniSection() = default;
    TIniSection(const TIniSection& other) : Name(other.Name), Lines(other.Lines) {}
    TIniSection(TIniSection&& other) noexcept : Name(std::move(other.Name)), Lines(std::move(other.Lines)) {}
    TIniSection& operator=(const TIniSection& other);
    TIniSection& operator=(TIniSection&& other) noexcept;

    std::string Name;
    std::vector<std::string> Lines; // each normally key "=" value

    // Index of the first line whose key equals key ignoring case, or -1.
    int IndexOfKey(const std::string& key) const;
    // Keep the key index in step with edits made through these.
    void AppendLine(std::string line);
    void DeleteLine(int index);
    void ClearKeyIndex() {
        m_KeyIndex.Clear();
        m_KeyIndexValid = false;
    }

private:
    static std::string_view KeyAt(const void* section, int line);
    mutable TFoldedIndex m_KeyIndex{this, &TIniSection::KeyAt}; // key -> first line
    mutable bool m_KeyIndexValid = false;
    void BuildKeyIndex() const;
};

// The section names in file order, each owning its lines. IndexOf compares without regard to case
// and searches circularly from LastIndex, which it moves to the hit.
class TSectionList final {
public:
    int LastIndex = 0;

    int Count() const { return static_cast<int>(m_Items.size()); }
    bool Empty() const { return m_Items.empty(); }
    TIniSection& operator[](int i) { return m_Items[static_cast<std::size_t>(i)]; }
    const TIniSection& operator[](int i) const { return m_Items[static_cast<std::size_t>(i)]; }

    int IndexOf(const std::string& name);
    // Circular search from start (wrapping once) without moving LastIndex; -1 when absent.
    int IndexFrom(const std::string& name, int start) const;
    int Add(const std::string& name);
    void Delete(int index);
    // Deletes every section whose discard flag is set, in one pass.
    void DeleteMarked(const std::vector<bool>& discard);
    // Two names equal without regard to case?
    bool HasDuplicateNames() const;
    void Clear();

    TSectionList() = default;
    TSectionList(const TSectionList&) = delete;
    TSectionList& operator=(const TSectionList&) = delete;

private:
    std::vector<TIniSection> m_Items;
    // Name -> first position. With duplicate names (only while loading) searches scan instead.
    static std::string_view NameAt(const void* list, int position);
    mutable TFoldedIndex m_NameIndex{this, &TSectionList::NameAt};
    mutable bool m_NameIndexValid = false;
    mutable bool m_HasDuplicates = false;
    void BuildNameIndex() const;
};

// How a store reads its file's lines. Every option is on by default.
struct TIniParseOptions {
    bool SkipComments = true;     // a line starting with ";" is dropped
    bool RequireEquals = true;    // a line without "=" is dropped
    bool TrimAroundEquals = true; // blanks and tabs around the first "=" go
    bool Unquote = true;          // a value in one pair of matching quotes loses them
    bool TrimTrailing = true;     // control characters and blanks at the end go
};

// A file that replaces target when committed: written beside it under a temporary name and flushed,
// then renamed over target, and the folder flushed. Until Commit, target is untouched; a file that
// is not committed is removed. Failures throw EInOutError ("Cannot write file <target>", reason).
class TReplacementFile final {
public:
    explicit TReplacementFile(std::string target);
    ~TReplacementFile();
    TReplacementFile(const TReplacementFile&) = delete;
    TReplacementFile& operator=(const TReplacementFile&) = delete;

    // Writes data to the new file and flushes it to disk.
    void Write(const std::string& data);
    void Commit();
    const std::string& TempName() const { return m_TempName; }

private:
    std::string m_Target;
    std::string m_TempName;
    std::intptr_t m_Handle = -1;
    bool m_Committed = false;
    [[noreturn]] void Fail(const std::string& reason);
};

// A file's text parsed with the store's line rules, for reading only: one pass, and no allocation per
// line, as names, keys and values are views into the text it holds. Of same-named sections the first
// is kept, as in a store without a duplicate handler; lookups ignore case and find the first key.
class TIniText final {
public:
    struct TLine {
        std::string_view Key;   // the text before the first "="; empty when the line has none
        std::string_view Value; // the text after it
    };

    explicit TIniText(const TIniParseOptions& options = {});
    ~TIniText();
    TIniText(const TIniText&) = delete; // the views point into this object
    TIniText& operator=(const TIniText&) = delete;

    // Reads the file name as TkvIniFile::SetFileName does, with its refusals; false (and nothing
    // read) when nothing is at the name.
    bool LoadFile(const std::string& name);
    // Takes the bytes of the file fileName as LoadFile reads them.
    void LoadText(std::string bytes, const std::string& fileName);

    // The kept section of the name, or -1. near is where the name likely is (the section after the
    // last one found, when reading in file order): a hint that saves the lookup when it is right.
    int FindSection(std::string_view name, int near = -1) const;
    // The first line of section whose key is key; nullptr when there is none (or section is -1).
    const TLine* Find(int section, std::string_view key) const;
    // The lines of section whose keys are prefix and a number of width digits, in one pass over the
    // section: slots[n] is the first line of number n, nullptr when there is none.
    void NumberedLines(int section, std::string_view prefix, int width,
                       std::vector<const TLine*>& slots) const;

private:
    struct TSection {
        std::string_view Name;
        std::size_t First = 0; // lines [First, First + Count) of m_Lines
        std::size_t Count = 0;
        bool Kept = false;         // the first section of its name
        mutable int KeyIndex = -1; // in m_KeyIndexes once built
    };
    // The large buffers, passed from a thread's last TIniText to its next one.
    struct TBuffers {
        std::string Text;
        std::vector<TLine> Lines;
        std::vector<TSection> Sections;
    };
    static TBuffers& Spare();
    TIniParseOptions m_Options;
    std::string m_Text;
    std::deque<std::string> m_Joined; // lines that lost line feeds, which no view of m_Text can show
    std::vector<TLine> m_Lines;
    std::vector<TSection> m_Sections;
    static std::string_view NameAt(const void* text, int section);
    TFoldedIndex m_Names{this, &TIniText::NameAt};
    // Key indexes of long sections, built on their first lookup.
    mutable std::vector<TFoldedIndex> m_KeyIndexes;
    void Clear();
    void Parse(const std::string& fileName);
};

class TkvIniFile final {
public:
    // Decides which of two same-named sections survives loading: true keeps the earlier one.
    using TDuplicateSectionHandler =
        std::function<bool(const std::string& name, const std::vector<std::string>& earlier,
                           const std::vector<std::string>& later)>;

    TkvIniFile(const std::string& fileName, bool readOnly, const TIniParseOptions& options = {});
    // Writes pending changes (UpdateFile); never throws.
    ~TkvIniFile();
    TkvIniFile(const TkvIniFile&) = delete;
    TkvIniFile& operator=(const TkvIniFile&) = delete;

    // Writes pending changes and loads name (nothing for an empty name). A file holding a NUL byte
    // in a line it keeps, or one that starts with a UTF-8 byte-order mark and holds a character the
    // code page cannot hold, is refused: EInOutError "Cannot read file <name>" with the line named.
    void SetFileName(const std::string& name);

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def);
    // An empty key names no line: nothing is written (EraseSection and UpdateFile say what they do).
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    std::int32_t ReadInteger(const std::string& section, const std::string& key, std::int32_t def);
    void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);
    bool ReadBool(const std::string& section, const std::string& key, bool def);
    void WriteBool(const std::string& section, const std::string& key, bool value);
    void ReadSection(const std::string& section, std::vector<std::string>& target);
    void ReadSections(std::vector<std::string>& target) const;
    void ReadSectionValues(const std::string& section, std::vector<std::string>& target);
    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& key);
    void GetStrings(std::vector<std::string>& target) const;
    // Writes the in-memory content when it changed, replacing the file as a whole. Returns false
    // when it could not be written completely (the file then keeps its old content; WriteError and
    // iniio::LastErrorText say why); Modified is cleared either way.
    bool UpdateFile();

    const std::string& FileName() const { return m_FileName; }
    bool Modified() const { return m_Modified; }
    bool ReadOnly() const { return m_ReadOnly; }
    int CurrentSection() const { return m_CurrentSection; }
    const TSectionList& Sections() const { return m_Sections; }
    // True when the last UpdateFile (also the one of SetFileName) failed or wrote only part.
    bool WriteFailed() const { return m_WriteFailed; }
    const std::string& WriteError() const { return m_WriteError; }
    void SetOnDuplicateSection(TDuplicateSectionHandler handler) {
        m_OnDuplicateSection = std::move(handler);
    }
    // For stores that write on destruction: *flag is set when that write fails.
    void ReportWriteFailureTo(bool* flag) { m_ReportWriteFailure = flag; }

    // The whole content as UpdateFile writes it.
    std::string ContentText() const;
    // Replaces the content by the bytes of the file fileName as Load reads them (the refusals
    // included), without touching the disk.
    void LoadText(std::string bytes, const std::string& fileName);
    // Parses a file's bytes with the store's line rules into the sections (for Load and tests).
    // Returns the number (from 1) of the first kept line holding a NUL byte, 0 when none does.
    int ParseText(const std::string& bytes);

private:
    std::string m_FileName;
    bool m_Modified = false;
    TSectionList m_Sections;
    int m_CurrentSection = 0;
    bool m_ReadOnly = false;
    TDuplicateSectionHandler m_OnDuplicateSection;
    TIniParseOptions m_Options;
    bool m_WriteFailed = false;
    std::string m_WriteError;
    bool* m_ReportWriteFailure = nullptr;

    void Load();
    void ResolveDuplicates();
    // Section of the name (created when create is set) and the key's line index.
    TIniSection* FindSection(const std::string& section, const std::string& key, bool create, int& keyIndex);
};

// The form of value that the store's reading gives back unchanged: value itself, or value in
// double quotes when reading would trim blanks or control characters from it or take quotes off it.
std::string ValueReadBackAs(const std::string& value);
// Does ValueReadBackAs put value in quotes?
bool ValueNeedsQuotes(std::string_view value);

// Platform layer of the store (kvIniFile_posix.cpp / kvIniFile_win.cpp). Handles are -1 when none.
// A failing call leaves the system's wording of the failure for LastErrorText.
namespace iniio {
// Opens an existing file for reading only, sharing it with readers and writers.
std::intptr_t OpenForReading(const std::string& path);
bool ReadAll(std::intptr_t handle, std::string& out);
// Creates a new file with a name of its own in target's folder (never an existing file), with the
// permission bits of target when it exists; tempName receives its name.
std::intptr_t CreateTempBeside(const std::string& target, std::string& tempName);
bool WriteAll(std::intptr_t handle, const std::string& data);
// Flushes the file's data to disk.
bool Flush(std::intptr_t handle);
void Close(std::intptr_t handle);
// Renames from over to; a link at to is replaced, not followed.
bool Replace(const std::string& from, const std::string& to);
// Flushes the folder holding path, so that a rename in it lasts.
bool FlushFolderOf(const std::string& path);
bool Remove(const std::string& path);
// Makes a new name in target's folder (named as CreateTempBeside names, never an existing file) hold
// what path holds now, with its modification time and permission bits: a second link to the file
// when path is a regular file that can have one, else a copy of the bytes (read through a link),
// flushed. copy receives the name.
bool LinkOrCopyBeside(const std::string& path, const std::string& target, std::string& copy);
enum class TPathKind { Missing, File, Folder };
TPathKind PathKind(const std::string& path);
void CreateParentFolders(const std::string& path);
// The system's wording of the last failure of this layer, on this thread.
std::string LastErrorText();
// Time spent flushing files and folders to disk in this process so far (measured by the benchmark).
std::int64_t FlushNanoseconds();
} // namespace iniio

} // namespace tv
