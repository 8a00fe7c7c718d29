#include "FolderList.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

#include <cerrno>
#include <cstring>
#include <dirent.h>

namespace {

constexpr int PathRole = Qt::UserRole;

QString reasonFor(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("読み取りの権限がありません");
    case ENOENT:
        return QStringLiteral("フォルダが見つかりません");
    case ENOTDIR:
        return QStringLiteral("フォルダではありません");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace

FolderList::FolderList(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        if (!setPath(item->data(PathRole).toString()))
            emit refused(m_lastError);
    });
}

void FolderList::keyPressEvent(QKeyEvent *event)
{
    QListWidget::keyPressEvent(event);
    // Enter opens the folder; it must not go on to the screen's default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
}

bool FolderList::setPath(const QString &path)
{
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    // Opening the folder itself, since only that tells a folder we may not read.
    DIR *dir = ::opendir(QFile::encodeName(clean).constData());
    if (!dir) {
        m_lastError = QStringLiteral("フォルダを開けません: %1: %2").arg(clean, reasonFor(errno));
        return false;
    }
    QStringList children;
    while (dirent *entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name == QLatin1String(".") || name == QLatin1String("..") || name.startsWith(QLatin1Char('.')))
            continue;
        if (QFileInfo(QDir(clean).filePath(name)).isDir())
            children << name;
    }
    ::closedir(dir);
    children.sort(Qt::CaseInsensitive);
    m_path = clean;
    fill(children);
    emit Change();
    return true;
}

void FolderList::fill(const QStringList &children)
{
    clear();
    QStringList chain;
    for (QDir up(m_path);; ) {
        chain.prepend(up.absolutePath());
        if (!up.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &folder : chain) {
        const QString name = folder == QLatin1String("/") ? folder : QFileInfo(folder).fileName();
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);
    for (const QString &child : children) {
        auto *item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + child, this);
        item->setData(PathRole, QDir(m_path).filePath(child));
    }
}
