#include "Form14.h"

#include "ElementNumber.h"
#include "FilteredTextMarkup.h"
#include "platform/AppContext.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/Module1.h"

#include <QHBoxLayout>

Form14::Form14(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("波付き文字設定"));
    auto *grid = new QGridLayout;
    m_Text1 = DialogRows::text(QStringLiteral("Text1"), QStringLiteral("5"), this);
    m_Text2 = DialogRows::text(QStringLiteral("Text2"), QStringLiteral("10"), this);
    m_Text3 = DialogRows::text(QStringLiteral("Text3"), QStringLiteral("20"), this);
    m_Text4 = DialogRows::text(QStringLiteral("Text4"), ElementNumber::drawText(), this);
    m_Text4->setReadOnly(true);
    m_Combo1 = DialogRows::list(QStringLiteral("Combo1"), {QStringLiteral("なし"), QStringLiteral("あり")},
                                QStringLiteral("なし"), this);
    DialogRows::add(grid, QStringLiteral("波の強さ"), m_Text1, QStringLiteral("任意の整数"));
    DialogRows::add(grid, QStringLiteral("波の個数"), m_Text2, QStringLiteral("0～100"));
    DialogRows::add(grid, QStringLiteral("光の強さ"), m_Text3, QStringLiteral("任意の整数"));
    DialogRows::add(grid, QStringLiteral("ID"), m_Text4);
    DialogRows::add(grid, QStringLiteral("ｱｸｼｮﾝ"), m_Combo1);

    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("OK"), this);
    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("Cancel"), this);
    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(DialogRows::okCancel(m_Command1, m_Command2));

    connect(m_Text1, &QLineEdit::textChanged, this, [this](const QString &t) { m_Command1->setEnabled(!t.isEmpty()); });
    connect(m_Command1, &QPushButton::clicked, this, &Form14::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form14::Command2_Click);
}

void Form14::Command1_Click()
{
    Module1 &shared = m_owner.app.shared;
    shared.EffectElementId = QStringLiteral("MIVO") + m_Text4->text();
    const QString action = m_Combo1->currentText();
    shared.SnippetHtml = FilteredTextMarkup::build(
        m_Text4->text(), FilteredTextMarkup::wave(m_Text1->text(), m_Text2->text(), m_Text3->text()));
    if (action == QStringLiteral("あり"))
        m_owner.main.goscript();
    else if (action == QStringLiteral("なし"))
        m_owner.main.mivo_go();
    accept();
}

void Form14::Command2_Click()
{
    reject();
}
