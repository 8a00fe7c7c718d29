#pragma once

#include "EditingCommands.h"

class Form1;

// Connects the menu bar's items to what they do: the editing commands, the
// table, link and background dialogs, and the two mode items. Items of the
// file, source, browser and help menus are connected by their own parts.
class MenuCommands
{
public:
    explicit MenuCommands(Form1 *form);

    EditingCommands &editing() { return m_editing; }

    void mivomake_hyou_Click();
    void mivolinkok_Click();
    void haikei_iro_Click();
    void haikeisettei_Click();
    void deletehaikei_Click();
    void go_browse_Click();
    void go_hennsyuu_Click();

private:
    void connectItem(const char *name, void (MenuCommands::*handler)());

    Form1 *m_form;
    EditingCommands m_editing;
};
