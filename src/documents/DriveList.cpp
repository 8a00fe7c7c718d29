#include "DriveList.h"

#include <QDir>
#include <QStorageInfo>

DriveList::DriveList(QWidget *parent) : QComboBox(parent)
{
    addItems(volumeRoots());
    connect(this, &QComboBox::activated, this, [this] { emit Change(); });
}

QStringList DriveList::volumeRoots()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots << volume.rootPath();
    }
    std::sort(roots.begin(), roots.end(), [](const QString &a, const QString &b) {
        if (a == QLatin1String("/") || b == QLatin1String("/"))
            return a == QLatin1String("/") && b != QLatin1String("/");
        return a < b;
    });
    if (roots.isEmpty() || roots.first() != QLatin1String("/"))
        roots.prepend(QStringLiteral("/"));
    return roots;
}

void DriveList::setDriveOf(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemText(i);
        const bool holds = root == QLatin1String("/") || clean == root || clean.startsWith(root + QLatin1Char('/'));
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    setCurrentIndex(best);
}
