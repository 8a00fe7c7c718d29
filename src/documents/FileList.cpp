#include "FileList.h"

#include <QDir>

FileList::FileList(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *current) {
        if (current && !m_filling)
            emit Click();
    });
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        // A click on the entry already current changes nothing above, yet is a click.
        if (item == currentItem() && !m_filling)
            emit Click();
    });
}

void FileList::setPath(const QString &path)
{
    m_path = QDir::cleanPath(QDir(path).absolutePath());
    Refresh();
}

void FileList::setPattern(const QString &pattern)
{
    m_pattern = pattern;
}

void FileList::Refresh()
{
    m_filling = true;
    clear();
    if (!m_path.isEmpty()) {
        // "*.*" means every file, with or without a dot.
        const QString filter = m_pattern == QLatin1String("*.*") ? QStringLiteral("*") : m_pattern;
        const QStringList names = QDir(m_path).entryList({filter}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        addItems(names);
    }
    setCurrentRow(-1);
    m_filling = false;
}

QString FileList::FileName() const
{
    const QListWidgetItem *item = currentItem();
    return item ? item->text() : QString();
}
