#include "SurfaceRanges.h"

#include "PageCalls.h"
#include "PageScripts.h"
#include "SurfaceDocument.h"

int SurfaceRanges::create()
{
    const std::optional<QVariant> id = m_calls.evaluate(PageScripts::createRange());
    if (!id)
        return 0;
    if (id->toInt() <= 0) {
        m_calls.fail(QStringLiteral("ページに本文（BODY）がないため、挿入する位置がありません。"));
        return 0;
    }
    return id->toInt();
}

bool SurfaceRanges::paste(int rangeId, const QString &html)
{
    const std::optional<QVariant> why = m_calls.evaluate(PageScripts::pasteHTML(rangeId, html));
    if (!why)
        return false;
    if (!why->isValid() || !why->toString().isEmpty())
        return m_calls.fail(QStringLiteral("選択範囲に貼り付けられませんでした。"));
    m_document.noteRewritten();
    return true;
}

bool SurfaceRanges::rollbackLastPaste()
{
    const std::optional<QVariant> done = m_calls.evaluate(PageScripts::rollbackPaste());
    return done && done->toBool();
}

QString SurfaceRanges::text(int rangeId)
{
    const std::optional<QString> text = m_calls.text(PageScripts::rangeText(rangeId));
    return text ? *text : QString();
}

QString SurfaceRanges::bgColor()
{
    const std::optional<QString> color = m_calls.text(PageScripts::bgColor());
    return color ? *color : QString();
}

bool SurfaceRanges::setBgColor(const QString &color)
{
    if (!m_calls.evaluate(PageScripts::setBgColor(color)))
        return false;
    m_document.noteRewritten();
    return true;
}
