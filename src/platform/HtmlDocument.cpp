#include "HtmlDocument.h"

#include "DhtmlEdit.h"

#include <QJsonArray>
#include <QJsonDocument>

bool TextRange::pasteHTML(const QString &html)
{
    return isValid() && m_surface->pasteIntoRange(m_id, html);
}

QString TextRange::text() const
{
    return isValid() ? m_surface->rangeText(m_id) : QString();
}

TextRange HtmlSelection::createRange()
{
    if (!m_surface)
        return {};
    return TextRange(m_surface, m_surface->createRange());
}

QString HtmlDocument::bgColor() const
{
    return m_surface ? m_surface->bgColor() : QString();
}

bool HtmlDocument::setBgColor(const QString &color)
{
    return m_surface && m_surface->setBgColor(color);
}

bool HtmlDocument::declareCharset(const QString &charset)
{
    if (!m_surface)
        return false;
    const QByteArray quoted = QJsonDocument(QJsonArray{charset}).toJson(QJsonDocument::Compact);
    const std::optional<QVariant> done =
        m_surface->evaluate(QStringLiteral("__tvl.declareCharset(%1)").arg(QString::fromUtf8(quoted.mid(1, quoted.size() - 2))));
    return done && done->toBool();
}
