// Build step: joins run mode's scripts into the one runtime file an exported
// page loads beside it. The file is plain ASCII (other characters as \u
// escapes), so that it reads the same whatever charset the page declares.
//
//     bundle_runtime OUTPUT SCRIPT...

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <cstdio>

namespace {

bool fail(const QString &message)
{
    std::fprintf(stderr, "bundle_runtime: %s\n", qPrintable(message));
    return false;
}

// Lines that hold only a comment are left out (the file goes to every visitor of the
// page); the code stays as written. A line inside a template literal is code.
QString withoutCommentLines(const QString &text)
{
    QString kept;
    bool inTemplate = false;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (!inTemplate && line.trimmed().startsWith(QLatin1String("//")))
            continue;
        kept += line + QLatin1Char('\n');
        if (line.count(QLatin1Char('`')) % 2 == 1)
            inTemplate = !inTemplate;
    }
    return kept;
}

bool appendEscaped(const QString &path, QByteArray *out)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = withoutCommentLines(utf8(file.readAll()));
    if (utf8.hasError())
        return fail(QStringLiteral("%1 is not UTF-8").arg(path));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out->append(char(c));
            continue;
        }
        // After a backslash the escape would mean something else.
        if (i > 0 && text[i - 1] == QLatin1Char('\\'))
            return fail(QStringLiteral("%1: a backslash before a non-ASCII character").arg(path));
        out->append(QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0')).toLatin1());
    }
    if (!out->endsWith('\n'))
        out->append('\n');
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        fail(QStringLiteral("usage: bundle_runtime OUTPUT SCRIPT..."));
        return 2;
    }
    QByteArray out =
        "/* tovaleaf-runtime.js: runs this page's VBScript, visual filters and transitions in today's browsers.\n"
        "   Written by Tovaleaf beside the pages it exports; one file, it loads nothing else. */\n"
        "(function () {\n"
        "'use strict';\n"
        "// In Tovaleaf's run mode the page has its runtime already.\n"
        "if (window.__tvlvb) return;\n";
    for (int i = 2; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        out += "// ---- " + QFileInfo(path).fileName().toUtf8() + "\n";
        if (!appendEscaped(path, &out))
            return 1;
    }
    out += "})();\n";
    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(QFileInfo(file.fileName()).absolutePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        fail(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
        return 1;
    }
    return 0;
}
