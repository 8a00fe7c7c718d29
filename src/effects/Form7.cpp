#include "Form7.h"

#include "EffectFiles.h"
#include "EffectTemplate.h"
#include "TransitionNumberBox.h"
#include "platform/AppContext.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/Module1.h"

#include <QHBoxLayout>

Form7::Form7(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("イメージTransition設定画面"));
    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("OK"), this);
    m_Command3 = DialogRows::button(QStringLiteral("Command3"), QStringLiteral("Cancel"), this);
    m_Command2->setEnabled(false);

    auto *grid = new QGridLayout;
    m_Text1 = DialogRows::text(QStringLiteral("Text1"), QString(), this);
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("参照"), this);
    m_Text2 = DialogRows::text(QStringLiteral("Text2"), QString(), this);
    m_Combo2 = TransitionNumberBox::makeCombo(QStringLiteral("Combo2"), this);
    m_Text3 = TransitionNumberBox::makeNameBox(QStringLiteral("Text3"), this);
    DialogRows::add(grid, QStringLiteral("画像"), m_Text1, QString(), m_Command1);
    DialogRows::add(grid, QStringLiteral("代替ﾃｷｽﾄ"), m_Text2);
    DialogRows::add(grid, QStringLiteral("Transition"), m_Combo2, QString(), m_Text3);
    new TransitionNumberBox(m_Combo2, m_Text3, m_Command2);

    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(DialogRows::okCancel(m_Command2, m_Command3));

    connect(m_Command1, &QPushButton::clicked, this, &Form7::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form7::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Form7::Command3_Click);
}

QString Form7::markup(const QString &file, const QString &alt, const QString &transition)
{
    const QChar q = u'"';
    return QStringLiteral("<IMG id=mivoimage SRC=") + q + file + q + QStringLiteral("ALT=") + q + alt + q
           + QStringLiteral("style=") + q + QStringLiteral("filter:revealtrans(transition=") + transition
           + QStringLiteral(",duration=3);visibility:hidden") + q + QStringLiteral("></DIV>");
}

void Form7::Command1_Click()
{
    EffectFiles::choose(m_owner.commonDialog, EffectFiles::PictureFilter, m_Text1);
}

void Form7::Command2_Click()
{
    if (!EffectFiles::loadTemplate(m_owner.app, EffectTemplate::fileName(Effect::RevealImage)))
        return;
    Module1 &shared = m_owner.app.shared;
    shared.EffectImageFile = m_Text1->text();
    shared.EffectImageAlt = m_Text2->text();
    shared.EffectImageTransition = m_Combo2->currentText();
    shared.SnippetHtml = markup(shared.EffectImageFile, shared.EffectImageAlt, shared.EffectImageTransition);
    accept();
    m_owner.main.goscript();
}

void Form7::Command3_Click()
{
    reject();
}
