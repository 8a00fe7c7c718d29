#pragma once

#include <QDialog>

class Form1;
class QCheckBox;
class QLabel;
class QPushButton;
class SourceEdit;

// The page's HTML source: replace, the <BR> click mode, display font and
// colour; closing after an edit offers to put the text back into the page.
class Form3 : public QDialog
{
    Q_OBJECT
public:
    static const QString NothingSelectedMessage;
    static const QString UpdateQuestion;
    static const QString TempPageName;

    explicit Form3(Form1 *owner);

    // Shows text modally; returns when the window has closed.
    void showSource(const QString &text);
    SourceEdit *source() const { return m_RichTextBox1; }
    QString breakTag() const { return m_BreakTag; }
    // Where an edited text is written before the page is loaded from it.
    static QString tempPagePath();

    void Command1_Click();
    void Command2_Click();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void setTabStops(bool on);
    void insertBreakTag();
    bool finish();

    Form1 *m_owner;
    SourceEdit *m_RichTextBox1;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
    QCheckBox *m_Check1;
    QLabel *m_Label1;
    QString m_BreakTag;
    bool m_finished = false;
};
