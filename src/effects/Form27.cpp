#include "Form27.h"

#include "EffectFiles.h"
#include "platform/AppContext.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/TextBuffer.h"

#include <QHBoxLayout>
#include <QLabel>

Form27::Form27(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form27"));
    setWindowTitle(QStringLiteral("全画面表示設定"));
    m_Text1 = DialogRows::text(QStringLiteral("Text1"), QString(), this);
    m_Text2 = new TextBuffer(QStringLiteral("Text2"), this);
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("参照"), this);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(m_Text1, 1);
    pathRow->addWidget(m_Command1);

    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("OK"), this);
    m_Command3 = DialogRows::button(QStringLiteral("Command3"), QStringLiteral("cancel"), this);
    auto *main = new QVBoxLayout(this);
    main->addWidget(new QLabel(QStringLiteral("全画面で表示するHTMLﾌｧｲﾙを指定して下さい．"), this));
    main->addLayout(pathRow);
    main->addLayout(DialogRows::okCancel(m_Command2, m_Command3));

    connect(m_Command1, &QPushButton::clicked, this, &Form27::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form27::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Form27::Command3_Click);
}

QString Form27::scriptText() const
{
    return m_Text2->text();
}

void Form27::Command1_Click()
{
    EffectFiles::choose(m_owner.commonDialog, EffectFiles::PageFilter, m_Text1);
}

void Form27::Command2_Click()
{
    m_Text2->setText(QString());
    const std::optional<QString> text = EffectFiles::loadTemplate(m_owner.app, QStringLiteral("\\zenngamenn.mvo"));
    if (!text)
        return;
    m_Text2->setText(QString(*text).replace(QStringLiteral("[zenngamenn]"), m_Text1->text()));
    m_owner.app.shared.SnippetHtml = m_Text2->text();
    m_owner.main.goscript();
    accept();
}

void Form27::Command3_Click()
{
    reject();
}
