#include "ProgramExit.h"

#include "PageSaver.h"
#include "TemporaryPages.h"
#include "platform/AppContext.h"
#include "platform/DhtmlEdit.h"
#include "platform/MessageBoxes.h"
#include "platform/RecoveryCopy.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

void ProgramExit::FinishProgram()
{
    if (m_app.boxes.question(QStringLiteral("Tovaleafを終了します！"), MessageBoxes::Buttons::YesNoCancel,
                               QStringLiteral("確認"))
        != MessageBoxes::Answer::Yes)
        return;
    TemporaryPages::removeAll(m_app);
    closeOtherWindows();
    m_mainWindow->close();
}

bool ProgramExit::Form_Unload()
{
    TemporaryPages::removeAll(m_app);
    switch (m_app.boxes.question(QStringLiteral("データを保存してから終了しますか ?"), MessageBoxes::Buttons::YesNoCancel,
                                   QStringLiteral("保存"), MessageBoxes::Icon::Question)) {
    case MessageBoxes::Answer::Yes:
        // A cancelled dialog or a failed save keeps the program open with the page.
        if (m_saver.SavePage() != PageSaver::Outcome::Saved)
            return false;
        break;
    case MessageBoxes::Answer::No:
        // Given up on purpose: not offered again at the next start.
        m_saver.surface()->recovery().markDiscarded();
        break;
    default:
        return false;
    }
    closeOtherWindows();
    return true;
}

void ProgramExit::closeOtherWindows()
{
    QList<QPointer<QWidget>> others;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        // Tool windows too: the page background palette stays on top of everything otherwise.
        if (widget != m_mainWindow && (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool))
            others << widget;
    }
    // One pass: a window that refuses to close cannot hold the exit in a loop.
    for (const QPointer<QWidget> &widget : others)
        if (widget)
            widget->close();
}
