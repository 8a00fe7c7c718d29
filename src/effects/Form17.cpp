#include "Form17.h"

#include "EffectFiles.h"
#include "platform/AppContext.h"
#include "platform/ColorField.h"
#include "platform/CommonDialog.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"
#include "platform/WebBrowser.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QStyle>

namespace {
// The file and its path must exist.
constexpr int MustExistFlags = 6144;
}

Form17::Form17(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QStringLiteral("文字色設定(10項目以上の設定は出来ません。)"));
    auto *grid = new QGridLayout;
    m_Text1 = new ColorField(QStringLiteral("Text1"), this);
    m_Text2 = new ColorField(QStringLiteral("Text2"), this);
    DialogRows::add(grid, QStringLiteral("最初の文字色"), m_Text1);
    DialogRows::add(grid, QStringLiteral("ﾏｳｽが乗った時の色"), m_Text2);
    m_WebBrowser1 = new WebBrowser(m_owner.app.pages, QStringLiteral("WebBrowser1"), this);
    m_WebBrowser1->setMinimumHeight(120);
    grid->addWidget(new QLabel(QStringLiteral("文字色選択ﾊﾟﾚｯﾄ")), grid->rowCount(), 0);
    grid->addWidget(m_WebBrowser1, grid->rowCount(), 0, 1, 4);
    m_WebBrowser1->Navigate(m_owner.app.folder.file(QStringLiteral("\\color.htm")));

    m_Text3 = DialogRows::text(QStringLiteral("Text3"), QString(), this);
    m_Combo1 = DialogRows::list(QStringLiteral("Combo1"),
                                {QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("ＭＳ 明朝"),
                                 QStringLiteral("ＭＳ ゴシック"), QStringLiteral("Arial Black"), QStringLiteral("Comic Sans MS"),
                                 QStringLiteral("Georgia"), QStringLiteral("IMPACT"), QStringLiteral("Times New Roman"),
                                 QStringLiteral("Verdana")},
                                QStringLiteral("ＭＳ Ｐ明朝"), this);
    m_Combo2 = DialogRows::list(QStringLiteral("Combo2"),
                                {QStringLiteral("9"), QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("28"),
                                 QStringLiteral("36"), QStringLiteral("38"), QStringLiteral("46"), QStringLiteral("52")},
                                QStringLiteral("9"), this);
    m_Combo3 = DialogRows::list(QStringLiteral("Combo3"), {QStringLiteral("ｼﾞｬﾝﾌﾟ"), QStringLiteral("ﾘﾝｸ")}, QString(), this);
    m_Text4 = DialogRows::text(QStringLiteral("Text4"), QString(), this);
    m_Command5 = DialogRows::button(QStringLiteral("Command5"), QStringLiteral("参照"), this);
    DialogRows::add(grid, QStringLiteral("項目名"), m_Text3);
    DialogRows::add(grid, QStringLiteral("書体"), m_Combo1);
    DialogRows::add(grid, QStringLiteral("ﾌｫﾝﾄｻｲｽﾞ"), m_Combo2);
    DialogRows::add(grid, QStringLiteral("種別"), m_Combo3);
    DialogRows::add(grid, QStringLiteral("ﾘﾝｸ"), m_Text4, QString(), m_Command5);

    m_Command3 = DialogRows::button(QStringLiteral("Command3"), QString(), this);
    m_Command3->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    m_Command3->setToolTip(QStringLiteral("追加"));
    m_List1 = new QListWidget(this);
    m_List1->setObjectName(QStringLiteral("List1"));
    m_Label4 = new QLabel(this);
    m_Label4->setObjectName(QStringLiteral("Label4"));
    m_Command4 = DialogRows::button(QStringLiteral("Command4"), QStringLiteral("全て削除"), this);
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("OK"), this);
    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("Cancel"), this);
    for (QPushButton *b : {m_Command3, m_Command5, m_Command4, m_Command1})
        b->setEnabled(false);

    auto *listRow = new QHBoxLayout;
    listRow->addWidget(m_Command3);
    listRow->addWidget(m_List1, 1);
    listRow->addWidget(m_Label4);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_Command4);
    buttons->addStretch();
    buttons->addWidget(m_Command1);
    buttons->addWidget(m_Command2);
    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(listRow);
    main->addLayout(buttons);

    connect(m_Combo3, &QComboBox::activated, this, &Form17::Combo3_Click);
    connect(m_Text3, &QLineEdit::textChanged, this, &Form17::Text3_Change);
    connect(m_Text4, &QLineEdit::textChanged, this, &Form17::Text4_Change);
    connect(m_Command5, &QPushButton::clicked, this, &Form17::Command5_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Form17::Command3_Click);
    connect(m_Command4, &QPushButton::clicked, this, &Form17::Command4_Click);
    connect(m_Command1, &QPushButton::clicked, this, &Form17::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form17::Command2_Click);
}

void Form17::Combo3_Click()
{
    if (m_Combo3->currentText() == QStringLiteral("ｼﾞｬﾝﾌﾟ")) {
        if (m_Text4->text() == QStringLiteral("http://"))
            m_Text4->clear();
    } else if (m_Combo3->currentText() == QStringLiteral("ﾘﾝｸ")) {
        m_Text4->setText(QStringLiteral("http://"));
    }
}

void Form17::Text3_Change(const QString &text)
{
    const bool filled = !text.isEmpty();
    if (filled)
        m_Command1->setEnabled(true);
    m_Command5->setEnabled(filled);
    m_Combo3->setEnabled(filled);
}

void Form17::Text4_Change(const QString &text)
{
    if (text.isEmpty()) {
        m_Command3->setEnabled(false);
        m_Command3->setStyleSheet(QString());
        return;
    }
    m_Command3->setEnabled(true);
    m_Command3->setStyleSheet(QStringLiteral("QPushButton { background-color: #ff0000; }"));
    m_Command1->setEnabled(true);
}

void Form17::Command5_Click()
{
    CommonDialog *dialog = m_owner.commonDialog;
    dialog->Flags = MustExistFlags;
    dialog->Filter = EffectFiles::PageFilter;
    // A cancelled picker leaves the link as it was typed.
    if (dialog->ShowOpen())
        m_Text4->setText(dialog->FileName);
}

void Form17::Command3_Click()
{
    m_Command1->setEnabled(true);
    m_Command4->setEnabled(true);
    if (m_ItemCount >= MostItems) {
        m_owner.app.boxes.say(QStringLiteral("10項目以上は設定できません。"));
        return;
    }
    m_Label4->setText(QString::number(m_ItemCount + 1));
    Module1 &shared = m_owner.app.shared;
    shared.SnippetHtml.clear();
    shared.ButtonColor1 = m_Text1->text();
    shared.ButtonColor2 = m_Text2->text();
    m_ItemFont = m_Combo1->currentText();
    m_ItemSize = m_Combo2->currentText() + QStringLiteral("pt");
    m_List1->addItem(m_Text3->text());
    m_Text3->clear();
    m_Text3->setFocus();

    const QString n = QString::number(m_ItemCount);
    const QChar q = u'"';
    shared.ButtonTags[m_ItemCount] = QStringLiteral("<Button ID=") + QStringLiteral("MIVO") + n + QStringLiteral(" onmouseover=")
                                     + q + QStringLiteral("go_in(") + n + QStringLiteral(")") + q + QStringLiteral(" ")
                                     + QStringLiteral("onmouseout=") + q + QStringLiteral("go_out(") + n + QStringLiteral(")")
                                     + q + QStringLiteral(" onclick=") + q + QStringLiteral("go_link(") + n
                                     + QStringLiteral(")") + q + QStringLiteral(" STYLE=") + q + QStringLiteral("font-family:")
                                     + m_ItemFont + QStringLiteral(";") + QStringLiteral("font-size:") + m_ItemSize
                                     + QStringLiteral(";") + QStringLiteral("Color:") + shared.ButtonColor1
                                     + QStringLiteral(";") + q + QStringLiteral(">") + m_List1->item(m_ItemCount)->text()
                                     + QStringLiteral("</Button>");
    shared.ButtonLinks[m_ItemCount] = m_Text4->text();
    m_Text4->clear();
    ++m_ItemCount;
}

void Form17::Command4_Click()
{
    Module1 &shared = m_owner.app.shared;
    for (int i = 0; i <= 9; ++i)
        shared.ButtonTags[i].clear();
    m_ItemCount = 0;
    m_List1->clear();
}

void Form17::Command1_Click()
{
    if (m_List1->count() == 0) {
        m_owner.app.boxes.say(QStringLiteral("設定項目がありません！"));
        m_ItemCount = 0;
        return;
    }
    Module1 &shared = m_owner.app.shared;
    const int count = qBound(0, m_Label4->text().toInt(), int(MostItems));
    m_JoinedButtons.clear();
    for (int i = 0; i < count; ++i)
        m_JoinedButtons += shared.ButtonTags[i];
    shared.SnippetHtml = m_JoinedButtons;
    m_owner.main.goscript();
    accept();
}

void Form17::Command2_Click()
{
    reject();
}
