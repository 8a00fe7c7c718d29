#include "support/TestSupport.h"

#include "platform/ShellOpen.h"

#include <QFile>
#include <QTemporaryDir>

using namespace TestSupport;

namespace {

// An xdg-open of the test's own on the path: it notes what it was given and
// answers with the exit status of the real one.
void installOpener(const QTemporaryDir &bin, const QByteArray &body)
{
    const QString path = bin.filePath(QStringLiteral("xdg-open"));
    writeBytes(path, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

// The desktop's opener is watched to its end: what it cannot open is said.
class TestShellOpen : public QObject
{
    Q_OBJECT

private slots:
    void desktopOpenerToItsEnd()
    {
        QTemporaryDir bin;
        QTemporaryDir files;
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()) + ":/usr/bin:/bin");
        const QString page = files.filePath(QStringLiteral("my page.htm"));
        const QString noted = files.filePath(QStringLiteral("noted"));
        DesktopShellOpen shell;

        // Opened: the file goes to the opener as one argument, nothing is said.
        installOpener(bin, "printf '%s' \"$1\" > '" + QFile::encodeName(noted) + "'; exit 0");
        QStringList failures;
        shell.open(page, [&](const QString &reason) { failures << QStringLiteral("opened: ") + reason; });
        QTRY_VERIFY(QFile::exists(noted));
        QTRY_COMPARE(readBytes(noted), QFile::encodeName(page));

        // No program for the file, an opener that failed, a file that is gone: each with its reason.
        const QList<QPair<QByteArray, QString>> statuses = {
            {"exit 3", QStringLiteral("このファイルを開くためのプログラムが見つかりません。")},
            {"exit 4", QStringLiteral("このファイルを開くプログラムが登録されていないか、起動できませんでした。")},
            {"exit 2", QStringLiteral("ファイルが見つかりません。")},
            {"exit 9", QStringLiteral("デスクトップが失敗を返しました（終了コード 9）。")},
            {"kill -SEGV $$", QStringLiteral("xdg-open が異常終了しました。")},
        };
        for (const auto &[body, reason] : statuses) {
            installOpener(bin, body);
            QString said;
            shell.open(page, [&](const QString &r) { said = r; });
            QTRY_COMPARE(said, reason);
        }
        QCOMPARE(failures, QStringList());
        qputenv("PATH", oldPath);
    }
};

TOVALEAF_TEST_MAIN(TestShellOpen)
#include "tst_shellopen.moc"
