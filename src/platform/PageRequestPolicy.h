#pragma once

#include <QWebEngineUrlRequestInterceptor>

class PageOrigins;

// What any page may ask of the disk, decided in the browser process for every
// request of every page (see the README's "Pages and your files"):
// - a page's code reads only files under its host's root (PageOrigins);
// - pictures and style sheets from outside the root are shown, read from the
//   file itself so that the engine keeps them opaque to the page's code;
// - a page shown from outside the root (a frame, a link) gets a host of its own;
// - file: addresses go through the same rules; pages of other schemes never
//   reach the program's pages or the disk.
class PageRequestPolicy : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    PageRequestPolicy(PageOrigins &origins, QObject *parent);

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

    // Kinds of requests whose content a page only shows.
    static bool isShown(QWebEngineUrlRequestInfo::ResourceType type);
    // Kinds of requests that make a document (top page, frame, object).
    static bool isDocument(QWebEngineUrlRequestInfo::ResourceType type);

private:
    void pageSchemeRequest(QWebEngineUrlRequestInfo &info);
    void fileRequest(QWebEngineUrlRequestInfo &info);

    PageOrigins &m_origins;
};
