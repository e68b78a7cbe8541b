#include "ui/editors/ContentsMemo.h"

#include "core/TextCodec.h"
#include "ui/editors/AnsiInput.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QToolTip>

namespace tv {

namespace {

QString Problem(const TLineCheck& check, const QString& line) {
    const auto ansi = Utf8ToAnsi(line.toStdString());
    if (!ansi)
        return QCoreApplication::translate("tv::TContentsMemo",
                                           "The line holds a character Windows-1252 cannot hold");
    return QString::fromStdString(check(*ansi));
}

// Refuses text holding a character the project cannot store, shown beside memo; true when it was
// refused.
bool RefuseNotAnsi(QWidget* memo, const QString& text) {
    const std::string utf8 = text.toStdString();
    if (text.isEmpty() || Utf8ToAnsi(utf8))
        return false;
    ShowRefused(memo, QString::fromStdString(FirstUnencodable(utf8)));
    return true;
}

class TLineMarker final : public QSyntaxHighlighter {
public:
    TLineMarker(TLineCheck check, QTextDocument* doc) : QSyntaxHighlighter(doc), m_check(std::move(check)) {}

protected:
    void highlightBlock(const QString& text) override {
        if (text.isEmpty() || Problem(m_check, text).isEmpty())
            return;
        QTextCharFormat marked;
        marked.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        marked.setUnderlineColor(QColor(204, 0, 0));
        setFormat(0, int(text.size()), marked);
    }

private:
    TLineCheck m_check;
};

} // namespace

TContentsMemo::TContentsMemo(TLineCheck check, QWidget* parent) : QPlainTextEdit(parent), m_check(check) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    new TLineMarker(std::move(check), document());
}

std::vector<std::string> TContentsMemo::Lines() const {
    QStringList lines = toPlainText().split(QChar('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    std::vector<std::string> result;
    result.reserve(std::size_t(lines.size()));
    for (const QString& line : lines)
        result.push_back(Utf8ToAnsi(line.toStdString()).value_or(std::string()));
    return result;
}

void TContentsMemo::SetLines(const std::vector<std::string>& lines) {
    QStringList text;
    for (const auto& line : lines)
        text << QString::fromStdString(AnsiToUtf8(line));
    setPlainText(text.join(QChar('\n')));
}

void TContentsMemo::AppendLine(const QString& line) {
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    if (!c.block().text().isEmpty())
        c.insertBlock();
    c.insertText(line);
    setTextCursor(c);
    ensureCursorVisible();
}

QString TContentsMemo::LineProblem(int i) const {
    const QTextBlock block = document()->findBlockByNumber(i);
    if (!block.isValid() || block.text().isEmpty())
        return {};
    return Problem(m_check, block.text());
}

bool TContentsMemo::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const QTextBlock block = cursorForPosition(help->pos()).block();
        const QString reason = LineProblem(block.blockNumber());
        if (reason.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), reason, viewport());
        return true;
    }
    return QPlainTextEdit::viewportEvent(e);
}

void TContentsMemo::keyPressEvent(QKeyEvent* e) {
    if (RefuseNotAnsi(this, e->text())) {
        e->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
}

void TContentsMemo::inputMethodEvent(QInputMethodEvent* e) {
    if (RefuseNotAnsi(this, e->commitString())) {
        e->accept();
        return;
    }
    QPlainTextEdit::inputMethodEvent(e);
}

void TContentsMemo::insertFromMimeData(const QMimeData* source) {
    if (source->hasText() && RefuseNotAnsi(this, source->text()))
        return;
    QPlainTextEdit::insertFromMimeData(source);
}

} // namespace tv
