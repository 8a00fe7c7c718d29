#pragma once

#include <QObject>

#include <memory>

class MessageBoxes;
class PageOrigins;
class PageScheme;
class QWebEngineProfile;

// The web engine as the program sets it up, made once at start-up (in the
// application context) and handed to whatever shows pages: a profile of its own
// (nothing of it kept on disk), the page scheme and the request policy on it,
// the folder each page's host reads, and the user's side that pages' alerts,
// questions and windows ask. Pages of one environment know nothing of another's.
class PageEnvironment : public QObject
{
    Q_OBJECT
public:
    explicit PageEnvironment(MessageBoxes &boxes, QObject *parent = nullptr);
    ~PageEnvironment() override;

    QWebEngineProfile *profile() const { return m_profile; }
    PageScheme &scheme() const { return *m_scheme; }
    PageOrigins &origins() const { return *m_origins; }
    MessageBoxes &boxes() const { return m_boxes; }

private:
    MessageBoxes &m_boxes;
    std::unique_ptr<PageOrigins> m_origins;
    QWebEngineProfile *m_profile;
    PageScheme *m_scheme;
};
