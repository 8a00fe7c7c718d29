#include "BackgroundPicture.h"

#include "documents/TemporaryPages.h"
#include "platform/AppContext.h"
#include "platform/DhtmlEdit.h"
#include "platform/FileChannel.h"
#include "platform/MessageBoxes.h"
#include "platform/RecoveryCopy.h"
#include "platform/TextBuffer.h"

#include <QRegularExpression>

const QString BackgroundPicture::SetTempName = QStringLiteral("\\tvlTemp1.htm");
const QString BackgroundPicture::DeleteTempName = QStringLiteral("\\tvlTemp.htm");

QString BackgroundPicture::bodyTag(const QString &picturePath, const QString &fixedAttr)
{
    // Written as the surface writes an attribute, so that the delete command finds the tag
    // again in the page's text: references escaped, quotes where the value needs them.
    QString value = picturePath;
    value.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('"'), QStringLiteral("&quot;"))
        .replace(QChar(0xA0), QStringLiteral("&nbsp;"));
    // White space as the serializer counts it, quotes, and the signs that end an unquoted value.
    static const QRegularExpression needsQuotes(
        QStringLiteral("[\\t\\n\\x{0B}\\f\\r \\x{1680}\\x{2000}-\\x{200A}\\x{2028}\\x{2029}\\x{202F}\\x{205F}\\x{3000}\\x{FEFF}'<>=`]|&quot;"));
    const bool quoted = value.isEmpty() || value.contains(needsQuotes);
    const QString written = quoted ? QLatin1Char('"') + value + QLatin1Char('"') : value;
    return QStringLiteral("<BODY background=") + written + QLatin1Char(' ') + fixedAttr;
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
