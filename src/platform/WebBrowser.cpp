#include "WebBrowser.h"

#include "FileAccess.h"
#include "PageEnvironment.h"
#include "PageScheme.h"
#include "Twips.h"

#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

WebBrowser::WebBrowser(PageEnvironment &environment, const QString &name, QWidget *parent)
    : QWidget(parent), m_environment(environment), m_view(new QWebEngineView(this))
{
    m_view->setPage(new QWebEnginePage(environment.profile(), m_view));
    setObjectName(name);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

QUrl WebBrowser::urlFor(const QString &target)
{
    const QString t = target.trimmed();
    if (t.isEmpty())
        return QUrl(QStringLiteral("about:blank"));
    if (QFileInfo(t).isAbsolute())
        return QUrl::fromLocalFile(t);
    return QUrl::fromUserInput(t);
}

void WebBrowser::Navigate(const QString &target)
{
    const QUrl url = urlFor(target);
    if (url.isLocalFile()) {
        // Said in the pane in the user's words, not by the engine's own error page.
        const FileAccess::Result readable = FileAccess::probeRead(url.toLocalFile());
        if (!readable) {
            showNote(QStringLiteral("ページを表示できません。"),
                     QStringLiteral("%1: %2").arg(url.toLocalFile(), FileAccess::reason(readable.error, FileAccess::Access::Read)));
            return;
        }
        // Shown as the surface shows pages, under the same rules of what it reads.
        m_view->load(m_environment.scheme().fileAddress(url.toLocalFile()));
        return;
    }
    m_view->load(url);
}

void WebBrowser::showNote(const QString &headline, const QString &detail)
{
    m_view->setHtml(QStringLiteral("<!DOCTYPE html><html lang=\"ja\"><head><meta charset=\"utf-8\"></head>"
                                   "<body style=\"font-family: sans-serif; font-size: 13px; color: #333; margin: 8px\">"
                                   "<p style=\"font-weight: bold\">%1</p><p style=\"word-break: break-all\">%2</p></body></html>")
                        .arg(headline.toHtmlEscaped(), detail.toHtmlEscaped()));
}

int WebBrowser::Width() const
{
    return Twips::widthOf(this);
}

int WebBrowser::Height() const
{
    return Twips::heightOf(this);
}

void WebBrowser::setWidth(int twips)
{
    Twips::setWidth(this, twips);
}

void WebBrowser::setHeight(int twips)
{
    Twips::setHeight(this, twips);
}
