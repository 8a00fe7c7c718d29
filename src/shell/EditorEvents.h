#pragma once

class Form1;
class MenuCommands;

// Keeps the main window in step with the surface: the menu items after every
// change of the selection, and the right-click menu with its actions.
class EditorEvents
{
public:
    EditorEvents(Form1 *form, MenuCommands *commands);

    void DisplayChanged();
    // The background picture's two items after the source copy changed.
    void SourceCopyChanged();
    void BuildContextMenu();
    void ContextMenuAction(int itemIndex);

private:
    Form1 *m_form;
    MenuCommands *m_commands;
};
