#include "PageSaver.h"

#include "PageText.h"
#include "platform/CommonDialog.h"
#include "platform/FileChannel.h"
#include "platform/DhtmlEdit.h"
#include "platform/MessageBoxes.h"
#include "platform/RecoveryCopy.h"
#include "shell/TextBuffer.h"

#include <QFileInfo>

const QString PageSaver::Filter =
    QStringLiteral("HTMファイル(*.htm)|*.htm|HTMLファイル(*.html)|*.html|全てのファイル(*.*)|*.*");

PageSaver::Outcome PageSaver::SavePage()
{
    // A page that does not answer is not saved from an older copy of it.
    if (!PageText::take(m_surface, m_pageCopy)) {
        MessageBoxes::say(PageText::unreadable(m_surface, QStringLiteral("保存しませんでした")), MessageBoxes::DefaultTitle,
                          MessageBoxes::Icon::Warning);
        return Outcome::NotSaved;
    }
    m_dialog->Flags = Flags;
    m_dialog->Filter = Filter;
    // A cancelled dialog must not write to whatever name another dialog left behind.
    if (!m_dialog->ShowSave())
        return Outcome::NotSaved;
    const QString name = m_dialog->FileName;
    const QFileInfo target(name);
    const bool exists = target.exists() && !target.isDir();
    if (exists
        && MessageBoxes::question(QStringLiteral("同名ファイルがあります、上書きしますか？"), MessageBoxes::Buttons::OkCancel,
                                  QStringLiteral("確認"))
               != MessageBoxes::Answer::Ok)
        return Outcome::NotSaved;
    QString error;
    // Written beside the target and renamed over it: a failed write leaves the old file whole.
    if (!FileChannel::writeText(name, m_pageCopy->text(), &error)) {
        MessageBoxes::say(QStringLiteral("ファイルを保存できませんでした。\n%1: %2").arg(name, error), MessageBoxes::DefaultTitle,
                          MessageBoxes::Icon::Warning);
        return Outcome::NotSaved;
    }
    m_surface->recovery().markSaved(name);
    MessageBoxes::say(exists ? QStringLiteral("上書き保存しました。") : QStringLiteral("保存しました。"));
    return Outcome::Saved;
}
