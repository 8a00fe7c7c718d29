#pragma once

#include <QListWidget>

// The files of one folder whose names match a wildcard, without case.
class FileList : public QListWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    QString Path() const { return m_path; }
    void setPath(const QString &path);
    QString Pattern() const { return m_pattern; }
    void setPattern(const QString &pattern);
    void Refresh();

    // The name of the file the user picked, or empty.
    QString FileName() const;

signals:
    // The user picked a file (mouse or keys).
    void Click();

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
    bool m_filling = false;
};
