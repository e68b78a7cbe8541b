#include "deploy/FileAddRules.h"

#include "core/CaseFold.h"
#include "core/ChangeLines.h"
#include "core/HostPath.h"
#include "core/TextCodec.h"
#include "deploy/FileUtils.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace tv {

namespace fs = std::filesystem;

std::string SourceTextProblem(const std::string& hostPath) {
    if (hostPath.find('|') != std::string::npos)
        return "its name holds \"|\", which the project cannot store";
    if (std::any_of(hostPath.begin(), hostPath.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 32; }))
        return "its name holds a line break or another control character, which the project cannot store";
    if (!HostToAnsi(hostPath))
        return "its name holds \"" + FirstUnencodable(HostToUtf8(hostPath)) +
               "\", which the Windows-1252 character set of the project cannot hold";
    return {};
}

std::string ChosenFileProblem(const std::string& hostPath) {
    if (std::string problem = SourceTextProblem(hostPath); !problem.empty())
        return problem;
    if (std::string problem = SourceFileProblem(hostPath); !problem.empty()) {
        std::error_code ec;
        return IsSymLink(hostPath) && !fs::exists(HostPath(hostPath), ec) ? "it is a link to nothing"
                                                                          : problem;
    }
    std::string key = IniKeyNameProblem(ExtractFileName(*HostToAnsi(hostPath)));
    if (key.empty())
        return {};
    std::string reason = AnsiToUtf8(key);
    if (reason[0] >= 'A' && reason[0] <= 'Z')
        reason[0] = static_cast<char>(reason[0] - 'A' + 'a');
    return reason;
}

namespace {

struct TPendingFolder {
    fs::path Path;
    std::string Sub; // "" or "a\b"
};

// Whether folder can be listed; the test is the listing itself, so it also holds for root.
bool CanList(const fs::path& folder) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    return !ec;
}

} // namespace

bool CollectFolderFiles(const std::string& folder, std::vector<TChosenSource>& files,
                        std::vector<TLeftOutSource>& leftOut, int limit) {
    std::vector<TPendingFolder> pending{{HostPath(folder), std::string()}};
    while (!pending.empty()) {
        const TPendingFolder current = std::move(pending.back());
        pending.pop_back();
        std::error_code ec;
        std::vector<fs::path> entries;
        for (fs::directory_iterator it(current.Path, ec), end; !ec && it != end; it.increment(ec))
            entries.push_back(it->path());
        std::sort(entries.begin(), entries.end(), [](const fs::path& a, const fs::path& b) {
            return PathToHost(a.filename()) < PathToHost(b.filename());
        });
        std::vector<TPendingFolder> subs;
        for (const fs::path& entry : entries) {
            const std::string name = PathToHost(entry.filename());
            const std::string path = PathToHost(entry);
            std::error_code statEc;
            const bool isDir = fs::is_directory(entry, statEc); // links followed, as for a file's content
            if (name.rfind('.', 0) == 0) {
                leftOut.push_back({path, "its name begins with \".\""});
            } else if (isDir && IsSymLink(path)) {
                leftOut.push_back({path, "it is a link to a folder"});
            } else if (isDir) {
                if (std::string problem = SourceTextProblem(name); !problem.empty())
                    leftOut.push_back({path, std::move(problem)});
                else if (!CanList(entry))
                    leftOut.push_back({path, "the folder cannot be read"});
                else
                    subs.push_back({entry, current.Sub.empty() ? name : current.Sub + "\\" + name});
            } else {
                files.push_back({path, current.Sub});
                if (static_cast<int>(files.size()) > limit)
                    return false;
            }
        }
        // Depth first in name order: the sub-folders go on the stack last to first.
        for (auto it = subs.rbegin(); it != subs.rend(); ++it)
            pending.push_back(std::move(*it));
    }
    return true;
}

void LeaveOutRefused(std::vector<TChosenSource>& files, std::vector<TLeftOutSource>& leftOut) {
    std::vector<TChosenSource> taken;
    taken.reserve(files.size());
    for (TChosenSource& f : files) {
        if (std::string problem = ChosenFileProblem(f.Path); problem.empty())
            taken.push_back(std::move(f));
        else
            leftOut.push_back({f.Path, std::move(problem)});
    }
    files = std::move(taken);
}

std::string SourcePathKey(const std::string& hostPath) {
    std::string key = PathToHost(HostPath(hostPath).lexically_normal());
    while (key.size() > 1 && IsPathDelimiter(key.back()) && !(key.size() == 3 && key[1] == ':'))
        key.pop_back();
#ifdef _WIN32
    key = FoldCase(key);
#endif
    return key;
}

std::string TargetWithSubFolder(const std::string& target, const std::string& subFolder) {
    if (subFolder.empty())
        return target;
    return (!target.empty() && target.back() == '\\' ? target : target + "\\") + subFolder;
}

} // namespace tv
