#pragma once

#include <QUrl>
#include <QWebEnginePage>

class PageEnvironment;

// Page policy of the editing surface: in edit mode nothing but the program's
// own loads may replace the page (a clicked link never navigates).
class EditorPage : public QWebEnginePage
{
    Q_OBJECT
public:
    // A page of environment's profile.
    EditorPage(PageEnvironment &environment, QObject *parent);

    void setEditMode(bool editMode) { m_editMode = editMode; }
    // The next main-frame navigation to url is the program's own.
    void expectLoad(const QUrl &url) { m_expected = url; }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue,
                          QString *result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int lineNumber,
                                  const QString &sourceID) override;

private:
    PageEnvironment &m_environment;
    bool m_editMode = true;
    QUrl m_expected;
};
