#include "EffectDispatcher.h"

#include "EffectCatalogue.h"
#include "platform/AppContext.h"
#include "platform/DhtmlEdit.h"
#include "platform/FileAccess.h"
#include "platform/MainOperations.h"
#include "platform/MessageBoxes.h"
#include "platform/TextWindow.h"

#include <cerrno>

const QString EffectDispatcher::SecondScriptRefusal = QStringLiteral("既にVbscriptコードが記述されています。");
const QString EffectDispatcher::NotesFileName = QStringLiteral("\\attension.txt");

void EffectDispatcher::registerDialog(qint16 code, DialogOpener opener)
{
    m_dialogs.insert(code, std::move(opener));
}

void EffectDispatcher::Combo2_Click(const QString &chosenText)
{
    Module1 &shared = m_owner.app.shared;
    shared.EffectKind = Effect::Nothing;
    m_Text1 = m_owner.surface->DocumentHTML();
    if (m_Text1.isNull()) {
        refuseUnreadablePage();
        return;
    }
    if (EffectCatalogue::holdsScript(m_Text1)) {
        m_owner.app.boxes.say(SecondScriptRefusal);
        return;
    }
    const std::optional<EffectCatalogue::Entry> entry = EffectCatalogue::find(chosenText);
    if (!entry)
        return;
    shared.EffectKind = entry->code;
    switch (entry->action) {
    case EffectCatalogue::Action::ShowNotes:
        ShowEffectNotes();
        break;
    case EffectCatalogue::Action::ApplyClock:
        shared.SnippetHtml.clear();
        m_owner.main.goscript();
        break;
    case EffectCatalogue::Action::OpenDialog:
        if (entry->code == Effect::RevealText || entry->code == Effect::RevealImage)
            CheckScriptThenOpen(entry->code);
        else
            openDialog(entry->code);
        break;
    }
}

void EffectDispatcher::CheckScriptThenOpen(qint16 code)
{
    m_Text6 = m_owner.surface->DocumentHTML();
    if (m_Text6.isNull()) {
        refuseUnreadablePage();
        return;
    }
    if (EffectCatalogue::holdsScript(m_Text6)) {
        m_owner.app.shared.EffectKind = Effect::Nothing;
        m_owner.app.boxes.say(SecondScriptRefusal);
        return;
    }
    openDialog(code);
}

// Whether the page already holds a script cannot be known: nothing is added.
void EffectDispatcher::refuseUnreadablePage()
{
    m_owner.app.shared.EffectKind = Effect::Nothing;
    m_owner.app.boxes.say(QStringLiteral("ページの内容を読み取れないため、効果を追加できません。\n%1").arg(m_owner.surface->lastError()));
}

void EffectDispatcher::openDialog(qint16 code)
{
    const auto opener = m_dialogs.constFind(code);
    if (opener != m_dialogs.constEnd())
        (*opener)(m_owner);
}

void EffectDispatcher::ShowEffectNotes()
{
    const QString path = m_owner.app.folder.file(NotesFileName);
    // Shown by the program itself: the notes quote a script tag, and a desktop that
    // looks into the file takes it for a page.
    int error = 0;
    if (TextWindow::showFile(path, m_owner.window, &error))
        return;
    m_owner.app.boxes.say(error == ENOENT ? QStringLiteral("説明のファイルが見つかりません: %1").arg(path)
                                          : QStringLiteral("説明のファイルを開けません: %1: %2").arg(path, FileAccess::reason(error, FileAccess::Access::Read)));
}
