#include "HelpMenu.h"

#include "Form28.h"
#include "platform/AppContext.h"
#include "platform/FileAccess.h"
#include "platform/MessageBoxes.h"
#include "platform/ShellOpen.h"

#include <cerrno>

const QString HelpMenu::HelpFile = QStringLiteral("\\tvl.txt");
const QString HelpMenu::TutorialFile = QStringLiteral("\\sampleexplain.txt");
const QString HelpMenu::AboutFile = QStringLiteral("\\important.txt");
const QString HelpMenu::SamplesQuestion = QStringLiteral("DynamicHtml等のサンプルをホームページで公開しています，入りますか？");

void HelpMenu::ShowHelpText(const QString &fileName)
{
    const QString path = m_app.folder.file(fileName);
    // The shell would fail without a word; the user is told which file is missing.
    const FileAccess::Result readable = FileAccess::probeRead(path);
    if (!readable) {
        m_app.boxes.say(readable.error == ENOENT
                              ? QStringLiteral("ヘルプのファイルが見つかりません: %1").arg(path)
                              : QStringLiteral("ヘルプのファイルを開けません: %1: %2").arg(path, FileAccess::reason(readable.error, FileAccess::Access::Read)));
        return;
    }
    m_app.shell.open(path);
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
