#include "HelpMenu.h"

#include "Form28.h"
#include "platform/AppContext.h"
#include "platform/FileAccess.h"
#include "platform/MessageBoxes.h"
#include "platform/TextWindow.h"

#include <cerrno>

const QString HelpMenu::HelpFile = QStringLiteral("\\tvl.txt");
const QString HelpMenu::TutorialFile = QStringLiteral("\\sampleexplain.txt");
const QString HelpMenu::AboutFile = QStringLiteral("\\important.txt");
const QString HelpMenu::SamplesQuestion = QStringLiteral("DynamicHtml等のサンプルをホームページで公開しています，入りますか？");

void HelpMenu::ShowHelpText(const QString &fileName)
{
    const QString path = m_app.folder.file(fileName);
    // Shown by the program itself: a desktop may have no program for text, or take a
    // text that quotes markup for a page.
    int error = 0;
    if (TextWindow::showFile(path, m_owner, &error))
        return;
    m_app.boxes.say(error == ENOENT ? QStringLiteral("ヘルプのファイルが見つかりません: %1").arg(path)
                                    : QStringLiteral("ヘルプのファイルを開けません: %1: %2").arg(path, FileAccess::reason(error, FileAccess::Access::Read)));
}

void HelpMenu::mivoscript_Click()
{
    if (m_app.boxes.question(SamplesQuestion, MessageBoxes::Buttons::OkCancel, QStringLiteral("確認")) != MessageBoxes::Answer::Ok)
        return;
    if (!m_Form28)
        m_Form28 = new Form28(m_app, m_owner);
    m_Form28->show();
    m_Form28->raise();
    m_Form28->activateWindow();
}

Form28 *HelpMenu::viewer() const
{
    return m_Form28;
}
