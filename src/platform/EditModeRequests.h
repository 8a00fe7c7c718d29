#pragma once

#include <QWebEngineUrlRequestInterceptor>

// The edit-mode page's requests: what the page shows (pictures, style sheets,
// fonts, frames) loads; nothing that only code, a plugin or a report would ask
// for leaves the page, so a page being edited sends and runs nothing.
class EditModeRequests : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
    static bool allowed(QWebEngineUrlRequestInfo::ResourceType type);
};
