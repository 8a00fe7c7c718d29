#include "PageText.h"

#include "platform/DhtmlEdit.h"
#include "platform/TextBuffer.h"

const QString PageText::UnicodeMetaTag =
    QStringLiteral("<META content=") + QLatin1Char('"') + QStringLiteral("text/html; charset=unicode")
    + QLatin1Char('"') + QStringLiteral(" http-equiv=Content-Type>");

QString PageText::withoutUnicodeMetaTag(const QString &text)
{
    if (!text.contains(UnicodeMetaTag, Qt::CaseSensitive))
        return text;
    QString out = text;
    out.remove(UnicodeMetaTag, Qt::CaseSensitive);
    return out;
}

bool PageText::take(DhtmlEdit *surface, TextBuffer *buffer)
{
    const QString text = surface->DocumentHTML();
    if (text.isNull())
        return false;
    buffer->setText(text);
    buffer->setText(withoutUnicodeMetaTag(buffer->text()));
    return true;
}

QString PageText::unreadable(DhtmlEdit *surface, const QString &purpose)
{
    return QStringLiteral("ページの内容を読み取れないため、%1。\n%2").arg(purpose, surface->lastError());
}
