#include "PageEnvironment.h"

#include "PageOrigins.h"
#include "PageRequestPolicy.h"
#include "PageScheme.h"

#include <QCoreApplication>
#include <QPointer>
#include <QVariant>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

const char *const AttachedProperty = "tovaleafPageEnvironment";

} // namespace

PageEnvironment::PageEnvironment(QObject *parent)
    : QObject(parent), m_origins(std::make_unique<PageOrigins>()), m_profile(new QWebEngineProfile(this))
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

PageEnvironment &PageEnvironment::of(const QObject *owner)
{
    for (const QObject *o = owner; o; o = o->parent())
        if (auto *attached = qobject_cast<PageEnvironment *>(o->property(AttachedProperty).value<QObject *>()))
            return *attached;
    static QPointer<PageEnvironment> process;
    if (!process)
        process = new PageEnvironment(QCoreApplication::instance());
    return *process;
}

void PageEnvironment::attachTo(QObject *owner)
{
    owner->setProperty(AttachedProperty, QVariant::fromValue(static_cast<QObject *>(this)));
    connect(this, &QObject::destroyed, owner, [owner] { owner->setProperty(AttachedProperty, QVariant()); });
}
