#include "ControlList.h"

#include "Form11.h"
#include "Form12.h"
#include "Form5.h"
#include "Form9.h"
#include "platform/AppContext.h"
#include "platform/MainOperations.h"

const QStringList &ControlList::entries()
{
    static const QStringList all = {
        QStringLiteral("ボタン"), QStringLiteral("テキストボックス"), QStringLiteral("テキストエリア"),
        QStringLiteral("選択ボックス"), QStringLiteral("フローティングフレーム"), QStringLiteral("チェックボタン"),
        QStringLiteral("オプションボタン"), QStringLiteral("水平罫線"), QStringLiteral("マーキー"),
    };
    return all;
}

void ControlList::insert(const QString &snippet)
{
    m_owner.app.shared.SnippetHtml = snippet;
    m_owner.main.mivo_go();
}

template<typename Dialog>
static void showModal(const DialogOwner &owner)
{
    Dialog dialog(owner);
    dialog.exec();
}

void ControlList::Combo1_Click(const QString &chosenText)
{
    if (chosenText == QStringLiteral("オプションボタン"))
        insert(QStringLiteral("<INPUT TYPE=\"radio\">"));
    else if (chosenText == QStringLiteral("チェックボタン"))
        insert(QStringLiteral("<INPUT TYPE=\"checkbox\">"));
    else if (chosenText == QStringLiteral("ボタン"))
        m_buttonDialog();
    else if (chosenText == QStringLiteral("テキストボックス"))
        insert(QStringLiteral("<INPUT TYPE=\"text\" NAME=\"textbox1\">"));
    else if (chosenText == QStringLiteral("テキストエリア"))
        insert(QStringLiteral("<TEXTAREA></TEXTAREA>"));
    else if (chosenText == QStringLiteral("フローティングフレーム"))
        showModal<Form5>(m_owner);
    else if (chosenText == QStringLiteral("マーキー"))
        showModal<Form9>(m_owner);
    else if (chosenText == QStringLiteral("選択ボックス"))
        showModal<Form12>(m_owner);
    else if (chosenText == QStringLiteral("水平罫線"))
        showModal<Form11>(m_owner);
}
