#include "ShellOpen.h"

#include "MessageBoxes.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

void ShellOpen::openTelling(const QString &path, MessageBoxes &boxes)
{
    // The boxes belong to the application context, which outlives any opening.
    open(path, [path, &boxes](const QString &reason) {
        boxes.say(failureMessage(path, reason), MessageBoxes::DefaultTitle, MessageBoxes::Icon::Warning);
    });
}

QString ShellOpen::failureMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("デスクトップのプログラムで開けませんでした: %1\n%2").arg(path, reason);
}

QString DesktopShellOpen::reasonForExitCode(int code)
{
    // The exit statuses xdg-open documents.
    switch (code) {
    case 2:
        return QStringLiteral("ファイルが見つかりません。");
    case 3:
        return QStringLiteral("このファイルを開くためのプログラムが見つかりません。");
    case 4:
        return QStringLiteral("このファイルを開くプログラムが登録されていないか、起動できませんでした。");
    default:
        return QStringLiteral("デスクトップが失敗を返しました（終了コード %1）。").arg(code);
    }
}

void DesktopShellOpen::open(const QString &path, const Failed &failed)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        // Elsewhere only whether the desktop took the request can be known.
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            failed(QStringLiteral("このファイルを開くためのプログラムが見つかりません。"));
        return;
    }
    // Not owned by the application: a browser the opener still waits for is not ended with the program.
    auto *process = new QProcess;
    process->setProgram(opener);
    process->setArguments({path});
    // No pipes to this program, which may end before what the opener starts.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        failed(QStringLiteral("xdg-open を起動できません。"));
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::finished, process, [process, failed](int code, QProcess::ExitStatus status) {
        if (status == QProcess::CrashExit)
            failed(QStringLiteral("xdg-open が異常終了しました。"));
        else if (code != 0)
            failed(reasonForExitCode(code));
        process->deleteLater();
    });
    process->start();
}
