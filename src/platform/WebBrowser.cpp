#include "WebBrowser.h"

#include "PageScheme.h"
#include "Twips.h"

#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

WebBrowser::WebBrowser(const QString &name, QWidget *parent) : QWidget(parent), m_view(new QWebEngineView(this))
{
    PageScheme::instance();
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
    // A file is shown as the surface shows pages, under the same rules of what it reads.
    m_view->load(url.isLocalFile() ? PageScheme::fileAddress(url.toLocalFile()) : url);
}

int WebBrowser::Width() const
{
    return Twips::fromPixelsX(width(), this);
}

int WebBrowser::Height() const
{
    return Twips::fromPixelsY(height(), this);
}

void WebBrowser::setWidth(int twips)
{
    resize(Twips::toPixelsX(twips, this), height());
}

void WebBrowser::setHeight(int twips)
{
    resize(width(), Twips::toPixelsY(twips, this));
}
