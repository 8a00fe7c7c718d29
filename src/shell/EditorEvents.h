#pragma once

class Form1;
class MenuCommands;
struct Module1;

// Keeps the main window in step with the surface: the menu items after every
// change of the selection, and the right-click menu with its actions.
class EditorEvents
{
public:
    // shared: Module1's variables, whose background tag rules the picture's two items.
    EditorEvents(Form1 *form, MenuCommands *commands, const Module1 &shared);

    void DisplayChanged();
    // The background picture's two items after the source copy changed.
    void SourceCopyChanged();
    void BuildContextMenu();
    void ContextMenuAction(int itemIndex);

private:
    Form1 *m_form;
    MenuCommands *m_commands;
    const Module1 &m_shared;
};
