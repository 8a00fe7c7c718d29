#include "PageScheme.h"

#include "CaseInsensitivePath.h"

#include "PageWindow.h"

#include "PageEncoding.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

const QByteArray PageScheme::Name = "tvl";

void PageScheme::registerScheme()
{
    QWebEngineUrlScheme scheme(Name);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalAccessAllowed
                    | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
}

PageScheme *PageScheme::instance()
{
    static PageScheme *handler = [] {
        auto *h = new PageScheme(QWebEngineProfile::defaultProfile());
        QWebEngineProfile::defaultProfile()->installUrlSchemeHandler(Name, h);
        return h;
    }();
    return handler;
}

PageScheme::PageScheme(QObject *parent) : QWebEngineUrlSchemeHandler(parent) {}

QUrl PageScheme::publish(const QString &text, const QString &basePath, const QString &flags)
{
    QMutexLocker lock(&m_mutex);
    QString token = QStringLiteral("d%1").arg(m_nextToken++);
    if (!flags.isEmpty())
        token += QLatin1Char('-') + flags;
    QUrl url;
    url.setScheme(QString::fromLatin1(Name));
    url.setHost(token);
    url.setPath(QFileInfo(basePath).absoluteFilePath());
    m_documents.insert(token, {url.path(), text.toUtf8()});
    return url;
}

void PageScheme::withdraw(const QUrl &url)
{
    QMutexLocker lock(&m_mutex);
    m_documents.remove(url.host());
}

void PageScheme::requestStarted(QWebEngineUrlRequestJob *job)
{
    const QUrl url = job->requestUrl();
    // A running page waiting for a modal dialog: answered when the dialog closes.
    if (url.path() == QLatin1String("/__tvl-modal")) {
        PageWindow::showModal(job);
        return;
    }
    QByteArray document;
    bool isDocument = false;
    {
        QMutexLocker lock(&m_mutex);
        auto it = m_documents.constFind(url.host());
        // Only the document's own path is served from memory; its pictures come from disk.
        if (it != m_documents.constEnd() && it->path == url.path()) {
            document = it->utf8;
            isDocument = true;
        }
    }
    if (isDocument) {
        auto *buffer = new QBuffer(job);
        buffer->setData(document);
        job->reply("text/html;charset=utf-8", buffer);
        return;
    }
    serveFile(job, url.path());
}

void PageScheme::serveFile(QWebEngineUrlRequestJob *job, const QString &requestedPath)
{
    // Pages written on Windows may name the file in other letter case.
    const QString found = CaseInsensitivePath::find(requestedPath);
    const QString path = found.isEmpty() ? requestedPath : found;
    QFileInfo info(path);
    if (!info.isFile()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    auto *buffer = new QBuffer(job);
    if (mime.inherits(QStringLiteral("text/html"))) {
        // Framed pages are decoded by the same rules as the edited page.
        buffer->setData(PageEncoding::decodeDetected(file.readAll()).toUtf8());
        job->reply("text/html;charset=utf-8", buffer);
        return;
    }
    buffer->setData(file.readAll());
    QByteArray type = mime.name().toLatin1();
    if (mime.inherits(QStringLiteral("text/plain")) || mime.inherits(QStringLiteral("application/xml")))
        type += ";charset=" + PageEncoding::webLabel(PageEncoding::detect(buffer->data()));
    job->reply(type, buffer);
}
