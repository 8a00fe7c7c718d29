#include "BackgroundPicture.h"

#include "platform/DhtmlEdit.h"
#include "platform/FileChannel.h"
#include "platform/MessageBoxes.h"
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
    const Module1 &shared = Module1::shared();
    // A file screen left with Cancel keeps the kind but names no folder; an empty
    // folder would put the page at the root, where the exit never looks.
    if (shared.EffectKind == Effect::FileScreenOpened && !shared.DocumentFolder.isEmpty())
        return ProgramFolder::join(shared.DocumentFolder, name);
    return ProgramFolder::file(programFolderName);
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
    return true;
}

bool BackgroundPicture::remove(DhtmlEdit *surface, TextBuffer *sourceCopy)
{
    // The surface's page as it is now, so that what was typed since the last load stays.
    QString html = surface->DocumentHTML();
    const QString &tag = Module1::shared().BodyBackgroundTag;
    if (!tag.isEmpty())
        html.replace(tag, QStringLiteral("<BODY"));
    sourceCopy->setText(html);
    return reloadThrough(surface, tempPath(DeleteTempName, DeleteTempName), html);
}
