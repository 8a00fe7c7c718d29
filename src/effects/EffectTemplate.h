#pragma once

#include <QString>

struct Module1;

// What an effect's script is made of: its template file beside the program,
// the placeholders filled from the shared values, the control markup pasted
// in front of the script and the script block around the text.
class EffectTemplate
{
public:
    static const QString BlockStart; // "<SCRIPT TYPE =text/vbscript>"
    static const QString BlockEnd;   // "</SCRIPT>"
    static const QString LoadHandlerCall; // "window_onload()"

    // The template's name ("\shadow.vs"), empty for codes that read none.
    static QString fileName(qint16 code);
    // The file's text in CP932, every line followed by CR LF.
    static bool read(const QString &path, QString *text, QString *error);
    // Every occurrence of each of the code's placeholders, in their fixed order.
    static QString substitute(qint16 code, QString text, const Module1 &values);
    // The buttons and areas pasted right before the script block.
    static QString controlMarkup(qint16 code);
    static QString scriptBlock(const QString &text);
    // The filtered texts refuse a page that already calls the load handler.
    static bool refusesPageWithLoadHandler(qint16 code);
};
