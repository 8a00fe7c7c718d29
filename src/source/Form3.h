#pragma once

#include "platform/DialogOwner.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class SourceEdit;
class TextBuffer;

// The page's HTML source: replace, the <BR> click mode, display font and
// colour; closing after an edit offers to put the text back into the page.
class Form3 : public QDialog
{
    Q_OBJECT
public:
    static const QString NothingSelectedMessage;
    static const QString UpdateQuestion;
    static const QString TempPageName;

    // shownCopy: the page's text as shown (RichTextBox3), against which an edit is told.
    Form3(const DialogOwner &owner, TextBuffer *shownCopy);

    // Shows text modally; returns when the window has closed.
    void showSource(const QString &text);
    SourceEdit *source() const { return m_RichTextBox1; }
    QString breakTag() const { return m_BreakTag; }
    // Where an edited text is written before the page is loaded from it.
    QString tempPagePath() const;

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

    DialogOwner m_owner;
    TextBuffer *m_shownCopy;
    SourceEdit *m_RichTextBox1;
    QPushButton *m_Command1;
    QPushButton *m_Command2;
    QCheckBox *m_Check1;
    QLabel *m_Label1;
    QString m_BreakTag;
    bool m_finished = false;
};
