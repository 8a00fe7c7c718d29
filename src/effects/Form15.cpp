#include "Form15.h"

#include "ElementNumber.h"
#include "FilteredTextMarkup.h"
#include "platform/AppContext.h"
#include "platform/ColorClearButton.h"
#include "platform/ColorField.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/Module1.h"
#include "platform/WebBrowser.h"

#include <QHBoxLayout>

Form15::Form15(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("燃える文字設定"));
    auto *grid = new QGridLayout;
    m_Text1 = new ColorField(QStringLiteral("Text1"), this);
    m_Text1->setText(QStringLiteral("RED"));
    m_Command3 = new ColorClearButton(QStringLiteral("Command3"), m_Text1, this);
    m_Text2 = DialogRows::text(QStringLiteral("Text2"), QStringLiteral("5"), this);
    m_Text3 = DialogRows::text(QStringLiteral("Text3"), ElementNumber::drawText(), this);
    m_Text3->setReadOnly(true);
    m_Combo1 = DialogRows::list(QStringLiteral("Combo1"), {QStringLiteral("なし"), QStringLiteral("あり")},
                                QStringLiteral("なし"), this);
    DialogRows::add(grid, QStringLiteral("影の色"), m_Text1, QString(), m_Command3);
    DialogRows::add(grid, QStringLiteral("影の度合"), m_Text2, QStringLiteral("任意の整数"));
    DialogRows::add(grid, QStringLiteral("ID"), m_Text3);
    DialogRows::add(grid, QStringLiteral("ｱｸｼｮﾝ"), m_Combo1);

    m_WebBrowser1 = new WebBrowser(m_owner.app.pages, QStringLiteral("WebBrowser1"), this);
    m_WebBrowser1->Navigate(m_owner.app.folder.file(QStringLiteral("\\color.htm")));
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("OK"), this);
    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("Cancel"), this);
    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addWidget(m_WebBrowser1, 1);
    main->addLayout(DialogRows::okCancel(m_Command1, m_Command2));

    connect(m_Text1, &QLineEdit::textChanged, this, [this](const QString &t) { m_Command1->setEnabled(!t.isEmpty()); });
    connect(m_Command1, &QPushButton::clicked, this, &Form15::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form15::Command2_Click);
}

void Form15::Command1_Click()
{
    Module1 &shared = m_owner.app.shared;
    shared.EffectElementId = QStringLiteral("MIVO") + m_Text3->text();
    const QString action = m_Combo1->currentText();
    shared.SnippetHtml =
        FilteredTextMarkup::build(m_Text3->text(), FilteredTextMarkup::glow(m_Text2->text(), m_Text1->text()));
    if (action == QStringLiteral("あり"))
        m_owner.main.goscript();
    else
        m_owner.main.mivo_go();
    accept();
}

void Form15::Command2_Click()
{
    reject();
}
