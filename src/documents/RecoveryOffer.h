#pragma once

#include <QString>

class CommonDialog;
class DhtmlEdit;
class MessageBoxes;
class StateFolder;

// At start: a page that an earlier run left unsaved (the program was killed,
// the machine went down) is offered back. A page restored is the surface's
// unsaved page again; one declined is given up for good.
class RecoveryOffer
{
public:
    static const QString Question;

    RecoveryOffer(MessageBoxes &boxes, DhtmlEdit *surface, CommonDialog *saveDialog, StateFolder &folder)
        : m_boxes(boxes), m_surface(surface), m_saveDialog(saveDialog), m_folder(folder)
    {
    }

    // Asks about each such page, newest first, until one is restored.
    void offer();

private:
    MessageBoxes &m_boxes;
    DhtmlEdit *m_surface;
    CommonDialog *m_saveDialog;
    StateFolder &m_folder;
};
