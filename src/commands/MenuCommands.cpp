#include "MenuCommands.h"

#include "BackgroundPicture.h"
#include "Form19.h"
#include "Form2.h"
#include "Form4.h"
#include "Form8.h"
#include "MenuBar.h"
#include "platform/DhtmlEdit.h"
#include "shell/Form1.h"

#include <QAction>

MenuCommands::MenuCommands(Form1 *form) : m_form(form), m_editing(form->surface(), form->commonDialog())
{
    for (const EditingCommands::Row &row : EditingCommands::table()) {
        const QString item = QString::fromLatin1(row.item);
        QObject::connect(m_form->menus().item(item), &QAction::triggered, m_form, [this, item] { m_editing.run(item); });
    }
    connectItem("mivomake_hyou", &MenuCommands::mivomake_hyou_Click);
    connectItem("mivolinkok", &MenuCommands::mivolinkok_Click);
    connectItem("haikei_iro", &MenuCommands::haikei_iro_Click);
    connectItem("haikeisettei", &MenuCommands::haikeisettei_Click);
    connectItem("deletehaikei", &MenuCommands::deletehaikei_Click);
    connectItem("go_browse", &MenuCommands::go_browse_Click);
    connectItem("go_hennsyuu", &MenuCommands::go_hennsyuu_Click);
}

void MenuCommands::connectItem(const char *name, void (MenuCommands::*handler)())
{
    QObject::connect(m_form->menus().item(QString::fromLatin1(name)), &QAction::triggered, m_form,
                     [this, handler] { (this->*handler)(); });
}

void MenuCommands::mivomake_hyou_Click()
{
    // A fresh dialog shows the two initial attribute texts every time.
    Form2 dialog(m_form);
    dialog.exec();
}

void MenuCommands::mivolinkok_Click()
{
    Form4 dialog(m_form);
    dialog.exec();
}

void MenuCommands::haikei_iro_Click()
{
    Form8::showFor(m_form);
}

void MenuCommands::haikeisettei_Click()
{
    Form19 dialog(m_form);
    dialog.exec();
}

void MenuCommands::deletehaikei_Click()
{
    BackgroundPicture::remove(m_form->surface(), m_form->richTextBox(1));
}

void MenuCommands::go_browse_Click()
{
    m_form->Command3_Click();
    // A switch that could not be made leaves the items as they were.
    if (!m_form->surface()->BrowseMode())
        return;
    m_form->menus().item(QStringLiteral("go_browse"))->setEnabled(false);
    m_form->menus().item(QStringLiteral("go_hennsyuu"))->setEnabled(true);
}

void MenuCommands::go_hennsyuu_Click()
{
    m_form->Command4_Click();
    if (m_form->surface()->BrowseMode())
        return;
    m_form->menus().item(QStringLiteral("go_browse"))->setEnabled(true);
    m_form->menus().item(QStringLiteral("go_hennsyuu"))->setEnabled(false);
}
