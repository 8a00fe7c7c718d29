#include "PageText.h"

#include "platform/DhtmlEdit.h"
#include "shell/TextBuffer.h"

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

void PageText::take(DhtmlEdit *surface, TextBuffer *buffer)
{
    buffer->setText(surface->DocumentHTML());
    buffer->setText(withoutUnicodeMetaTag(buffer->text()));
}
