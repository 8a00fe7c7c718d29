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
QString killedRun(const TestApp &app, const QStringList &step)
{
    QProcess run;
    run.start(QStringLiteral(KILLED_RUN), QStringList{app.path()} + step);
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
        TestApp app;
        const QString original = app.file(QStringLiteral("mine.htm"));
        writeBytes(original, "<html><body><p>as saved</p></body></html>");
        killedRun(app, {QStringLiteral("opened"), original, QStringLiteral("typed before the kill")});

        Form1 form(app.context);
        form.show();
        app.boxes.answers << MessageBoxes::Answer::Yes;
        Main::resumeEndedRuns(app.context, form);
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY2(app.boxes.shown[0].text.startsWith(RecoveryOffer::Question), qPrintable(app.boxes.shown[0].text));
        QVERIFY(app.boxes.shown[0].text.contains(original));
        QCOMPARE(app.boxes.shown[0].buttons, MessageBoxes::Buttons::YesNo);
        QCOMPARE(bodyText(form.surface()), QStringLiteral("typed before the kill"));
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
        Main::resumeEndedRuns(app.context, form);
        QCOMPARE(app.boxes.shown.size(), 1);
    }

    void declinedPageIsGivenUp()
    {
        TestApp app;
        killedRun(app, {QStringLiteral("edited"), QStringLiteral("never wanted")});
        Form1 form(app.context);
        form.show();
        app.boxes.answers << MessageBoxes::Answer::No;
        Main::resumeEndedRuns(app.context, form);
        QCOMPARE(app.boxes.shown.size(), 1);
        QVERIFY(app.boxes.shown[0].text.contains(QStringLiteral("（新しいページ）")));
        QCOMPARE(form.surface()->DocumentHTML(), QString());
        Main::resumeEndedRuns(app.context, form);
        QCOMPARE(app.boxes.shown.size(), 1);
        for (const QString &name : stateFiles())
            QVERIFY2(name.startsWith(StateFolder::current().id()), qPrintable(name));
    }

    void savedOrGivenUpPagesAreNotOffered()
    {
        TestApp app;
        const QString saved = app.file(QStringLiteral("saved.htm"));
        killedRun(app, {QStringLiteral("saved"), saved, QStringLiteral("saved text")});
        QVERIFY(QString::fromLocal8Bit(readBytes(saved)).contains(QStringLiteral("saved text")));
        killedRun(app, {QStringLiteral("new-page"), QStringLiteral("thrown away by a new page")});
        killedRun(app, {QStringLiteral("exit-no"), QStringLiteral("thrown away at exit")});
        Form1 form(app.context);
        form.show();
        Main::resumeEndedRuns(app.context, form);
        QCOMPARE(app.boxes.texts(), QStringList());
    }

    void liveRunIsLeftAlone()
    {
        TestApp app;
        QProcess other;
        other.start(QStringLiteral(KILLED_RUN), {app.path(), QStringLiteral("running"), QStringLiteral("still being edited")});
        QVERIFY(other.waitForReadyRead(120000));
        QCOMPARE(other.readLine().trimmed(), QByteArray("ready"));

        Form1 form(app.context);
        form.show();
        Main::resumeEndedRuns(app.context, form);
        QCOMPARE(app.boxes.texts(), QStringList());

        // Once it is gone, its page is offered.
        other.kill();
        QVERIFY(other.waitForFinished(30000));
        app.boxes.answers << MessageBoxes::Answer::Yes;
        Main::resumeEndedRuns(app.context, form);
        QCOMPARE(app.boxes.shown.size(), 1);
        QCOMPARE(bodyText(form.surface()), QStringLiteral("still being edited"));
    }

    void killedSaveLeavesNothingBehind()
    {
        TestApp app;
        const QString target = app.file(QStringLiteral("target.htm"));
        writeBytes(target, "old");
        // Cleaned up at the next start.
        const QString first = killedRun(app, {QStringLiteral("saving"), target});
        QVERIFY2(QFile::exists(first), qPrintable(first));
        QCOMPARE(readBytes(target), QByteArray("old"));
        Form1 form(app.context);
        Main::resumeEndedRuns(app.context, form);
        QVERIFY(!QFile::exists(first));
        QCOMPARE(readBytes(target), QByteArray("old"));
        // And at the next save, whatever file it saves.
        const QString second = killedRun(app, {QStringLiteral("saving"), target});
        QVERIFY(QFile::exists(second));
        QString error;
        QVERIFY(FileChannel::writeText(app.file(QStringLiteral("other.htm")), QStringLiteral("x"), &error));
        QVERIFY(!QFile::exists(second));
        QCOMPARE(QDir(app.path()).entryList({QStringLiteral("target.htm.*")}, QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(app.boxes.texts(), QStringList());
    }
};

TOVALEAF_TEST_MAIN(TestRecoveryOffer)
#include "tst_recoveryoffer.moc"
