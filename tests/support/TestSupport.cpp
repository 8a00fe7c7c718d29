#include "TestSupport.h"

#include "platform/DhtmlEdit.h"
#include "platform/PageEncoding.h"
#include "platform/Module1.h"
#include "shell/Main.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

namespace TestSupport {

void prepareHeadlessProcess()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu --disable-logging");
    Main::prepareProcess();
}

void prepareProcess()
{
    // The per-user state (recovery copies, unfinished saves) of each test program is its own.
    static QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    prepareHeadlessProcess();
}

ProgramRun runProgramWithoutDisplay(const QStringList &arguments, const std::function<void()> &inChild, const QString &executable)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(executable, arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString installBuild(const QString &prefix)
{
    QProcess install;
    install.start(QStringLiteral("cmake"), {QStringLiteral("--install"), QStringLiteral(TOVALEAF_BUILD_DIR), QStringLiteral("--prefix"), prefix});
    if (!install.waitForFinished(120000))
        return QStringLiteral("cmake --install did not end: ") + install.errorString();
    if (install.exitStatus() != QProcess::NormalExit || install.exitCode() != 0)
        return QString::fromLocal8Bit(install.readAllStandardError());
    return {};
}

void prepareApplication()
{
    Main::prepareApplication();
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

static QString jsString(const QString &s)
{
    const QByteArray a = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(a.mid(1, a.size() - 2));
}

void selectText(DhtmlEdit *surface, const QString &needle, int start, int end)
{
    const QString script = QStringLiteral(R"((() => {
        const w = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
        let n = %1 === '' ? document.body : null;
        if (!n) while ((n = w.nextNode())) if (n.data.indexOf(%1) >= 0) break;
        if (!n) return false;
        const r = document.createRange();
        r.setStart(n, %2);
        if (%3 >= 0) r.setEnd(n, %3); else r.collapse(true);
        const s = getSelection();
        s.removeAllRanges();
        s.addRange(r);
        return true;
    })())")
                               .arg(jsString(needle))
                               .arg(start)
                               .arg(end);
    const auto ok = surface->evaluate(script);
    QVERIFY2(ok && ok->toBool(), qPrintable(QStringLiteral("text not found: ") + needle));
}

QString js(DhtmlEdit *surface, const QString &expression)
{
    const auto v = surface->evaluate(expression);
    return v ? v->toString() : QStringLiteral("<no value>");
}

QString body(DhtmlEdit *surface)
{
    const QString html = surface->DocumentHTML();
    const qsizetype start = html.indexOf(QLatin1Char('>'), html.indexOf(QStringLiteral("<BODY"))) + 1;
    return html.mid(start, html.lastIndexOf(QStringLiteral("</BODY>")) - start);
}

bool recordCalls(DhtmlEdit *surface)
{
    return surface
        ->evaluate(QStringLiteral(
            "(() => { if (__tvl.calls) return true; __tvl.calls = []; const run = __tvl.exec;"
            " __tvl.exec = (id, option, value) => { __tvl.calls.push([id, option, value === undefined ? null : value]);"
            " return run(id, option, value); }; return true; })()"))
        .value_or(false)
        .toBool();
}

QString takeCalls(DhtmlEdit *surface)
{
    return js(surface, QStringLiteral("JSON.stringify(__tvl.calls.splice(0))"));
}

QString bodyText(DhtmlEdit *surface)
{
    return js(surface, QStringLiteral("document.body.innerText"));
}

bool loadPage(DhtmlEdit *surface, const TestApp &app, const QByteArray &page)
{
    writeBytes(app.file(QStringLiteral("page.htm")), page);
    return surface->LoadDocument(app.file(QStringLiteral("page.htm")));
}

QString writePage(const TestApp &app, const QString &name, const QByteArray &bytes)
{
    const QString path = app.file(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeBytes(path, bytes);
    return path;
}

QString templateText(const TestApp &app, const QString &name)
{
    return PageEncoding::decode(readBytes(app.file(name)), PageEncoding::Cp932);
}

QString asInPage(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool writePicture(const QString &path, const QColor &colour, int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture.save(path, "PNG");
}

bool showExposed(QWidget &window)
{
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

} // namespace TestSupport

namespace {

// The installation files, copied into folder; returns it.
QString copyOfInstallation(const QString &folder)
{
    QDirIterator it(QStringLiteral(TOVALEAF_DATA_DIR), QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    const QDir source(QStringLiteral(TOVALEAF_DATA_DIR));
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = folder + QLatin1Char('/') + source.relativeFilePath(from);
        QDir().mkpath(QFileInfo(to).absolutePath());
        QFile::copy(from, to);
    }
    return folder;
}

} // namespace

TestApp::TestApp() : context(copyOfInstallation(m_dir.path()), boxes, dialogs, shell) {}

void ScriptedMessageBoxes::notify(const QString &text, const QString &title, Icon icon)
{
    shown.append({text, title, Buttons::Ok, icon});
    if (whileShown)
        whileShown(shown.last());
}

MessageBoxes::Answer ScriptedMessageBoxes::ask(const QString &text, Buttons buttons, const QString &title, Icon icon)
{
    shown.append({text, title, buttons, icon});
    if (whileShown)
        whileShown(shown.last());
    if (answers.isEmpty()) {
        qWarning("unscripted question: %s", qPrintable(text));
        return Answer::Cancel;
    }
    return answers.dequeue();
}

std::optional<QString> ScriptedMessageBoxes::input(const QString &text, const QString &title, const QString &)
{
    shown.append({text, title, Buttons::OkCancel, Icon::None});
    if (inputs.isEmpty()) {
        qWarning("unscripted input: %s", qPrintable(text));
        return std::nullopt;
    }
    return inputs.dequeue();
}

QStringList ScriptedMessageBoxes::texts() const
{
    QStringList out;
    for (const Shown &s : shown)
        out << s.text;
    return out;
}

std::optional<QString> ScriptedDialogs::saveFileName(QWidget *, const QString &filter, const QString &current)
{
    filtersSeen << filter;
    currentNamesSeen << current;
    return fileNames.isEmpty() ? std::nullopt : fileNames.dequeue();
}

std::optional<QString> ScriptedDialogs::openFileName(QWidget *, const QString &filter, const QString &current)
{
    filtersSeen << filter;
    currentNamesSeen << current;
    return fileNames.isEmpty() ? std::nullopt : fileNames.dequeue();
}

std::optional<QString> ScriptedDialogs::folder(QWidget *, const QString &title, const QString &)
{
    folderTitlesSeen << title;
    return folders.isEmpty() ? std::nullopt : folders.dequeue();
}

std::optional<QColor> ScriptedDialogs::color(QWidget *, const QColor &)
{
    return colors.isEmpty() ? std::nullopt : colors.dequeue();
}

std::optional<QFont> ScriptedDialogs::font(QWidget *, const QFont &)
{
    return fonts.isEmpty() ? std::nullopt : fonts.dequeue();
}
