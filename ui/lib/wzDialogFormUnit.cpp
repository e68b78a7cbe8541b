#include "ui/lib/wzDialogFormUnit.h"

#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/MarkupText.h"
#include "ui/lib/jdFlatButton.h"
#include "ui/lib/wzDialogUnit.h"
#include "ui/lib/wzPanelLook.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tv {

namespace {

constexpr int kStripWidth = 25;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 65;
constexpr int kButtonHeight = 23;
constexpr int kTextLeft = 50;
constexpr int kTextTop = 8;
constexpr unsigned kAllMembers = mbYes | mbNo | mbOK | mbCancel | mbAbort | mbRetry | mbIgnore | mbAll |
                                 TwzDialog::mbNoToAll | TwzDialog::mbYesToAll | mbHelp;

QLabel* iconLabel(QWidget* parent, const char* name, TMsgDlgType type) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(8, 4, kIconSize, kIconSize);
    l->setPixmap(MessageIcon(type));
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->hide();
    return l;
}

// Nearest integer of a / b (b > 0), ties to even.
int divRoundEven(int a, int b) {
    const int q = a / b;
    const int twice = 2 * (a % b);
    if (twice > b || (twice == b && q % 2 != 0))
        return q + 1;
    return q;
}

int popCount(unsigned v) {
    int n = 0;
    for (; v; v &= v - 1)
        ++n;
    return n;
}

} // namespace

QPixmap MessageIcon(TMsgDlgType type) {
    QPixmap pm(kIconSize, kIconSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    const QRectF box(1.5, 1.5, 29, 29);
    QString mark;
    QColor fill;
    QColor ink = Qt::white;
    switch (type) {
    case TMsgDlgType::mtWarning: {
        QPainterPath tri;
        tri.moveTo(16, 2);
        tri.lineTo(30.5, 29);
        tri.lineTo(1.5, 29);
        tri.closeSubpath();
        p.setPen(QPen(QColor(120, 90, 0), 1.5));
        p.setBrush(QColor(255, 204, 0));
        p.drawPath(tri);
        p.setPen(Qt::black);
        p.drawText(QRectF(0, 7, 32, 24), Qt::AlignCenter, QStringLiteral("!"));
        p.end();
        return pm;
    }
    case TMsgDlgType::mtError:
        fill = QColor(200, 30, 30);
        break;
    case TMsgDlgType::mtConfirmation:
        fill = QColor(40, 120, 60);
        mark = QStringLiteral("?");
        break;
    case TMsgDlgType::mtInformation:
    case TMsgDlgType::mtCustom:
        fill = QColor(30, 80, 170);
        mark = QStringLiteral("i");
        f.setFamily(QStringLiteral("Liberation Serif"));
        p.setFont(f);
        break;
    }
    p.setPen(QPen(fill.darker(150), 1.5));
    p.setBrush(fill);
    p.drawEllipse(box);
    p.setPen(ink);
    if (type == TMsgDlgType::mtError) {
        p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
        p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
    } else {
        p.drawText(box, Qt::AlignCenter, mark);
    }
    p.end();
    return pm;
}

void PlaySystemSound(TSystemSound sound) {
    // The desktop offers one bell; every message sound rings it.
    if (sound != TSystemSound::None)
        QApplication::beep();
}

namespace {

// A message is an alert to a screen reader: its title is the name, its text the description.
class TMessageAccessible final : public QAccessibleWidget {
public:
    explicit TMessageAccessible(TwzDialogForm* form) : QAccessibleWidget(form, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override {
        auto* form = static_cast<TwzDialogForm*>(widget());
        if (t == QAccessible::Description && form->dlgText())
            return MarkupPlainText(form->dlgText()->Caption());
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* MessageAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tv::TwzDialogForm") && object && object->isWidgetType())
        return new TMessageAccessible(static_cast<TwzDialogForm*>(object));
    return nullptr;
}

} // namespace

TwzDialogForm::TwzDialogForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    InstallFontSubstitutes();
    setObjectName(QStringLiteral("wzDialogForm"));
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(MessageAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFont(DialogFont());
    setModal(true);

    m_panel = FilledWidget(this, kwzPanelColor, QStringLiteral("Panel"));
    m_strip = FilledWidget(m_panel, kwzStripColor, QStringLiteral("Strip"));

    m_expWarn = iconLabel(m_panel, "expWarn", TMsgDlgType::mtWarning);
    m_expError = iconLabel(m_panel, "expError", TMsgDlgType::mtError);
    m_expInfo = iconLabel(m_panel, "expInfo", TMsgDlgType::mtInformation);
    m_expConf = iconLabel(m_panel, "expConf", TMsgDlgType::mtConfirmation);

    m_dlgText = new TDCLabel(m_panel);
    m_dlgText->setObjectName(QStringLiteral("dlgText"));
    m_dlgText->setTransparent(true);
    m_dlgText->setFontColor(Qt::black);
    m_dlgText->setAutoSize(true);
    m_dlgText->move(kTextLeft, kTextTop);

    m_scroll = new QScrollArea(m_panel);
    m_scroll->setObjectName(QStringLiteral("sbText"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(false);
    m_scroll->viewport()->setAutoFillBackground(false);
    m_scroll->hide();

    // Created in this order, which is also the Tab order: the first visible one has the focus.
    m_cmdAbort = addButton("cmdAbort", tr("&Abort"), mrAbort);
    m_cmdOK = addButton("cmdOK", tr("&OK"), mrOk);
    m_cmdCancel = addButton("cmdCancel", tr("&Cancel"), mrCancel);
    m_cmdNo = addButton("cmdNo", tr("&No"), mrNo);
    m_cmdRetry = addButton("cmdRetry", tr("&Retry"), mrRetry);
    m_cmdYes = addButton("cmdYes", tr("&Yes"), mrYes);
    m_cmdAll = addButton("cmdAll", tr("&All"), mrAll);
    m_cmdHelp = addButton("cmdHelp", tr("&Help"), mrNone);
    m_cmdIgnore = addButton("cmdIgnore", tr("&Ignore"), mrIgnore);

    m_editText = new QLineEdit(m_panel);
    m_editText->setObjectName(QStringLiteral("editText"));
    m_editText->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid rgb(77, 77, 57); "
                                             "background: white; color: black; padding: 1px 2px; }"));
    m_editText->setFixedHeight(21);
    m_editText->hide();
    connect(m_editText, &QLineEdit::returnPressed, this, [this] {
        if (m_cmdOK->isVisible())
            m_cmdOK->click();
    });
}

TjdFlatButton* TwzDialogForm::addButton(const char* name, const QString& text, int result) {
    auto* b = new TjdFlatButton(text, m_panel);
    b->setObjectName(QLatin1String(name));
    b->resize(kButtonWidth, kButtonHeight);
    b->hide();
    if (result == mrNone)
        connect(b, &QAbstractButton::clicked, this, [this] { emit helpRequested(m_helpContext); });
    else
        connect(b, &QAbstractButton::clicked, this, [this, result] { buttonClicked(result); });
    return b;
}

void TwzDialogForm::buttonClicked(int result) {
    m_resultCode = result;
    done(QDialog::Accepted);
}

int TwzDialogForm::EscapeResult() const {
    if (m_withEdit)
        return mrNone;
    if (!m_cmdNo->isHidden())
        return mrNo;
    if (!m_cmdCancel->isHidden())
        return mrCancel;
    // The only button that closes the window (Help does not).
    int only = mrNone;
    int count = 0;
    for (const auto& [button, result] : {std::pair{m_cmdOK, int(mrOk)}, std::pair{m_cmdYes, int(mrYes)},
                                         std::pair{m_cmdAbort, int(mrAbort)}, std::pair{m_cmdRetry, int(mrRetry)},
                                         std::pair{m_cmdIgnore, int(mrIgnore)}, std::pair{m_cmdAll, int(mrAll)}}) {
        if (!button->isHidden()) {
            only = result;
            ++count;
        }
    }
    return count == 1 ? only : int(mrNone);
}

void TwzDialogForm::reject() {
    if (m_withEdit) {
        QDialog::reject();
        return;
    }
    // With several buttons and neither No nor Cancel, only a button answers.
    if (const int result = EscapeResult())
        buttonClicked(result);
}

QLabel* TwzDialogForm::Icon(TMsgDlgType type) const {
    switch (type) {
    case TMsgDlgType::mtWarning:
        return m_expWarn;
    case TMsgDlgType::mtError:
        return m_expError;
    case TMsgDlgType::mtInformation:
        return m_expInfo;
    case TMsgDlgType::mtConfirmation:
        return m_expConf;
    case TMsgDlgType::mtCustom:
        return m_expInfo;
    }
    return nullptr;
}

TjdFlatButton* TwzDialogForm::Button(unsigned bit) const {
    switch (bit) {
    case mbYes:
        return m_cmdYes;
    case mbNo:
        return m_cmdNo;
    case mbOK:
        return m_cmdOK;
    case mbCancel:
        return m_cmdCancel;
    case mbAbort:
        return m_cmdAbort;
    case mbRetry:
        return m_cmdRetry;
    case mbIgnore:
        return m_cmdIgnore;
    case mbAll:
        return m_cmdAll;
    case mbHelp:
        return m_cmdHelp;
    default:
        return nullptr;
    }
}

void TwzDialogForm::LayoutMessage(const QString& text, TMsgDlgType type, unsigned buttons, int helpContext,
                                  const QString& caption, const QStringList& captions, bool withEdit) {
    m_helpContext = helpContext;
    m_withEdit = withEdit;
    setWindowTitle(caption);

    // A message larger than the screen's free area breaks long paths at their separators; what is
    // still too tall (or cannot be broken) scrolls.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
    const int editHeight = withEdit ? m_editText->height() : 0;
    const int maxTextWidth = std::max(area.width() - 100, 100);
    const int maxTextHeight = std::max(area.height() - 80 - editHeight, 40);

    if (m_scroll->widget() == m_dlgText) {
        m_scroll->takeWidget();
        m_dlgText->setParent(m_panel);
        m_dlgText->show();
    }
    m_scroll->hide();
    m_dlgText->move(kTextLeft, kTextTop);
    m_dlgText->setAutoSize(true);
    m_dlgText->setCaption(text);
    if (m_dlgText->sizeHint().width() > maxTextWidth)
        m_dlgText->setCaption(WrapMarkupText(text, m_dlgText->font(), maxTextWidth));
    m_dlgText->resize(m_dlgText->sizeHint());

    int textWidth = m_dlgText->width();
    int textHeight = m_dlgText->height();
    if (textWidth > maxTextWidth || textHeight > maxTextHeight) {
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        textWidth = std::min(textWidth + (textHeight > maxTextHeight ? bar : 0), maxTextWidth);
        textHeight = std::min(textHeight + (m_dlgText->width() > maxTextWidth ? bar : 0), maxTextHeight);
        m_scroll->setGeometry(kTextLeft, kTextTop, textWidth, textHeight);
        m_scroll->setWidget(m_dlgText);
        m_scroll->show();
    }

    int height = textHeight + 80 + editHeight;
    int width = textWidth + 100;

    for (QLabel* icon : {m_expWarn, m_expError, m_expInfo, m_expConf})
        icon->hide();
    auto title = [&](int line) { return line < captions.size() ? captions[line] : QString(); };
    switch (type) {
    case TMsgDlgType::mtWarning:
        m_expWarn->show();
        setWindowTitle(title(4));
        m_sound = TSystemSound::Exclamation;
        break;
    case TMsgDlgType::mtError:
        m_expError->show();
        setWindowTitle(title(2));
        m_sound = TSystemSound::Hand;
        break;
    case TMsgDlgType::mtInformation:
        m_expInfo->show();
        setWindowTitle(title(3));
        m_sound = TSystemSound::Asterisk;
        break;
    case TMsgDlgType::mtConfirmation:
        m_expConf->show();
        setWindowTitle(title(0));
        m_sound = TSystemSound::Question;
        break;
    case TMsgDlgType::mtCustom: {
        const QPixmap appIcon = QApplication::windowIcon().pixmap(kIconSize, kIconSize);
        m_expInfo->setPixmap(appIcon.isNull() ? MessageIcon(TMsgDlgType::mtInformation) : appIcon);
        m_expInfo->show();
        setWindowTitle(title(1));
        m_sound = TSystemSound::Exclamation;
        break;
    }
    }

    const int n = popCount(buttons & kAllMembers);
    if (n * 110 > width)
        width = n * 110 + 10;
    const int spacing = divRoundEven(width, n + 1);

    for (unsigned bit : {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbHelp})
        Button(bit)->hide();
    int k = 0;
    QWidget* firstFocus = nullptr;
    for (unsigned bit : {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbHelp}) {
        if (!(buttons & bit))
            continue;
        ++k;
        TjdFlatButton* b = Button(bit);
        b->move(spacing * k - 40, height - 55);
        b->show();
    }
    for (TjdFlatButton* b :
         {m_cmdAbort, m_cmdOK, m_cmdCancel, m_cmdNo, m_cmdRetry, m_cmdYes, m_cmdAll, m_cmdHelp, m_cmdIgnore})
        if (!firstFocus && !b->isHidden())
            firstFocus = b;

    m_editText->setVisible(withEdit);
    if (withEdit) {
        // Six pixels from the client area's right edge, as from its left edge to the message.
        m_editText->setGeometry(kTextLeft, kTextTop + textHeight + 4,
                                width - 2 * kFrame - kTextLeft - 6, m_editText->height());
        firstFocus = m_editText;
    }

    const QSize client(width - 2 * kFrame, height - 2 * kFrame - kCaption);
    setFixedSize(client);
    m_panel->setGeometry(0, 0, client.width(), client.height());
    m_strip->setGeometry(0, 0, kStripWidth, client.height());
    m_strip->lower();
    if (firstFocus)
        firstFocus->setFocus();
}

} // namespace tv
