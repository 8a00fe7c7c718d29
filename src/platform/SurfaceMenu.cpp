#include "SurfaceMenu.h"

#include "PageCalls.h"
#include "PageScripts.h"
#include "SurfaceView.h"

#include <QPointer>

SurfaceMenu::SurfaceMenu(SurfaceView *view, PageCalls &calls, QWidget *surface)
    : QObject(surface), m_view(view), m_calls(calls), m_surface(surface)
{
    // A right click: the caret goes where the click was, unless it was on the selection.
    connect(view, &SurfaceView::rightClicked, this, [this](const QPoint &globalPos, const QPoint &localPos) {
        m_calls.evaluate(PageScripts::caretForMenu(localPos.x(), localPos.y()));
        open(globalPos);
    }, Qt::QueuedConnection);
    // The engine's own request (the menu key) comes from inside a task of the engine,
    // where the page cannot answer: the menu waits until the page answers again.
    connect(view, &SurfaceView::contextMenuRequested, this, [this](const QPoint &globalPos, const QPoint &) {
        QPointer<SurfaceMenu> self(this);
        m_calls.post(PageScripts::nothing(), [self, globalPos](const QVariant &) {
            if (self)
                QMetaObject::invokeMethod(self, [self, globalPos] { if (self) self->open(globalPos); }, Qt::QueuedConnection);
        });
    });
}

void SurfaceMenu::set(const QStringList &texts, const QList<int> &states)
{
    m_texts = texts;
    m_states = states;
    m_set = true;
}

void SurfaceMenu::open(const QPoint &globalPos)
{
    m_set = false;
    const QPoint local = m_view->mapFromGlobal(globalPos);
    emit wanted(local.x(), local.y());
    if (!m_set)
        return;
    const int index = m_presenter ? m_presenter(m_texts, m_states, globalPos)
                                  : MenuPopup::choose(m_texts, m_states, globalPos, m_surface);
    if (index >= 0)
        emit chosen(index);
}
