#include "RunTimeScripts.h"

#include "SurfaceWorlds.h"

#include <QFile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

const QString Name = QStringLiteral("tvl-runtime");

QString source()
{
    static const QString text = [] {
        QString all;
        // In this order: each file uses what the ones before it define.
        for (const QString &name : RunTimeScripts::names()) {
            QFile file(QStringLiteral(":/runtime/js/%1.js").arg(name));
            if (!file.open(QIODevice::ReadOnly))
                qFatal("missing resource %s", qPrintable(file.fileName()));
            all += QString::fromUtf8(file.readAll()) + QLatin1Char('\n');
        }
        return all;
    }();
    return text;
}

} // namespace

// The export's runtime file (src/CMakeLists.txt) takes the same scripts with the standalone host in
// place of host-program: a script added here goes there too.
QStringList RunTimeScripts::names()
{
    QStringList list;
    for (const char *name : {"vb-lexer", "vb-parser", "vb-scope", "vb-codegen", "vb-variant", "vb-runtime", "vb-classes",
                             "vb-builtins", "vb-dictionary", "vb-dates", "vb-format", "host-program", "ie-filters", "ie-light",
                             "ie-animation", "ie-collections", "ie-popup", "ie-behaviors", "ie-page"})
        list << QLatin1String(name);
    return list;
}

void RunTimeScripts::install(QWebEngineScriptCollection &scripts, bool installed)
{
    for (const QWebEngineScript &old : scripts.find(Name))
        scripts.remove(old);
    if (!installed)
        return;
    QWebEngineScript script;
    script.setName(Name);
    script.setSourceCode(source());
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(PageWorld);
    script.setRunsOnSubFrames(true);
    scripts.insert(script);
}
