#pragma once

#include <QObject>
#include <QVariantMap>

// What the editor's scripts report from inside the page: the selection moved
// (with the command states for it), the user changed the page, and the page's
// recovery copy.
class SurfaceBridge : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    void reportDisplay(const QVariantMap &commandStates) { emit displayReported(commandStates); }
    void reportEdited() { emit edited(); }
    // The editor's copy of the page, taken when the user paused after a change.
    void reportCopy(const QString &html) { emit copyReported(html); }
    void reportChangedSinceCopy() { emit changedSinceCopy(); }

signals:
    void displayReported(const QVariantMap &commandStates);
    void edited();
    void copyReported(const QString &html);
    void changedSinceCopy();
};
