#pragma once

#include <QComboBox>

// The drives of this desktop: the mounted volumes, the root first.
class DriveList : public QComboBox
{
    Q_OBJECT
public:
    explicit DriveList(QWidget *parent = nullptr);

    // The volume's root; "/" for the root volume.
    QString Drive() const { return currentText(); }
    // Chooses the volume that holds path.
    void setDriveOf(const QString &path);

    static QStringList volumeRoots();

signals:
    void Change();
};
