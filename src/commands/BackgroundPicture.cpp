#include "BackgroundPicture.h"

#include "documents/TemporaryPages.h"
#include "platform/AppContext.h"
#include "platform/DhtmlEdit.h"
#include "platform/FileChannel.h"
#include "platform/MessageBoxes.h"
#include "platform/RecoveryCopy.h"
#include "platform/TextBuffer.h"

const QString BackgroundPicture::SetTempName = QStringLiteral("\\tvlTemp1.htm");
const QString BackgroundPicture::DeleteTempName = QStringLiteral("\\tvlTemp.htm");

QString BackgroundPicture::bodyTag(const QString &picturePath, const QString &fixedAttr)
{
    const bool blank = picturePath.contains(QLatin1Char(' ')) || picturePath.contains(QLatin1Char('\t'));
    const QString path = blank ? QLatin1Char('"') + picturePath + QLatin1Char('"') : picturePath;
    return QStringLiteral("<BODY background=") + path + QLatin1Char(' ') + fixedAttr;
}

QString BackgroundPicture::tempPath(const AppContext &app, const QString &name, const QString &programFolderName)
{
    if (TemporaryPages::besidePage(app))
        return TemporaryPages::path(app, name);
    return app.folder.tempFile(programFolderName);
}

bool BackgroundPicture::reloadThrough(AppContext &app, DhtmlEdit *surface, const QString &path, const QString &text)
{
    QString error;
    if (!FileChannel::writeText(path, text, &error)) {
        app.boxes.say(QStringLiteral("一時ページに書き込めません: %1: %2").arg(path, error));
        return false;
    }
    if (!surface->LoadDocument(path)) {
        app.boxes.say(QStringLiteral("一時ページを表示できません: %1").arg(surface->lastError()));
        return false;
    }
    surface->Refresh();
    surface->recovery().markDirty();
    return true;
}

bool BackgroundPicture::remove(AppContext &app, DhtmlEdit *surface, TextBuffer *sourceCopy)
{
    // The surface's page as it is now, so that what was typed since the last load stays.
    QString html = surface->DocumentHTML();
    if (html.isNull()) {
        app.boxes.say(QStringLiteral("ページの内容を読み取れないため、背景画像を削除できません。\n%1").arg(surface->lastError()));
        return false;
    }
    const QString &tag = app.shared.BodyBackgroundTag;
    if (!tag.isEmpty())
        html.replace(tag, QStringLiteral("<BODY"));
    sourceCopy->setText(html);
    return reloadThrough(app, surface, tempPath(app, DeleteTempName, DeleteTempName), html);
}
