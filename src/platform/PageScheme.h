#pragma once

#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

class PageEnvironment;

// Documents reach the editing surface through our own URL scheme rather than
// data: URLs (which fail above 2 MB). A document URL is tvl://<token><file path>:
// the token names the in-memory text of one load, the path gives relative
// pictures and links their folder. Other paths are served from disk, but only
// those under the host's root (PageOrigins): a picture or style sheet from
// outside it is handed over to the file itself, where the engine keeps its
// content from the page's code.

class PageScheme : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT
public:
    static const QByteArray Name;
    // Where a running page asks for a modal dialog.
    static const QString ModalPath;

    // Must run before the QApplication is made.
    static void registerScheme();

    // The handler of environment's profile.
    PageScheme(PageEnvironment &environment, QObject *parent);

    // Serves text under a fresh URL whose path is basePath; flags (lower-case
    // letters) ride in the host name for the page's own scripts to read.
    QUrl publish(const QString &text, const QString &basePath, const QString &flags = QString());
    void withdraw(const QUrl &url);
    // The address under which a file on disk is shown as a page of its own,
    // reading its own folder (the plain viewers show files through it).
    QUrl fileAddress(const QString &path);

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    void serveFile(QWebEngineUrlRequestJob *job, const QString &path);
    void serveModal(QWebEngineUrlRequestJob *job);

    PageEnvironment &m_environment;
    QMutex m_mutex;
    struct Document
    {
        QString path;
        QByteArray utf8;
    };
    QHash<QString, Document> m_documents; // by token
    quint64 m_nextToken = 1;
};
