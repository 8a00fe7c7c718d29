#pragma once

#include <QString>
#include <QVariant>

#include <array>

// Codes of EffectKind: what is pending, or how the page came into the editor.
namespace Effect {
constexpr qint16 Nothing = 0;
constexpr qint16 RevealText = 10;
constexpr qint16 RevealImage = 20;
constexpr qint16 ShadowText = 30;
constexpr qint16 WaveText = 40;
constexpr qint16 BurningText = 50;
constexpr qint16 VanishingText = 60;
constexpr qint16 ColorChangeText = 70;
constexpr qint16 BlendFilter = 80;
constexpr qint16 RedirectFilter = 90;
constexpr qint16 Clock = 100;
constexpr qint16 Typewriter = 110;
constexpr qint16 MovingImage = 120;
constexpr qint16 DialogBox = 130;
constexpr qint16 FullScreen = 140;
constexpr qint16 Marquee = 200;
constexpr qint16 FloatingFrame = 250;
constexpr qint16 FileScreenOpened = 300;
constexpr qint16 NewPage = 500;
constexpr qint16 VanishingTextWithoutScript = 777;
} // namespace Effect

// The program's shared variables: the one channel from the dialogs to the main
// window. A dialog writes its results here on OK, then calls the main window.
// The run's one set lives in its AppContext.
struct Module1
{
    QString SnippetHtml;
    QString ScriptBlock;
    qint16 EffectKind = Effect::Nothing;
    QVariant EffectElementId = QString();
    QString DocumentFolder;
    qint16 TemplateFileNo = 0;
    QVariant TableRows = QString();
    QVariant TableCols = QString();
    QVariant TableAttrs = QString();
    QString TableCellAttrs;
    QString TableCaption;
    QString BodyBackgroundTag;
    QString BackgroundFixedAttr;
    qint16 RevealTransitionNo = 0;
    QVariant RevealBackColor = QString();
    QString RevealTextAlign;
    QString EffectImageFile;
    QString EffectImageAlt;
    QString EffectImageTransition;
    QString BlendImage1;
    QString BlendImage2;
    QString ButtonColor1;
    QString ButtonColor2;
    std::array<QString, 11> ButtonLinks;
    std::array<QString, 11> ButtonTags;
    QString ButtonEventName;
    QString ButtonTitle;
    QString ButtonJumpTarget;
    QString ButtonMessage;
    QVariant FrameBorder = QString();
    QVariant RuleWidth = QString();
    QVariant RuleSize = QString();
    QString RuleShade;
    QString RuleColor;
    QString TypewriterText;
    qint16 MovingPathKind = 0;
    QString DialogBoxFile;
    QString FindText;
    QString ReplaceText;
    // Where the file screen was left and the file type it showed, for its next opening in the run.
    QString FileScreenFolder;
    QString FileScreenType;
};
