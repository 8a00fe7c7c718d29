#pragma once

#include <QString>

struct AppContext;
class DhtmlEdit;
class SnippetInserter;

// Turns a dialog's finished effect into a working page: the element at the
// caret, then the control markup and the script made from the effect's
// template, the page rewritten and shown running.
class ScriptStep
{
public:
    static const QString RefusalText;      // the page already calls the load handler
    static const QString RunModeNotice;
    static const QString FullScreenNotice;

    ScriptStep(AppContext &app, DhtmlEdit *surface, SnippetInserter &snippets)
        : m_app(app), m_surface(surface), m_snippets(snippets)
    {
    }

    // Pastes SnippetHtml, then runs the script step.
    void goscript();
    // The script step alone.
    void harituke() { Command5_Click(); }
    void Command5_Click();

private:
    void AddEffectControls();
    void EnterRunMode();

    AppContext &m_app;
    DhtmlEdit *m_surface;
    SnippetInserter &m_snippets;
    QString m_Text5; // the template text being filled
    QString m_Text1; // the page text searched for an earlier load handler
};
