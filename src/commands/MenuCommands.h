#pragma once

#include "EditingCommands.h"
#include "platform/DialogOwner.h"

class MenuBar;
class TextBuffer;

// Connects the menu bar's items to what they do: the editing commands and the
// table, link and background dialogs. Items of the file, source, browser,
// mode and help menus are connected by their own parts.
class MenuCommands
{
public:
    // sourceCopy: the main window's copy of the page's text (RichTextBox1).
    MenuCommands(const DialogOwner &owner, MenuBar &menus, TextBuffer *sourceCopy);

    EditingCommands &editing() { return m_editing; }

    void mivomake_hyou_Click();
    void mivolinkok_Click();
    void haikei_iro_Click();
    void haikeisettei_Click();
    void deletehaikei_Click();

private:
    void connectItem(const char *name, void (MenuCommands::*handler)());

    DialogOwner m_owner;
    MenuBar &m_menus;
    TextBuffer *m_sourceCopy;
    EditingCommands m_editing;
};
