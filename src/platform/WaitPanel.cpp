#include "WaitPanel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

const QString WaitPanel::CancelText = QStringLiteral("中止");

WaitPanel::WaitPanel(const QString &text, QWidget *over)
    : QFrame(over ? over->window() : nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("WaitPanel"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    auto *layout = new QVBoxLayout(this);
    m_text = new QLabel(text, this);
    layout->addWidget(m_text);
    auto *row = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 0);
    row->addWidget(m_progress, 1);
    m_cancel = new QPushButton(CancelText, this);
    m_cancel->setObjectName(QStringLiteral("WaitCancel"));
    row->addWidget(m_cancel);
    layout->addLayout(row);
    connect(m_cancel, &QPushButton::clicked, this, &WaitPanel::cancelled);
    adjustSize();
    resize(qMax(width(), 320), height());
    if (over) {
        // Over the top of the page, where the eye is.
        const QPoint top = over->mapToGlobal(QPoint(over->width() / 2, 0));
        move(top.x() - width() / 2, top.y() + 24);
    }
}

void WaitPanel::setProgress(int percent)
{
    if (percent < 0) {
        m_progress->setRange(0, 0);
        return;
    }
    m_progress->setRange(0, 100);
    m_progress->setValue(percent);
}
