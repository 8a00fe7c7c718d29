#include "PageOpener.h"

#include "PageSaver.h"
#include "platform/AppContext.h"
#include "platform/DhtmlEdit.h"
#include "platform/MessageBoxes.h"
#include "platform/RecoveryCopy.h"

#include <QFile>
#include <QFileInfo>

const QString PageOpener::UnsavedQuestion =
    QStringLiteral("編集中のページは保存されていません。ほかのページを開く前に保存しますか？");

bool PageOpener::load(MessageBoxes &boxes, DhtmlEdit *surface, const QString &path)
{
    if (!surface->LoadDocument(path)) {
        boxes.say(QStringLiteral("ファイルを開けませんでした。\n%1").arg(surface->lastError()), MessageBoxes::DefaultTitle,
                          MessageBoxes::Icon::Warning);
        return false;
    }
    surface->recovery().markOpened(QFileInfo(path).absoluteFilePath());
    if (surface->loadedText().contains(QChar(0xFFFD))) {
        QFile file(path);
        const bool genuine = file.open(QIODevice::ReadOnly) && file.readAll().contains("\xEF\xBF\xBD");
        if (!genuine)
            boxes.say(QStringLiteral("文字として読めない部分があったため、「%1」に置き換えて開きました: %2")
                                  .arg(QChar(0xFFFD), path));
    }
    return true;
}

bool PageOpener::mayReplacePage()
{
    if (!m_surface->recovery().isModified())
        return true;
    switch (m_app.boxes.question(UnsavedQuestion, MessageBoxes::Buttons::YesNoCancel, QStringLiteral("確認"),
                                   MessageBoxes::Icon::Question)) {
    case MessageBoxes::Answer::Yes:
        // A save that did not happen (cancelled, refused, failed) keeps the page.
        return m_saver.SavePage() == PageSaver::Outcome::Saved;
    case MessageBoxes::Answer::No:
        return true;
    default:
        return false;
    }
}

bool PageOpener::openFromOutside(const QString &path)
{
    if (!mayReplacePage())
        return false;
    if (!load(m_app.boxes, m_surface, path))
        return false;
    Module1 &shared = m_app.shared;
    shared.EffectKind = Effect::FileScreenOpened;
    // As a click on the file in the screen keeps it: a root without its separator.
    QString folder = QFileInfo(path).absolutePath();
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    shared.DocumentFolder = folder;
    return true;
}
