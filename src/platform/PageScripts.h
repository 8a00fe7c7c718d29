#pragma once

#include <QString>

class QWebEngineScriptCollection;

// Every script the program puts into its pages: the editor's scripts it
// installs in the editor's world, and the calls it makes on them. A call is
// one named function of src/platform/js with its arguments in JSON; nothing
// else of a page's code is written here.
class PageScripts
{
public:
    // The editor's scripts with the program's command table, in the editor's world.
    static void installEditor(QWebEngineScriptCollection &scripts);
};
