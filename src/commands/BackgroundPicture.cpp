#include "BackgroundPicture.h"

#include "documents/TemporaryPages.h"
#include "platform/DhtmlEdit.h"
#include "platform/FileChannel.h"
#include "platform/MessageBoxes.h"
#include "platform/RecoveryCopy.h"
#include "shell/Module1.h"
#include "shell/ProgramFolder.h"
#include "shell/TextBuffer.h"

const QString BackgroundPicture::SetTempName = QStringLiteral("\\tvlTemp1.htm");
const QString BackgroundPicture::DeleteTempName = QStringLiteral("\\tvlTemp.htm");

QString BackgroundPicture::bodyTag(const QString &picturePath, const QString &fixedAttr)
{
    const bool blank = picturePath.contains(QLatin1Char(' ')) || picturePath.contains(QLatin1Char('\t'));
    const QString path = blank ? QLatin1Char('"') + picturePath + QLatin1Char('"') : picturePath;
    return QStringLiteral("<BODY background=") + path + QLatin1Char(' ') + fixedAttr;
}

QString BackgroundPicture::tempPath(const QString &name, const QString &programFolderName)
{
    if (TemporaryPages::besidePage())
        return TemporaryPages::path(name);
    return ProgramFolder::tempFile(programFolderName);
}

bool BackgroundPicture::reloadThrough(DhtmlEdit *surface, const QString &path, const QString &text)
{
    QString error;
    if (!FileChannel::writeText(path, text, &error)) {
        MessageBoxes::say(QStringLiteral("一時ページに書き込めません: %1: %2").arg(path, error));
        return false;
    }
    if (!surface->LoadDocument(path)) {
        MessageBoxes::say(QStringLiteral("一時ページを表示できません: %1").arg(surface->lastError()));
        return false;
    }
    surface->Refresh();
    surface->recovery().markDirty();
    return true;
}

bool BackgroundPicture::remove(DhtmlEdit *surface, TextBuffer *sourceCopy)
{
    // The surface's page as it is now, so that what was typed since the last load stays.
    QString html = surface->DocumentHTML();
    if (html.isNull()) {
        MessageBoxes::say(QStringLiteral("ページの内容を読み取れないため、背景画像を削除できません。\n%1").arg(surface->lastError()));
        return false;
    }
    const QString &tag = Module1::shared().BodyBackgroundTag;
    if (!tag.isEmpty())
        html.replace(tag, QStringLiteral("<BODY"));
    sourceCopy->setText(html);
    return reloadThrough(surface, tempPath(DeleteTempName, DeleteTempName), html);
}
