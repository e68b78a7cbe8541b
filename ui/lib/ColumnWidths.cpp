#include "ui/lib/ColumnWidths.h"

#include <QHeaderView>
#include <QObject>
#include <QSettings>
#include <QStringList>

#include <vector>

namespace tv {

namespace {

constexpr int kMaxWidth = 4000;

QString SettingsKey(const QString& key) {
    return "Columns/" + key;
}

// Follows the widths as the author drags them and writes them once, when the table goes away: a
// drag resizes a column many times a second.
class TColumnWidths final : public QObject {
public:
    TColumnWidths(QHeaderView* header, const QString& key) : QObject(header), m_key(key) {
        Restore(header);
        m_widths.resize(std::size_t(header->count()), 0);
        for (int c = 0; c < header->count(); ++c)
            if (header->sectionResizeMode(c) == QHeaderView::Interactive)
                m_widths[std::size_t(c)] = header->sectionSize(c);
        connect(header, &QHeaderView::sectionResized, this, [this, header](int column, int, int size) {
            if (column < 0 || header->sectionResizeMode(column) != QHeaderView::Interactive)
                return;
            if (std::size_t(column) >= m_widths.size())
                m_widths.resize(std::size_t(column) + 1, 0);
            if (m_widths[std::size_t(column)] != size) {
                m_widths[std::size_t(column)] = size;
                m_changed = true;
            }
        });
    }

    // The header is half gone by now: only what was kept is written.
    ~TColumnWidths() override {
        if (!m_changed)
            return;
        QStringList widths;
        for (int w : m_widths)
            widths << QString::number(w);
        QSettings().setValue(SettingsKey(m_key), widths.join(','));
    }

private:
    void Restore(QHeaderView* header) const {
        const QStringList widths = QSettings().value(SettingsKey(m_key)).toString().split(',');
        for (int c = 0; c < widths.size() && c < header->count(); ++c) {
            bool ok = false;
            const int w = widths[c].toInt(&ok);
            if (ok && w > 0 && header->sectionResizeMode(c) == QHeaderView::Interactive)
                header->resizeSection(c, qBound(header->minimumSectionSize(), w, kMaxWidth));
        }
    }

    QString m_key;
    std::vector<int> m_widths; // 0: a column the header sizes itself
    bool m_changed = false;
};

} // namespace

void RememberColumnWidths(QHeaderView* header, const QString& key) {
    for (int c = 0; c < header->count(); ++c)
        if (header->sectionResizeMode(c) != QHeaderView::Stretch)
            header->setSectionResizeMode(c, QHeaderView::Interactive);
    new TColumnWidths(header, key);
}

} // namespace tv
