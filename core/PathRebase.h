#pragma once
// Host paths of a project that are relative to the project file's folder (the deployment folder,
// readme, licence, title bitmap, sources and static bitmaps), and their rewriting when the project
// is saved into another folder, so that they keep naming the same files.

#include "core/Project.h"

#include <string>
#include <vector>

namespace tv {

// One relative host path of a project.
struct TRelativePath {
    std::string What;   // what it is, for a message ("Readme", "Source file" ...)
    std::string* Value; // the project's value (code page)
};
// The host paths of project that are set and relative, in a fixed order.
std::vector<TRelativePath> RelativeHostPaths(TProject& project);

struct TRebasedPath {
    std::string What, Before, After; // After is empty when the value had to stay as it was
};
// Rewrites every relative host path of project, taken from oldFolder, so that it names the same
// file from newFolder (relative again where it can be, else absolute). A path the code page cannot
// hold stays as typed. Returns one entry per relative path.
std::vector<TRebasedPath> RebaseHostPaths(TProject& project, const std::string& oldFolder,
                                          const std::string& newFolder);

// Rewrites every absolute host path of project (of the kinds RelativeHostPaths lists) that lies
// inside folder as a path relative to it, so that the project can move together with its files.
// Returns one entry per rewritten path.
std::vector<TRebasedPath> RelativizeHostPathsInside(TProject& project, const std::string& folder);

// path relative to folder when it is a full path to something inside folder; otherwise path as given.
std::string PathInsideFolder(const std::string& path, const std::string& folder);

// Whether two host folders are one (same spelling once normalised, or the same folder on disk).
bool SameFolder(const std::string& a, const std::string& b);

// The folder of a host file path, absolute (empty for an untitled project's "*UNTITLED").
std::string FolderOfFile(const std::string& path);

// The lines that tell what RebaseHostPaths did (UTF-8): `What "before" -> "after"`, or that a path
// was kept.
std::vector<std::string> RebaseReport(const std::vector<TRebasedPath>& rebased);

} // namespace tv
