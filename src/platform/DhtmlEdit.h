#pragma once

#include "EditCommands.h"
#include "HtmlDocument.h"
#include "MenuPopup.h"

#include <QHash>
#include <QStringList>
#include <QUrl>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

struct AppContext;
class CommandStates;
class DisplayOptions;
class EditorPage;
class PageCalls;
class PageEnvironment;
class RecoveryCopy;
class RendererRecovery;
class SurfaceCommands;
class SurfaceDocument;
class SurfaceMenu;
class SurfacePages;
class SurfaceRanges;
class SurfaceView;
class QWebEnginePage;
class QWebEngineView;

// The editing surface: a page that the user edits in place (edit mode) or
// runs with its scripts (run mode), with the members the program calls on it.
// Its parts do the work: SurfacePages (the two pages, the mode's page),
// PageCalls (calls that wait on the page), SurfaceDocument (the page's text,
// loaded and read back), SurfaceCommands and CommandStates, SurfaceRanges,
// DisplayOptions, SurfaceMenu and RendererRecovery.
class DhtmlEdit : public QWidget
{
    Q_OBJECT
public:
    enum : int { StatusSupported = DECMDF_DISABLED, StatusEnabled = DECMDF_ENABLED };
    // Shows the context menu items and returns the chosen index, or -1.
    using MenuPresenter = MenuPopup::Presenter;

    // app: the environment its pages live in, the user's side its prompts ask,
    // the folder a page never saved belongs to.
    explicit DhtmlEdit(AppContext &app, QWidget *parent = nullptr);
    ~DhtmlEdit() override;

    bool LoadDocument(const QString &path);
    bool ExecCommand(int command, int option = 0, const QVariant &value = {});
    int QueryStatus(int command) const;
    // Takes the command states from the page now rather than at its next report.
    bool refreshCommandStates();
    bool SaveDocument(const QString &path);
    void SetContextMenu(const QStringList &texts, const QList<int> &states);
    HtmlDocument DOM() { return HtmlDocument(this); }

    // The page's text; a null string when the page did not answer, with the
    // reason in lastError() (an empty page gives an empty, non-null string).
    QString DocumentHTML();
    bool setDocumentHTML(const QString &html);
    // Shows a page kept from an earlier run; origin is the file it belongs to.
    bool showRecovered(const QString &text, const QString &origin);
    // The page as the user last left it, a few seconds behind them.
    RecoveryCopy &recovery() { return *m_recovery; }

    bool BrowseMode() const;
    bool setBrowseMode(bool browse);
    bool NewDocument();

    // switch 9: keep browser-specific CSS that editing commands would drop.
    void setKeepForeignStyles(bool on);
    // switch 18: faint cell lines for tables without borders.
    void setShowBorders(bool on);
    // switch 30: elements the page hides are shown, marked, so they can be edited.
    void setShowDetails(bool on);
    // member 32: re-applies the display options to the page just loaded.
    void Refresh();

    int Width() const;
    int Height() const;
    void setWidth(int twips);
    void setHeight(int twips);

    // Why the last member that returned false failed, in Japanese.
    QString lastError() const;
    // The text the page was last loaded from.
    QString loadedText() const;
    QUrl documentUrl() const;

    void setMenuPresenter(MenuPresenter presenter);
    QWebEngineView *view() const;
    // The page shown in run mode (the view shows it while BrowseMode is true).
    QWebEnginePage *runPage() const;

    // What HtmlDocument calls.
    SurfaceRanges &ranges();
    bool rollbackLastPaste();

    // Runs a script in the editor's world and waits for its value.
    std::optional<QVariant> evaluate(const QString &script);

signals:
    void DocumentComplete();
    void DisplayChanged();
    void ShowContextMenu(int xPos, int yPos);
    void ContextMenuAction(int itemIndex);
    void GotFocus();
    // The renderer died; the page is shown again from the recovery copy.
    void RendererFailed(const QString &message);
    // The surface went into run mode (browse) or back to edit mode.
    void BrowseModeChanged(bool browse);

private:
    void connectPage(EditorPage *page);
    // DocumentComplete waits until no call is waiting on the page, so that its
    // handlers never run inside another call's wait.
    void deliverDocumentComplete();

    PageEnvironment &m_environment;
    SurfaceView *m_view = nullptr;
    SurfacePages *m_pages = nullptr;
    RecoveryCopy *m_recovery = nullptr;
    PageCalls *m_calls = nullptr;
    std::unique_ptr<CommandStates> m_states;
    std::unique_ptr<SurfaceCommands> m_commands;
    std::unique_ptr<DisplayOptions> m_display;
    std::unique_ptr<SurfaceDocument> m_document;
    std::unique_ptr<SurfaceRanges> m_ranges;
    RendererRecovery *m_crashes = nullptr;
    SurfaceMenu *m_menu = nullptr;

    bool m_completePending = false;
};
