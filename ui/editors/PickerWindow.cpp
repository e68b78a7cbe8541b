#include "ui/editors/PickerWindow.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tv {

namespace {
constexpr int kStripHeight = 5;
}

TPickerWindow::TPickerWindow(QWidget* parent, const QString& title, const QString& tabCaption)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setWindowTitle(title);
    setModal(true);

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
    m_OK = new QPushButton("OK", this);
    m_OK->setObjectName("doOK");
    m_OK->setDefault(true);
    m_Cancel = new QPushButton("Cancel", this);
    m_Cancel->setObjectName("doCancel");
    buttons->addWidget(m_OK);
    buttons->addWidget(m_Cancel);
    outer->addLayout(buttons);

    connect(m_OK, &QPushButton::clicked, this, &TPickerWindow::accept);
    connect(m_Cancel, &QPushButton::clicked, this, &TPickerWindow::reject);
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
