#include "TemporaryPages.h"

#include "ModernExport.h"
#include "platform/AppContext.h"

#include <QFile>
#include <QFileInfo>

const QString TemporaryPages::TvlTemp = QStringLiteral("\\tvlTemp.htm");
const QString TemporaryPages::TvlTemp1 = QStringLiteral("\\tvlTemp1.htm");

bool TemporaryPages::besidePage(const AppContext &app)
{
    // An empty folder (the screen cancelled, or a page in "/") would mean the root of the file system.
    const Module1 &shared = app.shared;
    return shared.EffectKind == Effect::FileScreenOpened && !shared.DocumentFolder.isEmpty();
}

QString TemporaryPages::folder(const AppContext &app)
{
    return besidePage(app) ? app.shared.DocumentFolder : app.folder.tempFolder();
}

QString TemporaryPages::path(const AppContext &app, const QString &name)
{
    return ProgramFolder::join(folder(app), name);
}

QStringList TemporaryPages::removeAll(const AppContext &app)
{
    const QStringList pageNames{TvlTemp, TvlTemp1};
    // In the program folder the others stay from one run to the next; the cache is no place to keep them.
    const QStringList cacheNames = pageNames
        + QStringList{QStringLiteral("\\scriptTemp.htm"), QStringLiteral("\\BrowseTemp.htm"), QStringLiteral("\\MivoTemp.htm"),
                      QLatin1Char('\\') + ModernExport::RuntimeFileName};
    const bool inCache = !app.folder.isWritable();
    QList<QPair<QString, QStringList>> folders{{inCache ? ProgramFolder::cacheFolder() : app.folder.path(),
                                                inCache ? cacheNames : pageNames}};
    // An empty page folder would mean the root of the file system: nothing of ours is there.
    if (!app.shared.DocumentFolder.isEmpty())
        folders.append({app.shared.DocumentFolder, pageNames});
    QStringList left;
    for (const auto &[folder, names] : folders) {
        for (const QString &name : names) {
            const QString file = ProgramFolder::join(folder, name);
            if (QFileInfo(file).isFile() && !QFile::remove(file))
                left << file;
        }
    }
    return left;
}
