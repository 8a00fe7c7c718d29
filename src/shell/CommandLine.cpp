#include "CommandLine.h"

#include "documents/ModernExport.h"

#include <QDir>
#include <QTextStream>
#include <QUrl>

#include <cstdio>

namespace {
// Everything after it is a page, even a name that begins with "-".
const QString EndOfOptions = QStringLiteral("--");

QTextStream &utf8(QTextStream &stream)
{
    stream.setEncoding(QStringConverter::Utf8);
    return stream;
}
} // namespace

CommandLine::CommandLine(const QStringList &arguments) : m_arguments(arguments) {}

const QList<CommandLine::Option> &CommandLine::options()
{
    static const QList<Option> list = {
        {QStringLiteral("--export-modern"), QString(), {QStringLiteral("ページ"), QStringLiteral("書き出し先フォルダ")},
         QStringLiteral("ページを今のブラウザで動く形に書き出します（ウィンドウは開きません）"), &CommandLine::exportModern},
        {QStringLiteral("--help"), QStringLiteral("-h"), {}, QStringLiteral("この説明を表示します"), &CommandLine::help},
        {QStringLiteral("--version"), QString(), {}, QStringLiteral("バージョンを表示します"), &CommandLine::version},
    };
    return list;
}

QString CommandLine::usage()
{
    QStringList lines;
    lines << QStringLiteral("使い方: tovaleaf [ページ]");
    lines << QStringLiteral("        tovaleaf オプション");
    lines << QString();
    lines << QStringLiteral("Tovaleaf はウェブページを見たまま作るエディタです。ページを指定すると、そのページを開いた画面で始まります。");
    lines << QString();
    lines << QStringLiteral("オプション:");
    for (const Option &option : options()) {
        QString call = option.name;
        if (!option.alias.isEmpty())
            call = option.alias + QStringLiteral(", ") + call;
        if (!option.operands.isEmpty())
            call += QLatin1Char(' ') + option.operands.join(QLatin1Char(' '));
        lines << QStringLiteral("  %1").arg(call);
        lines << QStringLiteral("      %1").arg(option.summary);
    }
    return lines.join(QLatin1Char('\n'));
}

std::optional<int> CommandLine::runTask(QTextStream &out, QTextStream &err) const
{
    if (m_arguments.isEmpty())
        return std::nullopt;
    const QString &first = m_arguments.first();
    for (const Option &option : options()) {
        if (first != option.name && (option.alias.isEmpty() || first != option.alias))
            continue;
        const QStringList operands = m_arguments.mid(1);
        if (operands.size() != option.operands.size()) {
            const QString call = (QStringList{option.name} + option.operands).join(QLatin1Char(' '));
            err << QStringLiteral("使い方: tovaleaf %1").arg(call) << Qt::endl;
            return Misuse;
        }
        return option.run(operands, out, err);
    }
    return std::nullopt;
}

std::optional<int> CommandLine::runTask(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const std::optional<int> status = CommandLine(arguments).runTask(utf8(out), utf8(err));
    out.flush();
    err.flush();
    return status;
}

std::optional<int> CommandLine::pageToOpen(const QString &workingFolder, QString *page, QTextStream &err) const
{
    QStringList pages;
    bool optionsEnded = false;
    for (const QString &argument : m_arguments) {
        if (!optionsEnded && argument == EndOfOptions)
            optionsEnded = true;
        else if (optionsEnded || !argument.startsWith(QLatin1Char('-')))
            pages << argument;
    }
    if (pages.size() > 1) {
        err << QStringLiteral("開けるページは一つです: %1").arg(pages.join(QLatin1Char(' '))) << Qt::endl;
        err << QStringLiteral("使い方: tovaleaf [ページ]") << Qt::endl;
        return Misuse;
    }
    page->clear();
    if (pages.isEmpty() || pages.first().isEmpty())
        return std::nullopt;
    QString path = pages.first();
    // Desktops may hand a file over as its address.
    if (path.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        path = QUrl(path).toLocalFile();
    *page = QDir::cleanPath(QDir(workingFolder).absoluteFilePath(path));
    return std::nullopt;
}

std::optional<int> CommandLine::pageToOpen(const QStringList &applicationArguments, const QString &workingFolder, QString *page)
{
    QTextStream err(stderr);
    const std::optional<int> status = CommandLine(applicationArguments.mid(1)).pageToOpen(workingFolder, page, utf8(err));
    err.flush();
    return status;
}

int CommandLine::help(const QStringList &, QTextStream &out, QTextStream &)
{
    out << usage() << Qt::endl;
    return Success;
}

int CommandLine::version(const QStringList &, QTextStream &out, QTextStream &)
{
    out << QStringLiteral("Tovaleaf バージョン %1").arg(QStringLiteral(TOVALEAF_VERSION)) << Qt::endl;
    return Success;
}

int CommandLine::exportModern(const QStringList &operands, QTextStream &out, QTextStream &err)
{
    const ModernExport::Result result = ModernExport::exportFile(operands[0], operands[1]);
    if (!result.ok) {
        err << QStringLiteral("書き出せませんでした。") << result.error << Qt::endl;
        return Failure;
    }
    out << QStringLiteral("書き出しました: %1").arg(QDir::toNativeSeparators(result.pagePath)) << Qt::endl;
    out << QStringLiteral("実行用のファイル: %1").arg(ModernExport::RuntimeFileName) << Qt::endl;
    for (const QString &name : result.copied)
        out << QStringLiteral("写しました: %1").arg(name) << Qt::endl;
    for (const QString &name : result.missing)
        err << QStringLiteral("見つかりません: %1").arg(name) << Qt::endl;
    for (const QString &name : result.outside)
        err << QStringLiteral("ページのフォルダの外なので写していません: %1").arg(name) << Qt::endl;
    return Success;
}
