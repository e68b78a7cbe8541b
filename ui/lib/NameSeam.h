#pragma once
// Every question for a file or folder name goes through here: the open and save dialogs, the browse
// buttons of the pages, the folder picker and the name of a folder to create. Tests script the next
// answers and read back what was asked; the program shows the real dialog.

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QWidget;

namespace tv {

struct TNameQuestion {
    QString dialog;   // objectName of the dialog that would open ("OpenDialog1", "FolderPicker" ...)
    QString title;    // its window title
    QString prompt;   // the prompt, where the dialog has one
    QString proposed; // the name it would start from
};

class TNameSeam final {
public:
    // ---- tests ----
    // The next questions are answered with these names, one each, without a window; a null QString
    // answers "cancel".
    static void ScriptNames(const QStringList& names);
    static int ScriptedNamesLeft();
    // What scripted (and refused) questions asked, oldest first.
    static const std::vector<TNameQuestion>& Asked();
    // On: a question with no scripted name shows nothing and is answered "cancel".
    static void RefuseUnscripted(bool on);
    // Forgets names and questions; turns RefuseUnscripted off.
    static void ClearScript();

    // ---- callers ----
    // The scripted answer to question (a null QString: cancelled), or nullopt: show the dialog.
    static std::optional<QString> Take(const TNameQuestion& question);
};

// An open or save dialog for one file, or the scripted answer. fileName gets the chosen path with
// native separators; false when cancelled.
struct TFileQuestion {
    QString dialog = QStringLiteral("OpenDialog");
    QString title;
    QStringList filters;   // "Text Files (*.txt)", ...
    QString defaultSuffix; // without the dot
    QString proposed;      // starting file name; empty: none
    bool save = false;
};
bool AskFileName(QWidget* parent, const TFileQuestion& question, QString& fileName);

// path relative to folder (native separators) when it is a full path to something inside folder;
// otherwise path as it is. An empty folder takes nothing in.
QString RelativeIfInside(const QString& folder, const QString& path);

} // namespace tv
