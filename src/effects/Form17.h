#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class ColorField;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class WebBrowser;

// Up to ten buttons that change colour under the mouse and follow their links.
class Form17 : public QDialog
{
    Q_OBJECT
public:
    static constexpr qint16 MostItems = 10;

    explicit Form17(const DialogOwner &owner);

    void Command3_Click(); // add
    void Command4_Click(); // delete all
    void Command1_Click(); // OK
    void Command2_Click(); // Cancel
    void Command5_Click(); // pick a page file
    void Combo3_Click();

    qint16 itemCount() const { return m_ItemCount; }

private:
    void Text3_Change(const QString &text);
    void Text4_Change(const QString &text);

    DialogOwner m_owner;
    qint16 m_ItemCount = 0;
    QString m_ItemFont;
    QString m_ItemSize;
    QString m_JoinedButtons;
    ColorField *m_Text1;
    ColorField *m_Text2;
    WebBrowser *m_WebBrowser1;
    QLineEdit *m_Text3;
    QComboBox *m_Combo1;
    QComboBox *m_Combo2;
    QComboBox *m_Combo3;
    QLineEdit *m_Text4;
    QPushButton *m_Command5;
    QPushButton *m_Command3;
    QListWidget *m_List1;
    QLabel *m_Label4;
    QPushButton *m_Command4;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
};
