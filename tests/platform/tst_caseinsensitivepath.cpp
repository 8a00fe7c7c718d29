#include "support/TestSupport.h"

#include "platform/CaseInsensitivePath.h"

#include <QDir>
#include <QTemporaryDir>

using namespace TestSupport;

// Files named in other letter case, found on a folder of the disk.
class TestCaseInsensitivePath : public QObject
{
    Q_OBJECT

private slots:
    void findsTheOneFileThatDiffersOnlyInCase()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString root = dir.path();
        QVERIFY(QDir(root).mkpath(QStringLiteral("Images/Icons")));
        QVERIFY(QDir(root).mkpath(QStringLiteral("behavior.htc")));
        for (const char *name : {"Shared.js", "Images/Logo.GIF", "Images/Icons/Star.png", "a.txt", "A.TXT", "exact.css", "EXACT.CSS"})
            writeBytes(root + QLatin1Char('/') + QLatin1String(name), "x");

        // The path as written, when it names a file.
        QCOMPARE(CaseInsensitivePath::find(root + QStringLiteral("/Shared.js")), root + QStringLiteral("/Shared.js"));
        QCOMPARE(CaseInsensitivePath::find(root + QStringLiteral("/exact.css")), root + QStringLiteral("/exact.css"));
        // Otherwise the one file that matches, folders included.
        QCOMPARE(CaseInsensitivePath::find(root + QStringLiteral("/shared.js")), root + QStringLiteral("/Shared.js"));
        QCOMPARE(CaseInsensitivePath::find(root + QStringLiteral("/SHARED.JS")), root + QStringLiteral("/Shared.js"));
        QCOMPARE(CaseInsensitivePath::find(root + QStringLiteral("/images/logo.gif")), root + QStringLiteral("/Images/Logo.GIF"));
        QCOMPARE(CaseInsensitivePath::find(root + QStringLiteral("/IMAGES/icons/STAR.PNG")), root + QStringLiteral("/Images/Icons/Star.png"));
        QCOMPARE(CaseInsensitivePath::find(root + QStringLiteral("/images/./icons/../Logo.gif")), root + QStringLiteral("/Images/Logo.GIF"));
        // Two files that differ only in case: neither is meant more than the other.
        QCOMPARE(CaseInsensitivePath::find(root + QStringLiteral("/A.txt")), QString());
        QCOMPARE(CaseInsensitivePath::find(root + QStringLiteral("/Exact.css")), QString());
        // Nothing, or a folder, is no file.
        QCOMPARE(CaseInsensitivePath::find(root + QStringLiteral("/missing.js")), QString());
        QCOMPARE(CaseInsensitivePath::find(root + QStringLiteral("/nofolder/shared.js")), QString());
        QCOMPARE(CaseInsensitivePath::find(root + QStringLiteral("/Behavior.HTC")), QString());
        QCOMPARE(CaseInsensitivePath::find(root + QStringLiteral("/images")), QString());
        QCOMPARE(CaseInsensitivePath::find(QString()), QString());
    }
};

QTEST_APPLESS_MAIN(TestCaseInsensitivePath)
#include "tst_caseinsensitivepath.moc"
