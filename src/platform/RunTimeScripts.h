#pragma once

#include <QStringList>

class QWebEngineScriptCollection;

// The browser model the pages were written for (VBScript, filters, the
// browser's own members), given to a page's own world for run mode only.
namespace RunTimeScripts {
void install(QWebEngineScriptCollection &scripts, bool installed);
// The scripts of src/runtime/js that run mode gives a page, in their order.
QStringList names();
}
