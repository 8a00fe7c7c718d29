#include "EditorEvents.h"

#include "ContextMenu.h"
#include "DisplayRule.h"
#include "Form1.h"
#include "commands/MenuBar.h"
#include "commands/MenuCommands.h"
#include "platform/DhtmlEdit.h"
#include "platform/Module1.h"
#include "platform/TextBuffer.h"

#include <QAction>

EditorEvents::EditorEvents(Form1 *form, MenuCommands *commands, const Module1 &shared)
    : m_form(form), m_commands(commands), m_shared(shared)
{
    DhtmlEdit *surface = form->surface();
    QObject::connect(surface, &DhtmlEdit::DisplayChanged, form, [this] { DisplayChanged(); });
    QObject::connect(surface, &DhtmlEdit::ShowContextMenu, form, [this](int, int) { BuildContextMenu(); });
    QObject::connect(surface, &DhtmlEdit::ContextMenuAction, form, [this](int index) { ContextMenuAction(index); });
}

void EditorEvents::DisplayChanged()
{
    DhtmlEdit *surface = m_form->surface();
    surface->setKeepForeignStyles(true);
    const int tagAt = DisplayRule::tagPosition(m_form->richTextBox(1)->text(), m_shared.BodyBackgroundTag);
    const DisplayRule::Outcome outcome =
        DisplayRule::decide([surface](int command) { return surface->QueryStatus(command); }, tagAt, surface->BrowseMode());
    for (const auto &[item, on] : outcome.items)
        m_form->menus().item(item)->setEnabled(on);
    m_form->holdListsForPosition(!outcome.listsEnabled);
}

void EditorEvents::SourceCopyChanged()
{
    const int tagAt = DisplayRule::tagPosition(m_form->richTextBox(1)->text(), m_shared.BodyBackgroundTag);
    const bool pictured = DisplayRule::pictureSet(tagAt);
    m_form->menus().item(QStringLiteral("haikeisettei"))->setEnabled(!pictured);
    m_form->menus().item(QStringLiteral("deletehaikei"))->setEnabled(pictured);
}

void EditorEvents::BuildContextMenu()
{
    DhtmlEdit *surface = m_form->surface();
    // The right click may just have moved the selection: ask the page now.
    surface->refreshCommandStates();
    const QList<int> states =
        ContextMenu::states([surface](int command) { return surface->QueryStatus(command); }, surface->BrowseMode());
    surface->SetContextMenu(ContextMenu::texts(), states);
}

void EditorEvents::ContextMenuAction(int itemIndex)
{
    DhtmlEdit *surface = m_form->surface();
    EditingCommands &editing = m_commands->editing();
    // Errors of the commands are ignored, as the menu bar's are.
    switch (itemIndex) {
    case 0: editing.run(QStringLiteral("mivocopy")); break;
    case 1: editing.run(QStringLiteral("mivocut")); break;
    case 2: editing.run(QStringLiteral("mivopaste")); break;
    case 4: m_form->Command3_Click(); break;
    case 5: m_form->Command4_Click(); break;
    case 7: surface->ExecCommand(DECMD_UNDO, OLECMDEXECOPT_PROMPTUSER); break;
    case 8: surface->ExecCommand(DECMD_SELECTALL, OLECMDEXECOPT_PROMPTUSER); break;
    case 10: m_form->menus().item(QStringLiteral("sourcehyouji"))->trigger(); break;
    case 11: surface->ExecCommand(DECMD_FINDTEXT, OLECMDEXECOPT_DODEFAULT); break;
    case 13: surface->ExecCommand(DECMD_UNORDERLIST, OLECMDEXECOPT_DODEFAULT); break;
    case 14: surface->ExecCommand(DECMD_ORDERLIST, OLECMDEXECOPT_DODEFAULT); break;
    case 16: surface->ExecCommand(DECMD_MAKE_ABSOLUTE, OLECMDEXECOPT_PROMPTUSER); break;
    case 17: surface->ExecCommand(DECMD_BRING_ABOVE_TEXT, OLECMDEXECOPT_DONTPROMPTUSER); break;
    case 18: surface->ExecCommand(DECMD_SEND_BELOW_TEXT, OLECMDEXECOPT_DONTPROMPTUSER); break;
    case 20: surface->ExecCommand(DECMD_FONT, OLECMDEXECOPT_DODEFAULT); break;
    case 21: surface->ExecCommand(DECMD_REMOVEFORMAT, OLECMDEXECOPT_DONTPROMPTUSER); break;
    case 23: m_commands->mivolinkok_Click(); break;
    case 24: editing.run(QStringLiteral("mivolinkdel")); break;
    default: break;
    }
}
