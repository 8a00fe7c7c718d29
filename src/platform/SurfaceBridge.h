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

signals:
    void displayReported(const QVariantMap &commandStates);
    void edited();
};
