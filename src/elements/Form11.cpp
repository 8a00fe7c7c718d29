#include "Form11.h"

#include "platform/AppContext.h"
#include "platform/ColorClearButton.h"
#include "platform/ColorField.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/Module1.h"
#include "platform/WebBrowser.h"

#include <QHBoxLayout>

Form11::Form11(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("罫線の設定"));
    auto *grid = new QGridLayout;
    m_Text1 = DialogRows::text(QStringLiteral("Text1"), QStringLiteral("100"), this);
    m_Text2 = DialogRows::text(QStringLiteral("Text2"), QStringLiteral("2"), this);
    m_Combo1 = DialogRows::list(QStringLiteral("Combo1"), {QStringLiteral("あり"), QStringLiteral("なし")},
                                QStringLiteral("あり"), this);
    m_Text3 = new ColorField(QStringLiteral("Text3"), this);
    m_Text3->setText(QStringLiteral("silver"));
    m_Command3 = new ColorClearButton(QStringLiteral("Command3"), m_Text3, this);
    m_Combo2 = DialogRows::list(QStringLiteral("Combo2"),
                                {QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right")},
                                QStringLiteral("center"), this);
    DialogRows::add(grid, QStringLiteral("罫線の長さ"), m_Text1, QStringLiteral("%"));
    DialogRows::add(grid, QStringLiteral("罫線の幅"), m_Text2, QStringLiteral("pixel"));
    DialogRows::add(grid, QStringLiteral("影の有無"), m_Combo1);
    DialogRows::add(grid, QStringLiteral("罫線の色"), m_Text3, QString(), m_Command3);
    DialogRows::add(grid, QStringLiteral("罫線の位置"), m_Combo2);
    m_WebBrowser1 = new WebBrowser(m_owner.app.pages, QStringLiteral("WebBrowser1"), this);
    m_WebBrowser1->Navigate(m_owner.app.folder.file(QStringLiteral("\\color.htm")));
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("OK"), this);
    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("Cancel"), this);
    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addWidget(m_WebBrowser1, 1);
    main->addLayout(DialogRows::okCancel(m_Command1, m_Command2));

    connect(m_Command1, &QPushButton::clicked, this, &Form11::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form11::Command2_Click);
}

void Form11::Command1_Click()
{
    Module1 &shared = m_owner.app.shared;
    const QChar q = u'"';
    shared.RuleWidth = q + m_Text1->text() + QStringLiteral("%") + q;
    shared.RuleSize = q + m_Text2->text() + q;
    const QString shade = m_Combo1->currentText();
    if (shade == QStringLiteral("あり"))
        shared.RuleShade.clear();
    else if (shade == QStringLiteral("なし"))
        shared.RuleShade = QStringLiteral("noshade");
    else
        return;
    shared.RuleColor = q + m_Text3->text() + q;
    QString markup = QStringLiteral("<HR") + QStringLiteral(" WIDTH=") + shared.RuleWidth.toString()
                     + QStringLiteral(" SIZE=") + shared.RuleSize.toString();
    if (!shared.RuleShade.isEmpty())
        markup += QStringLiteral(" noshade");
    markup += QStringLiteral(" COLOR=") + shared.RuleColor + QStringLiteral(" ALIGN=") + m_Combo2->currentText()
              + QStringLiteral(">");
    shared.SnippetHtml = markup;
    m_owner.main.mivo_go();
    accept();
}

void Form11::Command2_Click()
{
    reject();
}
