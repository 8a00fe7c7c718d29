#include "WrappingMenuBar.h"

#include <QActionEvent>
#include <QMenuBar>

WrappingMenuBar::WrappingMenuBar(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // Holds every top item, never shown: the rows' measures come from it.
    m_probe = new QMenuBar(this);
    m_probe->setObjectName(QStringLiteral("measure"));
    m_probe->setNativeMenuBar(false);
    m_probe->hide();
}

QList<QMenuBar *> WrappingMenuBar::rows() const
{
    QList<QMenuBar *> out;
    for (QMenuBar *row : m_rows)
        if (!row->actions().isEmpty())
            out << row;
    return out;
}

QList<QAction *> WrappingMenuBar::visibleItems() const
{
    QList<QAction *> out;
    for (QAction *action : actions())
        if (action->isVisible())
            out << action;
    return out;
}

const WrappingMenuBar::Measures &WrappingMenuBar::measures() const
{
    if (m_measured)
        return m_measures;
    m_probe->ensurePolished();
    Measures m;
    const QList<QAction *> items = visibleItems();
    QRect previous;
    for (QAction *action : items) {
        const QRect rect = m_probe->actionGeometry(action);
        m.itemWidths << rect.width();
        if (previous.isNull())
            m.margin = rect.left();
        else
            m.spacing = qMax(m.spacing, rect.left() - previous.left() - previous.width());
        previous = rect;
    }
    m.rowHeight = m_probe->sizeHint().height();
    m_measures = m;
    m_measured = true;
    return m_measures;
}

int WrappingMenuBar::rowHeight() const
{
    return measures().rowHeight;
}

QList<int> WrappingMenuBar::rowStarts(int width) const
{
    const Measures &m = measures();
    QList<int> starts;
    int used = 0;
    for (int i = 0; i < m.itemWidths.size(); ++i) {
        const int w = m.itemWidths.at(i);
        if (starts.isEmpty() || used + m.spacing + w + m.margin > width) {
            // A row takes at least one item, however narrow the bar.
            starts << i;
            used = m.margin + w;
        } else {
            used += m.spacing + w;
        }
    }
    return starts;
}

int WrappingMenuBar::heightForWidth(int width) const
{
    return qMax<qsizetype>(1, rowStarts(width).size()) * measures().rowHeight;
}

QSize WrappingMenuBar::sizeHint() const
{
    const Measures &m = measures();
    int width = 2 * m.margin;
    for (int i = 0; i < m.itemWidths.size(); ++i)
        width += m.itemWidths.at(i) + (i ? m.spacing : 0);
    return {width, m.rowHeight};
}

QSize WrappingMenuBar::minimumSizeHint() const
{
    const Measures &m = measures();
    int widest = 0;
    for (int w : m.itemWidths)
        widest = qMax(widest, w);
    return {widest + 2 * m.margin, m.rowHeight};
}

QMenuBar *WrappingMenuBar::makeRow()
{
    auto *row = new QMenuBar(this);
    row->setObjectName(QStringLiteral("menuRow%1").arg(m_rows.size() + 1));
    row->setNativeMenuBar(false);
    m_rows << row;
    return row;
}

void WrappingMenuBar::arrange()
{
    const QList<QAction *> items = visibleItems();
    const QList<int> starts = rowStarts(width());
    const int height = measures().rowHeight;
    const int before = rows().size();
    for (int r = 0; r < starts.size(); ++r) {
        QMenuBar *row = r < m_rows.size() ? m_rows.at(r) : makeRow();
        const int end = r + 1 < starts.size() ? starts.at(r + 1) : items.size();
        const QList<QAction *> wanted = items.mid(starts.at(r), end - starts.at(r));
        if (row->actions() != wanted) {
            for (QAction *action : row->actions())
                row->removeAction(action);
            row->addActions(wanted);
        }
        row->setGeometry(0, r * height, width(), height);
        row->show();
    }
    for (int r = starts.size(); r < m_rows.size(); ++r) {
        QMenuBar *row = m_rows.at(r);
        for (QAction *action : row->actions())
            row->removeAction(action);
        row->hide();
    }
    if (rows().size() != before)
        updateGeometry();
}

QString WrappingMenuBar::itemsKey() const
{
    QString key;
    for (QAction *action : visibleItems())
        key += action->text() + QChar(0);
    return key;
}

void WrappingMenuBar::forgetMeasures()
{
    m_measured = false;
    updateGeometry();
}

void WrappingMenuBar::actionEvent(QActionEvent *event)
{
    QAction *action = event->action();
    switch (event->type()) {
    case QEvent::ActionAdded:
        m_probe->insertAction(event->before(), action);
        break;
    case QEvent::ActionRemoved:
        m_probe->removeAction(action);
        for (QMenuBar *row : m_rows)
            row->removeAction(action);
        break;
    default:
        break;
    }
    // Only a change of text or visibility moves items (enabling one changes nothing here).
    const QString key = itemsKey();
    if (key == m_itemsKey)
        return;
    m_itemsKey = key;
    forgetMeasures();
    arrange();
}

void WrappingMenuBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void WrappingMenuBar::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        forgetMeasures();
        arrange();
    }
}
