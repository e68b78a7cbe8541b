#include "ui/editors/StaticBMPUnit.h"

#include "core/TextCodec.h"
#include "ui/editors/ColorStrip.h"
#include "ui/editors/DesktopControl.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/NameSeam.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzLabelUnit.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace tv {

namespace {

// Shown until a file is chosen.
QImage SamplePicture() {
    QImage image(96, 48, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 255));
    QPainter p(&image);
    p.fillRect(QRect(3, 3, 90, 42), QColor(255, 255, 200));
    p.setPen(QColor(128, 0, 0));
    p.drawRect(QRect(3, 3, 89, 41));
    p.setFont(DialogFont());
    p.drawText(QRect(3, 3, 90, 42), Qt::AlignCenter, QCoreApplication::translate("tv::TStaticBMP", "Bitmap"));
    return image;
}

} // namespace

// ---- TStaticPicture ----

TStaticPicture::TStaticPicture(QWidget* parent) : QWidget(parent) {
    setObjectName("static");
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::SizeAllCursor);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void TStaticPicture::SetImage(const QImage& image) {
    m_image = image;
    m_shown = m_transparent ? WithTransparency(m_image) : m_image;
    setFixedSize(m_image.size()); // auto-sized
    update();
}

void TStaticPicture::SetTransparent(bool on) {
    m_transparent = on;
    SetImage(m_image);
}

void TStaticPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, m_shown);
}

void TStaticPicture::mousePressEvent(QMouseEvent* event) {
    // The right button opens the menu instead.
    if (event->button() == Qt::LeftButton)
        emit dragStarted(event->position().toPoint());
}

void TStaticPicture::mouseMoveEvent(QMouseEvent* event) {
    emit dragMoved(event->position().toPoint());
}

void TStaticPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit dragEnded();
}

// ---- TStaticBMP ----

TStaticBMP::TStaticBMP(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_desktop(std::make_unique<TDesktopControl>()) {
    setObjectName("StaticBMP");
    setWindowTitle(tr("Tamrin Installer Velox - Static Bitmap"));
    setFont(DialogFont());
    // The restored size is the whole screen too, for window systems that do not maximise.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size());
    setWindowState(Qt::WindowMaximized);

    m_lbTitle = new TwzLabel(this);
    m_lbTitle->setObjectName("lbTitle");
    m_lbTitle->setTextStyle(TwzLabel::tsShadow);
    m_lbTitle->setTransparent(true);
    m_lbTitle->setShowAccelChar(false);
    m_lbTitle->move(20, 20);

    m_lbHint = new QLabel(tr("(Right click on bitmap for menu)"), this);
    m_lbHint->setObjectName("lbHint");
    m_lbHint->move(20, 72);
    m_lbHint->adjustSize();

    m_static = new TStaticPicture(this);
    m_static->SetImage(SamplePicture());
    m_static->move(0, 0);
    connect(m_static, &TStaticPicture::dragStarted, this, [this](const QPoint& pos) {
        m_dragging = true;
        m_dragStart = pos;
    });
    connect(m_static, &TStaticPicture::dragMoved, this, [this](const QPoint& pos) {
        if (m_dragging)
            MovedTo(m_static->pos() + (pos - m_dragStart));
    });
    connect(m_static, &TStaticPicture::dragEnded, this, [this] { m_dragging = false; });

    m_menu = new QMenu(this);
    m_menu->setObjectName("PopupMenu1");
    m_menu->addAction(tr("Select Bitmap"), this, &TStaticBMP::mnSelectBitmapClick)
        ->setObjectName("mnSelectBitmap");
    m_menu->addSeparator();
    m_mnTransparent = m_menu->addAction(tr("Transparent Using Left-Bottom color of bitmap"), this,
                                        &TStaticBMP::mnTransparentClick);
    m_mnTransparent->setObjectName("mnTransparent");
    m_mnTransparent->setCheckable(true);
    auto* origins = new QActionGroup(this);
    for (int origin = 0; origin < 4; ++origin) {
        QAction* a = m_menu->addAction(OriginCaption(origin), this, [this, origin] { mnOriginClick(origin); });
        a->setObjectName(QString("mnOrigin%1").arg(origin));
        a->setCheckable(true);
        origins->addAction(a);
        m_mnOrigin[origin] = a;
    }
    m_menu->addSeparator();
    m_menu->addAction(tr("Close"), this, &TStaticBMP::mnCloseClick)->setObjectName("mnClose");
    m_menu->addAction(tr("Set this to this bitmap"), this, &TStaticBMP::mnSetClick)->setObjectName("mnSet");
    connect(m_static, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { m_menu->popup(m_static->mapToGlobal(pos)); });

    m_mnOrigin[m_origin]->setChecked(true);
}

TStaticBMP::~TStaticBMP() = default;

QString TStaticBMP::OriginCaption(int origin) {
    static const char* const captions[] = {
        QT_TR_NOOP("Coord. begin: Left-Top"), QT_TR_NOOP("Coord. begin: Right-Top"),
        QT_TR_NOOP("Coord. begin: Left-Bottom"), QT_TR_NOOP("Coord. begin: Right-Bottom")};
    return origin >= 0 && origin < 4 ? tr(captions[origin]) : QString();
}

void TStaticBMP::SetScreen(const TSetupScreen& screen) {
    m_screen = screen;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(screen.GradientTop));
    setPalette(pal);
    // The hint stays readable on a dark or a light background.
    QPalette hint = m_lbHint->palette();
    hint.setColor(QPalette::WindowText, qGray(pal.color(QPalette::Window).rgb()) < 128 ? Qt::white : Qt::black);
    m_lbHint->setPalette(hint);
    update();
}

void TStaticBMP::SetPlacement(int x, int y, int origin) {
    m_x = x;
    m_y = y;
    if (origin >= 0 && origin < 4) {
        m_origin = origin;
        m_mnOrigin[origin]->setChecked(true);
    }
    if (m_activated)
        Place();
}

bool TStaticBMP::Transparent() const {
    return m_mnTransparent->isChecked();
}

void TStaticBMP::SetTransparent(bool on) {
    m_mnTransparent->setChecked(on);
    m_static->SetTransparent(on);
}

TColor TStaticBMP::TransparentColor() const {
    return LowerLeftColor(m_static->Image());
}

QString TStaticBMP::Hint() const {
    return QString("X=%1,Y=%2 %3").arg(m_x).arg(m_y).arg(OriginCaption(m_origin));
}

bool TStaticBMP::ReadPicture(const QString& fileName, QImage& image) const {
    const QString path = QDir(m_baseFolder).filePath(QDir::fromNativeSeparators(fileName));
    QImageReader reader(path);
    QImage read = reader.read();
    if (read.isNull())
        return false;
    image = read;
    return true;
}

void TStaticBMP::ReportUnreadable(const QString& fileName) {
    wzDialog().MessageDlg(tr("Cannot read the bitmap \"%1\":/#it is missing or not a bitmap.").arg(fileName),
                          TMsgDlgType::mtError, 0, mbOK);
}

void TStaticBMP::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_activated)
        Activate();
}

void TStaticBMP::Activate() {
    m_activated = true;
    m_taskbarHidden = std::make_unique<TTaskbarHidden>(*m_desktop);
    m_cw = width();
    m_ch = height();
    bool unreadable = false;
    if (!m_fileName.isEmpty()) {
        QImage image;
        if (ReadPicture(m_fileName, image))
            m_static->SetImage(image);
        else
            unreadable = true;
    }
    m_mnOrigin[m_origin]->setChecked(true);
    Place();
    m_static->SetTransparent(m_mnTransparent->isChecked());
    m_static->setToolTip(Hint());
    m_static->setFocus();
    // A picture that cannot be read ends the edit once the window stands: what the row holds (its
    // transparent colour above all) is not replaced by the sample's.
    if (unreadable)
        QMetaObject::invokeMethod(
            this,
            [this, name = m_fileName] {
                ReportUnreadable(name);
                done(2);
            },
            Qt::QueuedConnection);
}

void TStaticBMP::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (!m_activated || m_dragging)
        return;
    // Maximising may finish after the window is shown: the corners move, the distances stay.
    m_cw = width();
    m_ch = height();
    Place();
}

void TStaticBMP::Place() {
    m_static->move(PlaceFromOrigin({m_cw, m_ch}, m_static->size(), m_x, m_y, m_origin));
}

void TStaticBMP::MovedTo(const QPoint& topLeft) {
    m_static->move(topLeft);
    const QPoint d = DistancesFromOrigin({m_cw, m_ch}, m_static->size(), topLeft, m_origin);
    m_x = d.x();
    m_y = d.y();
    m_static->setToolTip(Hint());
    m_static->setAccessibleDescription(Hint());
}

void TStaticBMP::keyPressEvent(QKeyEvent* event) {
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint by;
    switch (event->key()) {
    case Qt::Key_Left: by = {-step, 0}; break;
    case Qt::Key_Right: by = {step, 0}; break;
    case Qt::Key_Up: by = {0, -step}; break;
    case Qt::Key_Down: by = {0, step}; break;
    default: QDialog::keyPressEvent(event); return;
    }
    MovedTo(m_static->pos() + by);
}

void TStaticBMP::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintSetupScreen(p, rect(), m_screen, true, false);
}

void TStaticBMP::mnSelectBitmapClick() {
    TFileQuestion question;
    question.dialog = "OpenPictureDialog1";
    question.title = tr("Select Bitmap");
    question.filters = QStringList{tr("Bitmap (*.bmp)")};
    question.defaultSuffix = "bmp";
    if (!m_fileName.isEmpty())
        question.proposed = QDir(m_baseFolder).filePath(QDir::fromNativeSeparators(m_fileName));
    QString chosen;
    if (!AskFileName(this, question, chosen))
        return;
    QImage image;
    if (!ReadPicture(chosen, image)) {
        ReportUnreadable(chosen);
        return;
    }
    // Inside the project's folder the bitmap is kept by a relative name: the project can move.
    m_fileName = RelativeIfInside(m_baseFolder, chosen);
    m_static->SetImage(image);
    // X and Y stay what they were: the new picture stands at the same distances from the origin's
    // corner as the old one.
    Place();
    m_static->setToolTip(Hint());
}

void TStaticBMP::mnTransparentClick() {
    m_static->SetTransparent(m_mnTransparent->isChecked());
}

void TStaticBMP::mnOriginClick(int origin) {
    // The picture stays where it is; X and Y are measured from the new corner at the next move.
    m_origin = origin;
    m_mnOrigin[origin]->setChecked(true);
}

void TStaticBMP::mnCloseClick() {
    done(2);
}

void TStaticBMP::mnSetClick() {
    if (m_fileName.isEmpty()) {
        wzDialog().MessageDlg(tr("You have not selected a bitmap yet"), TMsgDlgType::mtError, 0, mbOK);
        return;
    }
    // The project keeps a bitmap's values apart with commas, and its texts in Windows-1252.
    if (m_fileName.contains(',')) {
        wzDialog().MessageDlg(tr("The bitmap's path may not contain a comma:/#%1").arg(m_fileName),
                              TMsgDlgType::mtError, 0, mbOK);
        return;
    }
    const std::string utf8 = m_fileName.toStdString();
    if (!Utf8ToAnsi(utf8)) {
        wzDialog().MessageDlg(tr("The bitmap's path holds the character \"%1\", which the project "
                                 "cannot keep:/#its texts are in the Windows-1252 character set.")
                                  .arg(QString::fromStdString(FirstUnencodable(utf8))),
                              TMsgDlgType::mtError, 0, mbOK);
        return;
    }
    done(1);
}

void TStaticBMP::done(int result) {
    m_taskbarHidden.reset(); // the taskbar comes back on every way out
    QDialog::done(result);
}

} // namespace tv
