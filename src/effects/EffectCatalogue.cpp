#include "EffectCatalogue.h"

#include "platform/Module1.h"

const QString EffectCatalogue::ScriptMarker = QStringLiteral("<SCRIPT type");

const QList<EffectCatalogue::Entry> &EffectCatalogue::entries()
{
    static const QList<Entry> all = {
        {QStringLiteral("初めにお読み下さい。"), Effect::Nothing, Action::ShowNotes},
        {QStringLiteral("RevealTransition(Text)"), Effect::RevealText, Action::OpenDialog},
        {QStringLiteral("RevealTransition(Image)"), Effect::RevealImage, Action::OpenDialog},
        {QStringLiteral("BlendFilter"), Effect::BlendFilter, Action::OpenDialog},
        {QStringLiteral("移動する画像"), Effect::MovingImage, Action::OpenDialog},
        {QStringLiteral("時刻表示"), Effect::Clock, Action::ApplyClock},
        {QStringLiteral("ﾀｲﾌﾟﾗｲﾀ風な文字"), Effect::Typewriter, Action::OpenDialog},
        {QStringLiteral("影付き文字"), Effect::ShadowText, Action::OpenDialog},
        {QStringLiteral("波文字"), Effect::WaveText, Action::OpenDialog},
        {QStringLiteral("燃える文字"), Effect::BurningText, Action::OpenDialog},
        {QStringLiteral("消える文字"), Effect::VanishingText, Action::OpenDialog},
        {QStringLiteral("ﾏｳｽで色が変わる文字"), Effect::ColorChangeText, Action::OpenDialog},
        {QStringLiteral("Dialog Box"), Effect::DialogBox, Action::OpenDialog},
        {QStringLiteral("全画面表示"), Effect::FullScreen, Action::OpenDialog},
        {QStringLiteral("Redirect Filter(IE5.0)"), Effect::RedirectFilter, Action::OpenDialog},
    };
    return all;
}

QStringList EffectCatalogue::listTexts()
{
    QStringList texts;
    for (const Entry &entry : entries())
        texts << entry.text;
    return texts;
}

std::optional<EffectCatalogue::Entry> EffectCatalogue::find(const QString &text)
{
    for (const Entry &entry : entries())
        if (entry.text == text)
            return entry;
    return std::nullopt;
}

bool EffectCatalogue::holdsScript(const QString &pageHtml)
{
    return pageHtml.contains(ScriptMarker, Qt::CaseSensitive);
}
