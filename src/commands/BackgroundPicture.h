#pragma once

#include <QString>

struct AppContext;
class DhtmlEdit;
class TextBuffer;

// The page's background picture lives in its BODY tag: it is put in and taken
// out in the page's text, which is then reloaded from a temporary page.
class BackgroundPicture
{
public:
    static const QString SetTempName;    // "\tvlTemp1.htm" beside an opened page
    static const QString DeleteTempName; // "\tvlTemp.htm"

    // The text that replaces "<BODY": a path holding a blank is quoted, so that it stays one attribute.
    static QString bodyTag(const QString &picturePath, const QString &fixedAttr);
    // Where the temporary page goes: name beside a page opened through the file screen from a known
    // folder, else programFolderName in the program folder.
    static QString tempPath(const AppContext &app, const QString &name, const QString &programFolderName);

    // Writes text to path and loads it into the surface; tells the user why when it cannot.
    static bool reloadThrough(AppContext &app, DhtmlEdit *surface, const QString &path, const QString &text);
    // deletehaikei: the picture's tag back to "<BODY" in the surface's current page.
    static bool remove(AppContext &app, DhtmlEdit *surface, TextBuffer *sourceCopy);
};
