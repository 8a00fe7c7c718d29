#include "PageScripts.h"

#include "EditCommands.h"
#include "SurfaceWorlds.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

QString resourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing resource %s", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

QString editorScript(const char *name)
{
    return resourceText(QStringLiteral(":/platform/js/%1.js").arg(QLatin1String(name)));
}

QString json(const QJsonValue &value)
{
    // Wrapped in an array so that plain values serialise too.
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QWebEngineScript makeScript(const QString &name, const QString &source, QWebEngineScript::InjectionPoint point)
{
    QWebEngineScript script;
    script.setName(name);
    script.setSourceCode(source);
    script.setInjectionPoint(point);
    script.setWorldId(EditorWorld);
    script.setRunsOnSubFrames(false);
    return script;
}

} // namespace

void PageScripts::installEditor(QWebEngineScriptCollection &scripts)
{
    const auto creation = QWebEngineScript::DocumentCreation;
    scripts.insert(makeScript(QStringLiteral("tvl-webchannel"), resourceText(QStringLiteral(":/qtwebchannel/qwebchannel.js")), creation));
    // The commands' scripts name the program's ids from the start.
    scripts.insert(makeScript(QStringLiteral("tvl-command-table"),
                              editorScript("command-table")
                                  + QStringLiteral("\n__tvl.useCommandTable(%1);\n").arg(json(EditCommands::table())),
                              creation));
    for (const char *name : {"tasks", "options", "serializer", "style-keeper", "selection", "history", "commands", "tables",
                             "positioning", "find", "display", "bridge", "recovery"})
        scripts.insert(makeScript(QStringLiteral("tvl-%1").arg(QLatin1String(name)), editorScript(name), creation));
    scripts.insert(makeScript(QStringLiteral("tvl-editor-ready"), editorScript("editor-ready"), QWebEngineScript::DocumentReady));
}
