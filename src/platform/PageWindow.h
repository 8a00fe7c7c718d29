#pragma once

#include <QDialog>
#include <QJsonValue>
#include <QUrl>

#include <optional>

class EditorPage;
class MessageBoxes;
class PageEnvironment;
class QWebEnginePage;
class QWebEngineUrlRequestJob;
class QWebEngineView;

// A window a running page opens: a modal or modeless dialog
// (showModalDialog, showModelessDialog) or the page full screen (window.open
// with fullscreen=yes). Its page runs as in run mode.
class PageWindow : public QDialog
{
    Q_OBJECT
public:
    enum class Kind { Modal, Modeless, FullScreen };

    // So many windows of pages may be open at once (each runs a renderer of its own).
    static constexpr int MaxOpen = 4;

    PageWindow(PageEnvironment &environment, Kind kind, const QUrl &url, const QJsonValue &arguments, QWidget *owner);
    ~PageWindow() override;

    // The page behind job waits (a synchronous request) until the dialog closes;
    // the reply is the dialog page's returnValue. root: what the opener reads.
    static void showModal(PageEnvironment &environment, QWebEngineUrlRequestJob *job, const QString &root);
    // owner: the window of the page that asks.
    static void showModeless(PageEnvironment &environment, const QUrl &url, const QJsonValue &arguments, const QString &features,
                             QWidget *owner);
    static void showFullScreen(PageEnvironment &environment, const QUrl &url, QWidget *owner);

    // The address a window opened by a page of origin opener shows asked: a page
    // of the program's scheme in the folder the opener reads, under a host of its
    // own that reads the same. nullopt (and the user told why) when it may not.
    static std::optional<QUrl> addressFor(const QUrl &asked, const QUrl &opener, PageEnvironment &environment);
    // False, with the user told, when MaxOpen windows are open already.
    static bool mayOpenAnother(MessageBoxes &boxes);
    static int openCount();

    // The page asked to close, leaving value as its returnValue.
    void closeWithReturn(const QJsonValue &value);
    static PageWindow *owning(const QWebEnginePage *page);
    QJsonValue returnValue() const { return m_returnValue; }
    EditorPage *page() const { return m_page; }

private:
    void applyFeatures(const QString &features);

    Kind m_kind;
    QWebEngineView *m_view;
    EditorPage *m_page;
    QJsonValue m_returnValue;
};
