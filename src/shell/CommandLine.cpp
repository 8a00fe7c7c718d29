#include "CommandLine.h"

#include "documents/ModernExport.h"

#include <QDir>
#include <QTextStream>

#include <cstdio>

CommandLine::CommandLine(const QStringList &arguments) : m_arguments(arguments) {}

const QList<CommandLine::Option> &CommandLine::options()
{
    static const QList<Option> list = {
        {QStringLiteral("--export-modern"), {QStringLiteral("ページ"), QStringLiteral("書き出し先フォルダ")}, &CommandLine::exportModern},
    };
    return list;
}

std::optional<int> CommandLine::runTask(QTextStream &out, QTextStream &err) const
{
    if (m_arguments.isEmpty())
        return std::nullopt;
    for (const Option &option : options()) {
        if (m_arguments.first() != option.name)
            continue;
        const QStringList operands = m_arguments.mid(1);
        if (operands.size() != option.operands.size()) {
            err << QStringLiteral("使い方: tovaleaf %1 %2").arg(option.name, option.operands.join(QLatin1Char(' '))) << Qt::endl;
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
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    const std::optional<int> status = CommandLine(arguments).runTask(out, err);
    out.flush();
    err.flush();
    return status;
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
