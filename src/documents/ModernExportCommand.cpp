#include "ModernExportCommand.h"

#include "ModernExport.h"
#include "PageText.h"
#include "platform/AppContext.h"
#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"
#include "platform/FileChannel.h"
#include "platform/MessageBoxes.h"
#include "platform/TextBuffer.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

const QString ModernExportCommand::FolderTitle = QStringLiteral("書き出し先のフォルダを選んでください");
const QString ModernExportCommand::DefaultPageName = QStringLiteral("index.htm");

namespace {

QString listed(const QString &heading, const QStringList &names)
{
    if (names.isEmpty())
        return QString();
    return QStringLiteral("\n\n%1\n　%2").arg(heading, names.join(QStringLiteral("\n　")));
}

} // namespace

QString ModernExportCommand::pageNameFor(const QUrl &documentUrl, const QString &programFolder)
{
    const QFileInfo page(documentUrl.path());
    static const QStringList temporary = {QStringLiteral("scripttemp.htm"), QStringLiteral("tvltemp.htm"),
                                          QStringLiteral("tvltemp1.htm"),   QStringLiteral("browsetemp.htm"),
                                          QStringLiteral("mivotemp.htm"),   QStringLiteral("untitled.htm")};
    if (page.fileName().isEmpty() || temporary.contains(page.fileName().toLower())
        || QFileInfo(page.absolutePath()) == QFileInfo(programFolder)
        || QFileInfo(page.absolutePath()) == QFileInfo(ProgramFolder::cacheFolder()))
        return DefaultPageName;
    return page.fileName();
}

void ModernExportCommand::ExportPage()
{
    if (!PageText::take(m_surface, m_pageCopy)) {
        m_app.boxes.say(PageText::unreadable(m_surface, QStringLiteral("書き出しませんでした")), MessageBoxes::DefaultTitle,
                          MessageBoxes::Icon::Warning);
        return;
    }
    const std::optional<QString> folder = m_app.dialogs.folder(m_owner, FolderTitle, m_lastFolder);
    if (!folder)
        return;
    m_lastFolder = *folder;
    const QString name = pageNameFor(m_surface->documentUrl(), m_app.folder.path());
    const QString target = QDir(*folder).filePath(name);
    if (QFileInfo::exists(target)
        && m_app.boxes.question(QStringLiteral("%1 は既にあります。上書きしますか？").arg(QDir::toNativeSeparators(target)),
                                  MessageBoxes::Buttons::OkCancel, QStringLiteral("確認"))
               != MessageBoxes::Answer::Ok)
        return;
    // Relative pictures and pages count from where the page was shown, as they did on the surface.
    const QString path = m_surface->documentUrl().path();
    const QString source = path.isEmpty() ? m_app.folder.path() : QFileInfo(path).absolutePath();
    const ModernExport::Result result =
        ModernExport::exportPage(FileChannel::textBytes(m_pageCopy->text()), name, source, *folder);
    if (!result.ok) {
        m_app.boxes.say(QStringLiteral("書き出せませんでした。\n%1").arg(result.error), MessageBoxes::DefaultTitle,
                          MessageBoxes::Icon::Warning);
        return;
    }
    m_app.boxes.say(QStringLiteral("今のブラウザで動くように書き出しました。\n%1\n（%2 を同じフォルダに置いています）")
                          .arg(QDir::toNativeSeparators(result.pagePath), ModernExport::RuntimeFileName)
                      + listed(QStringLiteral("一緒に写したファイル:"), result.copied)
                      + listed(QStringLiteral("見つからなかったファイル:"), result.missing)
                      + listed(QStringLiteral("ページのフォルダの外にあるため写していないファイル:"), result.outside));
}
