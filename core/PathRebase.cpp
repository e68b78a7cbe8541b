#include "core/PathRebase.h"

#include "core/HostPath.h"
#include "core/TextCodec.h"

#include <filesystem>
#include <system_error>

namespace tv {

namespace fs = std::filesystem;

namespace {

// A value that names no file ("", blanks, "-") or one that does not depend on the project's folder.
bool IsRelativeHostPath(const std::string& value) {
    if (IsBlank(value))
        return false;
    const fs::path p = HostPath(AnsiToHost(value));
    return !p.has_root_name() && !p.has_root_directory();
}

bool EndsWithDelimiter(const std::string& host) {
    return !host.empty() && (host.back() == '/' || host.back() == '\\');
}

// Every host path of the project the build resolves against the project's folder, whether
// relative or not, with what it is.
template <class F> void ForEachHostPath(TProject& p, F add) {
    add("Deployment folder", p.MiscDeployment);
    add("Readme", p.AppReadme);
    add("Licence", p.AppLicense);
    add("Title bitmap", p.DialogTitleBMP);
    for (TFileRecord& rec : p.tbFiles.Records)
        add("Source file", rec.FileName);
    for (TStaticBitmap& bitmap : p.StaticBitmaps)
        add("Static bitmap", bitmap.File);
}

} // namespace

std::vector<TRelativePath> RelativeHostPaths(TProject& p) {
    std::vector<TRelativePath> out;
    ForEachHostPath(p, [&out](const char* what, std::string& value) {
        if (IsRelativeHostPath(value))
            out.push_back({what, &value});
    });
    return out;
}

std::vector<TRebasedPath> RelativizeHostPathsInside(TProject& project, const std::string& folder) {
    std::vector<TRebasedPath> done;
    if (folder.empty())
        return done;
    ForEachHostPath(project, [&](const char* what, std::string& value) {
        if (IsBlank(value) || IsRelativeHostPath(value))
            return;
        const std::string host = AnsiToHost(value);
        const std::string inside = PathInsideFolder(host, folder);
        if (inside == host)
            return;
        if (const auto ansi = HostToAnsi(inside)) {
            done.push_back({what, value, *ansi});
            value = *ansi;
        }
    });
    return done;
}

std::string PathInsideFolder(const std::string& path, const std::string& folder) {
    if (folder.empty() || path.empty())
        return path;
    const fs::path full = HostPath(path);
    if (!full.has_root_directory())
        return path; // relative already
    const fs::path relative = full.lexically_normal().lexically_relative(HostPath(folder).lexically_normal());
    if (relative.empty() || *relative.begin() == ".." || relative == ".")
        return path; // outside the folder, on another drive, or the folder itself
    std::string text = PathToHost(relative);
    if (EndsWithDelimiter(path) && !EndsWithDelimiter(text))
        text += path.back();
    return text;
}

std::vector<TRebasedPath> RebaseHostPaths(TProject& project, const std::string& oldFolder,
                                          const std::string& newFolder) {
    const fs::path from = HostPath(oldFolder).lexically_normal();
    const fs::path to = HostPath(newFolder).lexically_normal();
    std::vector<TRebasedPath> done;
    for (const TRelativePath& rel : RelativeHostPaths(project)) {
        const std::string host = AnsiToHost(*rel.Value);
        // Taken the way the build takes it: joined to the folder, without resolving links.
        const fs::path target = (from / HostPath(host)).lexically_normal();
        fs::path rebased = target.lexically_relative(to);
        if (rebased.empty())
            rebased = target; // another drive: only the full path names it
        std::string text = PathToHost(rebased);
        if (EndsWithDelimiter(host) && !EndsWithDelimiter(text))
            text += host.back();
        TRebasedPath entry{rel.What, *rel.Value, {}};
        if (const auto ansi = HostToAnsi(text)) {
            *rel.Value = *ansi;
            entry.After = *ansi;
        }
        done.push_back(entry);
    }
    return done;
}

bool SameFolder(const std::string& a, const std::string& b) {
    const fs::path pa = HostPath(a).lexically_normal(), pb = HostPath(b).lexically_normal();
    if (pa == pb)
        return true;
    std::error_code ec;
    return fs::equivalent(pa, pb, ec) && !ec;
}

std::string FolderOfFile(const std::string& path) {
    if (path.empty() || path.find('*') != std::string::npos)
        return {};
    std::error_code ec;
    fs::path p = fs::absolute(HostPath(path), ec);
    if (ec)
        p = HostPath(path);
    return PathToHost(p.lexically_normal().parent_path());
}

std::vector<std::string> RebaseReport(const std::vector<TRebasedPath>& rebased) {
    std::vector<std::string> lines;
    for (const TRebasedPath& r : rebased) {
        if (r.After.empty())
            lines.push_back(r.What + " \"" + AnsiToUtf8(r.Before) +
                            "\" kept as typed: its new form holds characters the project cannot store");
        else
            lines.push_back(r.What + " \"" + AnsiToUtf8(r.Before) + "\" -> \"" + AnsiToUtf8(r.After) + "\"");
    }
    return lines;
}

} // namespace tv
