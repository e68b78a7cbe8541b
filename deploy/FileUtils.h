#pragma once
// Path and file helpers of the build and the compile launcher.
//
// Two kinds of paths meet here and are kept apart:
//  - engine paths, written into the engine's files (%InstallPath%\Help): always "\"-separated,
//    handled by the *Backslash helpers exactly as typed;
//  - host paths (sources, readme, bitmaps, deployment folder, project file): native. On Linux the
//    name part of a host path is the text after the last "/" or "\", and folders are joined with "/".

#include "core/TextCodec.h"
#include <cstdint>

#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tv {

#ifdef _WIN32
constexpr char kPathDelim = '\\';
#else
constexpr char kPathDelim = '/';
#endif

// ---- engine paths ("\" only)
std::string IncludeTrailingBackslash(const std::string& path); // "" gives "\"
std::string ExcludeTrailingBackslash(const std::string& path); // removes one trailing "\"
// The text without its first and last character; "" for fewer than three characters.
std::string StripFirstLast(const std::string& text);
// Whether a "\"- or "/"-separated sub-path has a ".." component.
bool HasParentComponent(const std::string& subPath);

// ---- host paths
bool IsPathDelimiter(char c);
std::string ExtractFileName(const std::string& path); // text after the last delimiter
std::string ExtractFilePath(const std::string& path); // text up to and including the last delimiter
// Replaces the extension (from the last "." of the name part) or appends ext when there is none.
std::string ChangeFileExt(const std::string& path, const std::string& ext);
std::string IncludeTrailingPathDelimiter(const std::string& path);
// Removes one trailing delimiter; a root ("/", "C:\") is kept whole.
std::string ExcludeTrailingPathDelimiter(const std::string& path);
std::string JoinPath(const std::string& folder, const std::string& name);
bool IsAbsolutePath(const std::string& path);
// A relative path is taken relative to baseFolder; an absolute or empty one is returned as is.
std::string ResolvePath(const std::string& baseFolder, const std::string& path);
// An engine sub-path (a\b\) as a host sub-path (a/b on Linux), without a trailing delimiter.
std::string EngineSubPathToHost(const std::string& subPath);
// Absolute, with "." and ".." components folded away; symbolic links are resolved as far as they
// exist, so two spellings of one file compare equal.
std::string NormalizedPath(const std::string& path);
// Whether path is folder itself or lies below it (both normalised first).
bool IsPathInside(const std::string& path, const std::string& folder);
// The same for two paths that are normalised already.
bool IsNormalizedPathInside(const std::string& path, const std::string& folder);

// ---- project text and host text (AnsiToHost and HostToAnsi: core/TextCodec.h)
// A host path for a message (messages are UTF-8, core/TextCodec.h).
std::string HostPathShown(const std::string& host);

// ---- files and folders
bool DirectoryExists(const std::string& path);
bool FileExists(const std::string& path); // exists and is not a folder
bool IsSymLink(const std::string& path);
// Creates exactly one folder; false when its parent is missing or it exists already.
bool CreateDir(const std::string& path);
// Creates every missing level; true when the folder exists afterwards.
bool ForceDirectories(const std::string& path);
// Clears the read-only state of a file and deletes it. A symbolic link is deleted, not its target.
bool ForceDeleteFile(const std::string& path);
// Deletes the content of a folder (and the folder itself with removeRoot). Entries whose name
// starts with "." are left alone, which keeps a folder holding one. Symbolic links are removed,
// never followed. Returns true when everything went; paths that could not be deleted (not counting
// folders kept for their dot entries) are added to failures when given.
bool DeleteDirectory(const std::string& path, bool removeRoot, std::vector<std::string>* failures = nullptr);
std::uint64_t FileSize(const std::string& path); // 0 when it cannot be read
// Why path (its links followed) is no file the build may copy: missing, a folder, a FIFO, a device,
// a socket, a file of the system's own pseudo file systems (whose size says nothing of their
// content), a loop of links. Empty for a regular file. Looks without opening it: opening a FIFO
// waits for a writer, a device may act on being opened.
std::string SourceFileProblem(const std::string& path);
// Why the file at hostPath cannot be installed under its own name: on Linux a "\" may be part of
// a file's name, but the build takes the name after the last "/" or "\" (and Windows cannot hold
// a "\" in a name), so such a file would reach the setup under another name. Empty when the name
// is fine (always on Windows, where "\" separates folders).
std::string SourceNameProblem(const std::string& hostPath);

// Called after each copied chunk: (source, dest, bytes just written, total size, bytes so far).
// Returning false stops the copy, which then fails.
using TCopyProgress = std::function<bool(const std::string& source, const std::string& dest,
                                         std::uint64_t chunk, std::uint64_t total, std::uint64_t done)>;
constexpr std::size_t kCopyChunk = 131072;

// Copies a file in chunks of kCopyChunk bytes, replacing dest (or adding to its end with append).
// A source SourceFileProblem refuses is never opened.
// dest gets the source's modification time and permission bits. A failed copy leaves no partial
// file behind (with append, dest is cut back to its old size) and throws EDeployError naming both
// files, with the system's reason.
void CopyFile(const std::string& source, const std::string& dest, const TCopyProgress& progress = {},
              bool append = false);

// One look at a path, taken with as few calls to the system as it needs. A build asks about every
// source several times (Check, its refusals, the progress total, the rebuild's comparison) and
// about every copy once; one look answers them all.
enum class TFileKind { Missing, File, Folder, Other };
// A moment as the file system keeps it (seconds and their fraction in the system's ticks).
struct TFileTime {
    std::int64_t Seconds = 0;
    std::int64_t Fraction = 0;
    bool operator==(const TFileTime& o) const { return Seconds == o.Seconds && Fraction == o.Fraction; }
    bool operator!=(const TFileTime& o) const { return !(*this == o); }
    bool operator<(const TFileTime& o) const {
        return Seconds != o.Seconds ? Seconds < o.Seconds : Fraction < o.Fraction;
    }
    bool operator<=(const TFileTime& o) const { return !(o < *this); }
};
struct TFileLook {
    bool Link = false; // the path itself is a symbolic link (a reparse point)
    TFileKind Kind = TFileKind::Missing;
    std::string Problem; // SourceFileProblem's answer (followed looks only)
    bool Absent = false; // the system found nothing at the path (or the link's target)
    std::uint64_t Size = 0;
    TFileTime Modified;      // the content's last change
    TFileTime Changed;       // the file's own last change (when its copy was written)
    std::uint32_t Mode = 0;  // permission bits (attributes on Windows)
    std::uint32_t Names = 1; // hard links to it
};

// Looks at the files a build copies, each path once: what a look found is kept for the looker's
// lifetime, so one looker stands for one moment. Links are followed; Link tells that there was one.
class TFileLooks final {
public:
    const TFileLook& operator()(const std::string& path);

private:
    std::unordered_map<std::string, TFileLook> m_Looks;
    std::map<std::uint64_t, bool> m_SystemDevices; // device -> a pseudo file system of the system
};

// The entries of a folder (without "." and ".."), each looked at without following a link: a link
// has Link set and Kind Other. False when the folder cannot be read.
bool ListFolder(const std::string& folder, std::vector<std::pair<std::string, TFileLook>>& entries);

// Whether dest can stand for a fresh copy of source, so that a rebuild need not copy it again: a
// regular file of its own (no link, no second name that could be changed from outside), with the
// source's size and modification time, written after the source last changed (a source rewritten
// within the same tick of the clock as its copy would otherwise look unchanged). When it can, its
// permission bits (attributes on Windows) are set to the source's, as a copy sets them. The looks
// are those of TFileLooks (source) and ListFolder (dest); Windows looks again through handles.
bool ReuseUnchangedCopy(const std::string& source, const TFileLook& sourceLook, const std::string& dest,
                        const TFileLook& destLook);

// Whether path is a regular file of its own (no link) holding exactly bytes.
bool FileHolds(const std::string& path, const std::string& bytes);

namespace fileio {
// The platform layer of CopyFile (FileUtils_posix.cpp / FileUtils_win.cpp): false, with the reason
// in *error, when the copy failed.
bool CopyChunked(const std::string& source, const std::string& dest, const TCopyProgress& progress,
                 bool append, std::string* error);
} // namespace fileio

// The process's current folder ("" when it cannot be read). Nothing changes it: the window handles
// events while commands run, and a program we start gets its working folder of its own.
std::string GetCurrentDir();

} // namespace tv
