#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A page written for today's browsers: the page's own bytes with one script
// element at the start of its head that loads the runtime file written beside
// it (run mode's VBScript, filters and dialogs as plain JavaScript), and the
// files the page names by relative path copied along. The markup is not
// otherwise touched, so the page still opens in the program as before.
class ModernExport
{
public:
    static const QString RuntimeFileName; // "tovaleaf-runtime.js"

    struct Result
    {
        bool ok = false;
        QString error;       // why not, in Japanese
        QString pagePath;    // the page written
        QStringList copied;  // files copied along, relative to the page
        QStringList missing; // named by relative path but not there
        QStringList outside; // named by a path outside the page's folder: left as named
    };

    // The runtime file as built with the program.
    static QByteArray runtime();
    // page with the element <script src="runtimePath"></script> at the start of its head, in the
    // page's own charset, declared before it when the page leaves it to the browser's guess;
    // unchanged when it loads the runtime already.
    static QByteArray withRuntime(const QByteArray &page, const QString &runtimePath = RuntimeFileName);
    static bool loadsRuntime(const QByteArray &page);
    // The charset label page must declare for a browser to read it as the program does
    // (non-ASCII bytes with no declaration the program knows); empty when none is needed.
    static QString declarationNeeded(const QByteArray &page);
    // Whether bytes (of a file so named) are an HTML page.
    static bool isHtml(const QByteArray &bytes, const QString &fileName);
    // The addresses a page's text names: in attributes, style url()s and quoted file names of its scripts.
    static QStringList addresses(const QString &text);

    // Writes page (bytes named pageName whose relative addresses count from sourceFolder) into outDir.
    static Result exportPage(const QByteArray &page, const QString &pageName, const QString &sourceFolder, const QString &outDir);
    // The same for a page file.
    static Result exportFile(const QString &pagePath, const QString &outDir);
    // The page alone at path with the runtime beside it: the form the desktop's browser is given.
    static bool writeRunnable(const QString &path, const QByteArray &page, QString *error);
};
