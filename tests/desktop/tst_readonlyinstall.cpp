#include "support/TestSupport.h"

#include "documents/UnprivilegedFiles.h"
#include "platform/ProgramFolder.h"

#include <QDirIterator>
#include <QProcess>

#include <unistd.h>

namespace {

// Every file and folder under root, with its size: what an installation holds.
QStringList contents(const QString &root)
{
    QStringList out;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        out << QDir(root).relativeFilePath(it.filePath()) + (it.fileInfo().isDir() ? QStringLiteral("/") : QStringLiteral(" %1").arg(it.fileInfo().size()));
    }
    out.sort();
    return out;
}

void withoutWrite(const QString &root)
{
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    QStringList paths{root};
    while (it.hasNext())
        paths << it.next();
    for (const QString &path : paths)
        QFile::setPermissions(path, QFile::permissions(path) & ~(QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther));
}

QString openFolder(const QString &path)
{
    QDir().mkpath(path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::WriteGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
    return path;
}

QMap<QString, QString> facts(const QString &out)
{
    QMap<QString, QString> map;
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(QStringLiteral(": "));
        if (colon > 0)
            map.insert(line.left(colon), line.mid(colon + 2));
        else if (line.endsWith(QLatin1Char(':')))
            map.insert(line.chopped(1), QString());
    }
    return map;
}

} // namespace

// An installation the user may not write in: the program reads its files
// from it and writes its temporary pages to the user's cache folder.
class TestReadOnlyInstall : public QObject
{
    Q_OBJECT

private slots:
    void cacheFolderOfTheUser()
    {
        const QByteArray kept = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", "/somewhere/cache");
        QCOMPARE(ProgramFolder::cacheFolder(), QStringLiteral("/somewhere/cache/tovaleaf"));
        // A relative or empty setting is no setting.
        qputenv("XDG_CACHE_HOME", "relative/cache");
        QCOMPARE(ProgramFolder::cacheFolder(), QDir::homePath() + QStringLiteral("/.cache/tovaleaf"));
        qunsetenv("XDG_CACHE_HOME");
        QCOMPARE(ProgramFolder::cacheFolder(), QDir::homePath() + QStringLiteral("/.cache/tovaleaf"));
        if (kept.isNull())
            qunsetenv("XDG_CACHE_HOME");
        else
            qputenv("XDG_CACHE_HOME", kept);

        // A folder the program may write in keeps its temporary pages.
        TestApp app;
        QVERIFY(app.context.folder.isWritable());
        QCOMPARE(app.context.folder.tempFolder(), app.path());
        QCOMPARE(app.context.folder.tempFile(QStringLiteral("\\scriptTemp.htm")), app.path() + QStringLiteral("/scriptTemp.htm"));
        // The probe leaves nothing behind.
        QVERIFY(QDir(app.path()).entryList({QStringLiteral(".tovaleaf-probe*")}, QDir::Files | QDir::Hidden).isEmpty());
    }

    void effectOfAReadOnlyInstallation()
    {
        QTemporaryDir top;
        UnprivilegedFiles::openToAll(top.path());
        const QString prefix = top.filePath(QStringLiteral("prefix"));
        // Writable again at the end, so that the folder can be removed.
        struct Restore
        {
            QString root;
            ~Restore()
            {
                QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
                QFile::setPermissions(root, QFile::permissions(root) | QFile::WriteOwner);
                while (it.hasNext()) {
                    const QString path = it.next();
                    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
                }
            }
        } restore{prefix};
        const QString installError = TestSupport::installBuild(prefix);
        QVERIFY2(installError.isEmpty(), qPrintable(installError));
        // Beside the installed program, a program of the same build that drives it.
        const QString driver = prefix + QStringLiteral("/bin/installed_effect");
        QVERIFY(QFile::copy(QStringLiteral(INSTALLED_EFFECT), driver));
        withoutWrite(prefix);
        const QStringList installed = contents(prefix);
        QVERIFY(installed.contains(QStringLiteral("share/tovaleaf/time.vs %1").arg(QFileInfo(QStringLiteral(TOVALEAF_DATA_DIR "/time.vs")).size())));

        const QString cache = openFolder(top.filePath(QStringLiteral("cache")));
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
        environment.insert(QStringLiteral("XDG_STATE_HOME"), openFolder(top.filePath(QStringLiteral("state"))));
        environment.insert(QStringLiteral("HOME"), openFolder(top.filePath(QStringLiteral("home"))));
        // The tests' screen settings live in the build's source tree, which an ordinary user may not reach.
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        run.setProcessEnvironment(environment);
        run.setWorkingDirectory(top.filePath(QStringLiteral("home")));
        // Permissions do not hold for the administrator: the program runs as an ordinary user then.
        if (::geteuid() == 0) {
            run.setChildProcessModifier([] {
                if (::setgid(UnprivilegedFiles::Nobody) != 0 || ::setuid(UnprivilegedFiles::Nobody) != 0)
                    ::_exit(99);
            });
        }
        run.start(driver, {});
        QVERIFY(run.waitForFinished(300000));
        const QString out = QString::fromUtf8(run.readAllStandardOutput());
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0,
                 qPrintable(out + QString::fromUtf8(run.readAllStandardError())));

        const QMap<QString, QString> seen = facts(out);
        QCOMPARE(seen.value(QStringLiteral("program folder")), prefix + QStringLiteral("/share/tovaleaf"));
        QCOMPARE(seen.value(QStringLiteral("writable")), QStringLiteral("no"));
        const QString temp = cache + QStringLiteral("/tovaleaf");
        QCOMPARE(seen.value(QStringLiteral("temporary pages")), temp);
        // Every page the run wrote went to the cache: the effect's, run mode's, the background's, the browser's.
        QCOMPARE(seen.value(QStringLiteral("written")),
                 QStringLiteral("BrowseTemp.htm MivoTemp.htm scriptTemp.htm tovaleaf-runtime.js tvlTemp.htm"));
        QCOMPARE(seen.value(QStringLiteral("shown in the browser")), temp + QStringLiteral("/MivoTemp.htm"));
        QCOMPARE(seen.value(QStringLiteral("said")), QStringLiteral("ブラウズモードで確認します！|現在編集中のファイルをブラウズモードで確認します！"));
        QCOMPARE(seen.value(QStringLiteral("asked at exit")), QStringLiteral("データを保存してから終了しますか ?"));
        // Exit takes them away; the installation is as it was installed.
        QCOMPARE(seen.value(QStringLiteral("left after exit"), QStringLiteral("<none said>")), QString());
        QVERIFY(QDir(temp).entryList(QDir::Files).isEmpty());
        QCOMPARE(contents(prefix), installed);
    }
};

TOVALEAF_TEST_MAIN(TestReadOnlyInstall)
#include "tst_readonlyinstall.moc"
