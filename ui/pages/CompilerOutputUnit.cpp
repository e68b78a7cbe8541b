#include "ui/pages/CompilerOutputUnit.h"

#include "core/TextCodec.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tv {

namespace {

// Line ends as the view wants them: a lone CR (a progress line redrawn in place) starts a new line.
QString ShownText(const std::string& output) {
    QString text = QString::fromUtf8(HostToUtf8(output));
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    if (text.endsWith('\n'))
        text.chop(1);
    return text;
}

} // namespace

TCompilerOutputForm::TCompilerOutputForm(const std::string& output, QWidget* parent) : QDialog(parent) {
    setObjectName("CompilerOutputForm");
    setWindowTitle(tr("Compiler output"));
    resize(560, 340);

    m_meOutput = new QPlainTextEdit(this);
    m_meOutput->setObjectName("meOutput");
    m_meOutput->setReadOnly(true);
    m_meOutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_meOutput->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_meOutput->setPlaceholderText(tr("The compiler printed nothing."));
    m_meOutput->setPlainText(ShownText(output));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName("btClose");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_meOutput);
    layout->addWidget(buttons);
}

void TCompilerOutputForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The scroll bars were shown while the view was still at its small first size, where the lines
    // did not fit. The view hides a bar it no longer needs in a queued call, after the first paint:
    // run it now, so that short lines never show a horizontal bar.
    QCoreApplication::sendPostedEvents(m_meOutput, QEvent::MetaCall);
    // At the start of the last line: the end of the output, read from its left edge.
    QTextCursor cursor = m_meOutput->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::StartOfBlock);
    m_meOutput->setTextCursor(cursor);
    m_meOutput->verticalScrollBar()->setValue(m_meOutput->verticalScrollBar()->maximum());
    m_meOutput->horizontalScrollBar()->setValue(0);
}

} // namespace tv
