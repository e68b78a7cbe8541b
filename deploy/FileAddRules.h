#pragma once
// What may go into the files table when files and folders are added: which files the project can
// hold, how a folder is walked, and where a file of a sub-folder lands. The window's add dialog and
// the console's add-file share these rules, so both take and leave out the same files.
//
// Paths are host text (core/HostPath.h); reasons are UTF-8 messages.

#include <string>
#include <vector>

namespace tv {

// A file picked for adding.
struct TChosenSource {
    std::string Path;      // full host path
    std::string SubFolder; // "" or the folder below the chosen target ("a\b"), for files of an added folder
};

// A file or folder an add left out, and why.
struct TLeftOutSource {
    std::string Path;
    std::string Reason;
};

// Why a host path (or name) cannot be stored in the project's rows; empty when it can.
std::string SourceTextProblem(const std::string& hostPath);

// Why a picked file cannot go into the project; empty when it can. Only regular files are copied,
// and the file's name must survive as the key of its line in the install list.
std::string ChosenFileProblem(const std::string& hostPath);

// Every file below folder, depth first in name order, each with its sub-folder. Entries whose name
// starts with ".", links to folders, folders that cannot be read and folders whose names the
// project cannot store go to leftOut. False when there are more than limit files, which no add may
// take whole.
bool CollectFolderFiles(const std::string& folder, std::vector<TChosenSource>& files,
                        std::vector<TLeftOutSource>& leftOut, int limit);

// Moves the files ChosenFileProblem refuses from files to leftOut, in order.
void LeaveOutRefused(std::vector<TChosenSource>& files, std::vector<TLeftOutSource>& leftOut);

// How "is this file listed already" compares host paths: exactly on POSIX systems, without regard
// to case on Windows; "." and ".." components and doubled separators do not count.
std::string SourcePathKey(const std::string& hostPath);

// "File Path" of a file of an added folder: target, then "\" and the sub-folder (none for "").
std::string TargetWithSubFolder(const std::string& target, const std::string& subFolder);

} // namespace tv
