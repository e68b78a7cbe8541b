#pragma once
// TStaticBMP: the full-screen window in which the author picks a static bitmap and places it by
// dragging it (or with the arrow keys; Shift moves ten pixels) over a picture of the setup's main
// window. The placement is kept as distances X, Y from one corner (the origin). The popup menu of
// the picture selects the file, switches transparency (the lower-left pixel's colour is left out)
// and the origin, and closes with 2 ("Close") or 1 ("Set this to this bitmap"). Escape closes with 2.
// While the window is open the system taskbar is hidden.

#include "core/Project.h"
#include "ui/editors/SetupScreen.h"

#include <QDialog>
#include <QImage>
#include <QPoint>

#include <memory>

class QAction;
class QLabel;
class QMenu;

namespace tv {

class TDesktopControl;
class TTaskbarHidden;
class TwzLabel;

// The picture being placed: draws its image, see-through where transparent, and reports drags.
class TStaticPicture final : public QWidget {
    Q_OBJECT
public:
    explicit TStaticPicture(QWidget* parent = nullptr);
    void SetImage(const QImage& image);
    const QImage& Image() const { return m_image; }
    void SetTransparent(bool on);
    bool Transparent() const { return m_transparent; }

signals:
    void dragStarted(const QPoint& pos);
    void dragMoved(const QPoint& pos);
    void dragEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    QImage m_shown;
    bool m_transparent = false;
};

class TStaticBMP final : public QDialog {
    Q_OBJECT
public:
    explicit TStaticBMP(QWidget* parent = nullptr);
    ~TStaticBMP() override;

    // What the setup shows around the bitmap; the window colour is its gradient's top colour.
    void SetScreen(const TSetupScreen& screen);
    TwzLabel* Title() const { return m_lbTitle; }

    // The bitmap file as it is stored: a relative name is read from the base folder.
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString& fileName) { m_fileName = fileName; }
    void SetBaseFolder(const QString& folder) { m_baseFolder = folder; }

    int X() const { return m_x; }
    int Y() const { return m_y; }
    int Origin() const { return m_origin; }
    void SetPlacement(int x, int y, int origin);
    bool Transparent() const;
    void SetTransparent(bool on);
    // The lower-left pixel's colour of the picture.
    TColor TransparentColor() const;

    TStaticPicture* Picture() const { return m_static; }
    QMenu* PopupMenu() const { return m_menu; }
    QSize ClientSize() const { return {m_cw, m_ch}; }
    // The picture's hint: "X=10,Y=20 Coord. begin: Right-Bottom".
    QString Hint() const;

    static QString OriginCaption(int origin);

    void accept() override { done(1); }
    void reject() override { done(2); }
    void done(int result) override;

public slots:
    void mnSelectBitmapClick();
    void mnTransparentClick();
    void mnOriginClick(int origin);
    void mnCloseClick();
    void mnSetClick();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Activate();
    // The picture from a file; false (and the picture unchanged) when it cannot be read.
    bool ReadPicture(const QString& fileName, QImage& image) const;
    void ReportUnreadable(const QString& fileName);
    void Place();
    // The picture now stands at topLeft: X and Y follow, the hint shows them.
    void MovedTo(const QPoint& topLeft);

    std::unique_ptr<TDesktopControl> m_desktop;
    std::unique_ptr<TTaskbarHidden> m_taskbarHidden;
    TSetupScreen m_screen;
    TwzLabel* m_lbTitle = nullptr;
    QLabel* m_lbHint = nullptr;
    TStaticPicture* m_static = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_mnTransparent = nullptr;
    QAction* m_mnOrigin[4] = {};
    QString m_fileName;
    QString m_baseFolder;
    int m_x = 0, m_y = 0, m_origin = orRightBottom;
    int m_cw = 0, m_ch = 0;
    bool m_activated = false;
    bool m_dragging = false;
    QPoint m_dragStart;
};

} // namespace tv
