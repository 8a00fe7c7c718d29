#pragma once

#include <QJsonValue>
#include <QString>
#include <QVariant>

class QWebEngineScriptCollection;

// Every script the program puts into its pages: the editor's scripts it
// installs in the editor's world, and the calls it makes on them. A call is
// one named function of src/platform/js with its arguments in JSON; no other
// page code is written in the program.
class PageScripts
{
public:
    // The editor's scripts with the program's command table, in the editor's world.
    static void installEditor(QWebEngineScriptCollection &scripts);
    // What a dialog that a running page opens reads as window.dialogArguments, in the page's own world.
    static void installDialogArguments(QWebEngineScriptCollection &scripts, const QJsonValue &arguments);

    // A script that does nothing: its answer says that the page runs scripts again.
    static QString nothing();

    // Calls on the editor's scripts, run in the editor's world. Those marked
    // "null without the editor" answer null on a page where the editor's
    // scripts did not come up (a failed load), rather than failing.
    static QString exec(int command, int option, const QVariant &argument);
    static QString promptStart(int command);
    static QString commandStates();
    // The document, as the recovery copy keeps it; null without the editor.
    static QString documentText();
    // The document for the program; null without the editor.
    static QString editedDocumentText(bool evenUntouched);
    // The document when the user changed it, else null; false without the editor.
    static QString changedDocumentText();
    // text as the page would write it; null without the editor.
    static QString serializeText(const QString &text);
    static QString setDisplayOptions(bool editMode, bool keepForeignStyles, bool showBorders, bool showDetails);
    // The caret to a right click's place (view coordinates); null without the editor.
    static QString caretForMenu(int x, int y);
    static QString createRange();
    static QString pasteHTML(int rangeId, const QString &html);
    static QString rollbackPaste();
    static QString rangeText(int rangeId);
    static QString bgColor();
    static QString setBgColor(const QString &color);
    static QString declareCharset(const QString &charset);
};
