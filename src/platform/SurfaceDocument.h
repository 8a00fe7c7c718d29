#pragma once

#include <QString>
#include <QUrl>

class CommandStates;
class DisplayOptions;
class PageCalls;
class PageEnvironment;
class RecoveryCopy;
class SurfacePages;

// The page the surface shows, as text: what it was loaded from, what it is
// now (read back through the page's scripts, in the program's form), and the
// mode it is shown in. Loading publishes the text through the page scheme and
// waits until the page shows it; a load that fails leaves what was shown.
class SurfaceDocument
{
public:
    // workingFolder: where a page that was never saved belongs.
    SurfaceDocument(PageEnvironment &environment, SurfacePages &pages, PageCalls &calls, CommandStates &states,
                    DisplayOptions &display, RecoveryCopy &recovery, const QString &workingFolder);
    ~SurfaceDocument();

    // Starts showing an empty page without waiting: the first call that needs it waits.
    void startBlank();

    bool load(const QString &path);
    bool setHtml(const QString &html);
    bool newDocument();
    // A page kept from an earlier run; origin is the file it belongs to.
    bool showRecovered(const QString &text, const QString &origin);
    // Null when the page did not answer (the reason in the calls' lastError).
    QString html();
    bool save(const QString &path);

    bool browseMode() const { return m_browseMode; }
    bool setBrowseMode(bool browse);

    // Shows text again where it was, as pristine as it was (an empty text: an empty page).
    bool showAgain(const QString &text);
    // An empty page, pristine, beside the page shown before.
    bool showBlank();
    // The text the running page runs from (the shown text if none yet).
    QString runText() const { return m_runText.isNull() ? m_shownText : m_runText; }

    // The user edited the page in place.
    void noteEdited() { m_pristine = false; }
    // The program changed the page: also work that is in no file.
    void noteRewritten();
    // Asks the page for its copy without waiting.
    void takeRecoveryCopy();

    QString shownText() const { return m_shownText; }
    QUrl shownUrl() const { return m_shownUrl; }

private:
    bool show(const QString &text, const QString &basePath, bool pristine);
    QString runningPageHtml();
    void setRunText(const QString &text);
    QString basePathForNewText() const;

    PageEnvironment &m_environment;
    SurfacePages &m_pages;
    PageCalls &m_calls;
    CommandStates &m_states;
    DisplayOptions &m_display;
    RecoveryCopy &m_recovery;
    const QString m_workingFolder;

    bool m_browseMode = false;
    bool m_pristine = true;
    QString m_shownText;
    QString m_shownPath;
    QUrl m_shownUrl;
    QString m_runText;
    QString m_runHtml; // m_runText in the program's form, made on first demand
};
