#include "ui/lib/wzAboutFormUnit.h"

#include "ui/lib/DCLabelUnit.h"
#include "ui/lib/FontSubstitutes.h"
#include "ui/lib/jdFlatButton.h"
#include "ui/lib/wzLabelUnit.h"
#include "ui/lib/wzPanelLook.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

#include <algorithm>

namespace tv {

namespace {

const QColor kLineColor(162, 154, 130);
const QColor kNotesColor(102, 94, 85);
const QColor kInfoColor(77, 77, 57);
const QColor kLinkColor(164, 149, 128);
const QColor kLinkHoverColor(0, 0, 255);

// Places of the bottom panel's contents; the panel itself follows the Notes text.
constexpr int kPanelBotLeft = 35;
constexpr int kPanelMinWidth = 280;
constexpr int kInfoLeft = 9;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;

TwzAboutForm::TUrlOpener& DefaultOpener() {
    static TwzAboutForm::TUrlOpener opener;
    return opener;
}

QFrame* Line(QWidget* parent, const QString& name) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::NoFrame);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, kLineColor);
    line->setPalette(pal);
    line->setAutoFillBackground(true);
    line->setFixedHeight(2);
    return line;
}

TDCLabel* MarkupLabel(QWidget* parent, const QString& name, const QColor& color) {
    auto* label = new TDCLabel(parent);
    label->setObjectName(name);
    label->setTransparent(true);
    label->setAutoSize(true);
    label->setFontColor(color);
    return label;
}

void SetTextColor(QWidget* w, const QColor& color) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, color);
    w->setPalette(pal);
}

} // namespace

TwzAboutForm::TwzAboutForm(QWidget* parent) : TwzAboutForm(TDCVersionInfo::ThisProgram(), parent) {}

TwzAboutForm::TwzAboutForm(const TDCVersionInfo& info, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("wzAboutForm"));
    setWindowTitle(tr("About"));
    setFont(DialogFont());

    m_supportAddress.clear();
    m_linksActive = true;
    m_linkPrefixes[0] = tr("Internet: ");
    m_linkPrefixes[1] = tr("Author: ");
    m_linkPrefixes[2] = tr("Support: ");
    m_urlOpener = DefaultOpener();

    CreateControls();

    QIcon icon = QApplication::windowIcon();
    QPixmap pixmap = icon.isNull() ? QPixmap() : icon.pixmap(32, 32);
    if (pixmap.isNull())
        pixmap = QPixmap(QStringLiteral(":/images/wzAboutIcon.png"));
    m_appIcon->setPixmap(pixmap);

    m_versionText = info.VersionText();
    m_internalName = info.StringValue(QStringLiteral("InternalName"));
    m_legalCopyright = info.StringValue(QStringLiteral("LegalCopyright"));
    m_companyName = info.StringValue(QStringLiteral("CompanyName"));
    m_author = info.StringValue(QStringLiteral("Author"));

    const TOsVersion os = TDCVersionInfo::CurrentOsVersion();
    // The system's own names may hold slashes ("GNU/Linux"): show them with markup off.
    m_lbSystemInfo->setCaption(QStringLiteral("/{") + TDCVersionInfo::FormatOsText(os) +
                               QStringLiteral("/}"));
    m_lbMemoryInfo->setCaption(tr("Total memory %1: %2")
                                   .arg(os.Family.isEmpty() ? tr("System") : os.Family)
                                   .arg(TDCVersionInfo::TotalMemoryText(), 39));
}

void TwzAboutForm::CreateControls() {
    m_panelClient = FilledWidget(this, kwzPanelColor, QStringLiteral("panelClient"));
    m_strip = FilledWidget(m_panelClient, kwzStripColor, QStringLiteral("panelStrip"));

    m_appIcon = new QLabel(m_panelClient);
    m_appIcon->setObjectName(QStringLiteral("AppIcon"));
    m_appIcon->setGeometry(4, 4, 32, 32);
    m_appIcon->setScaledContents(true);

    m_lbProjectInfo = MarkupLabel(m_panelClient, QStringLiteral("lbProjectInfo"), Qt::black);
    QFont titleFont(QStringLiteral("Tahoma"), 10);
    titleFont.setBold(true);
    m_lbProjectInfo->setFont(titleFont);
    m_lbProjectInfo->move(40, 3);

    m_lbCopyright = new QLabel(m_panelClient);
    m_lbCopyright->setObjectName(QStringLiteral("lbCopyright"));
    m_lbCopyright->setTextFormat(Qt::PlainText);
    SetTextColor(m_lbCopyright, Qt::black);
    m_lbCopyright->move(40, 19);

    m_lineTop = Line(m_panelClient, QStringLiteral("lineTop"));
    m_lineTop->move(39, 33);

    m_notes = MarkupLabel(m_panelClient, QStringLiteral("Notes"), kNotesColor);
    m_notes->move(44, 40);

    m_panelBot = new QWidget(m_panelClient);
    m_panelBot->setObjectName(QStringLiteral("panelBot"));
    m_lineBot = Line(m_panelBot, QStringLiteral("lineBot"));
    m_lineBot->move(4, 2);
    m_lbSystemInfo = MarkupLabel(m_panelBot, QStringLiteral("lbSystemInfo"), kInfoColor);
    m_lbSystemInfo->move(kInfoLeft, 8);
    m_lbMemoryInfo = MarkupLabel(m_panelBot, QStringLiteral("lbMemoryInfo"), kInfoColor);
    m_lbMemoryInfo->move(kInfoLeft, 22);

    TwzLabel* links[3] = {};
    const char* names[3] = {"lbCompanyURL", "lbCompanyEmail", "lbSupport"};
    for (int i = 0; i < 3; ++i) {
        auto* link = new TwzLabel(m_panelBot);
        link->setObjectName(QLatin1String(names[i]));
        link->setProperty("Tag", i + 1);
        link->setTransparent(true);
        link->setShowAccelChar(false);
        link->setCursor(Qt::PointingHandCursor);
        SetTextColor(link, kLinkColor);
        link->move(kInfoLeft, 36 + 14 * i);
        link->installEventFilter(this);
        connect(link, &TwzLabel::OnMouseEnter, link, [link] { SetTextColor(link, kLinkHoverColor); });
        connect(link, &TwzLabel::OnMouseLeave, link, [link] { SetTextColor(link, kLinkColor); });
        links[i] = link;
    }
    m_lbCompanyURL = links[0];
    m_lbCompanyEmail = links[1];
    m_lbSupport = links[2];

    m_btOK = new TjdFlatButton(tr("OK"), m_panelBot);
    m_btOK->setObjectName(QStringLiteral("btOK"));
    m_btOK->resize(kButtonWidth, kButtonHeight);
    connect(m_btOK, &TjdFlatButton::clicked, this, [this] { done(1); });
}

void TwzAboutForm::LayoutForm() {
    m_lbProjectInfo->setCaption(m_internalName + QStringLiteral(" /b0/s{8}/c{clgray}") + m_versionText);
    m_lbCopyright->setText(m_legalCopyright);
    m_lbCopyright->adjustSize();
    m_lbCompanyURL->setText(m_linkPrefixes[0] + m_companyName);
    m_lbCompanyEmail->setText(m_linkPrefixes[1] + m_author);
    m_lbSupport->setText(m_linkPrefixes[2] + m_supportAddress);
    for (TwzLabel* link : {m_lbCompanyURL, m_lbCompanyEmail, m_lbSupport})
        link->adjustSize();

    const bool withSupport = !m_supportAddress.isEmpty();
    const int panelHeight = withSupport ? 95 : 81;
    m_btOK->move(m_btOK->x(), withSupport ? 62 : 50);
    m_lbSupport->setVisible(withSupport);

    // The panel follows the Notes text and is at least 280 wide; it also grows when a system or
    // contact text would otherwise run under the button or off the window.
    int panelWidth = std::max(m_notes->width() + 12, kPanelMinWidth);
    for (QWidget* info : {static_cast<QWidget*>(m_lbSystemInfo), static_cast<QWidget*>(m_lbMemoryInfo)})
        panelWidth = std::max(panelWidth, info->x() + info->width() + 4);
    for (TwzLabel* link : {m_lbCompanyURL, m_lbCompanyEmail, m_lbSupport}) {
        if (!link->isVisibleTo(this))
            continue;
        const bool besideButton =
            link->y() < m_btOK->y() + m_btOK->height() && link->y() + link->height() > m_btOK->y();
        panelWidth =
            std::max(panelWidth, link->x() + link->width() + (besideButton ? 8 + kButtonWidth : 0) + 4);
    }
    for (QWidget* top : {static_cast<QWidget*>(m_lbProjectInfo), static_cast<QWidget*>(m_lbCopyright)})
        panelWidth = std::max(panelWidth, top->x() + top->width() - kPanelBotLeft);

    const int panelTop = m_notes->y() + m_notes->height();
    m_panelBot->setGeometry(kPanelBotLeft, panelTop, panelWidth, panelHeight);
    m_btOK->move(panelWidth - m_btOK->width() - 4, m_btOK->y());
    m_lineTop->resize(panelWidth - 8, 2);
    m_lineBot->resize(panelWidth - 8, 2);

    // The client area ends with the bottom panel and keeps a small margin on its right.
    const QSize client(kPanelBotLeft + panelWidth + 6, panelTop + panelHeight);
    m_panelClient->setGeometry(QRect(QPoint(0, 0), client));
    m_strip->setGeometry(0, 0, 21, client.height());
    m_strip->lower();
    setFixedSize(client);
}

void TwzAboutForm::showEvent(QShowEvent* event) {
    LayoutForm();
    if (const QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

QUrl TwzAboutForm::LinkTarget(int tag) const {
    switch (tag) {
    case 1:
        return QUrl(m_companyName);
    case 2:
        return QUrl(QStringLiteral("mailto:") + m_author);
    case 3:
        return QUrl(QStringLiteral("mailto:") + m_supportAddress);
    default:
        return QUrl();
    }
}

void TwzAboutForm::setDefaultUrlOpener(TUrlOpener opener) {
    DefaultOpener() = std::move(opener);
}

void TwzAboutForm::OpenLink(int tag) {
    if (!m_linksActive)
        return;
    const QUrl url = LinkTarget(tag);
    if (m_urlOpener)
        m_urlOpener(url);
    else
        QDesktopServices::openUrl(url);
}

bool TwzAboutForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QWidget*>(watched);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint()))
            OpenLink(label->property("Tag").toInt());
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tv
