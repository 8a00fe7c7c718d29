#include "Form23.h"

#include "EffectFiles.h"
#include "EffectTemplate.h"
#include "platform/AppContext.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"

#include <QHBoxLayout>
#include <QLabel>

const QString Form23::TextMissing = QStringLiteral("表示する内容が入力されていません！");

Form23::Form23(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form23"));
    setWindowTitle(QStringLiteral("TypeWriter"));
    // A one-line box: the text goes into a script string, where a line break would end it.
    m_Text1 = DialogRows::text(QStringLiteral("Text1"), QString(), this);
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("OK"), this);
    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("Cancel"), this);

    auto *main = new QVBoxLayout(this);
    main->addWidget(new QLabel(QStringLiteral("ﾀｲﾌﾟﾗｲﾀ風に表示させたい文字列を入力してください。"), this));
    main->addWidget(m_Text1);
    main->addWidget(new QLabel(QStringLiteral("横には何文字でも構いません！但し改行は許可されません。"), this));
    main->addLayout(DialogRows::okCancel(m_Command1, m_Command2));
    resize(460, sizeHint().height());

    connect(m_Command1, &QPushButton::clicked, this, &Form23::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form23::Command2_Click);
}

QString Form23::withoutTrailingBlanks(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

void Form23::Command1_Click()
{
    Module1 &shared = m_owner.app.shared;
    shared.TypewriterText.clear();
    if (m_Text1->text().isEmpty()) {
        m_owner.app.boxes.say(TextMissing);
        return;
    }
    if (!EffectFiles::loadTemplate(m_owner.app, EffectTemplate::fileName(Effect::Typewriter)))
        return;
    shared.TypewriterText = withoutTrailingBlanks(m_Text1->text());
    shared.SnippetHtml.clear();
    accept();
    m_owner.main.goscript();
}

void Form23::Command2_Click()
{
    reject();
}
