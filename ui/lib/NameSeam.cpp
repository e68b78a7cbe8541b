#include "ui/lib/NameSeam.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <deque>

namespace tv {

namespace {

struct TScript {
    std::deque<QString> names;
    std::vector<TNameQuestion> asked;
    bool refuseUnscripted = false;
};

TScript& script() {
    static TScript s;
    return s;
}

} // namespace

void TNameSeam::ScriptNames(const QStringList& names) {
    for (const QString& name : names)
        script().names.push_back(name);
}

int TNameSeam::ScriptedNamesLeft() {
    return int(script().names.size());
}

const std::vector<TNameQuestion>& TNameSeam::Asked() {
    return script().asked;
}

void TNameSeam::RefuseUnscripted(bool on) {
    script().refuseUnscripted = on;
}

void TNameSeam::ClearScript() {
    script() = TScript{};
}

std::optional<QString> TNameSeam::Take(const TNameQuestion& question) {
    TScript& s = script();
    if (s.names.empty() && !s.refuseUnscripted)
        return std::nullopt;
    s.asked.push_back(question);
    if (s.names.empty()) {
        qWarning("TNameSeam: unscripted question refused: %s", qPrintable(question.title));
        return QString();
    }
    QString name = s.names.front();
    s.names.pop_front();
    return name;
}

bool AskFileName(QWidget* parent, const TFileQuestion& q, QString& fileName) {
    QString chosen;
    if (const auto scripted = TNameSeam::Take({q.dialog, q.title, QString(), q.proposed})) {
        chosen = *scripted;
    } else {
        QFileDialog dialog(parent, q.title);
        dialog.setObjectName(q.dialog);
        dialog.setAcceptMode(q.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(q.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setNameFilters(q.filters);
        dialog.setDefaultSuffix(q.defaultSuffix);
        if (!q.proposed.isEmpty()) {
            dialog.setDirectory(QFileInfo(q.proposed).absolutePath());
            dialog.selectFile(q.proposed);
        }
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    if (chosen.isEmpty())
        return false;
    fileName = QDir::toNativeSeparators(chosen);
    return true;
}

QString RelativeIfInside(const QString& folder, const QString& path) {
    if (folder.isEmpty() || path.isEmpty() || QDir::isRelativePath(path))
        return path;
    const QString relative = QDir::cleanPath(QDir(folder).relativeFilePath(path));
    if (relative == "." || relative == ".." || relative.startsWith("../") || QDir::isAbsolutePath(relative))
        return path;
    return QDir::toNativeSeparators(relative);
}

} // namespace tv
