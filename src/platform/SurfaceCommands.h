#pragma once

#include <QVariant>

class CommandStates;
class DialogPicker;
class MessageBoxes;
class PageCalls;
class SurfacePages;
class QWidget;

// The surface's commands run on the selection of the page it shows
// (ExecCommand): the page's scripts do the work; the commands that prompt
// the user ask through the surface's own dialogs first.
class SurfaceCommands
{
public:
    // surface: the widget whose window the prompts belong to; picker and boxes:
    // the user's side its prompts ask.
    SurfaceCommands(PageCalls &calls, SurfacePages &pages, CommandStates &states, QWidget *surface, DialogPicker &picker,
                    MessageBoxes &boxes);

    // False, with the reason in the calls' lastError, when the command did not run.
    bool exec(int command, int option, const QVariant &value);
    // Takes the states from the page now rather than at its next report.
    bool refreshStates();

private:
    bool run(int command, int option, const QVariant &argument);
    bool promptAndRun(int command, int option);

    PageCalls &m_calls;
    SurfacePages &m_pages;
    CommandStates &m_states;
    QWidget *m_surface;
    DialogPicker &m_picker;
    MessageBoxes &m_boxes;
};
