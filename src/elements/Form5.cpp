#include "Form5.h"

#include "platform/AppContext.h"
#include "platform/CommonDialog.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/Module1.h"

#include <QHBoxLayout>

const QString Form5::FileFilter =
    QStringLiteral("HTMファイル(*.htm)|*.htm|HTMLファイル(*.html)|*.html|全てのファイル(*.*)|*.*");

Form5::Form5(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("フローティングフレーム設定画面"));
    auto *grid = new QGridLayout;
    m_Text1 = DialogRows::text(QStringLiteral("Text1"), QString(), this);
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("参照"), this);
    m_Combo1 = DialogRows::list(QStringLiteral("Combo1"), {QStringLiteral("あり"), QStringLiteral("なし")},
                                QStringLiteral("あり"), this);
    DialogRows::add(grid, QStringLiteral("フレーム内に表示させるファイル"), m_Text1, QString(), m_Command1);
    DialogRows::add(grid, QStringLiteral("枠線"), m_Combo1);
    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("OK"), this);
    m_Command3 = DialogRows::button(QStringLiteral("Command3"), QStringLiteral("Cancel"), this);
    m_Command2->setEnabled(false);
    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(DialogRows::okCancel(m_Command2, m_Command3));

    connect(m_Text1, &QLineEdit::textChanged, this, [this](const QString &t) { m_Command2->setEnabled(!t.isEmpty()); });
    connect(m_Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form5::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
}

void Form5::Command1_Click()
{
    CommonDialog *dialog = m_owner.commonDialog;
    dialog->Filter = FileFilter;
    // A cancelled picker leaves the path as it was typed.
    if (dialog->ShowOpen())
        m_Text1->setText(dialog->FileName);
}

void Form5::Command2_Click()
{
    Module1 &shared = m_owner.app.shared;
    shared.EffectKind = Effect::FloatingFrame;
    shared.FrameBorder = m_Combo1->currentText() == QStringLiteral("なし") ? QStringLiteral("0") : QStringLiteral("1");
    shared.SnippetHtml = QStringLiteral("<IFRAME FRAMEBORDER=") + shared.FrameBorder.toString() + QStringLiteral(" ")
                         + QStringLiteral("SRC=") + QChar(u'"') + m_Text1->text() + QChar(u'"') + QStringLiteral(">")
                         + QStringLiteral("</IFRAME>");
    m_owner.main.mivo_go();
    accept();
}

void Form5::Command3_Click()
{
    reject();
}
