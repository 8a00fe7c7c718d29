#pragma once

#include <QListWidget>

// A folder list: the folders from the drive's root down to the current one,
// then the current folder's subfolders. Opening an entry (double click or
// Enter) makes it the current folder.
class FolderList : public QListWidget
{
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    QString Path() const { return m_path; }
    // False, with the reason in lastError(), when the folder cannot be listed;
    // the list then keeps its folder.
    bool setPath(const QString &path);
    QString lastError() const { return m_lastError; }

signals:
    void Change();
    // Opening an entry failed; why is in the text.
    void refused(const QString &message);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill(const QStringList &children);

    QString m_path;
    QString m_lastError;
};
