#include "Form25.h"

#include "DriveList.h"
#include "FileList.h"
#include "FolderList.h"
#include "PageOpener.h"
#include "platform/AppContext.h"
#include "platform/DhtmlEdit.h"
#include "platform/MessageBoxes.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

const QString Form25::Caption = QStringLiteral("ファイル処理画面");

const QList<QPair<QString, QString>> &Form25::fileTypes()
{
    static const QList<QPair<QString, QString>> types = {
        {QStringLiteral("HTMLﾌｧｲﾙ"), QStringLiteral("*.html")}, {QStringLiteral("HTMﾌｧｲﾙ"), QStringLiteral("*.htm")},
        {QStringLiteral("XMLﾌｧｲﾙ"), QStringLiteral("*.xml")},   {QStringLiteral("XSLﾌｧｲﾙ"), QStringLiteral("*.xsl")},
        {QStringLiteral("TXTﾌｧｲﾙ"), QStringLiteral("*.txt")},   {QStringLiteral("全てのﾌｧｲﾙ"), QStringLiteral("*.*")},
    };
    return types;
}

Form25::Form25(AppContext &app, DhtmlEdit *surface, QWidget *owner) : QDialog(owner), m_app(app), m_surface(surface)
{
    setObjectName(QStringLiteral("Form25"));
    setWindowTitle(Caption);
    setModal(true);
    buildControls();
    onLoad();
}

void Form25::buildControls()
{
    m_Frame1 = new QGroupBox(QStringLiteral("ファイル"), this);
    m_Frame1->setObjectName(QStringLiteral("Frame1"));
    m_Drive1 = new DriveList(m_Frame1);
    m_Drive1->setObjectName(QStringLiteral("Drive1"));
    m_Dir1 = new FolderList(m_Frame1);
    m_Dir1->setObjectName(QStringLiteral("Dir1"));
    m_File1 = new FileList(m_Frame1);
    m_File1->setObjectName(QStringLiteral("File1"));
    m_Combo1 = new QComboBox(m_Frame1);
    m_Combo1->setObjectName(QStringLiteral("Combo1"));
    m_Combo1->setEditable(true);
    m_Combo1->setInsertPolicy(QComboBox::NoInsert);
    m_Text1 = new QLineEdit(this);
    m_Text1->setObjectName(QStringLiteral("Text1"));
    m_Command1 = new QPushButton(QStringLiteral("OK"), this);
    m_Command1->setObjectName(QStringLiteral("Command1"));
    m_Command1->setDefault(true);
    m_Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    m_Command2->setObjectName(QStringLiteral("Command2"));

    auto *frameLayout = new QGridLayout(m_Frame1);
    frameLayout->addWidget(m_Drive1, 0, 0);
    frameLayout->addWidget(m_Dir1, 1, 0);
    frameLayout->addWidget(m_File1, 0, 1, 2, 1);
    frameLayout->addWidget(m_Combo1, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_Command1);
    buttons->addWidget(m_Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_Frame1);
    layout->addWidget(m_Text1);
    layout->addLayout(buttons);
    resize(560, 420);

    connect(m_Combo1, &QComboBox::textActivated, this, &Form25::Combo1_Click);
    connect(m_Drive1, &DriveList::Change, this, &Form25::Drive1_Change);
    connect(m_Dir1, &FolderList::Change, this, &Form25::Dir1_Change);
    connect(m_Dir1, &FolderList::refused, this, [this](const QString &message) {
        m_app.boxes.say(message, MessageBoxes::DefaultTitle, MessageBoxes::Icon::Warning);
    });
    connect(m_File1, &FileList::Click, this, &Form25::File1_Click);
    connect(m_Command1, &QPushButton::clicked, this, &Form25::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form25::Command2_Click);
}

void Form25::onLoad()
{
    const Module1 &shared = m_app.shared;
    m_Combo1->clear();
    for (const auto &type : fileTypes())
        m_Combo1->addItem(type.first);
    // The type and the folder it was left with in this run, else *.htm in the run's working folder.
    m_FilePattern = QStringLiteral("*.htm");
    QString typeText = QStringLiteral("HTMﾌｧｲﾙ");
    for (const auto &type : fileTypes()) {
        if (type.first == shared.FileScreenType) {
            m_FilePattern = type.second;
            typeText = type.first;
        }
    }
    m_File1->setPattern(m_FilePattern);
    m_File1->Refresh();
    m_Combo1->setCurrentIndex(m_Combo1->findText(typeText));
    m_Combo1->setEditText(typeText);
    const QString start = !shared.FileScreenFolder.isEmpty() && QDir(shared.FileScreenFolder).exists() ? shared.FileScreenFolder
                                                                                                       : m_app.workingFolder;
    m_Drive1->setDriveOf(start);
    if (!m_Dir1->setPath(start))
        m_Dir1->setPath(m_Drive1->Drive());
}

void Form25::Combo1_Click()
{
    const QString text = m_Combo1->currentText();
    for (const auto &type : fileTypes()) {
        if (type.first == text) {
            m_FilePattern = type.second;
            m_File1->setPattern(m_FilePattern);
            m_File1->Refresh();
            m_app.shared.FileScreenType = text;
            return;
        }
    }
}

void Form25::Drive1_Change()
{
    // A volume that cannot be listed is passed over: the folder list keeps its folder.
    m_Dir1->setPath(m_Drive1->Drive());
}

void Form25::Dir1_Change()
{
    m_File1->setPath(m_Dir1->Path());
    m_app.shared.FileScreenFolder = m_Dir1->Path();
}

void Form25::File1_Click()
{
    const QString name = m_File1->FileName();
    if (name.isEmpty())
        return;
    QString folder = m_File1->Path();
    // The root is kept without its separator, as a drive root is.
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    m_app.shared.DocumentFolder = folder;
    m_Text1->setText(folder + QLatin1Char('/') + name);
}

void Form25::Command1_Click()
{
    const QString path = m_Text1->text();
    if (path.isEmpty()) {
        m_app.boxes.say(QStringLiteral("ファイルが指定されていません。"));
        m_Text1->setFocus();
        return;
    }
    // The screen goes before a load that may take long, so that the page shows as it comes.
    hide();
    if (!PageOpener::load(m_app.boxes, m_surface, path)) {
        // The surface keeps the page it had; the screen comes back for another choice.
        show();
        m_Text1->setFocus();
        return;
    }
    // A path typed into another folder leaves the screen there for its next opening.
    const QFileInfo opened(path);
    if (opened.isAbsolute())
        m_app.shared.FileScreenFolder = opened.absolutePath();
    accept();
}

void Form25::Command2_Click()
{
    m_app.shared.DocumentFolder.clear();
    QDialog::reject();
}

void Form25::reject()
{
    Command2_Click();
}
