#include "PageSaver.h"

#include "PageText.h"
#include "platform/AppContext.h"
#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"
#include "platform/FileChannel.h"
#include "platform/MessageBoxes.h"
#include "platform/PageBytes.h"
#include "platform/PageEncoding.h"
#include "platform/RecoveryCopy.h"
#include "platform/TextBuffer.h"

#include <QDir>
#include <QFileInfo>

const QString PageSaver::Filter =
    QStringLiteral("HTMファイル(*.htm)|*.htm|HTMLファイル(*.html)|*.html|全てのファイル(*.*)|*.*");

PageSaver::Outcome PageSaver::SavePage()
{
    // A page that does not answer is not saved from an older copy of it.
    if (!PageText::take(m_surface, m_pageCopy)) {
        m_app.boxes.say(PageText::unreadable(m_surface, QStringLiteral("保存しませんでした")), MessageBoxes::DefaultTitle,
                          MessageBoxes::Icon::Warning);
        return Outcome::NotSaved;
    }
    m_dialog->Flags = Flags;
    m_dialog->Filter = Filter;
    startAtThePage();
    // A cancelled dialog must not write to whatever name another dialog left behind.
    if (!m_dialog->ShowSave())
        return Outcome::NotSaved;
    const QString name = m_dialog->FileName;
    const QFileInfo target(name);
    const bool exists = target.exists() && !target.isDir();
    if (exists
        && m_app.boxes.question(QStringLiteral("同名ファイルがあります、上書きしますか？"), MessageBoxes::Buttons::OkCancel,
                                  QStringLiteral("確認"))
               != MessageBoxes::Answer::Ok)
        return Outcome::NotSaved;
    PageBytes form = PageBytes::of(m_pageCopy->text() + QStringLiteral("\r\n"));
    if (!form.unheldInCode.isEmpty()) {
        if (!acceptUtf8(form.unheldInCode, form.pageCharset))
            return Outcome::NotSaved;
        form = PageBytes::of(m_pageCopy->text() + QStringLiteral("\r\n"));
    }
    QString error;
    // Written beside the target and renamed over it: a failed write leaves the old file whole.
    if (!FileChannel::writeBytes(name, form.bytes, &error)) {
        m_app.boxes.say(QStringLiteral("ファイルを保存できませんでした。\n%1: %2").arg(name, error), MessageBoxes::DefaultTitle,
                          MessageBoxes::Icon::Warning);
        return Outcome::NotSaved;
    }
    m_surface->recovery().markSaved(name);
    m_app.boxes.say(exists ? QStringLiteral("上書き保存しました。") : QStringLiteral("保存しました。"));
    return Outcome::Saved;
}

void PageSaver::startAtThePage()
{
    // The page's own file, as opened or last saved: its folder and its name, so that a
    // name typed alone lands beside it and its pictures still resolve.
    const QString origin = m_surface->recovery().origin();
    if (!origin.isEmpty()) {
        m_dialog->FileName = origin;
        return;
    }
    // A page that never had a file: where the file screen was left, else the run's working folder.
    if (m_dialog->FileName.isEmpty()) {
        const QString screenFolder = m_app.shared.FileScreenFolder;
        const QString folder = !screenFolder.isEmpty() && QFileInfo(screenFolder).isDir() ? screenFolder : m_app.workingFolder;
        m_dialog->FileName = QDir(folder).absolutePath() + QLatin1Char('/');
    }
}

bool PageSaver::acceptUtf8(const QString &characters, const QByteArray &charset)
{
    QString shown;
    int count = 0;
    for (const uint codePoint : characters.toUcs4()) {
        if (++count > 5) {
            shown += QStringLiteral("など");
            break;
        }
        shown += QStringLiteral("「%1」").arg(QString::fromUcs4(reinterpret_cast<const char32_t *>(&codePoint), 1));
    }
    const QString charsetName = charset == PageEncoding::Cp932 ? QStringLiteral("Shift_JIS") : QString::fromLatin1(charset);
    const MessageBoxes::Answer answer = m_app.boxes.question(
        QStringLiteral("スクリプトやスタイル（またはコメント）の中の%1は、このページの文字コード（%2）では書き表せません。\n"
                       "このページをUTF-8で保存しますか？（ページの文字コードの宣言もUTF-8にします）")
            .arg(shown, charsetName),
        MessageBoxes::Buttons::YesNo, QStringLiteral("確認"), MessageBoxes::Icon::Question);
    if (answer != MessageBoxes::Answer::Yes) {
        m_app.boxes.say(QStringLiteral("保存しませんでした。スクリプトやスタイル（またはコメント）の中の%1を%2では書き表せないためです。\n"
                                         "その文字を書き換えるか、UTF-8で保存してください。")
                              .arg(shown, charsetName),
                          MessageBoxes::DefaultTitle, MessageBoxes::Icon::Warning);
        return false;
    }
    m_pageCopy->setText(PageEncoding::declaringUtf8(m_pageCopy->text()));
    // The page being edited says so too, so the next save needs no question.
    if (!m_surface->BrowseMode())
        m_surface->DOM().declareCharset(QString::fromLatin1(PageEncoding::Utf8));
    return true;
}
