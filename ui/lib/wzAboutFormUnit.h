#pragma once
// TwzAboutForm: the modal about box. Shows the program's icon, name and version, copyright, a free
// markup text (Notes, set by the caller), the operating system and memory size, and up to three
// contact links, all filled from a TDCVersionInfo.
//
//   TwzAboutForm about(this);
//   about.Notes()->setCaption(aboutText);
//   about.exec();                       // lays itself out when shown; OK returns 1
//
// Links open through a replaceable opener (QDesktopServices by default), so tests never start a
// browser or a mail program.
#include "ui/lib/DCVersionInfo.h"

#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;
class QFrame;

namespace tv {

class TDCLabel;
class TjdFlatButton;
class TwzLabel;

class TwzAboutForm final : public QDialog {
    Q_OBJECT
public:
    using TUrlOpener = std::function<bool(const QUrl&)>;

    // This program's own version values.
    explicit TwzAboutForm(QWidget* parent = nullptr);
    // Given values (another program file, or none).
    explicit TwzAboutForm(const TDCVersionInfo& info, QWidget* parent = nullptr);

    // The markup label for the caller's free text.
    TDCLabel* Notes() const { return m_notes; }

    // Shown on the "Support: " line; the line is hidden while the address is empty.
    QString SupportAddress() const { return m_supportAddress; }
    void setSupportAddress(const QString& address) { m_supportAddress = address; }
    // Off: clicking a link does nothing (hovering still highlights it).
    bool LinksActive() const { return m_linksActive; }
    void setLinksActive(bool on) { m_linksActive = on; }

    // Texts taken from the version values at creation.
    QString VersionText() const { return m_versionText; }
    QString InternalName() const { return m_internalName; }
    QString LegalCopyright() const { return m_legalCopyright; }
    QString CompanyName() const { return m_companyName; }
    QString Author() const { return m_author; }

    // What a click on the link with this tag opens (1 web address, 2 author mail, 3 support mail).
    QUrl LinkTarget(int tag) const;

    void setUrlOpener(TUrlOpener opener) { m_urlOpener = std::move(opener); }
    // The opener given to forms created from now on (null: QDesktopServices::openUrl).
    static void setDefaultUrlOpener(TUrlOpener opener);

    // Fills the texts and places the controls for the current Notes and support address; showing
    // does this by itself.
    void LayoutForm();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void OpenLink(int tag);

    QString m_linkPrefixes[3];
    QString m_supportAddress;
    bool m_linksActive = true;
    QString m_versionText;
    QString m_internalName;
    QString m_legalCopyright;
    QString m_companyName;
    QString m_author;
    TUrlOpener m_urlOpener;

    QWidget* m_panelClient = nullptr;
    QWidget* m_strip = nullptr;
    QLabel* m_appIcon = nullptr;
    TDCLabel* m_lbProjectInfo = nullptr;
    QLabel* m_lbCopyright = nullptr;
    QFrame* m_lineTop = nullptr;
    TDCLabel* m_notes = nullptr;
    QWidget* m_panelBot = nullptr;
    QFrame* m_lineBot = nullptr;
    TDCLabel* m_lbSystemInfo = nullptr;
    TDCLabel* m_lbMemoryInfo = nullptr;
    TwzLabel* m_lbCompanyURL = nullptr;
    TwzLabel* m_lbCompanyEmail = nullptr;
    TwzLabel* m_lbSupport = nullptr;
    TjdFlatButton* m_btOK = nullptr;
};

} // namespace tv
