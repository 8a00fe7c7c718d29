#pragma once

#include <QObject>
#include <QString>

class EditorPage;
class PageCalls;
class RecoveryCopy;
class SurfaceDocument;
class SurfacePages;

// A page whose renderer died comes back once no call waits on it any more:
// the one in view from the recovery copy (in run mode, from the text it ran),
// in a fresh page of its kind; one out of view is only replaced.
class RendererRecovery : public QObject
{
    Q_OBJECT
public:
    RendererRecovery(SurfacePages &pages, PageCalls &calls, SurfaceDocument &document, RecoveryCopy &recovery,
                     QObject *parent);

    // A page died and is not back yet.
    bool pending() const;

signals:
    // What became of the page, for the user.
    void recovered(const QString &message);

private:
    void watch(EditorPage *page);
    void onTerminated(bool runPage);
    void recover();

    SurfacePages &m_pages;
    PageCalls &m_calls;
    SurfaceDocument &m_document;
    RecoveryCopy &m_recovery;
    bool m_crashedOutOfView[2] = {false, false}; // edit page, run page
};
