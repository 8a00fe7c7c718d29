#pragma once

#include <QPointer>
#include <QString>

struct AppContext;
class Form28;
class QWidget;

// The help items: three text files of the program folder opened with the
// desktop's program for text, and the samples question with its viewer.
class HelpMenu
{
public:
    static const QString HelpFile;
    static const QString TutorialFile;
    static const QString AboutFile;
    static const QString SamplesQuestion;

    HelpMenu(AppContext &app, QWidget *owner) : m_app(app), m_owner(owner) {}

    void ShowHelpText(const QString &fileName);
    void otasuke_Click() { ShowHelpText(HelpFile); }
    void trytvl_Click() { ShowHelpText(TutorialFile); }
    void sakusha_Click() { ShowHelpText(AboutFile); }
    void mivoscript_Click();
    Form28 *viewer() const;

private:
    AppContext &m_app;
    QWidget *m_owner;
    QPointer<Form28> m_Form28; // one viewer at a time; gone when closed
};
