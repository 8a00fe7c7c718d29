#include "PageRequestPolicy.h"

#include "PageOrigins.h"
#include "PageScheme.h"

namespace {

using Info = QWebEngineUrlRequestInfo;

bool isPageScheme(const QUrl &url)
{
    return url.scheme() == QLatin1String(PageScheme::Name);
}

} // namespace

PageRequestPolicy::PageRequestPolicy(PageOrigins &origins, QObject *parent)
    : QWebEngineUrlRequestInterceptor(parent), m_origins(origins)
{
}

bool PageRequestPolicy::isShown(QWebEngineUrlRequestInfo::ResourceType type)
{
    switch (type) {
    case Info::ResourceTypeImage:
    case Info::ResourceTypeStylesheet:
    case Info::ResourceTypeFontResource:
    case Info::ResourceTypeMedia:
    case Info::ResourceTypeFavicon:
        return true;
    default:
        return false;
    }
}

bool PageRequestPolicy::isDocument(QWebEngineUrlRequestInfo::ResourceType type)
{
    switch (type) {
    case Info::ResourceTypeMainFrame:
    case Info::ResourceTypeSubFrame:
    case Info::ResourceTypeObject:
        return true;
    default:
        return false;
    }
}

void PageRequestPolicy::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl();
    if (isPageScheme(url))
        pageSchemeRequest(info);
    else if (url.isLocalFile() || url.scheme() == QLatin1String("file"))
        fileRequest(info);
}

void PageRequestPolicy::pageSchemeRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl initiator = info.initiator();
    // The program's own loads (and the engine's reloads of them).
    if (initiator.isEmpty())
        return;
    const QUrl url = info.requestUrl();
    const QString from = initiator.host();
    const std::optional<QString> root = isPageScheme(initiator) ? m_origins.rootOf(from) : std::nullopt;
    // Pages of other schemes (the web, plain files) never reach the program's pages.
    if (!root) {
        info.block(true);
        return;
    }
    const Info::ResourceType type = info.resourceType();
    if (url.path() == PageScheme::ModalPath) {
        // Only the run-time's own request for a dialog, from the page itself.
        if (type != Info::ResourceTypeXhr || url.host() != from)
            info.block(true);
        return;
    }
    const QString target = PageOrigins::resolvedPath(url.path());
    if (isDocument(type)) {
        // A page from outside the folder is shown under an origin of its own.
        QString host = from;
        if (!target.isEmpty() && !PageOrigins::contains(*root, target))
            host = m_origins.hostForFolder(PageOrigins::canonicalFolderOf(target));
        if (host != url.host()) {
            QUrl to = url;
            to.setHost(host);
            info.redirect(to);
        }
        return;
    }
    // Another host's address is read as the requesting page's own: its root decides.
    if (url.host() != from) {
        QUrl to = url;
        to.setHost(from);
        info.redirect(to);
        return;
    }
    if (PageOrigins::contains(*root, target))
        return;
    // Outside the folder: shown from the file itself (see PageScheme), never read.
    if (!isShown(type))
        info.block(true);
}

void PageRequestPolicy::fileRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl();
    const Info::ResourceType type = info.resourceType();
    // The page scheme's own redirect of a picture or style sheet from outside a root.
    if (url.query() == m_origins.shownMark()) {
        if (!isShown(type))
            info.block(true);
        return;
    }
    const QUrl initiator = info.initiator();
    if (initiator.isEmpty())
        return;
    if (isPageScheme(initiator)) {
        // Read as the page's own address, under the same rules.
        if (!m_origins.rootOf(initiator.host())) {
            info.block(true);
            return;
        }
        QUrl to;
        to.setScheme(QString::fromLatin1(PageScheme::Name));
        to.setHost(initiator.host());
        to.setPath(url.path());
        info.redirect(to);
        return;
    }
    // A plain file page (the palette) shows files; its code reads none.
    if (initiator.scheme() == QLatin1String("file") && (isShown(type) || isDocument(type)))
        return;
    info.block(true);
}
