#include "TemporaryPages.h"

#include "shell/Module1.h"
#include "shell/ProgramFolder.h"

#include <QFile>
#include <QFileInfo>

const QString TemporaryPages::TvlTemp = QStringLiteral("\\tvlTemp.htm");
const QString TemporaryPages::TvlTemp1 = QStringLiteral("\\tvlTemp1.htm");

bool TemporaryPages::besidePage()
{
    // An empty folder (the screen cancelled, or a page in "/") would mean the root of the file system.
    const Module1 &shared = Module1::shared();
    return shared.EffectKind == Effect::FileScreenOpened && !shared.DocumentFolder.isEmpty();
}

QString TemporaryPages::folder()
{
    return besidePage() ? Module1::shared().DocumentFolder : ProgramFolder::path();
}

QString TemporaryPages::path(const QString &name)
{
    return ProgramFolder::join(folder(), name);
}

QStringList TemporaryPages::removeAll()
{
    QStringList folders{ProgramFolder::path()};
    // An empty page folder would mean the root of the file system: nothing of ours is there.
    if (!Module1::shared().DocumentFolder.isEmpty())
        folders << Module1::shared().DocumentFolder;
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
