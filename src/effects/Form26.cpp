#include "Form26.h"

#include "EffectFiles.h"
#include "platform/AppContext.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"
#include "platform/TextBuffer.h"

#include <QHBoxLayout>
#include <QLabel>

const QString Form26::KindMissing = QStringLiteral("Dialog Boxの種類が選択できていません！");
const QString Form26::FileMissing = QStringLiteral("表示ファイルが指定されていません！");

Form26::Form26(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form26"));
    setWindowTitle(QStringLiteral("Dialog Box 選択"));
    auto *grid = new QGridLayout;
    m_Combo1 = DialogRows::list(QStringLiteral("Combo1"), {QStringLiteral("Modal"), QStringLiteral("Modeless")}, QString(), this);
    m_Text1 = DialogRows::text(QStringLiteral("Text1"), QString(), this);
    m_Text2 = new TextBuffer(QStringLiteral("Text2"), this);
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("参照"), this);
    DialogRows::add(grid, QStringLiteral("Dialog Boxの種類"), m_Combo1);
    grid->addWidget(new QLabel(QStringLiteral("Dialog Boxに表示させるﾌｧｲﾙ(HTM又はHTMLﾌｧｲﾙ)"), this), grid->rowCount(), 0, 1, 4);
    grid->addWidget(m_Text1, grid->rowCount(), 0, 1, 3);
    grid->addWidget(m_Command1, grid->rowCount() - 1, 3);

    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("OK"), this);
    m_Command3 = DialogRows::button(QStringLiteral("Command3"), QStringLiteral("cancel"), this);
    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(DialogRows::okCancel(m_Command2, m_Command3));

    connect(m_Command1, &QPushButton::clicked, this, &Form26::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form26::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Form26::Command3_Click);
}

QString Form26::scriptText() const
{
    return m_Text2->text();
}

void Form26::Command1_Click()
{
    EffectFiles::choose(m_owner.commonDialog, EffectFiles::PageFilter, m_Text1);
}

void Form26::Command2_Click()
{
    m_Text2->setText(QString());
    const QString kind = m_Combo1->currentText();
    if (kind.isEmpty()) {
        m_owner.app.boxes.say(KindMissing);
        return;
    }
    QString name;
    if (kind == QStringLiteral("Modal"))
        name = QStringLiteral("\\modal.vs");
    else if (kind == QStringLiteral("Modeless"))
        name = QStringLiteral("\\modeless.vs");
    else
        return;
    const std::optional<QString> text = EffectFiles::loadTemplate(m_owner.app, name);
    if (!text)
        return;
    m_Text2->setText(*text);
    if (m_Text1->text().isEmpty()) {
        m_owner.app.boxes.say(FileMissing);
        return;
    }
    Module1 &shared = m_owner.app.shared;
    shared.DialogBoxFile = m_Text1->text();
    m_Text2->setText(m_Text2->text().replace(QStringLiteral("[html_file]"), shared.DialogBoxFile));
    shared.SnippetHtml = m_Text2->text();
    m_owner.main.goscript();
    accept();
}

void Form26::Command3_Click()
{
    reject();
}
