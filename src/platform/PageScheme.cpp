#include "PageScheme.h"

#include "CaseInsensitivePath.h"
#include "PageEncoding.h"
#include "PageEnvironment.h"
#include "PageOrigins.h"
#include "PageWindow.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

const QByteArray PageScheme::Name = "tvl";
const QString PageScheme::ModalPath = QStringLiteral("/__tvl-modal");

namespace {

// The flags of a document's host (d12-ek: edit mode, ...).
QString hostFlags(const QString &host)
{
    const qsizetype dash = host.lastIndexOf(QLatin1Char('-'));
    return dash < 0 ? QString() : host.mid(dash + 1);
}

} // namespace

void PageScheme::registerScheme()
{
    QWebEngineUrlScheme scheme(Name);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Local access lets the handler hand a picture over to its file. Not
    // CorsEnabled: the engine would then grant every page's cross-origin read.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

PageScheme::PageScheme(PageEnvironment &environment, QObject *parent)
    : QWebEngineUrlSchemeHandler(parent), m_environment(environment)
{
}

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
    m_environment.origins().setRoot(token, QFileInfo(basePath).absolutePath());
    return url;
}

QUrl PageScheme::fileAddress(const QString &path)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(Name));
    url.setHost(m_environment.origins().hostForFolder(PageOrigins::canonicalFolderOf(path)));
    url.setPath(QFileInfo(path).absoluteFilePath());
    return url;
}

void PageScheme::withdraw(const QUrl &url)
{
    QMutexLocker lock(&m_mutex);
    m_documents.remove(url.host());
    m_environment.origins().forget(url.host());
}

void PageScheme::requestStarted(QWebEngineUrlRequestJob *job)
{
    const QUrl url = job->requestUrl();
    if (url.path() == ModalPath) {
        serveModal(job);
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
    const std::optional<QString> root = m_environment.origins().rootOf(url.host());
    if (!root) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    // Pages written on Windows may name the file in other letter case.
    const QString found = CaseInsensitivePath::find(url.path());
    const QString path = PageOrigins::canonicalPath(found.isEmpty() ? url.path() : found);
    if (path.isEmpty()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    if (PageOrigins::contains(*root, path)) {
        serveFile(job, path);
        return;
    }
    // Outside the root: a request that asks to read the answer (it names its
    // origin) gets nothing; one that only shows it is sent to the file, whose
    // content the engine keeps from the page's code.
    if (job->requestHeaders().contains("Origin")) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    QUrl file = QUrl::fromLocalFile(path);
    file.setQuery(m_environment.origins().shownMark());
    job->redirect(file);
}

// A running page waiting for a modal dialog: answered when the dialog closes.
void PageScheme::serveModal(QWebEngineUrlRequestJob *job)
{
    const QUrl url = job->requestUrl();
    const QUrl from = job->initiator();
    const std::optional<QString> root = m_environment.origins().rootOf(url.host());
    if (!root || from.scheme() != QLatin1String(Name) || from.host() != url.host() || hostFlags(url.host()).contains(QLatin1Char('e'))) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    PageWindow::showModal(m_environment, job, *root);
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
