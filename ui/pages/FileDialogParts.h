#pragma once
// Pieces the file, shortcut and file-properties dialogs share: the folder-variable lists, the eight
// file flags with their check boxes, the dialog frame (caption-coloured strip, one bold tab, a row
// of buttons) and the refusal of "|" in texts that go into "|"-joined rows.

#include "core/Project.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <string>

class QCheckBox;
class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QComboBox;
class QLineEdit;
class QWidget;

namespace tv {

// Target folder variables of the file add dialog (and the working directory of a shortcut).
extern const QStringList kFileTargetVariables;
// Folder variables of a shortcut's group: the targets of an INI change.
const QStringList& GroupTargetVariables();

struct TFileFlagInfo {
    const char* name; // objectName of its check box
    const char* caption;
    const char* hint;
    bool TFileRecord::*field;
};
// The eight flags in table order.
extern const std::array<TFileFlagInfo, 8> kFileFlags;
using TFlagBoxes = std::array<QCheckBox*, 8>;

// The eight flag check boxes in two columns of four, added to grid from row.
TFlagBoxes CreateFlagBoxes(QWidget* parent, QGridLayout* grid, int row);

// The target of the file dialogs: its folder variable and the name or path below it.
struct TTargetControls {
    QComboBox* variable = nullptr; // "cbTarget"
    QLineEdit* path = nullptr;     // "edTargetPath"
};
TTargetControls CreateTargetControls(QWidget* parent);
// "Target name and/or include path" over the target's row, then "Flags" over the flag check boxes:
// six rows of grid from row, two columns wide.
TFlagBoxes AddTargetAndFlags(QWidget* parent, QGridLayout* grid, int row, const TTargetControls& target);

struct TDialogFrame {
    QWidget* page = nullptr;        // the tab's page: the dialog's controls go here
    QHBoxLayout* buttons = nullptr; // the row below the tab
};
// Gives dialog its fixed client size, title, the program's font and a frame without a close box.
TDialogFrame CreateDialogFrame(QDialog* dialog, const QString& title, const QString& tab, QSize client);

// Project text (Windows-1252) for the window, and back. ToAnsi gives "" for a text the code page
// cannot hold; the edits refuse such characters as they are typed.
QString FromAnsi(const std::string& ansi);
std::string ToAnsi(const QString& text);

// True when text may go into a "|"-joined row; otherwise tells the author, naming the field.
bool CheckNoBar(const QString& text, const QString& field, QWidget* focus = nullptr);

// "%" + variable + "%" + rest, the form every target and folder field is stored in.
QString FolderText(const QString& variable, const QString& rest);
// Splits a stored "%variable%rest" text; false when it does not start with a variable.
bool SplitFolderText(const QString& text, QString& variable, QString& rest);

} // namespace tv
