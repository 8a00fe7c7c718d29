#include "SnippetInserter.h"

#include "platform/AppContext.h"
#include "platform/DhtmlEdit.h"
#include "platform/FileChannel.h"
#include "platform/MessageBoxes.h"
#include "platform/TextBuffer.h"

#include <QFileInfo>

const QString SnippetInserter::TempPageName = QStringLiteral("\\scriptTemp.htm");

bool SnippetInserter::fail(const QString &message)
{
    m_lastError = message;
    m_app.boxes.say(message);
    return false;
}

bool SnippetInserter::paste(const QString &snippet)
{
    m_document = m_surface->DOM();
    m_selection = m_document.selection();
    m_range = m_selection.createRange();
    if (!m_range.isValid())
        return fail(QStringLiteral("挿入できませんでした: %1").arg(m_surface->lastError()));
    if (!m_range.pasteHTML(snippet))
        return fail(QStringLiteral("挿入できませんでした: %1").arg(m_surface->lastError()));
    return true;
}

bool SnippetInserter::insert(const QString &snippet)
{
    const QString temp = m_app.folder.tempFile(TempPageName);
    // Known before the paste, so that a folder we cannot write leaves the page untouched.
    const QFileInfo folder(QFileInfo(temp).absolutePath());
    if (!folder.isDir() || !folder.isWritable())
        return fail(QStringLiteral("一時ページを書き込めないため挿入できません: %1: フォルダに書き込めません").arg(temp));
    if (!paste(snippet))
        return false;
    if (!reloadViaTempPage(temp)) {
        m_surface->rollbackLastPaste();
        return false;
    }
    return true;
}

bool SnippetInserter::writeTemp(const QString &path, const QString &text)
{
    QString error;
    if (!FileChannel::writeText(path, text, &error))
        return fail(QStringLiteral("一時ページに書き込めません: %1: %2").arg(path, error));
    return true;
}

bool SnippetInserter::readTemp(const QString &path)
{
    QString text;
    QString error;
    if (!FileChannel::readLines(path, &text, &error))
        return fail(QStringLiteral("一時ページを読み込めません: %1: %2").arg(path, error));
    m_buffer->setText(QString());
    m_buffer->setText(text);
    return true;
}

bool SnippetInserter::reloadViaTempPage(const QString &tempPath)
{
    const QString page = m_surface->DocumentHTML();
    if (page.isNull())
        return fail(QStringLiteral("ページの内容を読み取れないため、一時ページを書きませんでした。\n%1").arg(m_surface->lastError()));
    m_buffer->setText(QString());
    m_buffer->setText(page);
    if (!writeTemp(tempPath, m_buffer->text()) || !readTemp(tempPath))
        return false;
    QString text = m_buffer->text();
    text.replace(QStringLiteral("<HTML>"), QStringLiteral("<HTML lang='ja'>"));
    m_buffer->setText(text);
    if (!writeTemp(tempPath, m_buffer->text()) || !readTemp(tempPath))
        return false;
    if (!m_surface->LoadDocument(tempPath))
        return fail(QStringLiteral("一時ページを表示できません: %1").arg(m_surface->lastError()));
    return true;
}
