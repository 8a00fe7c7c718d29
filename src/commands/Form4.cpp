#include "Form4.h"

#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

const QString Form4::PickerFilter = QStringLiteral("HTMファイル(*.htm)|*.htm|HTMLファイル(*.html)|*.html");

Form4::Form4(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("リンク先の指定"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(QStringLiteral("リンク先を指定してください。"), this);
    label->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(label);
    auto *row = new QHBoxLayout;
    m_Text1 = new QLineEdit(QStringLiteral("http://"), this);
    m_Text1->setObjectName(QStringLiteral("Text1"));
    m_Text1->setMinimumWidth(320);
    m_Command1 = new QPushButton(QStringLiteral("参照"), this);
    m_Command1->setObjectName(QStringLiteral("Command1"));
    row->addWidget(m_Text1);
    row->addWidget(m_Command1);
    layout->addLayout(row);
    auto *buttons = new QHBoxLayout;
    m_Command2 = new QPushButton(QStringLiteral("OK"), this);
    m_Command2->setObjectName(QStringLiteral("Command2"));
    m_Command2->setDefault(true);
    m_Command3 = new QPushButton(QStringLiteral("Cancel"), this);
    m_Command3->setObjectName(QStringLiteral("Command3"));
    buttons->addStretch();
    buttons->addWidget(m_Command2);
    buttons->addWidget(m_Command3);
    layout->addLayout(buttons);
    connect(m_Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form4::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &QDialog::reject);
}

void Form4::Command1_Click()
{
    CommonDialog *dialog = m_owner.commonDialog;
    dialog->Filter = PickerFilter;
    // A cancelled picker leaves the address as it was typed.
    if (dialog->ShowOpen())
        m_Text1->setText(dialog->FileName);
}

void Form4::Command2_Click()
{
    DhtmlEdit *surface = m_owner.surface;
    // A refused link (nothing selected) is ignored, as the menu's commands are.
    surface->ExecCommand(DECMD_HYPERLINK, OLECMDEXECOPT_DONTPROMPTUSER, m_Text1->text());
    surface->Refresh();
    accept();
}
