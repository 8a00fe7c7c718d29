#include "support/TestSupport.h"

#include "commands/MenuBar.h"
#include "documents/FileList.h"
#include "documents/PageOpener.h"
#include "documents/Form25.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "shell/Form1.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace TestSupport;

namespace {

// The temporary pages as they would lie at the root of the file system.
QStringList rootState()
{
    QStringList out;
    for (const char *name : {"/tvlTemp.htm", "/tvlTemp1.htm"}) {
        const QFileInfo info{QString::fromLatin1(name)};
        out << QStringLiteral("%1 %2 %3").arg(name).arg(info.exists()).arg(info.lastModified().toMSecsSinceEpoch());
    }
    return out;
}

void trigger(Form1 &form, const char *item)
{
    QAction *action = form.menus().item(QLatin1String(item));
    action->setEnabled(true);
    action->trigger();
}

// "背景画像設定" through the menu, answered with a picture and a pattern.
void setPicture(Form1 &form, const QString &picture, const QString &pattern)
{
    bool seen = false;
    QTimer::singleShot(0, &form, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("Form19"));
        seen = true;
        dialog->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(picture);
        dialog->findChild<QComboBox *>(QStringLiteral("Combo1"))->setCurrentText(pattern);
        auto *ok = dialog->findChild<QPushButton *>(QStringLiteral("Command2"));
        QVERIFY(ok->isEnabled());
        ok->click();
        const bool closed = !dialog->isVisible();
        if (!closed)
            static_cast<QDialog *>(dialog)->reject();
        QVERIFY2(closed, "OK left the dialog open");
    });
    trigger(form, "haikeisettei");
    QVERIFY(seen);
    QVERIFY(!QApplication::activeModalWidget());
}

// The file screen through the menu; an empty name cancels it.
void fileScreen(Form1 &form, const QString &name)
{
    bool seen = false;
    QTimer::singleShot(0, &form, [&] {
        auto *screen = qobject_cast<Form25 *>(QApplication::activeModalWidget());
        QVERIFY(screen);
        seen = true;
        if (name.isEmpty()) {
            QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
            return;
        }
        auto *files = screen->findChild<FileList *>(QStringLiteral("File1"));
        const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.first()).center());
        QTest::mouseClick(screen->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    });
    trigger(form, "mivofile_open");
    QVERIFY(seen);
}

} // namespace

// Setting and deleting the background picture reloads the page through a
// temporary page; where that page goes, and that exit removes it.
class TestBackgroundPicture : public QObject
{
    Q_OBJECT

private slots:
    void besideAPageFromTheFileScreen()
    {
        TestApp app;
        QTemporaryDir pagesDir;
        const QDir pages(pagesDir.path());
        writeBytes(pages.filePath(QStringLiteral("page.htm")), "<html><body><p>page</p></body></html>");
        app.context.workingFolder = pages.path();
        Form1 form(app.context);
        form.show();
        fileScreen(form, QStringLiteral("page.htm"));
        QCOMPARE(app.shared().DocumentFolder, pages.path());

        // A picture name with a blank stays one attribute.
        setPicture(form, QStringLiteral("my back.gif"), QStringLiteral("固定する"));
        const QByteArray set = "<HTML><HEAD></HEAD><BODY background=\"my back.gif\" bgProperties=fixed><P>page</P></BODY></HTML>";
        QCOMPARE(readBytes(pages.filePath(QStringLiteral("tvlTemp1.htm"))), set + "\r\n");
        QCOMPARE(form.surface()->DocumentHTML(), QString::fromLatin1(set));
        QVERIFY(!QFile::exists(app.file(QStringLiteral("tvlTemp.htm"))));

        trigger(form, "deletehaikei");
        const QByteArray removed = "<HTML><HEAD></HEAD><BODY><P>page</P></BODY></HTML>";
        QCOMPARE(readBytes(pages.filePath(QStringLiteral("tvlTemp.htm"))), removed + "\r\n");
        QCOMPARE(form.surface()->DocumentHTML(), QString::fromLatin1(removed));
        QVERIFY(app.boxes.shown.isEmpty());

        app.boxes.answers << MessageBoxes::Answer::No;
        QVERIFY(form.close());
        QCOMPARE(pages.entryList(QDir::Files), QStringList{QStringLiteral("page.htm")});
    }

    void programFolderAfterACancelledFileScreen()
    {
        TestApp app;
        QTemporaryDir pagesDir;
        app.context.workingFolder = pagesDir.path();
        Form1 form(app.context);
        form.show();
        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><body><p>page</p></body></html>")));
        const QStringList root = rootState();
        // The page changed: first the question whether to save it (No).
        app.boxes.answers << MessageBoxes::Answer::No;
        fileScreen(form, QString());
        QCOMPARE(app.boxes.texts(), QStringList{PageOpener::UnsavedQuestion});
        app.boxes.shown.clear();
        QCOMPARE(app.shared().EffectKind, Effect::FileScreenOpened);
        QCOMPARE(app.shared().DocumentFolder, QString());

        setPicture(form, QStringLiteral("back.gif"), QStringLiteral("固定しない"));
        const QByteArray set = "<HTML><HEAD></HEAD><BODY background=back.gif bgProperties=none><P>page</P></BODY></HTML>";
        QCOMPARE(readBytes(app.file(QStringLiteral("tvlTemp.htm"))), set + "\r\n");
        QCOMPARE(form.surface()->DocumentHTML(), QString::fromLatin1(set));
        QCOMPARE(rootState(), root);

        trigger(form, "deletehaikei");
        const QByteArray removed = "<HTML><HEAD></HEAD><BODY><P>page</P></BODY></HTML>";
        QCOMPARE(readBytes(app.file(QStringLiteral("tvlTemp.htm"))), removed + "\r\n");
        QCOMPARE(form.surface()->DocumentHTML(), QString::fromLatin1(removed));
        QCOMPARE(rootState(), root);
        QVERIFY(!QFile::exists(app.file(QStringLiteral("tvlTemp1.htm"))));
        QVERIFY(app.boxes.shown.isEmpty());

        app.boxes.answers << MessageBoxes::Answer::No;
        QVERIFY(form.close());
        QVERIFY(!QFile::exists(app.file(QStringLiteral("tvlTemp.htm"))));
        QCOMPARE(rootState(), root);
    }
};

TOVALEAF_TEST_MAIN(TestBackgroundPicture)
#include "tst_backgroundpicture.moc"
