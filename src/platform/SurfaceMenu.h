#pragma once

#include "MenuPopup.h"

#include <QObject>
#include <QPoint>

class PageCalls;
class SurfaceView;
class QWidget;

// The surface's context menu: a right click (or the menu key) asks the
// program for its items (wanted), which it sets; the menu shows them, and the
// item the user chose is told (chosen).
class SurfaceMenu : public QObject
{
    Q_OBJECT
public:
    // surface: the menu's parent.
    SurfaceMenu(SurfaceView *view, PageCalls &calls, QWidget *surface);

    // The items of the menu being opened; without them it does not open.
    void set(const QStringList &texts, const QList<int> &states);
    void setPresenter(MenuPopup::Presenter presenter) { m_presenter = std::move(presenter); }

signals:
    // At the view's coordinates.
    void wanted(int x, int y);
    void chosen(int index);

private:
    void open(const QPoint &globalPos);

    SurfaceView *m_view;
    PageCalls &m_calls;
    QWidget *m_surface;
    QStringList m_texts;
    QList<int> m_states;
    bool m_set = false;
    MenuPopup::Presenter m_presenter;
};
