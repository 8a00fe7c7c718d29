#include "TemporaryPages.h"

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
    return besidePage(app) ? app.shared.DocumentFolder : app.folder.path();
}

QString TemporaryPages::path(const AppContext &app, const QString &name)
{
    return ProgramFolder::join(folder(app), name);
}

QStringList TemporaryPages::removeAll(const AppContext &app)
{
    QStringList folders{app.folder.path()};
    // An empty page folder would mean the root of the file system: nothing of ours is there.
    if (!app.shared.DocumentFolder.isEmpty())
        folders << app.shared.DocumentFolder;
    QStringList left;
    for (const QString &folder : folders) {
        for (const QString &name : {TvlTemp, TvlTemp1}) {
            const QString file = ProgramFolder::join(folder, name);
            if (QFileInfo(file).isFile() && !QFile::remove(file))
                left << file;
        }
    }
    return left;
}
