#include "ui/editors/PickerWindow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/jdFlatButton.h"

namespace tv {

namespace {
constexpr int kStripHeight = 5;
}

TPickerWindow::TPickerWindow(QWidget* parent, const QString& title, const QString& tabCaption)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(title);
    setModal(true);
    // A window does not take its owner's font: give it the one every window of the program has.
    setFont(DialogFont());

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, kStripHeight + 4, 6, 6);
    outer->setSpacing(6);

    m_Tabs = new QTabWidget(this);
    m_Tabs->setObjectName("PageControl1");
    m_Tabs->setDocumentMode(true);
    m_Page = new QWidget(m_Tabs);
    m_Page->setObjectName("TabSheet1");
    m_Tabs->addTab(m_Page, tabCaption);
    outer->addWidget(m_Tabs, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_OK = new TjdFlatButton(tr("OK"), this);
    m_OK->setObjectName("doOK");
    m_Cancel = new TjdFlatButton(tr("Cancel"), this);
    m_Cancel->setObjectName("doCancel");
    for (TjdFlatButton* b : {m_OK, m_Cancel})
        b->setMinimumSize(75, 25);
    buttons->addWidget(m_OK);
    buttons->addWidget(m_Cancel);
    outer->addLayout(buttons);

    connect(m_OK, &TjdFlatButton::clicked, this, &TPickerWindow::accept);
    connect(m_Cancel, &TjdFlatButton::clicked, this, &TPickerWindow::reject);
}

void TPickerWindow::keyPressEvent(QKeyEvent* event) {
    // Enter confirms wherever the focus is (the flat buttons are no default buttons).
    if (event->modifiers() == Qt::NoModifier &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TPickerWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.fillRect(QRect(0, 0, width(), kStripHeight), palette().color(QPalette::Active, QPalette::Highlight));
}

// Without a title bar the window is moved by dragging its background.
void TPickerWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_Dragging = true;
        m_DragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
    }
    QDialog::mousePressEvent(event);
}

void TPickerWindow::mouseMoveEvent(QMouseEvent* event) {
    if (m_Dragging)
        move(event->globalPosition().toPoint() - m_DragOffset);
    QDialog::mouseMoveEvent(event);
}

void TPickerWindow::mouseReleaseEvent(QMouseEvent* event) {
    m_Dragging = false;
    QDialog::mouseReleaseEvent(event);
}

} // namespace tv
