#include "Form9.h"

#include "platform/AppContext.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/Module1.h"

#include <QHBoxLayout>

Form9::Form9(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("マーキー設定画面"));
    auto *grid = new QGridLayout;
    m_Combo1 = DialogRows::list(QStringLiteral("Combo1"),
                                {QStringLiteral("Scroll"), QStringLiteral("Slide"), QStringLiteral("Alternate")}, QString(), this);
    m_Combo2 = DialogRows::list(QStringLiteral("Combo2"), {QStringLiteral("Left"), QStringLiteral("Right")}, QString(), this);
    m_Text1 = DialogRows::text(QStringLiteral("Text1"), QStringLiteral("Infinite"), this);
    m_Text2 = DialogRows::text(QStringLiteral("Text2"), QString(), this);
    m_Text3 = DialogRows::text(QStringLiteral("Text3"), QString(), this);
    DialogRows::add(grid, QStringLiteral("動き方"), m_Combo1, QStringLiteral("Behavior"));
    DialogRows::add(grid, QStringLiteral("方向"), m_Combo2, QStringLiteral("Direction"));
    DialogRows::add(grid, QStringLiteral("回数"), m_Text1, QStringLiteral("Loop"));
    DialogRows::add(grid, QStringLiteral("秒数"), m_Text2, QStringLiteral("Scrolldelay"));
    DialogRows::add(grid, QStringLiteral("ﾋﾟｸｾﾙ数"), m_Text3, QStringLiteral("Scrollamount"));
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("OK"), this);
    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("Cancel"), this);
    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(DialogRows::okCancel(m_Command1, m_Command2));

    connect(m_Command1, &QPushButton::clicked, this, &Form9::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form9::Command2_Click);
}

void Form9::Command1_Click()
{
    Module1 &shared = m_owner.app.shared;
    shared.SnippetHtml = QStringLiteral("<MARQUEE BEHAVIOR=") + m_Combo1->currentText() + QStringLiteral(" DIRECTION=")
                         + m_Combo2->currentText() + QStringLiteral(" SCROLLDELAY=") + m_Text2->text()
                         + QStringLiteral(" SCROLLAMOUNT=") + m_Text3->text() + QStringLiteral(" LOOP=") + m_Text1->text()
                         + QStringLiteral(">文字を入力してください。</MARQUEE>");
    shared.EffectKind = Effect::Marquee;
    m_owner.main.harituke();
    accept();
}

void Form9::Command2_Click()
{
    reject();
}
