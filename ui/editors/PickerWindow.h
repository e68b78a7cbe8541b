#pragma once
// The frame the font and colour pickers share: a window without title bar and a 5-pixel strip in
// the highlight colour along its top (dragging the window background moves it), a flat page
// control with one tab, and the buttons doOK (result 1) and doCancel (result 2).

#include <QDialog>

class QTabWidget;

namespace tv {

class TjdFlatButton;

class TPickerWindow : public QDialog {
    Q_OBJECT
public:
    TPickerWindow(QWidget* parent, const QString& title, const QString& tabCaption);

    // OK closes with 1; Cancel, Escape and closing the window with 2.
    void accept() override { done(1); }
    void reject() override { done(2); }

protected:
    // The tab's page: subclasses put their controls here.
    QWidget* Page() const { return m_Page; }
    // The page control, for windows with more than one tab.
    QTabWidget* Tabs() const { return m_Tabs; }

    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QTabWidget* m_Tabs = nullptr;
    QWidget* m_Page = nullptr;
    TjdFlatButton* m_OK = nullptr;
    TjdFlatButton* m_Cancel = nullptr;
    QPoint m_DragOffset;
    bool m_Dragging = false;
};

} // namespace tv
