#include "Form13.h"

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

Form13::Form13(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("影付き文字設定"));
    auto *grid = new QGridLayout;
    m_Text1 = new ColorField(QStringLiteral("Text1"), this);
    m_Command1 = new ColorClearButton(QStringLiteral("Command1"), m_Text1, this);
    m_Text2 = DialogRows::text(QStringLiteral("Text2"), QStringLiteral("10"), this);
    m_Text3 = DialogRows::text(QStringLiteral("Text3"), ElementNumber::drawText(), this);
    m_Text3->setReadOnly(true);
    m_Combo1 = DialogRows::list(QStringLiteral("Combo1"), {QStringLiteral("なし"), QStringLiteral("あり")},
                                QStringLiteral("なし"), this);
    DialogRows::add(grid, QStringLiteral("影の色"), m_Text1, QString(), m_Command1);
    DialogRows::add(grid, QStringLiteral("影の角度"), m_Text2, QStringLiteral("0～90"));
    DialogRows::add(grid, QStringLiteral("ID"), m_Text3);
    DialogRows::add(grid, QStringLiteral("ｱｸｼｮﾝ"), m_Combo1);

    m_WebBrowser1 = new WebBrowser(m_owner.app.pages, QStringLiteral("WebBrowser1"), this);
    m_WebBrowser1->Navigate(m_owner.app.folder.file(QStringLiteral("\\color.htm")));
    m_Command3 = DialogRows::button(QStringLiteral("Command3"), QStringLiteral("OK"), this);
    m_Command4 = DialogRows::button(QStringLiteral("Command4"), QStringLiteral("Cancel"), this);
    m_Command3->setEnabled(false);

    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addWidget(m_WebBrowser1, 1);
    main->addLayout(DialogRows::okCancel(m_Command3, m_Command4));

    connect(m_Text1, &QLineEdit::textChanged, this, [this](const QString &t) { m_Command3->setEnabled(!t.isEmpty()); });
    connect(m_Command3, &QPushButton::clicked, this, &Form13::Command3_Click);
    connect(m_Command4, &QPushButton::clicked, this, &Form13::Command4_Click);
}

void Form13::Command3_Click()
{
    Module1 &shared = m_owner.app.shared;
    shared.EffectElementId = QStringLiteral("MIVO") + m_Text3->text();
    const QString action = m_Combo1->currentText();
    shared.SnippetHtml =
        FilteredTextMarkup::build(m_Text3->text(), FilteredTextMarkup::shadow(m_Text1->text(), m_Text2->text()));
    if (action == QStringLiteral("あり"))
        m_owner.main.goscript();
    else
        m_owner.main.mivo_go();
    accept();
}

void Form13::Command4_Click()
{
    reject();
}
