#include "MenuCommands.h"

#include "BackgroundPicture.h"
#include "Form19.h"
#include "Form2.h"
#include "Form4.h"
#include "Form8.h"
#include "MenuBar.h"

#include <QAction>

MenuCommands::MenuCommands(const DialogOwner &owner, MenuBar &menus, TextBuffer *sourceCopy)
    : m_owner(owner), m_menus(menus), m_sourceCopy(sourceCopy), m_editing(owner.surface, owner.commonDialog)
{
    for (const EditingCommands::Row &row : EditingCommands::table()) {
        const QString item = QString::fromLatin1(row.item);
        QObject::connect(m_menus.item(item), &QAction::triggered, m_owner.window, [this, item] { m_editing.run(item); });
    }
    connectItem("mivomake_hyou", &MenuCommands::mivomake_hyou_Click);
    connectItem("mivolinkok", &MenuCommands::mivolinkok_Click);
    connectItem("haikei_iro", &MenuCommands::haikei_iro_Click);
    connectItem("haikeisettei", &MenuCommands::haikeisettei_Click);
    connectItem("deletehaikei", &MenuCommands::deletehaikei_Click);
}

void MenuCommands::connectItem(const char *name, void (MenuCommands::*handler)())
{
    QObject::connect(m_menus.item(QString::fromLatin1(name)), &QAction::triggered, m_owner.window,
                     [this, handler] { (this->*handler)(); });
}

void MenuCommands::mivomake_hyou_Click()
{
    // A fresh dialog shows the two initial attribute texts every time.
    Form2 dialog(m_owner);
    dialog.exec();
}

void MenuCommands::mivolinkok_Click()
{
    Form4 dialog(m_owner);
    dialog.exec();
}

void MenuCommands::haikei_iro_Click()
{
    Form8::showFor(m_owner);
}

void MenuCommands::haikeisettei_Click()
{
    Form19 dialog(m_owner);
    dialog.exec();
}

void MenuCommands::deletehaikei_Click()
{
    BackgroundPicture::remove(m_owner.app, m_owner.surface, m_sourceCopy);
}
