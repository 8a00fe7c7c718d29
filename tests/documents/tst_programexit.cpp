#include "support/TestSupport.h"

#include "commands/Form8.h"

#include "UnprivilegedFiles.h"
#include "commands/MenuBar.h"
#include "documents/TemporaryPages.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "shell/Form1.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QPointer>

using namespace TestSupport;

namespace {

const QStringList RemovedNames = {QStringLiteral("tvlTemp.htm"), QStringLiteral("tvlTemp1.htm")};
const QStringList KeptNames = {QStringLiteral("scriptTemp.htm"), QStringLiteral("BrowseTemp.htm"), QStringLiteral("MivoTemp.htm")};
const QString ExitQuestion = QStringLiteral("Tovaleafを終了します！");
const QString SaveQuestion = QStringLiteral("データを保存してから終了しますか ?");

class CountingWindow : public QWidget
{
public:
    explicit CountingWindow(QWidget *parent = nullptr) : QWidget(parent, Qt::Window) {}
    int closes = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes;
        QWidget::closeEvent(event);
    }
};

// The program folder and an opened page's folder, with temporary pages in both.
struct ExitScene
{
    ExitScene()
    {
        for (const QString &name : RemovedNames) {
            writeBytes(app.file(name), "temp");
            writeBytes(pages.filePath(name), "temp");
        }
        for (const QString &name : KeptNames)
            writeBytes(app.file(name), "temp");
        writeBytes(pages.filePath(QStringLiteral("page.htm")), "<html><body>page</body></html>");
        app.shared().EffectKind = Effect::FileScreenOpened;
        app.shared().DocumentFolder = pages.path();
    }
    QStringList present() const
    {
        QStringList out;
        for (const QString &name : RemovedNames + KeptNames)
            if (QFile::exists(app.file(name)))
                out << QStringLiteral("program/") + name;
        for (const QString &name : RemovedNames + QStringList{QStringLiteral("page.htm")})
            if (QFile::exists(pages.filePath(name)))
                out << QStringLiteral("pages/") + name;
        return out;
    }
    static QStringList afterExit()
    {
        return {QStringLiteral("program/scriptTemp.htm"), QStringLiteral("program/BrowseTemp.htm"),
                QStringLiteral("program/MivoTemp.htm"), QStringLiteral("pages/page.htm")};
    }
    static QStringList untouched()
    {
        return {QStringLiteral("program/tvlTemp.htm"), QStringLiteral("program/tvlTemp1.htm"),
                QStringLiteral("program/scriptTemp.htm"), QStringLiteral("program/BrowseTemp.htm"),
                QStringLiteral("program/MivoTemp.htm"), QStringLiteral("pages/tvlTemp.htm"),
                QStringLiteral("pages/tvlTemp1.htm"), QStringLiteral("pages/page.htm")};
    }

    TestApp app;
    QTemporaryDir pagesDir;
    QDir pages{pagesDir.path()};
};

} // namespace

// Ending the program through "終了" and through the close box.
class TestProgramExit : public QObject
{
    Q_OBJECT

private slots:
    void temporaryPageFolder()
    {
        TestApp app;
        Module1 &shared = app.shared();
        shared.EffectKind = Effect::FileScreenOpened;
        shared.DocumentFolder = QStringLiteral("/pages");
        QCOMPARE(TemporaryPages::path(app.context, TemporaryPages::TvlTemp), QStringLiteral("/pages/tvlTemp.htm"));
        // An emptied folder means the program folder, never the root.
        shared.DocumentFolder.clear();
        QCOMPARE(TemporaryPages::path(app.context, TemporaryPages::TvlTemp1), app.file(QStringLiteral("tvlTemp1.htm")));
        shared.EffectKind = Effect::NewPage;
        shared.DocumentFolder = QStringLiteral("/pages");
        QCOMPARE(TemporaryPages::path(app.context, TemporaryPages::TvlTemp), app.file(QStringLiteral("tvlTemp.htm")));
    }

    void finishMenu()
    {
        ExitScene scene;
        Form1 form(scene.app.context);
        form.show();
        QAction *finish = form.menus().item(QStringLiteral("finish"));

        for (auto answer : {MessageBoxes::Answer::No, MessageBoxes::Answer::Cancel}) {
            scene.app.boxes.shown.clear();
            scene.app.boxes.answers << answer;
            finish->trigger();
            QCOMPARE(scene.app.boxes.texts(), QStringList{ExitQuestion});
            QCOMPARE(scene.app.boxes.shown[0].title, QStringLiteral("確認"));
            QCOMPARE(scene.app.boxes.shown[0].buttons, MessageBoxes::Buttons::YesNoCancel);
            QVERIFY(form.isVisible());
            QCOMPARE(scene.present(), ExitScene::untouched());
        }

        // Yes, then Cancel to the save question: the program stays, the pages are gone.
        auto *tool = new CountingWindow(&form);
        tool->show();
        auto *hidden = new CountingWindow(&form);
        CountingWindow separate;
        separate.show();
        scene.app.boxes.shown.clear();
        scene.app.boxes.answers << MessageBoxes::Answer::Yes << MessageBoxes::Answer::Cancel;
        finish->trigger();
        QCOMPARE(scene.app.boxes.texts(), (QStringList{ExitQuestion, SaveQuestion}));
        QVERIFY(form.isVisible());
        QCOMPARE(scene.present(), ExitScene::afterExit());
        QCOMPARE(tool->closes, 1);
        QCOMPARE(hidden->closes, 1);
        QCOMPARE(separate.closes, 1);
        QVERIFY(!tool->isVisible() && !separate.isVisible());

        // Yes and No: the program ends, with the always-on-top background window.
        form.menus().item(QStringLiteral("haikei_iro"))->trigger();
        QVERIFY(Form8::current() && Form8::current()->isVisible());
        scene.app.boxes.shown.clear();
        scene.app.boxes.answers << MessageBoxes::Answer::Yes << MessageBoxes::Answer::No;
        finish->trigger();
        QCOMPARE(scene.app.boxes.texts(), (QStringList{ExitQuestion, SaveQuestion}));
        QVERIFY(!form.isVisible());
        QTRY_VERIFY(!Form8::current());
    }

    void closeBox()
    {
        ExitScene scene;
        Form1 form(scene.app.context);
        form.show();
        QVERIFY(form.surface()->setDocumentHTML(QStringLiteral("<html><body><p>unsaved</p></body></html>")));
        CountingWindow other;
        other.show();

        scene.app.boxes.answers << MessageBoxes::Answer::Cancel;
        QVERIFY(!form.close());
        QCOMPARE(scene.app.boxes.texts(), QStringList{SaveQuestion});
        QCOMPARE(scene.app.boxes.shown[0].title, QStringLiteral("保存"));
        QCOMPARE(scene.app.boxes.shown[0].buttons, MessageBoxes::Buttons::YesNoCancel);
        QCOMPARE(scene.app.boxes.shown[0].icon, MessageBoxes::Icon::Question);
        QCOMPARE(scene.present(), ExitScene::afterExit());
        QCOMPARE(other.closes, 0);

        // Yes with the Save As dialog cancelled: nothing lost, the program stays.
        scene.app.boxes.shown.clear();
        scene.app.boxes.answers << MessageBoxes::Answer::Yes;
        QVERIFY(!form.close());
        QCOMPARE(scene.app.boxes.texts(), QStringList{SaveQuestion});
        QVERIFY(form.isVisible());
        QCOMPARE(form.surface()->DocumentHTML(), QStringLiteral("<HTML><HEAD></HEAD><BODY><P>unsaved</P></BODY></HTML>"));

        // Yes with a save that fails: told, and the program stays.
        UnprivilegedFiles::openToAll(scene.pagesDir.path());
        const QString locked = scene.pages.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(locked));
        UnprivilegedFiles::readOnly(locked);
        scene.app.boxes.shown.clear();
        scene.app.boxes.answers << MessageBoxes::Answer::Yes;
        scene.app.dialogs.fileNames << locked + QStringLiteral("/saved.htm");
        {
            UnprivilegedFiles asUser;
            QVERIFY(!form.close());
        }
        QCOMPARE(scene.app.boxes.shown.size(), 2);
        QVERIFY(scene.app.boxes.shown[1].text.startsWith(QStringLiteral("ファイルを保存できませんでした。\n") + locked + QStringLiteral("/saved.htm: ")));
        QVERIFY(form.isVisible());
        QCOMPARE(other.closes, 0);

        // Yes and saved: the program ends.
        const QString saved = scene.pages.filePath(QStringLiteral("saved.htm"));
        scene.app.boxes.shown.clear();
        scene.app.boxes.answers << MessageBoxes::Answer::Yes;
        scene.app.dialogs.fileNames << saved;
        QVERIFY(form.close());
        QCOMPARE(scene.app.boxes.texts(), (QStringList{SaveQuestion, QStringLiteral("保存しました。")}));
        QCOMPARE(readBytes(saved), QByteArray("<HTML><HEAD></HEAD><BODY><P>unsaved</P></BODY></HTML>\r\n"));
        QVERIFY(!form.isVisible());
        QCOMPARE(other.closes, 1);
        QCOMPARE(scene.present(), ExitScene::afterExit());
    }

    void closeBoxNo()
    {
        ExitScene scene;
        Form1 form(scene.app.context);
        form.show();
        scene.app.boxes.answers << MessageBoxes::Answer::No;
        QVERIFY(form.close());
        QCOMPARE(scene.app.boxes.texts(), QStringList{SaveQuestion});
        QCOMPARE(scene.present(), ExitScene::afterExit());
    }

    void undeletablePageAndEmptyFolder()
    {
        ExitScene scene;
        Form1 form(scene.app.context);
        form.show();
        // Everyone may change the program folder; the page's folder is read-only.
        QFile::setPermissions(scene.app.path(), QFile::Permissions(0x7777));
        UnprivilegedFiles::openToAll(scene.pagesDir.path());
        UnprivilegedFiles::readOnly(scene.pagesDir.path());
        scene.app.boxes.answers << MessageBoxes::Answer::No;
        {
            UnprivilegedFiles asUser;
            QVERIFY(form.close());
        }
        // The exit went on; what could not be removed is left.
        QCOMPARE(scene.present(), (QStringList{QStringLiteral("program/scriptTemp.htm"), QStringLiteral("program/BrowseTemp.htm"),
                                               QStringLiteral("program/MivoTemp.htm"), QStringLiteral("pages/tvlTemp.htm"),
                                               QStringLiteral("pages/tvlTemp1.htm"), QStringLiteral("pages/page.htm")}));
        UnprivilegedFiles::openToAll(scene.pagesDir.path());
        QCOMPARE(scene.app.boxes.texts(), QStringList{SaveQuestion});

        // With no page folder only the program folder is cleaned.
        writeBytes(scene.app.file(QStringLiteral("tvlTemp.htm")), "temp");
        scene.app.shared().DocumentFolder.clear();
        QCOMPARE(TemporaryPages::removeAll(scene.app.context), QStringList());
        QVERIFY(!QFile::exists(scene.app.file(QStringLiteral("tvlTemp.htm"))));
        QVERIFY(QFile::exists(scene.pages.filePath(QStringLiteral("tvlTemp.htm"))));
    }
};

TOVALEAF_TEST_MAIN(TestProgramExit)
#include "tst_programexit.moc"
