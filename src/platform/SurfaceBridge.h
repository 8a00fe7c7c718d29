#pragma once

#include <QObject>
#include <QVariantMap>

// What the editor's scripts report from inside the page: the selection moved
// (with the command states for it) and the user changed the page.
class SurfaceBridge : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    void reportDisplay(const QVariantMap &commandStates) { emit displayReported(commandStates); }
    void reportEdited() { emit edited(); }
    // The user changed the page (once a task of the page).
    void reportChanged() { emit changed(); }

signals:
    void displayReported(const QVariantMap &commandStates);
    void edited();
    void changed();
};
