#include "XmlSample.h"

#include "platform/AppContext.h"
#include "platform/DhtmlEdit.h"
#include "platform/MessageBoxes.h"
#include "platform/RecoveryCopy.h"

#include <QPushButton>
#include <QWidget>

const QString XmlSample::MapPage = QStringLiteral("\\map.htm");
const QString XmlSample::AddressPage = QStringLiteral("\\address.htm");

bool XmlSample::load(const QString &path)
{
    if (m_surface->LoadDocument(path))
        return true;
    // The surface keeps the page it had when a load fails.
    m_app.boxes.say(QStringLiteral("サンプルページを開けません。\n%1").arg(m_surface->lastError()), MessageBoxes::DefaultTitle,
                      MessageBoxes::Icon::Warning);
    return false;
}

void XmlSample::run(const QString &text)
{
    m_nameRunMode(text);
    if (!m_surface->setBrowseMode(true)) {
        m_nameRunMode(QString());
        m_app.boxes.say(QStringLiteral("実行モードに切り替えられませんでした: %1").arg(m_surface->lastError()));
    }
}

void XmlSample::Command1_Click()
{
    // A page that does not answer may hold work: the question is asked.
    const QString text = m_surface->DocumentHTML();
    if (text.isNull() || !text.isEmpty()) {
        if (m_app.boxes.question(QStringLiteral("編集中のﾌｧｲﾙのﾌｧｲﾙがあれば上書きされますが、実行しますか？"),
                                   MessageBoxes::Buttons::OkCancel, QStringLiteral("確認"))
            != MessageBoxes::Answer::Ok)
            return;
        if (!load(m_app.folder.file(MapPage)))
            return;
        // The user let the page go for the sample.
        m_surface->recovery().markDiscarded();
        m_app.boxes.say(QStringLiteral("実行モードで確認します。実行モードを解除する場合は") + QChar(13)
                          + QStringLiteral("ﾏｳｽの右ｸﾘｯｸで出るﾒﾆｭｰの「編集」をｸﾘｯｸして下さい。") + QChar(13)
                          + QStringLiteral("画面を最大表示にして表示します。"));
        run(QStringLiteral("実行モード"));
        m_window->showMaximized();
        m_button->setEnabled(false);
        return;
    }
    if (!load(m_app.folder.file(AddressPage)))
        return;
    m_app.boxes.say(QStringLiteral("ブラウザモードで確認します。"));
    run(QStringLiteral("ブラウザモード"));
}
