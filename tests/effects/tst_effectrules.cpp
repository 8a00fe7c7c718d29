#include "effects/EffectCatalogue.h"
#include "effects/EffectTemplate.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Installed = QStringLiteral(TOVALEAF_DATA_DIR);

// The installed template of an effect, read as the program reads it.
QString installedTemplate(qint16 code)
{
    QString text;
    QString error;
    const QString name = EffectTemplate::fileName(code);
    if (name.isEmpty() || !EffectTemplate::read(Installed + QString(name).replace(QLatin1Char('\\'), QLatin1Char('/')), &text, &error))
        return QStringLiteral("<unreadable %1: %2>").arg(name, error);
    return text;
}

QStringList captures(const QString &text, const QString &pattern)
{
    QStringList out;
    for (const QRegularExpressionMatch &m : QRegularExpression(pattern).globalMatch(text))
        out << m.captured(1);
    return out;
}

} // namespace

// The effects' rules, without a page: which entry of the list is which, and an
// effect's script made from its template (reading, the placeholders, the
// controls pasted before it, the templates as installed).
class TestEffectRules : public QObject
{
    Q_OBJECT

private slots:
    void listEntries()
    {
        // Each text finds its own entry, and no two entries share a code.
        QSet<qint16> codes;
        for (const EffectCatalogue::Entry &entry : EffectCatalogue::entries()) {
            const std::optional<EffectCatalogue::Entry> found = EffectCatalogue::find(entry.text);
            QVERIFY2(found && found->code == entry.code, qPrintable(entry.text));
            codes << entry.code;
        }
        QCOMPARE(codes.size(), EffectCatalogue::entries().size());
        QCOMPARE(EffectCatalogue::listTexts().size(), EffectCatalogue::entries().size());
        // Exact texts: the full-width or lower-case forms, the prompt, are no entries.
        QCOMPARE(EffectCatalogue::find(QStringLiteral("ﾀｲﾌﾟﾗｲﾀ風な文字"))->code, Effect::Typewriter);
        QVERIFY(!EffectCatalogue::find(QStringLiteral("タイプライタ風な文字")));
        QCOMPARE(EffectCatalogue::find(QStringLiteral("Dialog Box"))->code, Effect::DialogBox);
        QVERIFY(!EffectCatalogue::find(QStringLiteral("dialog box")));
        QVERIFY(!EffectCatalogue::find(QStringLiteral("DynamicHtml")));
        QVERIFY(!EffectCatalogue::find(QString()));
        // A page carries a script when it holds the program's own kind of script block.
        QVERIFY(EffectCatalogue::holdsScript(QStringLiteral("<P>a</P><SCRIPT type=text/vbscript></SCRIPT>")));
        QVERIFY(!EffectCatalogue::holdsScript(QStringLiteral("<SCRIPT language=vbscript></SCRIPT><script type=x>")));
    }

    void reading()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.vs"));
        QString text;
        QString error;
        // Lines end in CR LF, the last one too, whatever the file used; CP932 text is read as such.
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("a\nb\r") + PageEncoding::encode(QStringLiteral("波"), PageEncoding::Cp932) + "\r\nlast");
        file.close();
        QVERIFY(EffectTemplate::read(path, &text, &error));
        QCOMPARE(text, QStringLiteral("a\r\nb\r\n波\r\nlast\r\n"));

        // An empty template gives an empty block.
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.close();
        QVERIFY(EffectTemplate::read(path, &text, &error));
        QCOMPARE(EffectTemplate::scriptBlock(text), QStringLiteral("<SCRIPT TYPE =text/vbscript></SCRIPT>"));

        // A missing one says why.
        QVERIFY(!EffectTemplate::read(dir.filePath(QStringLiteral("none.vs")), &text, &error));
        QCOMPARE(error, QStringLiteral("ファイルが見つかりません"));
    }

    void placeholders()
    {
        Module1 values;
        // Every occurrence of the element's id, for the four filtered texts alone; exact case only.
        values.EffectElementId = QStringLiteral("MIVO45");
        for (qint16 code : {Effect::ShadowText, Effect::WaveText, Effect::BurningText, Effect::VanishingText})
            QCOMPARE(EffectTemplate::substitute(code, QStringLiteral("a [MIVO ID]\r\nb [MIVO ID][MIVO ID] [mivo id] [LINK0]"), values),
                     QStringLiteral("a MIVO45\r\nb MIVO45MIVO45 [mivo id] [LINK0]"));
        QCOMPARE(EffectTemplate::substitute(Effect::RevealText, QStringLiteral("[MIVO ID]"), values), QStringLiteral("[MIVO ID]"));

        // The colour change: [color2] goes in before the links are filled, so its value's token
        // is filled too; an eleventh link token stays.
        values.ButtonColor1 = QStringLiteral("red");
        values.ButtonColor2 = QStringLiteral("[LINK0]");
        values.ButtonLinks[0] = QStringLiteral("a.htm");
        values.ButtonLinks[9] = QStringLiteral("j.htm");
        values.ButtonLinks[10] = QStringLiteral("never.htm");
        QCOMPARE(EffectTemplate::substitute(Effect::ColorChangeText,
                                            QStringLiteral("[color1]/[color2]/[LINK0][LINK9]/[LINK10]/[MIVO ID]/[color1]"), values),
                 QStringLiteral("red/a.htm/a.htmj.htm/[LINK10]/[MIVO ID]/red"));

        // The typewriter's text stands in a string of the script: its quotes are doubled.
        QCOMPARE(EffectTemplate::substitute(Effect::Typewriter, QStringLiteral("[naiyou][naiyou]"), values), QString());
        values.TypewriterText = QStringLiteral("abc");
        QCOMPARE(EffectTemplate::substitute(Effect::Typewriter, QStringLiteral("[naiyou]-[naiyou]"), values), QStringLiteral("abc-abc"));
        values.TypewriterText = QStringLiteral("say \"hi\"");
        QCOMPARE(EffectTemplate::substitute(Effect::Typewriter, QStringLiteral("x = \"[naiyou]\""), values),
                 QStringLiteral("x = \"say \"\"hi\"\"\""));

        values.EffectElementId = QStringLiteral("img1");
        values.BlendImage1 = QStringLiteral("1.gif");
        values.BlendImage2 = QStringLiteral("2.gif");
        QCOMPARE(EffectTemplate::substitute(Effect::BlendFilter, QStringLiteral("[IMGID] [GAZOU1] [GAZOU2] [MIVO ID]"), values),
                 QStringLiteral("img1 1.gif 2.gif [MIVO ID]"));
    }

    void installedTemplatesProvideWhatTheControlsCall()
    {
        QStringList notCp932Lines;
        const auto read = [&](const char *name) {
            QFile file(Installed + QLatin1Char('/') + QLatin1String(name));
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            const QString text = PageEncoding::decode(bytes, PageEncoding::Cp932);
            // Plain CP932, each line ended by CR LF.
            if (PageEncoding::encode(text, PageEncoding::Cp932) != bytes || !bytes.endsWith("\r\n")
                || bytes.count("\n") != bytes.count("\r\n"))
                notCp932Lines << QLatin1String(name);
            return text;
        };
        for (const char *name : {"shadow.vs", "wave.vs", "glow.vs", "alpha.vs"}) {
            const QString text = read(name);
            QVERIFY2(text.contains(QStringLiteral("Sub window_onload()")), name);
            QVERIFY2(text.contains(QStringLiteral("document.all(\"[MIVO ID]\")")), name);
            QVERIFY2(!text.contains(QStringLiteral("</SCRIPT>"), Qt::CaseInsensitive), name);
        }
        QVERIFY(read("shadow.vs").contains(QStringLiteral(".filters.item(\"Shadow\").direction")));
        QVERIFY(read("wave.vs").contains(QStringLiteral(".filters.item(\"Wave\")")));
        QVERIFY(read("glow.vs").contains(QStringLiteral(".filters.item(\"Glow\")")));
        QVERIFY(read("alpha.vs").contains(QStringLiteral(".filters.item(\"Alpha\")")));
        const QString clock = read("time.vs");
        QVERIFY(clock.contains(QStringLiteral("Sub gostop()")));
        QVERIFY(clock.contains(QStringLiteral("document.all(\"TimeArea\")")));
        const QString buttons = read("moji_colorChange.vs");
        for (const char *needed : {"Sub go_in(n)", "Sub go_out(n)", "Sub go_link(n)", "\"[color1]\"", "\"[color2]\"", "\"MIVO\" & n"})
            QVERIFY2(buttons.contains(QLatin1String(needed)), needed);
        for (int i = 0; i <= 9; ++i)
            QVERIFY(buttons.contains(QStringLiteral("\"[LINK%1]\"").arg(i)));
        QCOMPARE(notCp932Lines, QStringList());
        QFile notesFile(Installed + QStringLiteral("/attension.txt"));
        QVERIFY(notesFile.open(QIODevice::ReadOnly));
        const QString notes = QString::fromUtf8(notesFile.readAll());
        for (const char *topic : {"一つだけ", "ソースの表示", "実行モード", "「既にVbscriptコードが記述されています。」"})
            QVERIFY2(notes.contains(QString::fromUtf8(topic)), topic);
    }

    // Each effect's installed template is the script of that effect, and what its
    // controls call and name is there: a button that calls nothing would do nothing.
    void templatesServeTheirControls()
    {
        const QList<QPair<qint16, QString>> scriptOf = {
            {Effect::RevealText, QStringLiteral("document.all(\"mivo\")")},
            {Effect::RevealImage, QStringLiteral("document.all(\"mivoimage\")")},
            {Effect::ShadowText, QStringLiteral(".filters.item(\"Shadow\")")},
            {Effect::WaveText, QStringLiteral(".filters.item(\"Wave\")")},
            {Effect::BurningText, QStringLiteral(".filters.item(\"Glow\")")},
            {Effect::VanishingText, QStringLiteral(".filters.item(\"Alpha\")")},
            {Effect::ColorChangeText, QStringLiteral("\"[color1]\"")},
            {Effect::BlendFilter, QStringLiteral("picture.src = \"[GAZOU2]\"")},
            {Effect::RedirectFilter, QStringLiteral("DA_mivo.Start")},
            {Effect::Clock, QStringLiteral("FormatDateTime(Now")},
            {Effect::Typewriter, QStringLiteral("mivoTypeText = \"[naiyou]\"")},
        };
        QSet<QString> files;
        for (const auto &[code, mark] : scriptOf) {
            const QString script = installedTemplate(code);
            QVERIFY2(script.contains(mark), qPrintable(QStringLiteral("%1: %2").arg(code).arg(script.left(80))));
            files << EffectTemplate::fileName(code);
            const QString controls = EffectTemplate::controlMarkup(code);
            for (const QString &called : captures(controls, QStringLiteral("onclick='(\\w+)\\(\\)'")))
                QVERIFY2(script.contains(QStringLiteral("Sub %1()").arg(called)), qPrintable(QStringLiteral("%1 calls %2").arg(code).arg(called)));
            for (const QString &id : captures(controls, QStringLiteral("ID='(\\w+)'")))
                QVERIFY2(script.contains(QStringLiteral("document.all(\"%1\")").arg(id)), qPrintable(QStringLiteral("%1 names %2").arg(code).arg(id)));
        }
        QCOMPARE(files.size(), scriptOf.size());
        // The filtered texts come back to their script with Reload, so they refuse a page that already has one.
        for (qint16 code : {Effect::ShadowText, Effect::WaveText, Effect::BurningText, Effect::VanishingText}) {
            QVERIFY(EffectTemplate::refusesPageWithLoadHandler(code));
            QVERIFY(EffectTemplate::controlMarkup(code).contains(EffectTemplate::LoadHandlerCall));
        }
        // Effects whose script is made by their dialog read no template.
        for (qint16 code : {Effect::Nothing, Effect::MovingImage, Effect::DialogBox, Effect::FullScreen, Effect::Marquee,
                            Effect::FloatingFrame, Effect::VanishingTextWithoutScript}) {
            QCOMPARE(EffectTemplate::fileName(code), QString());
            QVERIFY(!EffectTemplate::refusesPageWithLoadHandler(code));
        }
    }
};

QTEST_APPLESS_MAIN(TestEffectRules)
#include "tst_effectrules.moc"
