#pragma once

#include <QList>
#include <QWidget>

class QMenuBar;

// A menu bar that shows every top menu, on as many rows as the width needs,
// where a plain menu bar hides what does not fit behind a "»" button. The top
// items are the widget's actions (addAction, actions()); each row is a menu
// bar of its own, so menus open and access keys work as in any menu bar.
class WrappingMenuBar : public QWidget
{
    Q_OBJECT
public:
    explicit WrappingMenuBar(QWidget *parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The rows in use, top to bottom.
    QList<QMenuBar *> rows() const;
    // The height of one row.
    int rowHeight() const;

protected:
    void actionEvent(QActionEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Measures
    {
        QList<int> itemWidths; // of each visible top item, in order
        int spacing = 0;       // between two items
        int margin = 0;        // before the first item and after the last
        int rowHeight = 0;
    };
    const Measures &measures() const;
    // Indexes into the visible items where each row starts.
    QList<int> rowStarts(int width) const;
    QList<QAction *> visibleItems() const;
    QMenuBar *makeRow();
    void arrange();
    QString itemsKey() const;
    void forgetMeasures();

    QMenuBar *m_probe;
    QList<QMenuBar *> m_rows;
    mutable bool m_measured = false;
    mutable Measures m_measures;
    QString m_itemsKey;
};
