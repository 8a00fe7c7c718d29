#include "TransitionNumberBox.h"

#include "TransitionNames.h"
#include "platform/DialogRows.h"

TransitionNumberBox::TransitionNumberBox(QComboBox *numberBox, QLineEdit *nameBox, QPushButton *ok)
    : QObject(numberBox), m_numberBox(numberBox), m_nameBox(nameBox), m_ok(ok)
{
    connect(m_numberBox, &QComboBox::activated, this, &TransitionNumberBox::chosen);
    connect(m_numberBox, &QComboBox::editTextChanged, this, &TransitionNumberBox::edited);
    edited(m_numberBox->currentText());
}

QComboBox *TransitionNumberBox::makeCombo(const QString &name, QWidget *parent)
{
    return DialogRows::list(name, TransitionNames::numbers(), QStringLiteral("0"), parent);
}

QLineEdit *TransitionNumberBox::makeNameBox(const QString &name, QWidget *parent)
{
    QLineEdit *box = DialogRows::text(name, TransitionNames::name(0), parent);
    box->setReadOnly(true);
    return box;
}

void TransitionNumberBox::chosen(int index)
{
    m_nameBox->setText(TransitionNames::name(index));
}

void TransitionNumberBox::edited(const QString &text)
{
    if (text.isEmpty()) {
        m_numberBox->setEditText(QStringLiteral("0"));
        return;
    }
    m_ok->setEnabled(true);
}
