#pragma once

#include <QFrame>

class QLabel;
class QProgressBar;
class QPushButton;

// Shown while the program waits for a page longer than a moment: what it waits
// for, how far a load has come, and the one control that takes input then.
class WaitPanel : public QFrame
{
    Q_OBJECT
public:
    static const QString CancelText;

    WaitPanel(const QString &text, QWidget *over);

    // 0 to 100; a negative value shows only that something is going on.
    void setProgress(int percent);
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void cancelled();

private:
    QLabel *m_text = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancel = nullptr;
};
