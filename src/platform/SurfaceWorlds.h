#pragma once

#include <QWebEngineScript>

// The page's own scripts run in PageWorld; ours run apart from them, unseen.
enum SurfaceWorld : quint32 {
    PageWorld = QWebEngineScript::MainWorld,
    EditorWorld = QWebEngineScript::ApplicationWorld,
};
