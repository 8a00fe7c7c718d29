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
    case 7: surface->ExecCommand(5049, 1); break;
    case 8: surface->ExecCommand(5035, 1); break;
    case 10: m_form->menus().item(QStringLiteral("sourcehyouji"))->trigger(); break;
    case 11: surface->ExecCommand(5008, 0); break;
    case 13: surface->ExecCommand(5051, 0); break;
    case 14: surface->ExecCommand(5030, 0); break;
    case 16: surface->ExecCommand(5028, 1); break;
    case 17: surface->ExecCommand(5039, 2); break;
    case 18: surface->ExecCommand(5038, 2); break;
    case 20: surface->ExecCommand(5009, 0); break;
    case 21: surface->ExecCommand(5034, 2); break;
    case 23: m_commands->mivolinkok_Click(); break;
    case 24: editing.run(QStringLiteral("mivolinkdel")); break;
    default: break;
    }
}
