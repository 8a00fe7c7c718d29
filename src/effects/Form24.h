#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class CommonDialog;
class QComboBox;
class QLineEdit;
class QPushButton;

// A picture moving on a circle or a rectangle: the page is replaced by the
// path's page, saved and opened in the desktop's browser.
class Form24 : public QDialog
{
    Q_OBJECT
public:
    static const QString PathKindMissing;
    static const QString Circle;    // "軌跡が円形"
    static const QString Rectangle; // "軌跡が矩形"

    explicit Form24(const DialogOwner &owner);

    void Combo1_Click();
    void Command1_Click(); // 画像参照
    void Command2_Click(); // OK
    void Command3_Click(); // Cancel

    // 10 for the circle, 20 for the rectangle, 0 for any other text.
    static qint16 pathKind(const QString &text);
    static QString overwriteQuestion();

private:
    bool LoadPathTemplate();
    void PreviewSavedPage();

    DialogOwner m_owner;
    QComboBox *m_Combo1;
    QLineEdit *m_Text1;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
    QPushButton *m_Command3;
    CommonDialog *m_CommonDialog1;
    QString m_PagePicture;
    QString m_TemplateText;
};
