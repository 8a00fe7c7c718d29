#pragma once

// The main window's public operations. A dialog writes its results into
// Module1's variables, then calls one of these, which reads them back.
class MainOperations
{
public:
    // Inserts SnippetHtml at the caret and rewrites the page.
    virtual void mivo_go() = 0;
    // Pastes SnippetHtml, then adds the current effect's script and shows the page running.
    virtual void goscript() = 0;
    // The script step alone.
    virtual void harituke() = 0;
    // Inserts the table of the Table variables at the caret.
    virtual void creat_hyou() = 0;

protected:
    ~MainOperations() = default;
};
