#include "Form21.h"

#include "EffectFiles.h"
#include "EffectTemplate.h"
#include "ElementNumber.h"
#include "platform/AppContext.h"
#include "platform/CommonDialog.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"

#include <QHBoxLayout>

const QString Form21::PicturesMissing = QStringLiteral("画像が指定されていません！");

Form21::Form21(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form21"));
    setWindowTitle(QStringLiteral("BlendFilter設定画面"));
    m_CommonDialog1 = new CommonDialog(QStringLiteral("CommonDialog1"), this, m_owner.app.dialogs);

    auto *grid = new QGridLayout;
    m_Text1 = DialogRows::text(QStringLiteral("Text1"), QString(), this);
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("参照"), this);
    m_Text2 = DialogRows::text(QStringLiteral("Text2"), QString(), this);
    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("参照"), this);
    m_Text3 = DialogRows::text(QStringLiteral("Text3"), QStringLiteral("image") + ElementNumber::drawText(), this);
    m_Text3->setReadOnly(true);
    DialogRows::add(grid, QStringLiteral("最初に表示させる画像"), m_Text1, QString(), m_Command1);
    DialogRows::add(grid, QStringLiteral("次に表示させる画像"), m_Text2, QString(), m_Command2);
    DialogRows::add(grid, QStringLiteral("ID"), m_Text3);

    m_Command3 = DialogRows::button(QStringLiteral("Command3"), QStringLiteral("OK"), this);
    m_Command4 = DialogRows::button(QStringLiteral("Command4"), QStringLiteral("Cancel"), this);
    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(DialogRows::okCancel(m_Command3, m_Command4));

    connect(m_Command1, &QPushButton::clicked, this, &Form21::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form21::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Form21::Command3_Click);
    connect(m_Command4, &QPushButton::clicked, this, &Form21::Command4_Click);
}

QString Form21::markup(const QString &id, const QString &firstPicture)
{
    const QChar q = u'"';
    return QStringLiteral("<IMG ID=") + id + QStringLiteral(" ") + QStringLiteral("SRC=") + q + firstPicture + q
           + QStringLiteral(" ") + QStringLiteral("STYLE=") + q + QStringLiteral("Filter:blendtrans(duration=3)") + q
           + QStringLiteral(">");
}

void Form21::Command1_Click()
{
    EffectFiles::choose(m_CommonDialog1, EffectFiles::PictureFilter, m_Text1);
}

void Form21::Command2_Click()
{
    EffectFiles::choose(m_CommonDialog1, EffectFiles::PictureFilter, m_Text2);
}

void Form21::Command3_Click()
{
    if (m_Text1->text().isEmpty() || m_Text2->text().isEmpty()) {
        m_owner.app.boxes.say(PicturesMissing);
        return;
    }
    if (!EffectFiles::loadTemplate(m_owner.app, EffectTemplate::fileName(Effect::BlendFilter)))
        return;
    Module1 &shared = m_owner.app.shared;
    shared.BlendImage1 = m_Text1->text();
    shared.BlendImage2 = m_Text2->text();
    shared.EffectElementId = m_Text3->text();
    shared.SnippetHtml = markup(shared.EffectElementId.toString(), shared.BlendImage1);
    m_owner.main.goscript();
    accept();
}

void Form21::Command4_Click()
{
    m_Text1->clear();
    m_Text2->clear();
    reject();
}
