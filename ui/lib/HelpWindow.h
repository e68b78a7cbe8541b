#pragma once
// THelpWindow: the manual, one section per wizard page and per dialog, rendered from its Markdown
// (compiled in under ":/manual"). F1 anywhere in the program opens it at the section of the page or
// dialog in front; links between sections and Back/Forward work as in a browser.
#include <QString>
#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace tv {

class THelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);

    // Shows the section (a file name such as "files.md"); an unknown one shows the contents.
    void ShowTopic(const QString& topic);
    // The section shown.
    QString Topic() const;

    // The section F1 opens for a widget: that of the nearest page or dialog holding it, else the
    // contents ("index.md").
    static QString TopicFor(const QWidget* widget);
    // Every section the program knows, in the order of the contents list.
    static QStringList Topics();

    // Opens the one help window (made on first use) at topic, in front of from's window. A help
    // window asked for from a modal dialog belongs to that dialog, so that it can be used.
    static THelpWindow* Open(QWidget* from, const QString& topic);
    // Makes F1 open the manual in every window of the program. Once is enough.
    static void InstallHelpKey();

private:
    void SyncList();

    QListWidget* m_lbTopics = nullptr;
    QTextBrowser* m_tbManual = nullptr;
};

} // namespace tv
