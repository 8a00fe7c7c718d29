#include "support/TestSupport.h"

#include "documents/RecoveryOffer.h"
#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"
#include "platform/FileChannel.h"
#include "platform/RecoveryCopy.h"
#include "platform/StateFolder.h"
#include "shell/Form1.h"
#include "shell/Main.h"

#include <QDir>
#include <QProcess>

using namespace TestSupport;

namespace {

// Runs the program in another process up to a step, where it is killed.
QString killedRun(const ProgramFolderFixture &folder, const QStringList &step)
{
    QProcess run;
    run.start(QStringLiteral(KILLED_RUN), QStringList{folder.path()} + step);
    if (!run.waitForFinished(120000))
        qFatal("the killed run did not end");
    if (run.exitStatus() != QProcess::CrashExit)
        qFatal("the killed run ended by itself (%d): %s", run.exitCode(), run.readAllStandardError().constData());
    return QString::fromUtf8(run.readAllStandardOutput()).trimmed();
}

QStringList stateFiles()
{
    return QDir(StateFolder::current().path()).entryList(QDir::Files | QDir::Hidden);
}

QString body(DhtmlEdit *surface)
{
    return js(surface, QStringLiteral("document.body.innerText"));
}

} // namespace

// A start after a run that ended without saving: what it offers back, and what never.
class TestRecoveryOffer : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // Leftovers of one case are no part of the next.
        const QString state = StateFolder::current().path();
        for (const QString &name : QDir(state).entryList(QDir::Files | QDir::Hidden))
            if (!name.startsWith(StateFolder::current().id()))
                QFile::remove(state + QLatin1Char('/') + name);
    }

    void unsavedPageIsOfferedBack()
    {
        ProgramFolderFixture folder;
        const QString original = folder.file(QStringLiteral("mine.htm"));
        writeBytes(original, "<html><body><p>as saved</p></body></html>");
        killedRun(folder, {QStringLiteral("opened"), original, QStringLiteral("typed before the kill")});

        ScriptedMessageBoxes boxes;
        Form1 form;
        form.show();
        boxes.answers << MessageBoxes::Answer::Yes;
        Main::resumeEndedRuns(form);
        QCOMPARE(boxes.shown.size(), 1);
        QVERIFY2(boxes.shown[0].text.startsWith(RecoveryOffer::Question), qPrintable(boxes.shown[0].text));
        QVERIFY(boxes.shown[0].text.contains(original));
        QCOMPARE(boxes.shown[0].buttons, MessageBoxes::Buttons::YesNo);
        QCOMPARE(body(form.surface()), QStringLiteral("typed before the kill"));
        // It belongs where it came from: the save proposes that file, and its pictures resolve there.
        QCOMPARE(form.commonDialog()->FileName, original);
        QCOMPARE(form.surface()->documentUrl().path(), original);
        QCOMPARE(readBytes(original), QByteArray("<html><body><p>as saved</p></body></html>"));
        // The restored page is this run's unsaved page now: the old run's copy is gone, ours holds it.
        QCOMPARE(form.surface()->recovery().isDirty(), true);
        const QStringList files = stateFiles();
        QCOMPARE(files.size(), 2);
        for (const QString &name : files)
            QVERIFY2(name.startsWith(StateFolder::current().id()), qPrintable(name));

        // A second start finds nothing more.
        Main::resumeEndedRuns(form);
        QCOMPARE(boxes.shown.size(), 1);
    }

    void declinedPageIsGivenUp()
    {
        ProgramFolderFixture folder;
        killedRun(folder, {QStringLiteral("edited"), QStringLiteral("never wanted")});
        ScriptedMessageBoxes boxes;
        Form1 form;
        form.show();
        boxes.answers << MessageBoxes::Answer::No;
        Main::resumeEndedRuns(form);
        QCOMPARE(boxes.shown.size(), 1);
        QVERIFY(boxes.shown[0].text.contains(QStringLiteral("（新しいページ）")));
        QCOMPARE(form.surface()->DocumentHTML(), QString());
        Main::resumeEndedRuns(form);
        QCOMPARE(boxes.shown.size(), 1);
        for (const QString &name : stateFiles())
            QVERIFY2(name.startsWith(StateFolder::current().id()), qPrintable(name));
    }

    void savedOrGivenUpPagesAreNotOffered()
    {
        ProgramFolderFixture folder;
        const QString saved = folder.file(QStringLiteral("saved.htm"));
        killedRun(folder, {QStringLiteral("saved"), saved, QStringLiteral("saved text")});
        QVERIFY(QString::fromLocal8Bit(readBytes(saved)).contains(QStringLiteral("saved text")));
        killedRun(folder, {QStringLiteral("new-page"), QStringLiteral("thrown away by a new page")});
        killedRun(folder, {QStringLiteral("exit-no"), QStringLiteral("thrown away at exit")});
        ScriptedMessageBoxes boxes;
        Form1 form;
        form.show();
        Main::resumeEndedRuns(form);
        QCOMPARE(boxes.texts(), QStringList());
    }

    void liveRunIsLeftAlone()
    {
        ProgramFolderFixture folder;
        QProcess other;
        other.start(QStringLiteral(KILLED_RUN), {folder.path(), QStringLiteral("running"), QStringLiteral("still being edited")});
        QVERIFY(other.waitForReadyRead(120000));
        QCOMPARE(other.readLine().trimmed(), QByteArray("ready"));

        ScriptedMessageBoxes boxes;
        Form1 form;
        form.show();
        Main::resumeEndedRuns(form);
        QCOMPARE(boxes.texts(), QStringList());

        // Once it is gone, its page is offered.
        other.kill();
        QVERIFY(other.waitForFinished(30000));
        boxes.answers << MessageBoxes::Answer::Yes;
        Main::resumeEndedRuns(form);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(body(form.surface()), QStringLiteral("still being edited"));
    }

    void killedSaveLeavesNothingBehind()
    {
        ProgramFolderFixture folder;
        const QString target = folder.file(QStringLiteral("target.htm"));
        writeBytes(target, "old");
        // Cleaned up at the next start.
        const QString first = killedRun(folder, {QStringLiteral("saving"), target});
        QVERIFY2(QFile::exists(first), qPrintable(first));
        QCOMPARE(readBytes(target), QByteArray("old"));
        ScriptedMessageBoxes boxes;
        Form1 form;
        Main::resumeEndedRuns(form);
        QVERIFY(!QFile::exists(first));
        QCOMPARE(readBytes(target), QByteArray("old"));
        // And at the next save, whatever file it saves.
        const QString second = killedRun(folder, {QStringLiteral("saving"), target});
        QVERIFY(QFile::exists(second));
        QString error;
        QVERIFY(FileChannel::writeText(folder.file(QStringLiteral("other.htm")), QStringLiteral("x"), &error));
        QVERIFY(!QFile::exists(second));
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("target.htm.*")}, QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(boxes.texts(), QStringList());
    }
};

TOVALEAF_TEST_MAIN(TestRecoveryOffer)
#include "tst_recoveryoffer.moc"
