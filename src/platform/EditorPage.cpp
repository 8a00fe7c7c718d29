#include "EditorPage.h"

#include "MessageBoxes.h"
#include "PageDialogs.h"
#include "PageEnvironment.h"

#include <cstdio>

EditorPage::EditorPage(PageEnvironment &environment, QObject *parent)
    : QWebEnginePage(environment.profile(), parent), m_environment(environment)
{
}

bool EditorPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    // A frame of a page being edited shows what the page gave it; nothing moves
    // it on (a refresh, a redirect, a click, a form).
    if (!isMainFrame)
        return !m_editMode || type == NavigationTypeOther;
    if (url == m_expected) {
        m_expected.clear();
        return true;
    }
    if (m_editMode)
        return false;
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

void EditorPage::javaScriptAlert(const QUrl &, const QString &msg)
{
    m_environment.boxes().say(msg);
}

bool EditorPage::javaScriptConfirm(const QUrl &, const QString &msg)
{
    return m_environment.boxes().question(msg, MessageBoxes::Buttons::OkCancel) == MessageBoxes::Answer::Ok;
}

bool EditorPage::javaScriptPrompt(const QUrl &securityOrigin, const QString &msg, const QString &defaultValue, QString *result)
{
    if (PageDialogs::answer(msg, result, securityOrigin, this, m_environment))
        return true;
    const std::optional<QString> line = m_environment.boxes().input(msg, MessageBoxes::DefaultTitle, defaultValue);
    if (!line)
        return false;
    *result = *line;
    return true;
}

void EditorPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message, int lineNumber,
                                          const QString &sourceID)
{
    static const bool echo = qEnvironmentVariableIsSet("TOVALEAF_CONSOLE");
    if (echo)
        std::fprintf(stderr, "js: %s:%d: %s\n", qPrintable(sourceID), lineNumber, qPrintable(message));
}
