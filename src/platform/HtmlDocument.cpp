#include "HtmlDocument.h"

#include "DhtmlEdit.h"
#include "PageScripts.h"
#include "SurfaceRanges.h"

bool TextRange::pasteHTML(const QString &html)
{
    return isValid() && m_surface->ranges().paste(m_id, html);
}

QString TextRange::text() const
{
    return isValid() ? m_surface->ranges().text(m_id) : QString();
}

TextRange HtmlSelection::createRange()
{
    if (!m_surface)
        return {};
    return TextRange(m_surface, m_surface->ranges().create());
}

QString HtmlDocument::bgColor() const
{
    return m_surface ? m_surface->ranges().bgColor() : QString();
}

bool HtmlDocument::setBgColor(const QString &color)
{
    return m_surface && m_surface->ranges().setBgColor(color);
}

bool HtmlDocument::declareCharset(const QString &charset)
{
    if (!m_surface)
        return false;
    const std::optional<QVariant> done = m_surface->evaluate(PageScripts::declareCharset(charset));
    return done && done->toBool();
}
