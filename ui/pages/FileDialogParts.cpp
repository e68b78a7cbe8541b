#include "ui/pages/FileDialogParts.h"

#include "core/FolderVariables.h"
#include "core/MsgDlg.h"
#include "core/TextCodec.h"
#include "ui/editors/AnsiInput.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/wzDialogUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tv {

namespace {

QStringList FolderList(TFolderList list) {
    QStringList out;
    for (const std::string& name : FolderVariables(list))
        out << QString::fromStdString(name);
    return out;
}

} // namespace

const QStringList kFileTargetVariables = FolderList(TFolderList::FileTarget);

const QStringList& GroupTargetVariables() {
    // The same folders an INI change may target.
    static const QStringList list = FolderList(TFolderList::IniTarget);
    return list;
}

const std::array<TFileFlagInfo, 8> kFileFlags = {{
    {"cbNoLog", QT_TRANSLATE_NOOP("tv::TFileFlags", "No Log"),
     QT_TRANSLATE_NOOP("tv::TFileFlags", "don't write to installation log-file"), &TFileRecord::NoLog},
    {"cbNoVersionCheck", QT_TRANSLATE_NOOP("tv::TFileFlags", "No Version Check"),
     QT_TRANSLATE_NOOP("tv::TFileFlags", "don't check file version"), &TFileRecord::NoVersionCheck},
    {"cbRegisterServer", QT_TRANSLATE_NOOP("tv::TFileFlags", "Register Server"),
     QT_TRANSLATE_NOOP("tv::TFileFlags", "register OLE/ActiveX server"), &TFileRecord::RegisterServer},
    {"cbRegisterFont", QT_TRANSLATE_NOOP("tv::TFileFlags", "Register Font"),
     QT_TRANSLATE_NOOP("tv::TFileFlags", "register as font"), &TFileRecord::RegisterFont},
    {"cbDontAskUser", QT_TRANSLATE_NOOP("tv::TFileFlags", "Don't ask user"),
     QT_TRANSLATE_NOOP("tv::TFileFlags",
                       "don't ask user confirmation of overwriting existing file on version conflict"),
     &TFileRecord::DontAskUser},
    {"cbDontOverwrite", QT_TRANSLATE_NOOP("tv::TFileFlags", "Don't overwrite"),
     QT_TRANSLATE_NOOP("tv::TFileFlags", "don't overwrite existing file"), &TFileRecord::DontOverwrite},
    {"cbExternalFile", QT_TRANSLATE_NOOP("tv::TFileFlags", "External file"),
     QT_TRANSLATE_NOOP("tv::TFileFlags",
                       "the file is external, i.e. does not included into the distribution package"),
     &TFileRecord::ExternalFile},
    {"cbSharedFile", QT_TRANSLATE_NOOP("tv::TFileFlags", "Shared file"),
     QT_TRANSLATE_NOOP("tv::TFileFlags", "the file is shared by several applications"),
     &TFileRecord::SharedFile},
}};

TFlagBoxes CreateFlagBoxes(QWidget* parent, QGridLayout* grid, int row) {
    TFlagBoxes boxes{};
    for (std::size_t i = 0; i < kFileFlags.size(); ++i) {
        auto* box =
            new QCheckBox(QCoreApplication::translate("tv::TFileFlags", kFileFlags[i].caption), parent);
        box->setObjectName(kFileFlags[i].name);
        box->setToolTip(QCoreApplication::translate("tv::TFileFlags", kFileFlags[i].hint));
        // First four in the left column, the others in the right one; Tab follows table order.
        grid->addWidget(box, row + int(i % 4), int(i / 4));
        boxes[i] = box;
    }
    return boxes;
}

TTargetControls CreateTargetControls(QWidget* parent) {
    TTargetControls c;
    c.variable = new QComboBox(parent);
    c.variable->setObjectName("cbTarget");
    c.variable->addItems(kFileTargetVariables);
    c.variable->setEditable(false);
    c.variable->setMaxVisibleItems(14);
    c.path = new QLineEdit(parent);
    c.path->setObjectName("edTargetPath");
    c.path->setAccessibleName(QCoreApplication::translate("tv::TFileDialogParts", "Target path"));
    KeepAnsi(c.path);
    return c;
}

TFlagBoxes AddTargetAndFlags(QWidget* parent, QGridLayout* grid, int row, const TTargetControls& target) {
    auto* lbTarget = new QLabel(
        QCoreApplication::translate("tv::TFileDialogParts", "Target name and/or include path"), parent);
    lbTarget->setBuddy(target.variable);
    grid->addWidget(lbTarget, row, 0, 1, 2);
    auto* targetRow = new QHBoxLayout;
    targetRow->setSpacing(4);
    targetRow->addWidget(target.variable);
    targetRow->addWidget(target.path, 1);
    grid->addLayout(targetRow, row + 1, 0, 1, 2);
    grid->addWidget(new QLabel(QCoreApplication::translate("tv::TFileDialogParts", "Flags"), parent), row + 2,
                    0, 1, 2);
    return CreateFlagBoxes(parent, grid, row + 3);
}

TDialogFrame CreateDialogFrame(QDialog* dialog, const QString& title, const QString& tab, QSize client) {
    dialog->setWindowTitle(title);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinMaxButtonsHint);
    dialog->setFont(DialogFont());
    dialog->setFixedSize(client);

    auto* strip = new QWidget(dialog);
    strip->setObjectName("pnCaptionStrip");
    strip->setFixedHeight(5);
    strip->setAutoFillBackground(true);
    strip->setBackgroundRole(QPalette::Highlight);

    auto* tabs = new QTabWidget(dialog);
    tabs->setObjectName("pcMain");
    QFont bold = tabs->tabBar()->font();
    bold.setBold(true);
    tabs->tabBar()->setFont(bold);
    auto* page = new QWidget;
    page->setObjectName("tsMain");
    tabs->addTab(page, tab);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 0, 6, 6);
    buttons->setSpacing(6);

    auto* box = new QVBoxLayout(dialog);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(4);
    box->addWidget(strip);
    auto* tabRow = new QHBoxLayout;
    tabRow->setContentsMargins(6, 0, 6, 0);
    tabRow->addWidget(tabs);
    box->addLayout(tabRow, 1);
    box->addLayout(buttons);
    return {page, buttons};
}

QString FromAnsi(const std::string& ansi) {
    return QString::fromStdString(AnsiToUtf8(ansi));
}

std::string ToAnsi(const QString& text) {
    return Utf8ToAnsi(text.toStdString()).value_or(std::string());
}

bool CheckNoBar(const QString& text, const QString& field, QWidget* focus) {
    if (!text.contains('|'))
        return true;
    wzDialog().MessageDlg(QCoreApplication::translate(
                              "tv::TFileDialogParts",
                              "%1 may not contain \"|\":/#the project file separates its fields with it.")
                              .arg(field),
                          TMsgDlgType::mtError, 0, mbOK);
    if (focus)
        focus->setFocus();
    return false;
}

QString FolderText(const QString& variable, const QString& rest) {
    return "%" + variable + "%" + rest;
}

bool SplitFolderText(const QString& text, QString& variable, QString& rest) {
    const int close = text.startsWith('%') ? text.indexOf('%', 1) : -1;
    if (close < 0)
        return false;
    variable = text.mid(1, close - 1);
    rest = text.mid(close + 1);
    return true;
}

} // namespace tv
