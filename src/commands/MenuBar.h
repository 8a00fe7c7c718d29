#pragma once

#include <QHash>
#include <QKeySequence>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;

// The main window's menu tree: every item is a QAction (a group is its
// submenu's action) whose objectName is the item's name, reachable by name.
class MenuBar
{
public:
    explicit MenuBar(QMainWindow *window);

    // The item of that name; nullptr when there is none.
    QAction *item(const QString &name) const { return m_items.value(name); }
    QMenu *group(const QString &name) const { return m_groups.value(name); }

    struct Entry
    {
        int level;
        const char *name;
        const char *caption; // "-" for a separator
    };
    static const QList<Entry> &tree();

    // The standard keys of the common items, shown in them. They work
    // wherever the focus is in the window, the editing surface included.
    static const QHash<QString, QKeySequence> &keys();
    // One key runs the mode item that leaves the current mode, and is shown
    // in that item only.
    static const QKeySequence ModeKey;
    void followMode(bool running);

private:
    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_groups;
};
