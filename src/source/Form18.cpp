#include "Form18.h"

#include "SourceEdit.h"
#include "platform/AppContext.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

const QString Form18::NoReplacementMessage = QStringLiteral("置換後の文字が入力されていません！");

Form18::Form18(AppContext &app, SourceEdit *source, QWidget *owner) : QDialog(owner), m_app(app), m_source(source), m_Text1(new QLineEdit(this)), m_Text2(new QLineEdit(this)),
      m_Command1(new QPushButton(QStringLiteral("一括置換"), this)), m_Command2(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this))
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("置換"));
    m_Text1->setObjectName(QStringLiteral("Text1"));
    m_Text2->setObjectName(QStringLiteral("Text2"));
    m_Command1->setObjectName(QStringLiteral("Command1"));
    m_Command2->setObjectName(QStringLiteral("Command2"));
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("置換前文字"), m_Text1);
    fields->addRow(QStringLiteral("置換後文字"), m_Text2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_Command1);
    buttons->addWidget(m_Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(m_Text1, &QLineEdit::textChanged, this, &Form18::Text1_Change);
    connect(m_Command1, &QPushButton::clicked, this, &Form18::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form18::Command2_Click);
    m_Text1->setText(m_app.shared.FindText);
    Text1_Change();
}

void Form18::Text1_Change()
{
    m_Command1->setEnabled(!m_Text1->text().isEmpty());
    m_app.shared.FindText = m_Text1->text();
}

void Form18::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] { (m_Text1->text().isEmpty() ? m_Text1 : m_Text2)->setFocus(); });
}

QString Form18::replaceAll(const QString &text, const QString &find, const QString &replacement)
{
    if (find.isEmpty())
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(find, 0, Qt::CaseSensitive); at >= 0; at = text.indexOf(find, from, Qt::CaseSensitive)) {
        out.append(QStringView(text).mid(from, at - from));
        out.append(replacement);
        from = at + find.size();
    }
    out.append(QStringView(text).mid(from));
    return out;
}

void Form18::Command1_Click()
{
    if (m_Text2->text().isEmpty()) {
        m_app.boxes.say(NoReplacementMessage);
        m_Text2->setFocus();
        return;
    }
    Module1 &shared = m_app.shared;
    shared.FindText = m_Text1->text();
    shared.ReplaceText = m_Text2->text();
    m_source->replaceWhole(replaceAll(m_source->source(), shared.FindText, shared.ReplaceText));
    accept();
}

void Form18::Command2_Click()
{
    m_Text1->clear();
    m_Text2->clear();
    Module1 &shared = m_app.shared;
    shared.FindText.clear();
    shared.ReplaceText.clear();
    reject();
}
