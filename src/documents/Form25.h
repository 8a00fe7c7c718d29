#pragma once

#include <QDialog>
#include <QString>

struct AppContext;
class DhtmlEdit;
class DriveList;
class FileList;
class FolderList;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// "ファイル処理画面": picks a page through a drive, folder and file list, or a
// typed path, and loads it into the editing surface.
class Form25 : public QDialog
{
    Q_OBJECT
public:
    static const QString Caption;
    // The file-type entries and the pattern each selects, in list order.
    static const QList<QPair<QString, QString>> &fileTypes();

    // Opens at the run's working folder.
    Form25(AppContext &app, DhtmlEdit *surface, QWidget *owner);

    QString FilePattern() const { return m_FilePattern; }

    void Combo1_Click();
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void Command1_Click();
    void Command2_Click();

    // Esc and the close box end the screen as Cancel does.
    void reject() override;

private:
    void buildControls();
    void onLoad();

    AppContext &m_app;
    DhtmlEdit *m_surface;
    QString m_FilePattern;
    QGroupBox *m_Frame1 = nullptr;
    DriveList *m_Drive1 = nullptr;
    FolderList *m_Dir1 = nullptr;
    FileList *m_File1 = nullptr;
    QComboBox *m_Combo1 = nullptr;
    QLineEdit *m_Text1 = nullptr;
    QPushButton *m_Command1 = nullptr;
    QPushButton *m_Command2 = nullptr;
};
