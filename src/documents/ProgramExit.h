#pragma once

struct AppContext;
class PageSaver;
class QWidget;

// Ending the program: the exit question of the menu, and the main window's
// unload, which offers to save and never ends with the page unsaved after Yes.
class ProgramExit
{
public:
    ProgramExit(AppContext &app, QWidget *mainWindow, PageSaver &saver) : m_app(app), m_mainWindow(mainWindow), m_saver(saver) {}

    // Menu "終了": asks, then closes the main window (which runs Form_Unload).
    void FinishProgram();
    // Returns false when the main window must stay open.
    bool Form_Unload();

    // Every other window of the program, hidden ones too.
    void closeOtherWindows();

private:
    AppContext &m_app;
    QWidget *m_mainWindow;
    PageSaver &m_saver;
};
