#pragma once

#include <QUrl>
#include <QWebEnginePage>

class MessageBoxes;

// Page policy of the editing surface: in edit mode nothing but the program's
// own loads may replace the page (a clicked link never navigates).
class EditorPage : public QWebEnginePage
{
    Q_OBJECT
public:
    // boxes: where the page's alerts and questions, and the windows it opens, ask the user.
    EditorPage(MessageBoxes &boxes, QObject *parent);

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
    MessageBoxes &m_boxes;
    bool m_editMode = true;
    QUrl m_expected;
};
