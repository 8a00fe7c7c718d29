#pragma once

#include <QObject>

#include <functional>

// Calls back when a widget (or the text part of an editable list) loses the
// focus to another control; opening the widget's own popup does not count.
class FocusLossWatcher : public QObject
{
    Q_OBJECT
public:
    FocusLossWatcher(QWidget *widget, std::function<void()> onLost);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_onLost;
};
