#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

// Acts on the next modal dialog once it is up, as the user would; a dialog
// that never comes leaves the action unrun (see ran()). A check failing in
// the action closes the dialog, so the failure is told at once.
class ModalDriver : public QObject
{
public:
    explicit ModalDriver(std::function<void(QDialog *)> action) : m_action(std::move(action))
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            m_timer.stop();
            m_seen = dialog->objectName();
            m_ran = true;
            QPointer<QDialog> shown(dialog);
            m_action(dialog);
            // A check that failed in the action left the dialog up: closed, the test goes on to report it.
            if (QTest::currentTestFailed() && shown && shown->isVisible())
                shown->reject();
        });
        m_timer.start();
    }
    bool ran() const { return m_ran; }
    QString seen() const { return m_seen; }

private:
    std::function<void(QDialog *)> m_action;
    QTimer m_timer;
    bool m_ran = false;
    QString m_seen;
};
