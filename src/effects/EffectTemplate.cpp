#include "EffectTemplate.h"

#include "platform/FileAccess.h"
#include "platform/FileChannel.h"
#include "platform/Module1.h"
#include "platform/PageEncoding.h"


const QString EffectTemplate::BlockStart = QStringLiteral("<SCRIPT TYPE =text/vbscript>");
const QString EffectTemplate::BlockEnd = QStringLiteral("</SCRIPT>");
const QString EffectTemplate::LoadHandlerCall = QStringLiteral("window_onload()");

namespace {
const QString ReloadButton = QStringLiteral("<INPUT TYPE='button' VALUE='Reload'LANGUAGE='VBScript' onclick='window_onload()'>");
const QString StopButton = QStringLiteral("<INPUT TYPE='button' NAME='jikann' VALUE='STOP'LANGUAGE='VBScript' onclick='gostop()'>");
} // namespace

QString EffectTemplate::fileName(qint16 code)
{
    switch (code) {
    case Effect::RevealText:
        return QStringLiteral("\\vbscript.mivo");
    case Effect::RevealImage:
        return QStringLiteral("\\image_vbscript.mivo");
    case Effect::ShadowText:
        return QStringLiteral("\\shadow.vs");
    case Effect::WaveText:
        return QStringLiteral("\\wave.vs");
    case Effect::BurningText:
        return QStringLiteral("\\glow.vs");
    case Effect::VanishingText:
        return QStringLiteral("\\alpha.vs");
    case Effect::ColorChangeText:
        return QStringLiteral("\\moji_colorChange.vs");
    case Effect::BlendFilter:
        return QStringLiteral("\\blendfilter.vs");
    case Effect::RedirectFilter:
        return QStringLiteral("\\redirect.vs");
    case Effect::Clock:
        return QStringLiteral("\\time.vs");
    case Effect::Typewriter:
        return QStringLiteral("\\typewriter.vs");
    default:
        return QString();
    }
}

bool EffectTemplate::read(const QString &path, QString *text, QString *error)
{
    QByteArray bytes;
    const FileAccess::Result read = FileAccess::read(path, &bytes);
    if (!read) {
        *error = FileAccess::reason(read.error, FileAccess::Access::Read);
        return false;
    }
    *text = FileChannel::withCrLfLines(PageEncoding::decode(bytes, PageEncoding::Cp932));
    return true;
}

QString EffectTemplate::substitute(qint16 code, QString text, const Module1 &values)
{
    switch (code) {
    case Effect::ShadowText:
    case Effect::WaveText:
    case Effect::BurningText:
    case Effect::VanishingText:
        text.replace(QStringLiteral("[MIVO ID]"), values.EffectElementId.toString());
        break;
    case Effect::ColorChangeText:
        text.replace(QStringLiteral("[color1]"), values.ButtonColor1);
        text.replace(QStringLiteral("[color2]"), values.ButtonColor2);
        for (int i = 0; i <= 9; ++i)
            text.replace(QStringLiteral("[LINK%1]").arg(i), values.ButtonLinks[i]);
        break;
    case Effect::BlendFilter:
        text.replace(QStringLiteral("[IMGID]"), values.EffectElementId.toString());
        text.replace(QStringLiteral("[GAZOU1]"), values.BlendImage1);
        text.replace(QStringLiteral("[GAZOU2]"), values.BlendImage2);
        break;
    case Effect::Typewriter:
        // The text stands inside a string of the script; a quote the user typed
        // would end that string and stop the page.
        text.replace(QStringLiteral("[naiyou]"), QString(values.TypewriterText).replace(u'"', QStringLiteral("\"\"")));
        break;
    default:
        break;
    }
    return text;
}

QString EffectTemplate::controlMarkup(qint16 code)
{
    switch (code) {
    case Effect::RevealText:
    case Effect::RevealImage:
    case Effect::ShadowText:
    case Effect::WaveText:
    case Effect::BurningText:
    case Effect::VanishingText:
    case Effect::BlendFilter:
    case Effect::RedirectFilter:
        return ReloadButton;
    case Effect::ColorChangeText:
        return QStringLiteral("<INPUT TYPE='text'value='ﾃｷｽﾄﾎﾞｯｸｽ'>") + QChar(13);
    case Effect::Clock:
        return QStringLiteral("<DIV ID='TimeArea' style='background-color:silver;width:20%;text-align:center;"
                              "font-family:arial black;font-size:14pt;color:blue'></DIV>")
               + StopButton;
    case Effect::Typewriter:
        return QStringLiteral("<Textarea ID='typetext' cols='50' rows='6' style='background-color:gold;color:navy;"
                              "font-size:11pt'></Textarea>")
               + StopButton;
    case Effect::DialogBox:
        return QStringLiteral("<INPUT TYPE='button' VALUE='Open'LANGUAGE='VBScript' onclick='mivo_open()'>");
    case Effect::FullScreen:
        return QStringLiteral("<INPUT TYPE='button' VALUE='全画面表示実行'LANGUAGE='VBScript' onclick='go()'>");
    case Effect::Marquee:
        return QStringLiteral("<INPUT TYPE='button' VALUE='確認'LANGUAGE='VBScript' onclick=alert('実行中！')>");
    default:
        return QString();
    }
}

QString EffectTemplate::scriptBlock(const QString &text)
{
    return BlockStart + text + BlockEnd;
}

bool EffectTemplate::refusesPageWithLoadHandler(qint16 code)
{
    return code == Effect::ShadowText || code == Effect::WaveText || code == Effect::BurningText
           || code == Effect::VanishingText;
}
