#pragma once
// TContentsMemo: the parameter memo of the registry and INI editors. Free text, one parameter line
// per line; nothing is refused but characters Windows-1252 cannot hold. A line its check calls
// wrong is underlined, and the reason is its tooltip.

#include <QPlainTextEdit>

#include <functional>
#include <string>
#include <vector>

namespace tv {

// Why an ANSI line is wrong; empty when it is sound.
using TLineCheck = std::function<std::string(const std::string& line)>;

class TContentsMemo final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TContentsMemo(TLineCheck check, QWidget* parent = nullptr);

    // The ANSI lines of the memo; a line break after the last line adds no empty line.
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    // Puts line below the last one (into the last line when that is empty).
    void AppendLine(const QString& line);
    // The reason line number i (from 0) is marked, empty when it is not.
    QString LineProblem(int i) const;

protected:
    bool viewportEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    TLineCheck m_check;
};

} // namespace tv
