#pragma once

#include "SurfaceWait.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <QVariant>

#include <functional>
#include <optional>

class EditorPage;
class SurfacePages;
class QWidget;

// The program's calls on the page the surface shows. They are synchronous
// (SurfaceWait): a call first waits for a load under way, fails while the
// page's renderer is down, and leaves the reason of a failure in lastError.
class PageCalls : public QObject
{
    Q_OBJECT
public:
    // owner: the widget a wait's panel covers.
    PageCalls(SurfacePages &pages, QWidget *owner);

    // Runs a script in the editor's world and waits for its value.
    std::optional<QVariant> evaluate(const QString &script);
    // The text a script answers; nullopt when the page did not answer or its
    // editor is not there. An empty text is non-null.
    std::optional<QString> text(const QString &script);
    // The text a script answers on the edit page, which runs nothing of the page, whichever
    // page is shown: for work that must not wait on what a running page is doing. On the
    // shown page when the edit page is not live.
    std::optional<QString> editPageText(const QString &script);
    // Runs a script without waiting; done gets its value unless the calls ended meanwhile.
    void post(const QString &script, const std::function<void(const QVariant &)> &done = {});

    // Loads url in the shown page and waits until it is shown; ok tells whether it loaded.
    SurfaceWait::Outcome load(const QUrl &url, bool *ok);
    // Starts loading url without waiting: the next call waits for it.
    void startLoad(const QUrl &url);
    bool isLoading() const { return !m_loading.isEmpty(); }
    void forgetLoad() { m_loading.clear(); }
    // Waits for a load under way; false, with the reason, when the page cannot answer.
    bool ready();

    // The shown page's renderer died and the page is not back yet.
    bool pageDown() const { return m_pageDown; }
    void setPageDown(bool down) { m_pageDown = down; }

    bool busy() const { return m_busy > 0; }
    // Keeps message as the reason; returns false.
    bool fail(const QString &message);
    QString lastError() const { return m_lastError; }

signals:
    // No call waits on the page any more.
    void idle();

private:
    struct Busy;
    std::optional<QVariant> runOn(EditorPage *page, const QString &script);
    std::optional<QString> answerText(const std::optional<QVariant> &value);
    void watch(EditorPage *page);

    SurfacePages &m_pages;
    QWidget *m_owner;
    QUrl m_loading;
    bool m_pageDown = false;
    int m_busy = 0;
    QString m_lastError;
};
