#pragma once
// Check: what a build of a project would meet, and what the setup would read other than the
// author typed. Every rule is one function in one table (ProjectCheck.cpp); Check, Build, the
// console tool and the window all go through CheckProject.
//
// An error is something the setup would lose or mangle (or the build could not do at all): Build
// refuses before it writes anything. A warning is something the setup would do other than typed:
// it is shown, and the build goes on.

#include "core/Project.h"
#include "deploy/FileUtils.h"

#include <string>
#include <vector>

namespace tv {

enum class TFindingKind { Error, Warning };

// Where a finding is, when its rule can tell: a row of a table or list, named by its section in
// the project file ("Files", "Shortcuts", "Registry.Add", "Registry.Del", "INIChanges", "Run.Before",
// "Run.After", "Run.BeforeUn", "Run.AfterUn", "Main_Window.Bitmap" for the static bitmaps), or a
// setting named Section.Key ("Start.App.Readme").
struct TFindingPlace {
    std::string Table;
    int Row = 0; // counted from 1, as the messages count; 0 with no Table
    std::string Setting;
};

struct TFinding {
    TFindingKind Kind = TFindingKind::Error;
    std::string Rule; // the rule's name in the table, e.g. "file-name-key"
    std::string Text; // UTF-8: names the row or field and the offending text
    TFindingPlace Place;
};
using TFindings = std::vector<TFinding>;

// What a rule found: the text, and where when it can tell.
struct TFoundText {
    TFoundText(std::string text, TFindingPlace place = {}) : Text(std::move(text)), Place(std::move(place)) {}
    std::string Text;
    TFindingPlace Place;
};

// A rule: its name, its kind, what it looks for (one line, for help texts) and the function that
// appends its findings.
struct TCheckRule {
    const char* Name;
    TFindingKind Kind;
    const char* Summary;
    void (*Find)(const TProject& project, TFileLooks& looks, std::vector<TFoundText>& found);
};
const std::vector<TCheckRule>& CheckRules();
// The rule that reports BuildRefusals.
constexpr const char* kBuildSettingsRule = "build-settings";

// Every finding of every rule: errors first, each kind in the order of the table.
TFindings CheckProject(const TProject& project);
// The findings of one kind, with the looks at files taken so far (TFileLooks). A build says the
// warnings, which look at no file, before its question, and looks for errors after it, sharing
// the looks with its copies.
TFindings CheckProject(const TProject& project, TFindingKind kind, TFileLooks& looks);

// The texts of the findings of one kind, in order.
std::vector<std::string> FindingTexts(const TFindings& findings, TFindingKind kind);
bool HasErrors(const TFindings& findings);

// Faces every Windows system has; a title or dialog font outside them is replaced on the target.
const std::vector<std::string>& CommonWindowsFonts();
bool IsCommonWindowsFont(const std::string& face);

// Why the file at path (its links followed) is no bitmap the setup can show: missing, unreadable,
// not a BMP, a BMP header it cannot use, or pixel data cut short. Empty for a sound BMP.
std::string BitmapFileProblem(const std::string& path);

} // namespace tv
