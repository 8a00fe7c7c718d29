#include "PageEnvironment.h"

#include "PageOrigins.h"
#include "PageRequestPolicy.h"
#include "PageScheme.h"

#include <QWebEngineProfile>
#include <QWebEngineSettings>

PageEnvironment::PageEnvironment(MessageBoxes &boxes, QObject *parent)
    : QObject(parent), m_boxes(boxes), m_origins(std::make_unique<PageOrigins>()), m_profile(new QWebEngineProfile(this))
{
    m_scheme = new PageScheme(*this, m_profile);
    m_profile->installUrlSchemeHandler(PageScheme::Name, m_scheme);
    m_profile->setUrlRequestInterceptor(new PageRequestPolicy(*m_origins, m_scheme));
    // A plain file page (the palette, a page in the viewer) reads no other file.
    m_profile->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
}

PageEnvironment::~PageEnvironment()
{
    // The profile, its scheme and policy go before the origins they read.
    delete m_profile;
}
