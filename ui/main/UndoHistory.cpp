#include "ui/main/UndoHistory.h"

#include "core/ProjectSettings.h"

#include <QUndoStack>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <tuple>
#include <type_traits>
#include <vector>

namespace tv {

namespace {

// Consecutive typed edits of one field share this id, so QUndoStack offers them to mergeWith.
constexpr int kTypingId = 0x7479;

// ---- what a row holds ----

bool Same(const TFileRecord& a, const TFileRecord& b) {
    return a.FileName == b.FileName && a.FilePath == b.FilePath && a.NoLog == b.NoLog &&
           a.NoVersionCheck == b.NoVersionCheck && a.RegisterServer == b.RegisterServer &&
           a.RegisterFont == b.RegisterFont && a.DontAskUser == b.DontAskUser &&
           a.DontOverwrite == b.DontOverwrite && a.ExternalFile == b.ExternalFile &&
           a.SharedFile == b.SharedFile;
}
bool Same(const TShortcutRecord& a, const TShortcutRecord& b) {
    return a.ProgramGroup == b.ProgramGroup && a.Shortcuts == b.Shortcuts && a.Target == b.Target &&
           a.Arguments == b.Arguments && a.WorkDirectory == b.WorkDirectory;
}
bool Same(const TContentsRecord& a, const TContentsRecord& b) {
    return a.Key == b.Key && a.Contents == b.Contents;
}
bool Same(const TStaticBitmap& a, const TStaticBitmap& b) {
    return a.File == b.File && a.Coord == b.Coord && a.Transparency == b.Transparency;
}
bool Same(const TRunRecord& a, const TRunRecord& b) {
    return a.Application == b.Application && a.Argument == b.Argument &&
           a.WorkingDirectory == b.WorkingDirectory && a.Message == b.Message && a.Flag == b.Flag;
}

// Heap bytes of a string beyond its own object (short strings live inside it).
std::size_t Extra(const std::string& s) {
    return s.capacity() > 15 ? s.capacity() + 1 : 0;
}
template <class T> std::size_t Extra(const T&) {
    return 0;
}
std::size_t Extra(const TFileRecord& r) {
    return Extra(r.FileName) + Extra(r.FilePath);
}
std::size_t Extra(const TShortcutRecord& r) {
    return Extra(r.ProgramGroup) + Extra(r.Shortcuts) + Extra(r.Target) + Extra(r.Arguments) +
           Extra(r.WorkDirectory);
}
std::size_t Extra(const TContentsRecord& r) {
    std::size_t n = Extra(r.Key) + r.Contents.capacity() * sizeof(std::string);
    for (const std::string& line : r.Contents)
        n += Extra(line);
    return n;
}
std::size_t Extra(const TStaticBitmap& r) {
    return Extra(r.File) + Extra(r.Coord) + Extra(r.Transparency);
}
std::size_t Extra(const TRunRecord& r) {
    return Extra(r.Application) + Extra(r.Argument) + Extra(r.WorkingDirectory) + Extra(r.Message) +
           Extra(r.Flag);
}
template <class R> std::size_t RowsBytes(const std::vector<R>& rows) {
    std::size_t n = rows.capacity() * sizeof(R);
    for (const R& r : rows)
        n += Extra(r);
    return n;
}

// ---- commands ----

// One change of the Project. Its first redo comes from the push, after the edit was made: it only
// brings the history's picture up to date.
class TEditCommand : public QUndoCommand {
public:
    TEditCommand(TUndoHistory& history, TWizardPage* page, bool setsModified, const QString& text)
        : QUndoCommand(text), m_history(history), m_page(page), m_setsModified(setsModified) {}

    void redo() final {
        const bool again = m_pushed;
        m_pushed = true;
        if (again)
            Put(m_history.Project(), false);
        Mirror(m_history.Picture(), false);
        if (again)
            m_history.Applied(m_setsModified, Shown(false));
    }
    void undo() final {
        Put(m_history.Project(), true);
        Mirror(m_history.Picture(), true);
        m_history.Applied(m_setsModified, Shown(true));
    }
    virtual std::size_t Bytes() const = 0;

protected:
    // Puts the state before (undo) or after the change into project.
    virtual void Put(TProject& project, bool undo) = 0;
    // Brings the history's picture to the Project's state after Put.
    virtual void Mirror(TProject& picture, bool undo) { Put(picture, undo); }
    virtual TUndoHistory::TShown Shown(bool undo) const = 0;

    TUndoHistory& m_history;
    TWizardPage* m_page;
    bool m_setsModified;
    bool m_pushed = false;
};

template <class T> struct TField {
    T TProject::*Member;
    QString Name;
};

// A setting's value before and after.
template <class T> class TFieldCommand final : public TEditCommand {
public:
    TFieldCommand(TUndoHistory& history, TWizardPage* page, bool setsModified, const TField<T>& field,
                  T before, T after, bool typing)
        : TEditCommand(history, page, setsModified, "edit of " + field.Name), m_member(field.Member),
          m_before(std::move(before)), m_after(std::move(after)), m_typing(typing) {}

    int id() const override { return m_typing ? kTypingId : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = dynamic_cast<const TFieldCommand<T>*>(other);
        if (!next || !next->m_typing || next->m_member != m_member || next->m_page != m_page)
            return false;
        m_after = next->m_after;
        // Typed back to where it started: no edit is left.
        setObsolete(m_after == m_before);
        return true;
    }
    std::size_t Bytes() const override { return sizeof(*this) + Extra(m_before) + Extra(m_after); }

protected:
    void Put(TProject& project, bool undo) override { project.*m_member = undo ? m_before : m_after; }
    TUndoHistory::TShown Shown(bool) const override {
        return {m_page, false, TListId::Files, -1, &(m_history.Project().*m_member)};
    }

private:
    T TProject::*m_member;
    T m_before, m_after;
    bool m_typing;
};

template <class R> struct TList {
    TListId Id;
    std::vector<R>& (*Rows)(TProject&);
    int* (*Current)(TProject&); // a table's current record; null for the lists
    const char* Name;
};

// The rows of one table or list from first on that differ: Before were there, After are.
template <class R> class TRowsCommand final : public TEditCommand {
public:
    TRowsCommand(TUndoHistory& history, TWizardPage* page, bool setsModified, const TList<R>& list, int first,
                 std::vector<R> before, std::vector<R> after)
        : TEditCommand(history, page, setsModified, QString("change of ") + list.Name), m_list(list),
          m_first(first), m_before(std::move(before)), m_after(std::move(after)) {}

    std::size_t Bytes() const override { return sizeof(*this) + RowsBytes(m_before) + RowsBytes(m_after); }

protected:
    void Put(TProject& project, bool undo) override {
        std::vector<R>& rows = m_list.Rows(project);
        const std::vector<R>& out = undo ? m_after : m_before;
        const std::vector<R>& in = undo ? m_before : m_after;
        const auto at = rows.begin() + m_first;
        rows.erase(at, at + std::ptrdiff_t(out.size()));
        rows.insert(rows.begin() + m_first, in.begin(), in.end());
        if (m_list.Current)
            *m_list.Current(project) = Row(int(rows.size()), in.empty());
    }
    TUndoHistory::TShown Shown(bool undo) const override {
        const int count = int(m_list.Rows(m_history.Project()).size());
        return {m_page, true, m_list.Id, Row(count, (undo ? m_before : m_after).empty())};
    }

private:
    // The first row put in, or where rows were taken out (the one that moved up into their place).
    int Row(int count, bool nothingIn) const {
        if (count == 0)
            return -1;
        return nothingIn ? std::min(m_first, count - 1) : m_first;
    }

    TList<R> m_list;
    int m_first;
    std::vector<R> m_before, m_after;
};

// One row taken from one place of a table or list to another (a drag): only the two places.
template <class R> class TMoveRowCommand final : public TEditCommand {
public:
    TMoveRowCommand(TUndoHistory& history, TWizardPage* page, bool setsModified, const TList<R>& list,
                    int from, int to)
        : TEditCommand(history, page, setsModified, QString("move in ") + list.Name), m_list(list),
          m_from(from), m_to(to) {}

    std::size_t Bytes() const override { return sizeof(*this); }

protected:
    void Put(TProject& project, bool undo) override {
        std::vector<R>& rows = m_list.Rows(project);
        const int from = undo ? m_to : m_from, to = undo ? m_from : m_to;
        if (from < to)
            std::rotate(rows.begin() + from, rows.begin() + from + 1, rows.begin() + to + 1);
        else
            std::rotate(rows.begin() + to, rows.begin() + from, rows.begin() + from + 1);
        if (m_list.Current)
            *m_list.Current(project) = to;
    }
    TUndoHistory::TShown Shown(bool undo) const override {
        return {m_page, true, m_list.Id, undo ? m_from : m_to};
    }

private:
    TList<R> m_list;
    int m_from, m_to;
};

// The differing run is one row moved from its one end to the other: where from and to.
template <class R>
bool IsMove(int first, const std::vector<R>& before, const std::vector<R>& after, int& from, int& to) {
    const std::size_t n = before.size();
    if (n < 2 || after.size() != n)
        return false;
    const auto same = [](auto a, auto aEnd, auto b) {
        for (; a != aEnd; ++a, ++b)
            if (!Same(*a, *b))
                return false;
        return true;
    };
    if (Same(before[0], after[n - 1]) && same(before.begin() + 1, before.end(), after.begin())) {
        from = first;
        to = first + int(n) - 1;
        return true;
    }
    if (Same(before[n - 1], after[0]) && same(before.begin(), before.end() - 1, after.begin() + 1)) {
        from = first + int(n) - 1;
        to = first;
        return true;
    }
    return false;
}

// The fields of the rows whose edits are kept field by field.
template <class R> struct TRowFields { static constexpr bool kKnown = false; };
template <> struct TRowFields<TFileRecord> {
    static constexpr bool kKnown = true;
    static constexpr std::array<std::string TFileRecord::*, 2> Texts{&TFileRecord::FileName,
                                                                     &TFileRecord::FilePath};
    static constexpr std::array<bool TFileRecord::*, 8> Flags{
        &TFileRecord::NoLog,        &TFileRecord::NoVersionCheck, &TFileRecord::RegisterServer,
        &TFileRecord::RegisterFont, &TFileRecord::DontAskUser,    &TFileRecord::DontOverwrite,
        &TFileRecord::ExternalFile, &TFileRecord::SharedFile};
};
template <> struct TRowFields<TShortcutRecord> {
    static constexpr bool kKnown = true;
    static constexpr std::array<std::string TShortcutRecord::*, 5> Texts{
        &TShortcutRecord::ProgramGroup, &TShortcutRecord::Shortcuts, &TShortcutRecord::Target,
        &TShortcutRecord::Arguments, &TShortcutRecord::WorkDirectory};
    static constexpr std::array<bool TShortcutRecord::*, 0> Flags{};
};
template <> struct TRowFields<TStaticBitmap> {
    static constexpr bool kKnown = true;
    static constexpr std::array<std::string TStaticBitmap::*, 3> Texts{
        &TStaticBitmap::File, &TStaticBitmap::Coord, &TStaticBitmap::Transparency};
    static constexpr std::array<bool TStaticBitmap::*, 0> Flags{};
};
template <> struct TRowFields<TRunRecord> {
    static constexpr bool kKnown = true;
    static constexpr std::array<std::string TRunRecord::*, 5> Texts{
        &TRunRecord::Application, &TRunRecord::Argument, &TRunRecord::WorkingDirectory, &TRunRecord::Message,
        &TRunRecord::Flag};
    static constexpr std::array<bool TRunRecord::*, 0> Flags{};
};

// Rows edited in place (Properties over a selection, an editor's OK): per row only the fields
// that changed. Undo and redo are one and the same step: each flag changed is flipped, each text
// changed is swapped with the one kept here.
template <class R> class TRowEditsCommand final : public TEditCommand {
public:
    using F = TRowFields<R>;
    // Null when no row of the run differs in a field.
    static TRowEditsCommand* Make(TUndoHistory& history, TWizardPage* page, bool setsModified,
                                  const TList<R>& list, int first, const std::vector<R>& before,
                                  const std::vector<R>& after) {
        auto* command = new TRowEditsCommand(history, page, setsModified, list);
        for (std::size_t i = 0; i < before.size(); ++i) {
            std::uint16_t flips = 0;
            for (std::size_t f = 0; f < F::Flags.size(); ++f)
                if (before[i].*F::Flags[f] != after[i].*F::Flags[f])
                    flips |= std::uint16_t(1u << f);
            bool texts = false;
            for (std::size_t t = 0; t < F::Texts.size(); ++t)
                if (before[i].*F::Texts[t] != after[i].*F::Texts[t]) {
                    command->m_texts.push_back(
                        {int(command->m_rows.size()), std::uint8_t(t), before[i].*F::Texts[t]});
                    texts = true;
                }
            if (flips || texts) {
                command->m_rows.push_back(first + int(i));
                command->m_flips.push_back(flips);
            }
        }
        return command;
    }

    std::size_t Bytes() const override {
        std::size_t n = sizeof(*this) + m_rows.capacity() * sizeof(int) +
                        m_flips.capacity() * sizeof(std::uint16_t) + m_texts.capacity() * sizeof(TText);
        for (const TText& t : m_texts)
            n += Extra(t.Other);
        return n;
    }

protected:
    void Put(TProject& project, bool) override {
        std::vector<R>& rows = m_list.Rows(project);
        for (std::size_t k = 0; k < m_rows.size(); ++k)
            for (std::size_t f = 0; f < F::Flags.size(); ++f)
                if (m_flips[k] & (1u << f)) {
                    bool& flag = rows[std::size_t(m_rows[k])].*F::Flags[f];
                    flag = !flag;
                }
        for (TText& t : m_texts)
            std::swap(rows[std::size_t(m_rows[std::size_t(t.Row)])].*F::Texts[t.Field], t.Other);
        if (m_list.Current && !m_rows.empty())
            *m_list.Current(project) = m_rows.front();
    }
    void Mirror(TProject& picture, bool) override {
        std::vector<R>& rows = m_list.Rows(picture);
        const std::vector<R>& now = m_list.Rows(m_history.Project());
        for (int row : m_rows)
            rows[std::size_t(row)] = now[std::size_t(row)];
    }
    TUndoHistory::TShown Shown(bool) const override {
        return {m_page, true, m_list.Id, m_rows.empty() ? -1 : m_rows.front()};
    }

private:
    struct TText {
        int Row; // index into m_rows
        std::uint8_t Field;
        std::string Other; // the text the row does not hold now
    };
    TRowEditsCommand(TUndoHistory& history, TWizardPage* page, bool setsModified, const TList<R>& list)
        : TEditCommand(history, page, setsModified, QString("edit in ") + list.Name), m_list(list) {}

    TList<R> m_list;
    std::vector<int> m_rows;
    std::vector<std::uint16_t> m_flips; // per row, bit f: F::Flags[f] changed
    std::vector<TText> m_texts;
};

// Rows replaced in place, for rows not kept field by field (registry and INI entries): the rows that
// changed, each swapped with the one kept here on undo and on redo.
template <class R> class TChangedRowsCommand final : public TEditCommand {
public:
    TChangedRowsCommand(TUndoHistory& history, TWizardPage* page, bool setsModified, const TList<R>& list,
                        int first, const std::vector<R>& before, const std::vector<R>& after)
        : TEditCommand(history, page, setsModified, QString("edit in ") + list.Name), m_list(list) {
        for (std::size_t i = 0; i < before.size(); ++i)
            if (!Same(before[i], after[i])) {
                m_at.push_back(first + int(i));
                m_rows.push_back(before[i]);
            }
    }

    std::size_t Bytes() const override {
        return sizeof(*this) + m_at.capacity() * sizeof(int) + RowsBytes(m_rows);
    }

protected:
    void Put(TProject& project, bool) override {
        std::vector<R>& rows = m_list.Rows(project);
        for (std::size_t k = 0; k < m_at.size(); ++k)
            std::swap(rows[std::size_t(m_at[k])], m_rows[k]);
        if (m_list.Current && !m_at.empty())
            *m_list.Current(project) = m_at.front();
    }
    void Mirror(TProject& picture, bool) override {
        std::vector<R>& rows = m_list.Rows(picture);
        const std::vector<R>& now = m_list.Rows(m_history.Project());
        for (int row : m_at)
            rows[std::size_t(row)] = now[std::size_t(row)];
    }
    TUndoHistory::TShown Shown(bool) const override {
        return {m_page, true, m_list.Id, m_at.empty() ? -1 : m_at.front()};
    }

private:
    TList<R> m_list;
    std::vector<int> m_at;
    std::vector<R> m_rows; // per changed row, the row it does not hold now
};

// Rows taken out of a table or list (or put in), wherever they were: only those rows and where.
template <class R> class TSparseRowsCommand final : public TEditCommand {
public:
    // The shorter run is the longer one without some of its rows: which, or false.
    static bool Find(int first, const std::vector<R>& longer, const std::vector<R>& shorter,
                     std::vector<int>& at, std::vector<R>& rows) {
        std::size_t j = 0;
        for (std::size_t i = 0; i < longer.size(); ++i) {
            if (j < shorter.size() && Same(longer[i], shorter[j])) {
                ++j;
            } else {
                at.push_back(first + int(i));
                rows.push_back(longer[i]);
            }
        }
        return j == shorter.size();
    }
    TSparseRowsCommand(TUndoHistory& history, TWizardPage* page, bool setsModified, const TList<R>& list,
                       bool removed, std::vector<int> at, std::vector<R> rows)
        : TEditCommand(history, page, setsModified, QString("change of ") + list.Name), m_list(list),
          m_removed(removed), m_at(std::move(at)), m_rows(std::move(rows)) {}

    std::size_t Bytes() const override {
        return sizeof(*this) + m_at.capacity() * sizeof(int) + RowsBytes(m_rows);
    }

protected:
    void Put(TProject& project, bool undo) override {
        std::vector<R>& rows = m_list.Rows(project);
        if (m_removed != undo) {
            for (std::size_t k = m_at.size(); k-- > 0;)
                rows.erase(rows.begin() + m_at[k]);
        } else {
            for (std::size_t k = 0; k < m_at.size(); ++k)
                rows.insert(rows.begin() + m_at[k], m_rows[k]);
        }
        if (m_list.Current)
            *m_list.Current(project) = Row(int(rows.size()), undo);
    }
    TUndoHistory::TShown Shown(bool undo) const override {
        return {m_page, true, m_list.Id, Row(int(m_list.Rows(m_history.Project()).size()), undo)};
    }

private:
    int Row(int count, bool undo) const {
        if (count == 0)
            return -1;
        return m_removed != undo ? std::min(m_at.front(), count - 1) : m_at.front();
    }

    TList<R> m_list;
    bool m_removed;        // the change took the rows out (else it put them in)
    std::vector<int> m_at; // their indexes in the longer list, ascending
    std::vector<R> m_rows;
};

// ---- what is compared ----

struct TFields {
    std::vector<TField<std::string>> Texts;
    std::vector<TField<bool>> Flags;
    std::vector<TField<std::int32_t>> Numbers;
    std::vector<TField<TColor>> Colours;
};

template <class T> void AddField(std::vector<TField<T>>& fields, T TProject::*member, const QString& name) {
    if (!member)
        return;
    for (const TField<T>& f : fields)
        if (f.Member == member)
            return;
    fields.push_back({member, name});
}

// Every setting's member, from the settings table.
const TFields& Fields() {
    static const TFields fields = [] {
        TFields f;
        for (const TSetting& s : ProjectSettings()) {
            const QString name = QString::fromStdString(s.Name());
            AddField(f.Texts, s.Text, name);
            AddField(f.Texts, s.Text2, name);
            AddField(f.Flags, s.Flag, name);
            AddField(f.Numbers, s.Integer, name);
            AddField(f.Colours, s.Colour, name);
            for (const TSetWord& w : s.Words)
                AddField(f.Flags, w.Flag, name + " " + w.Written);
        }
        return f;
    }();
    return fields;
}

const TList<TFileRecord> kFiles{TListId::Files,
                                [](TProject& p) -> std::vector<TFileRecord>& { return p.tbFiles.Records; },
                                [](TProject& p) { return &p.tbFiles.Current; }, "Files"};
const TList<TShortcutRecord> kShortcuts{
    TListId::Shortcuts, [](TProject& p) -> std::vector<TShortcutRecord>& { return p.tbShortcuts.Records; },
    [](TProject& p) { return &p.tbShortcuts.Current; }, "Shortcuts"};
const TList<TContentsRecord> kRegAdd{
    TListId::RegAdd, [](TProject& p) -> std::vector<TContentsRecord>& { return p.tbRegAdd.Records; },
    [](TProject& p) { return &p.tbRegAdd.Current; }, "Registry Add"};
const TList<TContentsRecord> kRegDel{
    TListId::RegDel, [](TProject& p) -> std::vector<TContentsRecord>& { return p.tbRegDel.Records; },
    [](TProject& p) { return &p.tbRegDel.Current; }, "Registry Delete"};
const TList<TContentsRecord> kIni{
    TListId::Ini, [](TProject& p) -> std::vector<TContentsRecord>& { return p.tbINI.Records; },
    [](TProject& p) { return &p.tbINI.Current; }, "INI"};
const TList<TStaticBitmap> kStaticBitmaps{
    TListId::StaticBitmaps, [](TProject& p) -> std::vector<TStaticBitmap>& { return p.StaticBitmaps; },
    nullptr, "Static Bitmaps"};
const TList<TRunRecord> kRunBefore{TListId::RunBefore, [](TProject& p) -> TRunList& { return p.RunBefore; },
                                   nullptr, "Run Before Install"};
const TList<TRunRecord> kRunAfter{TListId::RunAfter, [](TProject& p) -> TRunList& { return p.RunAfter; },
                                  nullptr, "Run After Install"};
const TList<TRunRecord> kRunBeforeUn{TListId::RunBeforeUn,
                                     [](TProject& p) -> TRunList& { return p.RunBeforeUn; }, nullptr,
                                     "Run Before Uninstall"};
const TList<TRunRecord> kRunAfterUn{TListId::RunAfterUn,
                                    [](TProject& p) -> TRunList& { return p.RunAfterUn; }, nullptr,
                                    "Run After Uninstall"};

// The differing run of rows: was[first, was.size() - tail) became now[first, now.size() - tail).
template <class R>
bool DiffRows(const std::vector<R>& was, const std::vector<R>& now, int& first, std::vector<R>& before,
              std::vector<R>& after) {
    const std::size_t common = std::min(was.size(), now.size());
    std::size_t head = 0;
    while (head < common && Same(was[head], now[head]))
        ++head;
    if (head == was.size() && head == now.size())
        return false;
    std::size_t tail = 0;
    while (tail < common - head && Same(was[was.size() - 1 - tail], now[now.size() - 1 - tail]))
        ++tail;
    first = int(head);
    before.assign(was.begin() + std::ptrdiff_t(head), was.end() - std::ptrdiff_t(tail));
    after.assign(now.begin() + std::ptrdiff_t(head), now.end() - std::ptrdiff_t(tail));
    return true;
}

std::size_t CommandBytes(const QUndoCommand* command) {
    std::size_t n = 0;
    if (const auto* edit = dynamic_cast<const TEditCommand*>(command))
        n += edit->Bytes();
    else
        n += sizeof(QUndoCommand) + std::size_t(command->text().size()) * sizeof(QChar);
    for (int i = 0; i < command->childCount(); ++i)
        n += CommandBytes(command->child(i));
    return n;
}

} // namespace

TUndoHistory::TUndoHistory(TProject& project, QUndoStack& stack, TShow show, QObject* parent)
    : QObject(parent), m_project(project), m_stack(stack), m_show(std::move(show)), m_picture(project) {}

TUndoHistory::~TUndoHistory() = default;

void TUndoHistory::Reset() {
    m_stack.clear();
    m_picture = m_project;
}

void TUndoHistory::Record(TWizardPage* page, bool typing, bool setsModified) {
    if (m_applying || m_paused)
        return;
    // Each change found makes its command once it is known whether it is the only one: only a lone
    // typed change merges with the typing before it.
    std::vector<std::function<QUndoCommand*(bool typing)>> changes;
    const auto fields = [&](const auto& list) {
        for (const auto& field : list) {
            if (m_project.*field.Member == m_picture.*field.Member)
                continue;
            using T = std::decay_t<decltype(m_project.*field.Member)>;
            changes.push_back([this, page, setsModified, field](bool merge) -> QUndoCommand* {
                return new TFieldCommand<T>(*this, page, setsModified, field, m_picture.*field.Member,
                                            m_project.*field.Member, merge);
            });
        }
    };
    fields(Fields().Texts);
    fields(Fields().Flags);
    fields(Fields().Numbers);
    fields(Fields().Colours);
    const auto rows = [&](const auto& list) {
        using R = typename std::decay_t<decltype(list.Rows(m_project))>::value_type;
        auto diff = std::make_shared<std::tuple<int, std::vector<R>, std::vector<R>>>();
        if (!DiffRows(list.Rows(m_picture), list.Rows(m_project), std::get<0>(*diff), std::get<1>(*diff),
                      std::get<2>(*diff)))
            return;
        int from = 0, to = 0;
        if (IsMove(std::get<0>(*diff), std::get<1>(*diff), std::get<2>(*diff), from, to)) {
            changes.push_back([this, page, setsModified, &list, from, to](bool) -> QUndoCommand* {
                return new TMoveRowCommand<R>(*this, page, setsModified, list, from, to);
            });
            return;
        }
        const auto& [first, before, after] = *diff;
        if constexpr (TRowFields<R>::kKnown) {
            if (before.size() == after.size()) {
                changes.push_back([this, page, setsModified, &list, diff](bool) -> QUndoCommand* {
                    return TRowEditsCommand<R>::Make(*this, page, setsModified, list, std::get<0>(*diff),
                                                     std::get<1>(*diff), std::get<2>(*diff));
                });
                return;
            }
        } else if (before.size() == after.size()) {
            changes.push_back([this, page, setsModified, &list, diff](bool) -> QUndoCommand* {
                return new TChangedRowsCommand<R>(*this, page, setsModified, list, std::get<0>(*diff),
                                                  std::get<1>(*diff), std::get<2>(*diff));
            });
            return;
        }
        if (!before.empty() && !after.empty() && before.size() != after.size()) {
            const bool removed = after.size() < before.size();
            std::vector<int> at;
            std::vector<R> sparse;
            if (TSparseRowsCommand<R>::Find(first, removed ? before : after, removed ? after : before, at,
                                            sparse)) {
                changes.push_back([this, page, setsModified, &list, removed, at,
                                   sparse](bool) -> QUndoCommand* {
                    return new TSparseRowsCommand<R>(*this, page, setsModified, list, removed, at, sparse);
                });
                return;
            }
        }
        changes.push_back([this, page, setsModified, &list, diff](bool) -> QUndoCommand* {
            return new TRowsCommand<R>(*this, page, setsModified, list, std::get<0>(*diff),
                                       std::move(std::get<1>(*diff)), std::move(std::get<2>(*diff)));
        });
    };
    rows(kFiles);
    rows(kShortcuts);
    rows(kRegAdd);
    rows(kRegDel);
    rows(kIni);
    rows(kStaticBitmaps);
    rows(kRunBefore);
    rows(kRunAfter);
    rows(kRunBeforeUn);
    rows(kRunAfterUn);

    if (changes.empty())
        return;
    if (changes.size() == 1) {
        m_stack.push(changes.front()(typing));
        return;
    }
    m_stack.beginMacro(QString("edit of %1 values").arg(changes.size()));
    for (const auto& make : changes)
        m_stack.push(make(false));
    m_stack.endMacro();
}

void TUndoHistory::Applied(bool setsModified, const TShown& shown) {
    if (setsModified)
        m_project.FieldChanged();
    m_applying = true;
    if (m_show)
        m_show(shown);
    m_applying = false;
}

std::size_t TUndoHistory::HeldBytes() const {
    std::size_t n = 0;
    for (int i = 0; i < m_stack.count(); ++i)
        n += CommandBytes(m_stack.command(i));
    return n;
}

} // namespace tv
