#include "SaveJournal.h"

#include "StateFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRegularExpression>

namespace {

const QString SavingKind = QStringLiteral("saving");

} // namespace

void SaveJournal::note(const QString &tempPath)
{
    QFile journal(StateFolder::current().file(SavingKind));
    if (journal.open(QIODevice::Append))
        journal.write(tempPath.toUtf8() + '\n');
}

void SaveJournal::forget(const QString &tempPath)
{
    const QString path = StateFolder::current().file(SavingKind);
    QFile journal(path);
    if (!journal.open(QIODevice::ReadOnly))
        return;
    QList<QByteArray> lines = journal.readAll().split('\n');
    journal.close();
    lines.removeAll(tempPath.toUtf8());
    lines.removeAll(QByteArray());
    if (lines.isEmpty()) {
        QFile::remove(path);
        return;
    }
    if (journal.open(QIODevice::WriteOnly | QIODevice::Truncate))
        journal.write(lines.join('\n') + '\n');
}

bool SaveJournal::isTempName(const QString &fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^.+\\.[A-Za-z0-9]{6}$"));
    return pattern.match(fileName).hasMatch();
}

void SaveJournal::removeLeftovers()
{
    for (const auto &run : StateFolder::current().takeEndedRuns()) {
        if (!run->kinds().contains(SavingKind))
            continue;
        QFile journal(run->file(SavingKind));
        if (journal.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : journal.readAll().split('\n')) {
                const QString path = QString::fromUtf8(line);
                // Only what the run noted, and only a name of that form, is ever removed.
                if (!path.isEmpty() && isTempName(QFileInfo(path).fileName()))
                    QFile::remove(path);
            }
        }
        run->remove(SavingKind);
    }
}
