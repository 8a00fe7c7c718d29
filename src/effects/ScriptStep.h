#pragma once

#include <QString>

class Form1;

// Turns a dialog's finished effect into a working page: the element at the
// caret, then the control markup and the script made from the effect's
// template, the page rewritten and shown running.
class ScriptStep
{
public:
    static const QString RefusalText;      // the page already calls the load handler
    static const QString RunModeNotice;
    static const QString FullScreenNotice;

    explicit ScriptStep(Form1 *form) : m_form(form) {}

    // Pastes SnippetHtml, then runs the script step.
    void goscript();
    // The script step alone.
    void harituke() { Command5_Click(); }
    void Command5_Click();

private:
    void AddEffectControls();
    void EnterRunMode();

    Form1 *m_form;
    QString m_Text5;
    QString m_Text1;
};
