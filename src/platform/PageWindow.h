#pragma once

#include <QDialog>
#include <QJsonValue>
#include <QUrl>

class EditorPage;
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

    PageWindow(Kind kind, const QUrl &url, const QJsonValue &arguments, QWidget *owner);

    // The page behind job waits (a synchronous request) until the dialog closes;
    // the reply is the dialog page's returnValue.
    static void showModal(QWebEngineUrlRequestJob *job);
    static void showModeless(const QUrl &url, const QJsonValue &arguments, const QString &features);
    static void showFullScreen(const QUrl &url);

    // The page asked to close, leaving value as its returnValue.
    void closeWithReturn(const QJsonValue &value);
    static PageWindow *owning(const QWebEnginePage *page);
    static QString freshHost();
    QJsonValue returnValue() const { return m_returnValue; }
    EditorPage *page() const { return m_page; }

private:
    void applyFeatures(const QString &features);

    Kind m_kind;
    QWebEngineView *m_view;
    EditorPage *m_page;
    QJsonValue m_returnValue;
};
