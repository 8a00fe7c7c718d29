#include "XmlSample.h"

#include "platform/DhtmlEdit.h"
#include "platform/MessageBoxes.h"
#include "platform/RecoveryCopy.h"
#include "shell/ProgramFolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

const QString XmlSample::MapPage = QStringLiteral("\\map.htm");
const QString XmlSample::AddressPage = QStringLiteral("\\address.htm");
const QColor XmlSample::ButtonColor = QColor(255, 0, 0);

bool XmlSample::load(const QString &path)
{
    if (m_surface->LoadDocument(path))
        return true;
    // The surface keeps the page it had when a load fails.
    MessageBoxes::say(QStringLiteral("サンプルページを開けません。\n%1").arg(m_surface->lastError()), MessageBoxes::DefaultTitle,
                      MessageBoxes::Icon::Warning);
    return false;
}

void XmlSample::showIndicator(const QString &text)
{
    QPalette palette = m_modeIndicator->palette();
    palette.setColor(QPalette::Base, ButtonColor);
    m_modeIndicator->setPalette(palette);
    m_modeIndicator->setText(text);
}

void XmlSample::Command1_Click()
{
    // A page that does not answer may hold work: the question is asked.
    const QString text = m_surface->DocumentHTML();
    if (text.isNull() || !text.isEmpty()) {
        if (MessageBoxes::question(QStringLiteral("編集中のﾌｧｲﾙのﾌｧｲﾙがあれば上書きされますが、実行しますか？"),
                                   MessageBoxes::Buttons::OkCancel, QStringLiteral("確認"))
            != MessageBoxes::Answer::Ok)
            return;
        if (!load(ProgramFolder::file(MapPage)))
            return;
        // The user let the page go for the sample.
        m_surface->recovery().markDiscarded();
        MessageBoxes::say(QStringLiteral("実行モードで確認します。実行モードを解除する場合は") + QChar(13)
                          + QStringLiteral("ﾏｳｽの右ｸﾘｯｸで出るﾒﾆｭｰの「編集」をｸﾘｯｸして下さい。") + QChar(13)
                          + QStringLiteral("画面を最大表示にして表示します。"));
        showIndicator(QStringLiteral("実行モード"));
        if (!m_surface->setBrowseMode(true))
            MessageBoxes::say(QStringLiteral("実行モードに切り替えられませんでした: %1").arg(m_surface->lastError()));
        m_window->showMaximized();
        m_button->setEnabled(false);
        return;
    }
    if (!load(ProgramFolder::file(AddressPage)))
        return;
    MessageBoxes::say(QStringLiteral("ブラウザモードで確認します。"));
    showIndicator(QStringLiteral("ブラウザモード"));
    if (!m_surface->setBrowseMode(true))
        MessageBoxes::say(QStringLiteral("実行モードに切り替えられませんでした: %1").arg(m_surface->lastError()));
}
