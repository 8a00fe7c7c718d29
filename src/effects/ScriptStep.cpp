#include "ScriptStep.h"

#include "EffectFiles.h"
#include "EffectTemplate.h"
#include "elements/SnippetInserter.h"
#include "platform/AppContext.h"
#include "platform/DhtmlEdit.h"
#include "platform/MessageBoxes.h"

const QString ScriptStep::RefusalText = QStringLiteral("スクリプトが記述されています。ｱｸｼｮﾝは追加できません！");
const QString ScriptStep::RunModeNotice = QStringLiteral("ブラウズモードで確認します！");
const QString ScriptStep::FullScreenNotice = QStringLiteral("「全画面実行」ボタンをクリックして下さい．");

void ScriptStep::goscript()
{
    Module1 &shared = m_app.shared;
    // The dialog box and full screen bring only their script, which goes in
    // once, behind their button.
    const bool scriptOnly = shared.EffectKind == Effect::DialogBox || shared.EffectKind == Effect::FullScreen;
    if (!scriptOnly && !m_snippets.paste(shared.SnippetHtml))
        return;
    Command5_Click();
}

void ScriptStep::Command5_Click()
{
    Module1 &shared = m_app.shared;
    const qint16 code = shared.EffectKind;
    if (code == Effect::DialogBox || code == Effect::FullScreen || code == Effect::Marquee) {
        AddEffectControls();
        return;
    }
    const QString name = EffectTemplate::fileName(code);
    if (name.isEmpty())
        return;

    const std::optional<QString> text = EffectFiles::loadTemplate(m_app, name);
    if (!text)
        return;
    m_Text5 = *text;

    if (EffectTemplate::refusesPageWithLoadHandler(code)) {
        m_Text1 = m_surface->DocumentHTML();
        if (m_Text1.isNull()) {
            m_app.boxes.say(QStringLiteral("ページの内容を読み取れないため、スクリプトを追加しませんでした。\n%1")
                                  .arg(m_surface->lastError()));
            shared.EffectKind = Effect::Nothing;
            return;
        }
        if (m_Text1.contains(EffectTemplate::LoadHandlerCall)) {
            m_app.boxes.say(RefusalText);
            shared.EffectKind = Effect::Nothing;
            m_Text1.clear();
            return;
        }
    }

    m_Text5 = EffectTemplate::substitute(code, m_Text5, shared);
    shared.ScriptBlock = EffectTemplate::scriptBlock(m_Text5);
    shared.SnippetHtml = shared.ScriptBlock;
    AddEffectControls();
}

void ScriptStep::AddEffectControls()
{
    const Module1 &shared = m_app.shared;
    if (!m_snippets.paste(EffectTemplate::controlMarkup(shared.EffectKind) + shared.SnippetHtml))
        return;
    EnterRunMode();
}

void ScriptStep::EnterRunMode()
{
    if (!m_snippets.reloadViaTempPage(m_app.folder.tempFile(SnippetInserter::TempPageName)))
        return;
    m_app.boxes.say(RunModeNotice);
    if (!m_surface->setBrowseMode(true)) {
        m_app.boxes.say(QStringLiteral("実行モードに切り替えられませんでした: %1").arg(m_surface->lastError()));
        return;
    }
    if (m_app.shared.EffectKind == Effect::FullScreen)
        m_app.boxes.say(FullScreenNotice);
}
