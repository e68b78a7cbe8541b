#include "ui/lib/FontSubstitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace tv {

namespace {

QStringList present(const QStringList& families, const QStringList& wanted) {
    QStringList out;
    for (const QString& f : wanted)
        if (families.contains(f, Qt::CaseInsensitive))
            out << f;
    return out;
}

void substitute(const QStringList& families, const QStringList& faces, const QStringList& standIns) {
    if (standIns.isEmpty())
        return;
    for (const QString& face : faces)
        if (!families.contains(face, Qt::CaseInsensitive))
            QFont::insertSubstitutions(face, standIns);
}

} // namespace

void InstallFontSubstitutes() {
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList families = QFontDatabase::families();
    const QStringList sans = present(families, {"Liberation Sans", "Arial", "DejaVu Sans"});
    const QStringList serif = present(families, {"Liberation Serif", "Times New Roman", "DejaVu Serif"});
    const QStringList mono = present(families, {"Liberation Mono", "Courier New", "DejaVu Sans Mono"});
    substitute(families,
               {"Tahoma", "MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif",
                "Verdana", "Arial"},
               sans);
    substitute(families, {"Times New Roman", "Times", "MS Serif"}, serif);
    substitute(families, {"Courier New", "Courier"}, mono);
}

QFont DialogFont() {
    InstallFontSubstitutes();
    return QFont(QStringLiteral("Tahoma"), 8);
}

} // namespace tv
