#include "Form12.h"

#include "platform/AppContext.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/MessageBoxes.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTextCursor>

Form12::Form12(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("項目設定"));
    auto *grid = new QGridLayout;
    m_Text1 = DialogRows::text(QStringLiteral("Text1"), QString(), this);
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QString(), this);
    m_Command1->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    m_Command1->setToolTip(QStringLiteral("追加"));
    m_Command1->setEnabled(false);
    DialogRows::add(grid, QStringLiteral("項目名"), m_Text1, QString(), m_Command1);
    m_List1 = new QListWidget(this);
    m_List1->setObjectName(QStringLiteral("List1"));
    m_Text2 = new QPlainTextEdit(this);
    m_Text2->setObjectName(QStringLiteral("Text2"));
    m_Command4 = DialogRows::button(QStringLiteral("Command4"), QStringLiteral("全削除"), this);
    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("OK"), this);
    m_Command3 = DialogRows::button(QStringLiteral("Command3"), QStringLiteral("Cancel"), this);
    m_Command2->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_Command4);
    buttons->addStretch();
    buttons->addWidget(m_Command2);
    buttons->addWidget(m_Command3);
    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addWidget(m_List1);
    main->addWidget(new QLabel(QStringLiteral("ソースの編集メニューはマウスの右クリックです。")));
    main->addWidget(m_Text2, 1);
    main->addLayout(buttons);

    m_List1->clear();
    connect(m_Text1, &QLineEdit::textChanged, this, [this](const QString &t) { m_Command1->setEnabled(!t.isEmpty()); });
    connect(m_Command1, &QPushButton::clicked, this, &Form12::Command1_Click);
    connect(m_List1, &QListWidget::itemClicked, this, &Form12::List1_Click);
    connect(m_Command4, &QPushButton::clicked, this, &Form12::Command4_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form12::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Form12::Command3_Click);
}

QString Form12::sourceText() const
{
    // The box keeps line breaks as LF; the page's text has CR LF.
    QString text = m_Text2->toPlainText();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void Form12::Command1_Click()
{
    if (m_Text1->text().isEmpty()) {
        m_Command1->setEnabled(false);
        m_Text1->setFocus();
        return;
    }
    const QString item = m_Text1->text();
    m_List1->addItem(item);
    m_Command1->setEnabled(false);
    QTextCursor cursor = m_Text2->textCursor();
    cursor.movePosition(QTextCursor::End);
    m_Text2->setTextCursor(cursor);
    m_Text2->insertPlainText(QStringLiteral("<OPTION>") + item + QStringLiteral("</OPTION>\n"));
    m_Text1->clear();
    m_Text1->setFocus();
    m_Command2->setEnabled(true);
}

void Form12::List1_Click(QListWidgetItem *item)
{
    if (!item)
        return;
    if (m_owner.app.boxes.question(item->text() + QStringLiteral("を削除しますか？"), MessageBoxes::Buttons::OkCancel,
                               QStringLiteral("確認"))
        != MessageBoxes::Answer::Ok)
        return;
    delete m_List1->takeItem(m_List1->row(item));
    m_owner.app.boxes.say(QStringLiteral("ソースの削除も行ってください。"), QStringLiteral("確認"));
    m_Text2->setFocus();
}

void Form12::Command4_Click()
{
    m_List1->clear();
    m_Text2->clear();
    m_Command2->setEnabled(false);
}

void Form12::Command2_Click()
{
    m_owner.app.shared.SnippetHtml = QStringLiteral("<FORM><SELECT>") + sourceText() + QStringLiteral("</SELECT></FORM>");
    m_owner.main.mivo_go();
    accept();
}

void Form12::Command3_Click()
{
    reject();
}
