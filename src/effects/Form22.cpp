#include "Form22.h"

#include "EffectFiles.h"
#include "EffectTemplate.h"
#include "platform/AppContext.h"
#include "platform/DialogRows.h"
#include "platform/MainOperations.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include <cmath>

const QString Form22::FieldsMissing = QStringLiteral("画像と回転角度は必ず指定してください！");
const QString Form22::AngleRefusal = QStringLiteral("回転角度には -32768 から 32767 までの数値を指定してください！");

Form22::Form22(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form22"));
    setWindowTitle(QStringLiteral("Internet Explorer5.0 RediRect Filter"));
    auto *grid = new QGridLayout;
    m_Text1 = DialogRows::text(QStringLiteral("Text1"), QString(), this);
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("参照"), this);
    m_Text2 = new QPlainTextEdit(this);
    m_Text2->setObjectName(QStringLiteral("Text2"));
    m_Text2->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_Text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_Text2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_Text3 = DialogRows::text(QStringLiteral("Text3"), QString(), this);
    DialogRows::add(grid, QStringLiteral("画像"), m_Text1, QString(), m_Command1);
    DialogRows::add(grid, QStringLiteral("コメント"), m_Text2);
    DialogRows::add(grid, QStringLiteral("回転角度"), m_Text3);

    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("OK"), this);
    m_Command3 = DialogRows::button(QStringLiteral("Command3"), QStringLiteral("Cancel"), this);
    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(DialogRows::okCancel(m_Command2, m_Command3));

    connect(m_Command1, &QPushButton::clicked, this, &Form22::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form22::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Form22::Command3_Click);
}

QString Form22::markup(const QString &comment, const QString &picture)
{
    const QChar q = u'"';
    return QStringLiteral("<OBJECT ID='DA_mivo'") + QStringLiteral(" Style =") + q
           + QStringLiteral("position:absolute; left:200; top:50; width:500; height:500;z-index: -1") + q
           + QStringLiteral(" CLASSID='CLSID:B6FFC24C-7E13-11D0-9B47-00C04FC2F51D'>") + QStringLiteral("</OBJECT>")
           + QStringLiteral("<DIV ID='mivo_text' STYLE='WIDTH:250; FILTER:redirect'>") + comment + QStringLiteral("<IMG SRC=")
           + QStringLiteral("'") + picture + QStringLiteral("'") + QStringLiteral(">") + QStringLiteral("</DIV>");
}

std::optional<qint16> Form22::angle(const QString &text)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    const QRegularExpressionMatch match = leading.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    // Whole numbers round half to even, as the page's language does.
    const double value = std::nearbyint(match.captured(0).trimmed().toDouble());
    if (value < -32768.0 || value > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(value);
}

void Form22::Command1_Click()
{
    EffectFiles::choose(m_owner.commonDialog, EffectFiles::PictureFilter, m_Text1);
}

void Form22::Command2_Click()
{
    if (m_Text1->text().isEmpty() || m_Text3->text().isEmpty()) {
        m_owner.app.boxes.say(FieldsMissing);
        return;
    }
    if (!angle(m_Text3->text())) {
        m_owner.app.boxes.say(AngleRefusal);
        return;
    }
    if (!EffectFiles::loadTemplate(m_owner.app, EffectTemplate::fileName(Effect::RedirectFilter)))
        return;
    Module1 &shared = m_owner.app.shared;
    shared.EffectImageFile = m_Text1->text();
    shared.SnippetHtml = markup(m_Text2->toPlainText(), shared.EffectImageFile);
    accept();
    m_owner.main.goscript();
}

void Form22::Command3_Click()
{
    reject();
}
