#pragma once
// A tree built to tempt a command into touching what is not its own, and a fingerprint of every
// entry in it, so that a test can say exactly which paths a command changed. Shared by the console
// and the window tests; standard library only.
//
// The tree, below a fresh temporary folder:
//   project/p.tvx       a project with sources, readme, licence, title and static bitmaps, one
//                       source a link to a file outside; deploys to ../deploy
//   project/trap.tvx    a project whose file row lands in a dot-named link left in its image folder
//   project/Documents.tvx  deploys to ../home, where a folder "Documents" holds the user's files
//   src/ ...            the sources
//   outside/ ...        files nothing may change: targets of every link in the tree
//   deploy/             the deployment folder: another project's files, and an earlier build of p
//                       whose script, setup program and entries are links to outside
//   home/Documents/     the user's files
// Changes are allowed only in deploy/p*, deploy/trap*, and project files a command was given.

#include "tests/support/TempDir.h"

#include <cerrno>
#include <map>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tvtest {

class TSandboxTree final {
public:
    TSandboxTree() {
        const fs::path r = m_Dir.path();
        WriteText(r / "src/app.exe", std::string(200000, 'a'));
        WriteText(r / "src/lib/help.hlp", "help");
        WriteText(r / "src/readme.txt", "read me");
        WriteText(r / "src/licence.txt", "licence");
        WriteText(r / "src/title.bmp", BmpBytes(6, 4));
        WriteText(r / "src/side.bmp", BmpBytes(2, 2));
        WriteText(r / "src/app.cfg", "config");
        WriteText(r / "outside/secret.txt", "secret");
        WriteText(r / "outside/ro.txt", "read-only");
        ::chmod((r / "outside/ro.txt").c_str(), 0444);
        WriteText(r / "outside/dir/inner.txt", "inner");
        fs::create_symlink(r / "outside/dir/inner.txt", r / "src/linked.dat");

        WriteText(r / "deploy/unrelated.txt", "another project's");
        WriteText(r / "deploy/other/Presetup/TZNS.INI", "another project's build");
        // An earlier build of p, full of links that lead outside.
        WriteText(r / "deploy/p/Presetup/TZNS.INI", "[Old]\r\n");
        WriteText(r / "deploy/p/Data/old.txt", "stale");
        fs::create_symlink(r / "outside/secret.txt", r / "deploy/p/Presetup/readme.txt");
        fs::create_directory_symlink(r / "outside/dir", r / "deploy/p/Data/link");
        fs::create_directory_symlink(r / "outside/dir", r / "deploy/p/Data/.cfg");
        fs::create_symlink(r / "outside/secret.txt", r / "deploy/p.TZN");
        fs::create_symlink(r / "outside/ro.txt", r / "deploy/p.EXE");
        WriteText(r / "deploy/trap/Presetup/TZNS.INI", "[Old]\r\n");
        fs::create_directories(r / "deploy/trap/Data");
        fs::create_directory_symlink(r / "outside/dir", r / "deploy/trap/Data/.cfg");

        WriteText(r / "home/Documents/letter.txt", "dear");
        WriteText(r / "home/Documents/sub/notes.txt", "notes");

        const std::string settings = "[Start]\r\nApp.Name=Sandbox\r\n";
        WriteText(r / "project/p.tvx",
                  settings + "App.Readme=../src/readme.txt\r\nApp.License=" + str("src/licence.txt") +
                      "\r\nMisc.Deployment=../deploy\r\n"
                      "[Main_Window]\r\nBitmap=1\r\nBitmap.01=../src/side.bmp,0,0,0,$00FF00FF\r\n"
                      "[Dialog]\r\nTitle.BMP=../src/title.bmp\r\n"
                      "[Files]\r\nFiles=4\r\n"
                      "File000=../src/app.exe|%InstallPath%|\r\n"
                      "File001=../src/lib/help.hlp|%InstallPath%\\Help|\r\n"
                      "File002=../src/linked.dat|%InstallPath%|\r\n"
                      "File003=" +
                      str("src/app.cfg") + "|%System%|\r\n");
        WriteText(r / "project/trap.tvx", settings + "Misc.Deployment=../deploy\r\n[Files]\r\nFiles=2\r\n"
                                                     "File000=../src/app.cfg|%InstallPath%\\.cfg|\r\n"
                                                     "File001=../src/app.cfg|%InstallPath%\\.cfg\\new|\r\n");
        WriteText(r / "project/Documents.tvx", settings + "Misc.Deployment=../home\r\n");
        fs::create_directories(r / "elsewhere");
        fs::create_directories(r / "cwd");
    }

    const TempDir& dir() const { return m_Dir; }
    std::string str(const std::string& rel = {}) const { return m_Dir.str(rel); }

    // Every entry below the tree: type, permission bits, link target, size, modification time and
    // content. Folders by type and mode only: adding or removing in them shows as their entries.
    std::map<std::string, std::string> Fingerprint() const {
        std::map<std::string, std::string> out;
        const fs::path root = m_Dir.path();
        for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
             ++it) {
            const std::string rel = fs::relative(it->path(), root).generic_string();
            struct stat st;
            if (::lstat(it->path().c_str(), &st) != 0) {
                out[rel] = "gone while looked at";
                continue;
            }
            std::string print = std::to_string(st.st_mode);
            if (S_ISLNK(st.st_mode))
                print += " -> " + fs::read_symlink(it->path()).string();
            else if (S_ISREG(st.st_mode))
                print += " " + std::to_string(st.st_size) + " " + std::to_string(st.st_mtim.tv_sec) + "." +
                         std::to_string(st.st_mtim.tv_nsec) + " " + ReadText(it->path());
            out[rel] = print;
        }
        return out;
    }

    // Paths (relative, "/"-separated) that differ between two fingerprints and lie outside what
    // may change: below or equal to one of allowed ("deploy/p" allows deploy/p and deploy/p/...,
    // and also deploy/p.TZN and deploy/p.EXE, the build's own files beside its image folder).
    static std::vector<std::string> ChangedOutside(const std::map<std::string, std::string>& before,
                                                   const std::map<std::string, std::string>& after,
                                                   const std::vector<std::string>& allowed) {
        auto isAllowed = [&](const std::string& rel) {
            for (const std::string& a : allowed) {
                if (rel == a || rel.rfind(a + "/", 0) == 0)
                    return true;
                if (rel == a + ".TZN" || rel == a + ".EXE")
                    return true;
            }
            return false;
        };
        std::set<std::string> keys;
        for (const auto& [k, v] : before)
            keys.insert(k);
        for (const auto& [k, v] : after)
            keys.insert(k);
        std::vector<std::string> changed;
        for (const std::string& k : keys) {
            const auto b = before.find(k), a = after.find(k);
            const bool same = b != before.end() && a != after.end() && b->second == a->second;
            if (!same && !isAllowed(k))
                changed.push_back(k + (b == before.end()  ? " (added)"
                                       : a == after.end() ? " (removed)"
                                                          : ""));
        }
        return changed;
    }

private:
    TempDir m_Dir;
};

} // namespace tvtest
