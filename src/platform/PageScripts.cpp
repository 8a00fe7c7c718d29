#include "PageScripts.h"

#include "EditCommands.h"
#include "SurfaceWorlds.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
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

QString scriptFile(const char *name)
{
    return resourceText(QStringLiteral(":/platform/js/%1.js").arg(QLatin1String(name)));
}

QString json(const QJsonValue &value)
{
    // Wrapped in an array so that plain values serialise too.
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

// __tvl.function(arguments...), every argument in JSON.
QString call(const char *function, const QJsonArray &arguments = {})
{
    QStringList list;
    for (const QJsonValue &argument : arguments)
        list << json(argument);
    return QStringLiteral("__tvl.%1(%2)").arg(QLatin1String(function), list.join(QLatin1Char(',')));
}

// The call, or withoutEditor when the editor's scripts are not in the page.
QString callIfEditor(const char *function, const QJsonArray &arguments, const char *withoutEditor)
{
    return QStringLiteral("(typeof __tvl === 'undefined') ? %1 : %2").arg(QLatin1String(withoutEditor), call(function, arguments));
}

QWebEngineScript makeScript(const QString &name, const QString &source, QWebEngineScript::InjectionPoint point,
                            quint32 world = EditorWorld)
{
    QWebEngineScript script;
    script.setName(name);
    script.setSourceCode(source);
    script.setInjectionPoint(point);
    script.setWorldId(world);
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
                              scriptFile("command-table") + QLatin1Char('\n') + call("useCommandTable", {EditCommands::table()})
                                  + QStringLiteral(";\n"),
                              creation));
    for (const char *name : {"tasks", "options", "serializer", "document-text", "style-keeper", "selection", "history", "commands",
                             "tables", "positioning", "find", "display", "bridge", "recovery"})
        scripts.insert(makeScript(QStringLiteral("tvl-%1").arg(QLatin1String(name)), scriptFile(name), creation));
    scripts.insert(makeScript(QStringLiteral("tvl-editor-ready"), scriptFile("editor-ready"), QWebEngineScript::DocumentReady));
}

void PageScripts::installDialogArguments(QWebEngineScriptCollection &scripts, const QJsonValue &arguments)
{
    scripts.insert(makeScript(QStringLiteral("tvl-dialog-arguments"),
                              scriptFile("dialog-arguments") + QStringLiteral("(%1);\n").arg(json(arguments)),
                              QWebEngineScript::DocumentCreation, PageWorld));
}

QString PageScripts::nothing()
{
    return QStringLiteral("0");
}

QString PageScripts::exec(int command, int option, const QVariant &argument)
{
    const QJsonValue value = argument.isValid() && !argument.isNull() ? QJsonValue::fromVariant(argument) : QJsonValue();
    return call("exec", {command, option, value});
}

QString PageScripts::promptStart(int command)
{
    return call("promptStart", {command});
}

QString PageScripts::commandStates()
{
    return call("commandStates");
}

QString PageScripts::documentText()
{
    return callIfEditor("documentText", {}, "null");
}

QString PageScripts::editedDocumentText(bool evenUntouched)
{
    return callIfEditor("editedDocumentText", {evenUntouched}, "null");
}

QString PageScripts::changedDocumentText()
{
    return callIfEditor("changedDocumentText", {}, "false");
}

QString PageScripts::serializeText(const QString &text)
{
    return callIfEditor("serializeText", {text}, "null");
}

QString PageScripts::setDisplayOptions(bool editMode, bool keepForeignStyles, bool showBorders, bool showDetails)
{
    const QJsonObject options{{QStringLiteral("editMode"), editMode},
                              {QStringLiteral("keepForeignStyles"), keepForeignStyles},
                              {QStringLiteral("showBorders"), showBorders},
                              {QStringLiteral("showDetails"), showDetails}};
    return callIfEditor("setDisplayOptions", {options}, "null");
}

QString PageScripts::caretForMenu(int x, int y)
{
    return callIfEditor("caretForMenu", {x, y}, "null");
}

QString PageScripts::createRange()
{
    return call("createRange");
}

QString PageScripts::pasteHTML(int rangeId, const QString &html)
{
    return call("pasteHTML", {rangeId, html});
}

QString PageScripts::rollbackPaste()
{
    return call("rollbackPaste");
}

QString PageScripts::rangeText(int rangeId)
{
    return call("rangeText", {rangeId});
}

QString PageScripts::bgColor()
{
    return call("bgColor");
}

QString PageScripts::setBgColor(const QString &color)
{
    return call("setBgColor", {color});
}

QString PageScripts::declareCharset(const QString &charset)
{
    return call("declareCharset", {charset});
}
