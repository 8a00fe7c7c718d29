#pragma once

#include <QString>
#include <QStringList>

struct AppContext;

// The program's temporary pages that belong to the page being edited, and
// where they are written.
class TemporaryPages
{
public:
    static const QString TvlTemp;  // "\tvlTemp.htm"
    static const QString TvlTemp1; // "\tvlTemp1.htm"

    // True while the page came through the file screen from a known folder.
    static bool besidePage(const AppContext &app);
    // The opened page's folder while besidePage(), else the program's
    // folder for temporary pages; never the root for an empty folder.
    static QString folder(const AppContext &app);
    static QString path(const AppContext &app, const QString &name);

    // Removes both names from the program's folder for temporary pages and
    // the page's folder; when that folder is the user's cache, every page the
    // program writes there goes too. A file that cannot be removed is left;
    // returns those left.
    static QStringList removeAll(const AppContext &app);
};
