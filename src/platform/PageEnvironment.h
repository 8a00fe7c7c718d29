#pragma once

#include <QObject>

#include <memory>

class PageOrigins;
class PageScheme;
class QWebEngineProfile;

// The web engine as the program sets it up, made once at start-up and handed
// to whatever shows pages: a profile of its own (nothing of it kept on disk),
// the page scheme and the request policy on it, and the folder each page's
// host reads. Pages of one environment know nothing of another's.
class PageEnvironment : public QObject
{
    Q_OBJECT
public:
    explicit PageEnvironment(QObject *parent = nullptr);
    ~PageEnvironment() override;

    QWebEngineProfile *profile() const { return m_profile; }
    PageScheme &scheme() const { return *m_scheme; }
    PageOrigins &origins() const { return *m_origins; }

    // Until start-up hands the environment down: the one attached to owner or
    // to an object it belongs to, else one made for the process on first use.
    static PageEnvironment &of(const QObject *owner);
    void attachTo(QObject *owner);

private:
    std::unique_ptr<PageOrigins> m_origins;
    QWebEngineProfile *m_profile;
    PageScheme *m_scheme;
};
