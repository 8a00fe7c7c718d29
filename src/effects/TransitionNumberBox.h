#pragma once

#include <QObject>

class QComboBox;
class QLineEdit;
class QPushButton;

// The reveal dialogs' number box: the name follows a number chosen from the
// list (a typed one leaves it), an emptied box goes back to "0", and OK is
// enabled while the box holds text.
class TransitionNumberBox : public QObject
{
    Q_OBJECT
public:
    TransitionNumberBox(QComboBox *numberBox, QLineEdit *nameBox, QPushButton *ok);

    static QComboBox *makeCombo(const QString &name, QWidget *parent);
    static QLineEdit *makeNameBox(const QString &name, QWidget *parent);

private:
    void chosen(int index);
    void edited(const QString &text);

    QComboBox *m_numberBox;
    QLineEdit *m_nameBox;
    QPushButton *m_ok;
};
