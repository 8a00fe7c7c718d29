#pragma once

#include <QDialog>

struct AppContext;
class QLineEdit;
class QPushButton;
class SourceEdit;

// Replace every occurrence of one text by another in the source box.
class Form18 : public QDialog
{
    Q_OBJECT
public:
    static const QString NoReplacementMessage;

    Form18(AppContext &app, SourceEdit *source, QWidget *owner);

    // One pass over the text as it was: a replacement holding the searched text is not searched again.
    static QString replaceAll(const QString &text, const QString &find, const QString &replacement);

    void Command1_Click();
    void Command2_Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Text1_Change();

    AppContext &m_app;
    SourceEdit *m_source;
    QLineEdit *m_Text1;
    QLineEdit *m_Text2;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
};
