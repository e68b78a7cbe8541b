#include "ui/lib/HelpWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPointer>
#include <QSplitter>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QUrl>

#include <utility>

namespace tv {

namespace {

// The section of each page and dialog, by class; the first entries give the contents' order.
const std::pair<const char*, const char*> kSections[] = {
    {"", "index.md"},
    {"", "concepts.md"},
    {"tv::TStartPage", "start.md"},
    {"tv::TMainWindowPage", "main-window.md"},
    {"tv::TDialogPage", "dialog-windows.md"},
    {"tv::TFilesPage", "files.md"},
    {"tv::TSystemPage", "system.md"},
    {"tv::TRunInstallPage", "run-install.md"},
    {"tv::TRunUninstallPage", "run-uninstall.md"},
    {"tv::TBuildPage", "build.md"},
    {"tv::TFileAdd", "file-add.md"},
    {"tv::TFileProperties", "file-properties.md"},
    {"tv::TFileShortcuts", "shortcut.md"},
    {"tv::TFileRun", "run-entry.md"},
    {"tv::TSystemRegEdit", "registry-editor.md"},
    {"tv::TSystemINIEdit", "ini-editor.md"},
    {"tv::TFontView", "font-picker.md"},
    {"tv::TColorView", "colour-picker.md"},
    {"tv::TStaticBMP", "static-bitmaps.md"},
    {"tv::TSetupPreview", "dialog-windows.md"},
    {"tv::TFolderPicker", "folder-picker.md"},
    {"tv::TCompilerOutputForm", "build.md"},
    {"", "console.md"},
};

const QString kRoot = QStringLiteral(":/manual/");

// The language of the manual in the user's language: its sections are <name>.<language>.md beside
// the English <name>.md. Translated with the window's texts, so the manual follows the window.
QString ManualLanguage() {
    return QCoreApplication::translate("tv::THelpWindow", "en",
                                       "the language of the manual; its sections are <name>.<this>.md");
}

// The file of a section in the manual's language, where it has one.
QString LocalFile(const QString& topic) {
    const QString language = ManualLanguage();
    if (language != QLatin1String("en") && topic.endsWith(QLatin1String(".md"))) {
        const QString local = topic.chopped(3) + QLatin1Char('.') + language + QStringLiteral(".md");
        if (QFile::exists(kRoot + local))
            return local;
    }
    return topic;
}

// The first line of a section, without its "# ".
QString SectionTitle(const QString& topic) {
    QFile file(kRoot + LocalFile(topic));
    if (!file.open(QIODevice::ReadOnly))
        return topic;
    QString line = QString::fromUtf8(file.readLine()).trimmed();
    while (line.startsWith(QLatin1Char('#')))
        line.remove(0, 1);
    return line.trimmed();
}

QPointer<THelpWindow>& TheWindow() {
    static QPointer<THelpWindow> window;
    return window;
}

class THelpKey final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !object->isWidgetType())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        auto* widget = static_cast<QWidget*>(object);
        // In the manual itself F1 stays where it is.
        if (qobject_cast<THelpWindow*>(widget->window()))
            return true;
        THelpWindow::Open(widget, THelpWindow::TopicFor(widget));
        return true;
    }
};

} // namespace

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setWindowTitle(tr("Tamrin Installer Velox Manual"));
    // Closing the program's window ends the program, manual or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(820, 600);
    auto* splitter = new QSplitter(this);
    m_lbTopics = new QListWidget(splitter);
    m_lbTopics->setObjectName("lbTopics");
    m_lbTopics->setAccessibleName(tr("Sections"));
    m_lbTopics->setTabKeyNavigation(false);
    for (const QString& topic : Topics()) {
        auto* item = new QListWidgetItem(SectionTitle(topic), m_lbTopics);
        item->setData(Qt::UserRole, topic);
    }
    m_tbManual = new QTextBrowser(splitter);
    m_tbManual->setObjectName("tbManual");
    m_tbManual->setAccessibleName(tr("Manual"));
    m_tbManual->setSearchPaths({kRoot});
    m_tbManual->setOpenExternalLinks(true);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 620});
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(m_lbTopics, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && item->data(Qt::UserRole).toString() != Topic())
            ShowTopic(item->data(Qt::UserRole).toString());
    });
    // Every way to a section (a link, Back, Forward, ShowTopic) shows it in the contents too.
    connect(m_tbManual, &QTextBrowser::sourceChanged, this, [this] { SyncList(); });
    connect(m_tbManual, &QTextBrowser::historyChanged, this, [this] { SyncList(); });
}

QStringList THelpWindow::Topics() {
    QStringList topics;
    for (const auto& [className, topic] : kSections)
        if (!topics.contains(QLatin1String(topic)))
            topics << QLatin1String(topic);
    return topics;
}

QString THelpWindow::TopicFor(const QWidget* widget) {
    for (const QObject* o = widget; o; o = o->parent())
        for (const auto& [className, topic] : kSections)
            if (*className && o->inherits(className))
                return QLatin1String(topic);
    // The main window: the section of the page it shows.
    if (widget)
        if (auto* pages = widget->window()->findChild<QStackedWidget*>(QStringLiteral("wizPages")))
            if (pages->currentWidget() && pages->currentWidget() != widget)
                return TopicFor(pages->currentWidget());
    return QStringLiteral("index.md");
}

void THelpWindow::ShowTopic(const QString& topic) {
    const QString name = QFile::exists(kRoot + topic) ? topic : QStringLiteral("index.md");
    m_tbManual->setSource(QUrl(LocalFile(name)), QTextDocument::MarkdownResource);
}

QString THelpWindow::Topic() const {
    // A section in another language is named by its English file.
    QString shown = m_tbManual->source().path();
    const QString suffix = QLatin1Char('.') + ManualLanguage() + QStringLiteral(".md");
    if (ManualLanguage() != QLatin1String("en") && shown.endsWith(suffix))
        shown = shown.chopped(suffix.size()) + QStringLiteral(".md");
    return shown;
}

void THelpWindow::SyncList() {
    const QString topic = Topic();
    for (int i = 0; i < m_lbTopics->count(); ++i)
        if (m_lbTopics->item(i)->data(Qt::UserRole).toString() == topic) {
            m_lbTopics->setCurrentRow(i);
            return;
        }
}

THelpWindow* THelpWindow::Open(QWidget* from, const QString& topic) {
    QWidget* owner = from ? from->window() : nullptr;
    // A modal dialog blocks every window but its own children.
    const bool modal = owner && owner->isModal();
    QPointer<THelpWindow>& window = TheWindow();
    if (window && modal && window->parentWidget() != owner) {
        window->deleteLater();
        window = nullptr;
    }
    if (!window)
        window = new THelpWindow(modal ? owner : nullptr);
    window->setAttribute(Qt::WA_DeleteOnClose, !modal);
    window->ShowTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void THelpWindow::InstallHelpKey() {
    static THelpKey* filter = nullptr;
    if (filter || !qApp)
        return;
    filter = new THelpKey(qApp);
    qApp->installEventFilter(filter);
}

} // namespace tv
