#include "Form6.h"

#include "EffectFiles.h"
#include "EffectTemplate.h"
#include "TransitionNames.h"
#include "TransitionNumberBox.h"
#include "platform/AppContext.h"
#include "platform/ColorClearButton.h"
#include "platform/ColorField.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"
#include "platform/WebBrowser.h"

#include <QHBoxLayout>

const QString Form6::NumberRefusal = QStringLiteral("TRansition No には 0 から 23 までの整数を指定してください！");

Form6::Form6(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("RevealTransition設定画面"));
    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("OK"), this);
    m_Command3 = DialogRows::button(QStringLiteral("Command3"), QStringLiteral("Cancel"), this);
    m_Command2->setEnabled(false);

    auto *grid = new QGridLayout;
    m_Combo1 = TransitionNumberBox::makeCombo(QStringLiteral("Combo1"), this);
    m_Text2 = TransitionNumberBox::makeNameBox(QStringLiteral("Text2"), this);
    m_Combo2 = DialogRows::list(QStringLiteral("Combo2"),
                                {QStringLiteral("left"), QStringLiteral("center"), QStringLiteral("right")},
                                QStringLiteral("center"), this);
    m_Text1 = new ColorField(QStringLiteral("Text1"), this);
    m_Text1->setText(QStringLiteral("WHITE"));
    m_Command1 = new ColorClearButton(QStringLiteral("Command1"), m_Text1, this);
    DialogRows::add(grid, QStringLiteral("TRansition No"), m_Combo1, QString(), m_Text2);
    DialogRows::add(grid, QStringLiteral("文字位置"), m_Combo2);
    DialogRows::add(grid, QStringLiteral("背景色"), m_Text1, QString(), m_Command1);
    new TransitionNumberBox(m_Combo1, m_Text2, m_Command2);

    m_WebBrowser1 = new WebBrowser(m_owner.app.pages, QStringLiteral("WebBrowser1"), this);
    m_WebBrowser1->setMinimumHeight(120);
    m_WebBrowser1->Navigate(m_owner.app.folder.file(QStringLiteral("\\color.htm")));

    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addWidget(m_WebBrowser1, 1);
    main->addLayout(DialogRows::okCancel(m_Command2, m_Command3));

    connect(m_Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Form6::Command3_Click);
}

QString Form6::markup(int transition, const QString &textAlign, const QString &backColor)
{
    const QChar q = u'"';
    return QStringLiteral("<DIV id=mivo style=") + q + QStringLiteral("width:100%;filter:revealtrans(transition=")
           + QString::number(transition) + QStringLiteral(",duration=3);text-align:") + textAlign
           + QStringLiteral(";background-color:") + backColor + QStringLiteral(";visibility:hidden") + q
           + QStringLiteral(">文字を入力") + QStringLiteral("</DIV>");
}

void Form6::Command2_Click()
{
    // The filter knows only these numbers; anything else would make a page that never shows the text.
    bool whole = false;
    const int number = m_Combo1->currentText().trimmed().toInt(&whole);
    if (!whole || number < 0 || number >= TransitionNames::Count) {
        m_owner.app.boxes.say(NumberRefusal);
        return;
    }
    // Checked before anything reaches the page, so that a missing file leaves it as it was.
    if (!EffectFiles::loadTemplate(m_owner.app, EffectTemplate::fileName(Effect::RevealText)))
        return;
    Module1 &shared = m_owner.app.shared;
    shared.RevealTransitionNo = static_cast<qint16>(number);
    shared.RevealBackColor = m_Text1->text();
    shared.RevealTextAlign = m_Combo2->currentText();
    shared.SnippetHtml = markup(shared.RevealTransitionNo, shared.RevealTextAlign, shared.RevealBackColor.toString());
    accept();
    m_owner.main.goscript();
}

void Form6::Command3_Click()
{
    reject();
}
