#include "Form19.h"

#include "BackgroundPicture.h"
#include "platform/AppContext.h"
#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"
#include "platform/TextBuffer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const QString Form19::PickerFilter =
    QStringLiteral("GIFファイル(*.gif)|*.gif|JPGファイル(*.jpg)|*.jpg|全てのファイル(*.*)|*.*");

Form19::Form19(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form19"));
    setWindowTitle(QStringLiteral("背景画像設定"));
    auto *grid = new QGridLayout(this);
    auto *label1 = new QLabel(QStringLiteral("画像の指定"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    m_Text1 = new QLineEdit(this);
    m_Text1->setObjectName(QStringLiteral("Text1"));
    m_Text1->setMinimumWidth(280);
    m_Command1 = new QPushButton(QStringLiteral("参照"), this);
    m_Command1->setObjectName(QStringLiteral("Command1"));
    grid->addWidget(label1, 0, 0);
    grid->addWidget(m_Text1, 0, 1);
    grid->addWidget(m_Command1, 0, 2);
    auto *label2 = new QLabel(QStringLiteral("背景ﾊﾟﾀｰﾝ"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    m_Combo1 = new QComboBox(this);
    m_Combo1->setObjectName(QStringLiteral("Combo1"));
    m_Combo1->setEditable(true);
    m_Combo1->addItems({QStringLiteral("固定する"), QStringLiteral("固定しない")});
    m_Combo1->setCurrentIndex(1);
    grid->addWidget(label2, 1, 0);
    grid->addWidget(m_Combo1, 1, 1);
    m_Command2 = new QPushButton(QStringLiteral("OK"), this);
    m_Command2->setObjectName(QStringLiteral("Command2"));
    m_Command2->setDefault(true);
    m_Command3 = new QPushButton(QStringLiteral("Cancel"), this);
    m_Command3->setObjectName(QStringLiteral("Command3"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_Command2);
    buttons->addWidget(m_Command3);
    grid->addLayout(buttons, 2, 0, 1, 3);
    m_RichTextBox1 = new TextBuffer(QStringLiteral("RichTextBox1"), this);

    connect(m_Text1, &QLineEdit::textChanged, this, &Form19::Text1_Change);
    connect(m_Command1, &QPushButton::clicked, this, &Form19::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form19::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &QDialog::reject);
    Text1_Change();
}

void Form19::Text1_Change()
{
    const bool given = !m_Text1->text().isEmpty();
    m_Combo1->setEnabled(given);
    m_Command2->setEnabled(given);
}

void Form19::Command1_Click()
{
    CommonDialog *dialog = m_owner.commonDialog;
    dialog->Filter = PickerFilter;
    // A cancelled picker leaves the path as it was typed.
    if (dialog->ShowOpen())
        m_Text1->setText(dialog->FileName);
}

void Form19::Command2_Click()
{
    Module1 &shared = m_owner.app.shared;
    const QString pattern = m_Combo1->currentText();
    if (pattern == QStringLiteral("固定する"))
        shared.BackgroundFixedAttr = QStringLiteral("bgProperties=fixed");
    else if (pattern == QStringLiteral("固定しない"))
        shared.BackgroundFixedAttr = QStringLiteral("bgProperties=none");
    else
        return;
    DhtmlEdit *surface = m_owner.surface;
    const QString page = surface->DocumentHTML();
    if (page.isNull()) {
        m_owner.app.boxes.say(QStringLiteral("ページの内容を読み取れないため、背景画像を設定できません。\n%1").arg(surface->lastError()));
        return;
    }
    m_RichTextBox1->setText(page);
    const int at = m_RichTextBox1->text().indexOf(QStringLiteral("<BODY")) + 1;
    shared.BodyBackgroundTag = BackgroundPicture::bodyTag(m_Text1->text(), shared.BackgroundFixedAttr);
    if (at < 2) {
        accept();
        return;
    }
    QString html = m_RichTextBox1->text();
    html.replace(QStringLiteral("<BODY"), shared.BodyBackgroundTag);
    m_RichTextBox1->setText(html);
    // Writing DocumentHTML first and then loading the temporary page would load the page
    // twice; the temporary page alone gives the surface the same text.
    const QString temp = BackgroundPicture::tempPath(m_owner.app, BackgroundPicture::SetTempName, BackgroundPicture::DeleteTempName);
    if (BackgroundPicture::reloadThrough(m_owner.app, surface, temp, html))
        accept();
}
