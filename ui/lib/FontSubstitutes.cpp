#include "ui/lib/FontSubstitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <vector>

namespace tv {

namespace {

struct TStandIns {
    QStringList Faces;    // Windows faces
    QStringList StandIns; // what draws them here, best first
};

// Metric twins first, then the nearest common face of the same kind.
const std::vector<TStandIns>& StandInTable() {
    static const std::vector<TStandIns> table = {
        {{"Tahoma", "MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2", "Microsoft Sans Serif", "Verdana",
          "Arial"},
         {"Liberation Sans", "Arial", "DejaVu Sans"}},
        {{"Times New Roman", "Times", "MS Serif"}, {"Liberation Serif", "Times New Roman", "DejaVu Serif"}},
        {{"Courier New", "Courier"}, {"Liberation Mono", "Courier New", "DejaVu Sans Mono"}},
    };
    return table;
}

QStringList present(const QStringList& families, const QStringList& wanted) {
    QStringList out;
    for (const QString& f : wanted)
        if (families.contains(f, Qt::CaseInsensitive))
            out << f;
    return out;
}

} // namespace

QString StandInFace(const QString& face, const QStringList& families) {
    if (families.contains(face, Qt::CaseInsensitive))
        return QString();
    for (const TStandIns& row : StandInTable()) {
        if (!row.Faces.contains(face, Qt::CaseInsensitive))
            continue;
        const QStringList standIns = present(families, row.StandIns);
        return standIns.isEmpty() ? QString() : standIns.first();
    }
    return QString();
}

void InstallFontSubstitutes() {
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList families = QFontDatabase::families();
    for (const TStandIns& row : StandInTable()) {
        const QStringList standIns = present(families, row.StandIns);
        if (standIns.isEmpty())
            continue;
        for (const QString& face : row.Faces)
            if (!families.contains(face, Qt::CaseInsensitive))
                QFont::insertSubstitutions(face, standIns);
    }
}

QFont DialogFont() {
    InstallFontSubstitutes();
    return QFont(QStringLiteral("Tahoma"), 8);
}

} // namespace tv
