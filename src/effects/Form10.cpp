#include "Form10.h"

#include "EffectFiles.h"
#include "platform/AppContext.h"
#include "platform/CommonDialog.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>

namespace {
const QString Message = QStringLiteral("ﾒｯｾｰｼﾞ");
const QString Jump = QStringLiteral("ｼﾞｬﾝﾌﾟ");
const QString Url = QStringLiteral("URL");
constexpr int MustExistFlags = 6144;
} // namespace

Form10::Form10(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("Form10"));
    auto *grid = new QGridLayout;
    m_Text3 = DialogRows::text(QStringLiteral("Text3"), QStringLiteral("タイトル"), this);
    m_Combo1 = DialogRows::list(QStringLiteral("Combo1"),
                                {QStringLiteral("onmouseover"), QStringLiteral("onmouseout"), QStringLiteral("onclick"),
                                 QStringLiteral("ondblclick")},
                                QString(), this);
    m_Combo2 = DialogRows::list(QStringLiteral("Combo2"), {Message, Jump, Url}, QString(), this);
    m_Text1 = new QPlainTextEdit(QStringLiteral("ようこそ！私のホームページへ。"), this);
    m_Text1->setObjectName(QStringLiteral("Text1"));
    m_Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_Text1->setEnabled(false);
    m_Text2 = DialogRows::text(QStringLiteral("Text2"), QString(), this);
    m_Text2->setEnabled(false);
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("参照"), this);
    m_Command1->setEnabled(false);
    DialogRows::add(grid, QStringLiteral("ﾀｲﾄﾙ"), m_Text3);
    DialogRows::add(grid, QStringLiteral("ｲﾍﾞﾝﾄ"), m_Combo1);
    DialogRows::add(grid, QStringLiteral("処理"), m_Combo2);
    DialogRows::add(grid, QStringLiteral("内容"), m_Text1);
    DialogRows::add(grid, QStringLiteral("ｼﾞｬﾝﾌﾟ先"), m_Text2, QString(), m_Command1);

    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("OK"), this);
    m_Command3 = DialogRows::button(QStringLiteral("Command3"), QStringLiteral("Cancel"), this);
    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(DialogRows::okCancel(m_Command2, m_Command3));

    connect(m_Combo2, &QComboBox::activated, this, &Form10::Combo2_Click);
    connect(m_Command1, &QPushButton::clicked, this, &Form10::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form10::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Form10::Command3_Click);
}

QString Form10::buttonMarkup(const QString &eventName, const QString &statement, const QString &title)
{
    return QStringLiteral("<BUTTON TITLE=Button LANGUAGE=VBSCRIPT") + QStringLiteral(" ") + eventName + QStringLiteral("=")
           + QStringLiteral("'") + statement + QStringLiteral("'") + QStringLiteral(">") + title + QStringLiteral("</BUTTON>");
}

QString Form10::jumpStatement(const QString &target)
{
    return QStringLiteral("Window.location.href=") + QChar(u'"') + target + QChar(u'"');
}

void Form10::Combo2_Click()
{
    const QString action = m_Combo2->currentText();
    if (action == Message) {
        m_Text1->setEnabled(true);
        m_Text1->setFocus();
        m_Text2->setEnabled(false);
        m_Command1->setEnabled(false);
    } else if (action == Jump) {
        m_Text1->setEnabled(false);
        m_Text2->setEnabled(true);
        m_Text2->clear();
        m_Text2->setFocus();
        m_Command1->setEnabled(true);
    } else if (action == Url) {
        m_Text1->setEnabled(false);
        m_Text2->setEnabled(true);
        m_Text2->setText(QStringLiteral("http://"));
        m_Text2->setFocus();
        m_Command1->setEnabled(false);
    }
}

void Form10::Command1_Click()
{
    Module1 &shared = m_owner.app.shared;
    shared.ButtonTitle = m_Text3->text();
    shared.ButtonEventName = m_Combo1->currentText();
    CommonDialog *dialog = m_owner.commonDialog;
    dialog->Flags = MustExistFlags;
    dialog->Filter = EffectFiles::PageFilter;
    dialog->ShowOpen();
    m_Text2->setText(dialog->FileName);
    shared.ButtonJumpTarget = m_Text2->text();
    shared.SnippetHtml = buttonMarkup(shared.ButtonEventName, jumpStatement(shared.ButtonJumpTarget), shared.ButtonTitle);
}

void Form10::Command2_Click()
{
    Module1 &shared = m_owner.app.shared;
    shared.ButtonTitle = m_Text3->text();
    shared.ButtonEventName = m_Combo1->currentText();
    shared.ButtonMessage = m_Text1->toPlainText();
    const QString action = m_Combo2->currentText();
    if (shared.ButtonEventName.isEmpty() || action.isEmpty() || shared.ButtonMessage.isEmpty()
        || shared.ButtonTitle.isEmpty()) {
        m_owner.app.boxes.say(QStringLiteral("未入力個所があります！"));
        return;
    }
    if (action == Message) {
        shared.SnippetHtml = buttonMarkup(shared.ButtonEventName,
                                          QStringLiteral("MsgBox") + QChar(u'"') + shared.ButtonMessage + QChar(u'"'),
                                          shared.ButtonTitle);
    } else if (action == Jump) {
        if (m_Text2->text().isEmpty()) {
            m_owner.app.boxes.say(QStringLiteral("リンク先が不定です。"));
            return;
        }
        // Made from the fields as they stand now, so that a target typed by
        // hand, or a title changed after picking the file, is what goes in.
        shared.ButtonJumpTarget = m_Text2->text();
        shared.SnippetHtml = buttonMarkup(shared.ButtonEventName, jumpStatement(shared.ButtonJumpTarget), shared.ButtonTitle);
    } else if (action == Url) {
        shared.ButtonJumpTarget = m_Text2->text();
        shared.SnippetHtml = buttonMarkup(shared.ButtonEventName, jumpStatement(shared.ButtonJumpTarget), shared.ButtonTitle);
    } else {
        accept();
        return;
    }
    m_owner.main.mivo_go();
    accept();
}

void Form10::Command3_Click()
{
    reject();
}
