#include "Form16.h"

#include "ElementNumber.h"
#include "FilteredTextMarkup.h"
#include "platform/AppContext.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/Module1.h"

#include <QHBoxLayout>

Form16::Form16(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("消える文字設定"));
    auto *grid = new QGridLayout;
    m_Text1 = DialogRows::text(QStringLiteral("Text1"), QStringLiteral("90"), this);
    m_Combo1 = DialogRows::list(QStringLiteral("Combo1"),
                                {QStringLiteral("線形"), QStringLiteral("円形"), QStringLiteral("長方形")},
                                QStringLiteral("円形"), this);
    m_Text2 = DialogRows::text(QStringLiteral("Text2"), ElementNumber::drawText(), this);
    m_Text2->setReadOnly(true);
    m_Combo2 = DialogRows::list(QStringLiteral("Combo2"), {QStringLiteral("なし"), QStringLiteral("あり")},
                                QStringLiteral("なし"), this);
    DialogRows::add(grid, QStringLiteral("透明度"), m_Text1, QStringLiteral("0～100"));
    DialogRows::add(grid, QStringLiteral("ｽﾀｲﾙ"), m_Combo1);
    DialogRows::add(grid, QStringLiteral("ID"), m_Text2);
    DialogRows::add(grid, QStringLiteral("ｱｸｼｮﾝ"), m_Combo2);

    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("OK"), this);
    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("Cancel"), this);
    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(DialogRows::okCancel(m_Command1, m_Command2));

    connect(m_Text1, &QLineEdit::textChanged, this, [this](const QString &t) { m_Command1->setEnabled(!t.isEmpty()); });
    connect(m_Command1, &QPushButton::clicked, this, &Form16::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form16::Command2_Click);
}

void Form16::Command1_Click()
{
    Module1 &shared = m_owner.app.shared;
    shared.EffectElementId = QStringLiteral("MIVO") + m_Text2->text();
    const int style = FilteredTextMarkup::alphaStyle(m_Combo1->currentText());
    if (style == 0)
        return;
    const QString action = m_Combo2->currentText();
    if (action == QStringLiteral("あり"))
        shared.EffectKind = Effect::VanishingText;
    else if (action == QStringLiteral("なし"))
        shared.EffectKind = Effect::VanishingTextWithoutScript;
    shared.SnippetHtml =
        FilteredTextMarkup::build(m_Text2->text(), FilteredTextMarkup::alpha(m_Text1->text(), style));
    if (shared.EffectKind == Effect::VanishingText)
        m_owner.main.goscript();
    else
        m_owner.main.mivo_go();
    accept();
}

void Form16::Command2_Click()
{
    reject();
}
