#include "NewPageCommand.h"

#include "PageSaver.h"
#include "platform/AppContext.h"
#include "platform/DhtmlEdit.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"

void NewPageCommand::NewPage()
{
    // A page that does not answer may hold work: the question is asked.
    const QString text = m_surface->DocumentHTML();
    if (text.isNull() || !text.isEmpty()) {
        switch (m_app.boxes.question(QStringLiteral("新規作成を実行します。ファイルの保存をしますか？"),
                                       MessageBoxes::Buttons::YesNoCancel, QStringLiteral("確認"))) {
        case MessageBoxes::Answer::Yes:
            // The page stays: saving is all that Yes does.
            m_saver.SavePage();
            return;
        case MessageBoxes::Answer::No:
            break;
        default:
            return;
        }
    }
    m_app.shared.EffectKind = Effect::NewPage;
    if (!m_surface->NewDocument())
        m_app.boxes.say(QStringLiteral("新しいページを用意できませんでした: %1").arg(m_surface->lastError()));
}
