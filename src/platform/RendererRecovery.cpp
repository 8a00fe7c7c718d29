#include "RendererRecovery.h"

#include "EditorPage.h"
#include "PageCalls.h"
#include "RecoveryCopy.h"
#include "SurfaceDocument.h"
#include "SurfacePages.h"

RendererRecovery::RendererRecovery(SurfacePages &pages, PageCalls &calls, SurfaceDocument &document, RecoveryCopy &recovery,
                                   QObject *parent)
    : QObject(parent), m_pages(pages), m_calls(calls), m_document(document), m_recovery(recovery)
{
    for (const bool browse : {false, true})
        watch(pages.page(browse));
    connect(&pages, &SurfacePages::replaced, this, &RendererRecovery::watch);
    connect(&calls, &PageCalls::idle, this, [this] {
        if (pending())
            QMetaObject::invokeMethod(this, &RendererRecovery::recover, Qt::QueuedConnection);
    });
}

bool RendererRecovery::pending() const
{
    return m_calls.pageDown() || m_crashedOutOfView[0] || m_crashedOutOfView[1];
}

void RendererRecovery::watch(EditorPage *page)
{
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this, page](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                if (status != QWebEnginePage::NormalTerminationStatus)
                    onTerminated(page == m_pages.page(true));
            });
}

void RendererRecovery::onTerminated(bool runPage)
{
    // A call waiting on the page ends first (its wait sees the same death); then the page comes back.
    if (m_pages.isShown(m_pages.page(runPage)))
        m_calls.setPageDown(true);
    else
        m_crashedOutOfView[runPage ? 1 : 0] = true;
    if (!m_calls.busy())
        QMetaObject::invokeMethod(this, &RendererRecovery::recover, Qt::QueuedConnection);
}

// A page whose renderer died is replaced by a fresh one (SurfacePages::replace):
// the engine delivers its user scripts to later renderers of such a page only
// now and then, and a page came up without the editor every few crashes.
void RendererRecovery::recover()
{
    if (m_calls.busy())
        return;
    for (const bool runPage : {false, true}) {
        if (m_crashedOutOfView[runPage ? 1 : 0]) {
            m_crashedOutOfView[runPage ? 1 : 0] = false;
            if (!m_pages.isShown(m_pages.page(runPage)))
                m_pages.replace(runPage);
        }
    }
    if (!m_calls.pageDown())
        return;
    m_calls.setPageDown(false);
    m_calls.forgetLoad();
    const bool current = m_recovery.isCurrent();
    const qint64 ageSeconds = (m_recovery.ageMs() + 500) / 1000;
    const bool browse = m_document.browseMode();
    const QString text = browse ? m_document.runText() : m_recovery.text();
    m_pages.replace(browse);
    QString message;
    if (!m_document.showAgain(text)) {
        message = QStringLiteral("ページの表示処理が異常終了しました。ページを表示し直せませんでした: %1").arg(m_calls.lastError());
        if (m_calls.pageDown()) {
            // The page itself brings the renderer down: an empty page instead, the copy kept.
            m_calls.setPageDown(false);
            m_pages.replace(browse);
            m_document.showBlank();
            m_recovery.pageShown(text);
            message = QStringLiteral("ページを表示し直すたびに表示処理が異常終了するため、空のページを表示しました。")
                      + (m_recovery.isDirty() ? QStringLiteral("編集中の内容は復元用の控えに残しています（次の起動時に復元できます）。")
                                              : QStringLiteral("元のファイルは変更されていません。"));
        }
    } else if (current) {
        message = QStringLiteral("ページの表示処理が異常終了したため、ページを表示し直しました。編集した内容は失われていません。");
    } else {
        message = QStringLiteral("ページの表示処理が異常終了したため、%1秒前に控えた内容からページを表示し直しました。"
                                 "それより後の編集は失われました。")
                      .arg(ageSeconds);
    }
    emit recovered(message);
}
