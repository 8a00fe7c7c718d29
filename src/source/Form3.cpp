#include "Form3.h"

#include "Form18.h"
#include "SourceEdit.h"
#include "documents/TemporaryPages.h"
#include "platform/AppContext.h"
#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"
#include "platform/FileChannel.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"
#include "platform/RecoveryCopy.h"
#include "platform/TextBuffer.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

const QString Form3::NothingSelectedMessage = QStringLiteral("置換する文字が選択されていません！");
const QString Form3::UpdateQuestion = QStringLiteral("内容が更新されています。更新しますか？");
const QString Form3::TempPageName = QStringLiteral("\\tvlTemp.htm");

Form3::Form3(const DialogOwner &owner, TextBuffer *shownCopy)
    : QDialog(owner.window), m_owner(owner), m_shownCopy(shownCopy), m_RichTextBox1(new SourceEdit(this)),
      m_Command1(new QPushButton(QStringLiteral("置換"), this)), m_Command2(new QPushButton(QStringLiteral("書式"), this)),
      m_Check1(new QCheckBox(QStringLiteral("ﾁｪｯｸONで<BR>挿入"), this)),
      m_Label1(new QLabel(QStringLiteral("マウスの右クリックで各種メニュー表示"), this))
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("HTML Source"));
    m_RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    m_Command1->setObjectName(QStringLiteral("Command1"));
    m_Command1->setToolTip(QStringLiteral("検索"));
    m_Command2->setObjectName(QStringLiteral("Command2"));
    m_Command2->setToolTip(QStringLiteral("文字色・文字サイズの設定"));
    m_Check1->setObjectName(QStringLiteral("Check1"));
    m_Check1->setToolTip(QStringLiteral("<BR>タグの挿入"));
    m_Label1->setObjectName(QStringLiteral("Label1"));

    // Placed by hand: the box's size follows the window by a rule, which a layout would fight.
    m_Command1->setGeometry(8, 6, 70, 26);
    m_Command2->setGeometry(84, 6, 70, 26);
    m_Check1->setGeometry(164, 6, 150, 26);
    m_Label1->setGeometry(320, 6, 300, 26);
    m_RichTextBox1->move(8, 38);
    resize(Twips::toPixelsX(9600, this), Twips::toPixelsY(7200, this));

    connect(m_Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form3::Command2_Click);
    connect(m_Check1, &QCheckBox::toggled, this, [this](bool on) { m_BreakTag = on ? QStringLiteral("<BR>") : QString(); });
    connect(m_RichTextBox1, &SourceEdit::clicked, this, &Form3::insertBreakTag);
    // While the box has the focus, Tab types a tab instead of moving on.
    connect(m_RichTextBox1, &SourceEdit::focusEntered, this, [this] { setTabStops(false); });
    connect(m_RichTextBox1, &SourceEdit::focusLeft, this, [this] { setTabStops(true); });
}

void Form3::showSource(const QString &text)
{
    m_Check1->setChecked(false);
    m_BreakTag.clear();
    m_finished = false;
    m_RichTextBox1->setSource(text);
    exec();
}

void Form3::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (isMinimized())
        return;
    m_RichTextBox1->resize(qMax(0, width() - Twips::toPixelsX(400, this)), qMax(0, height() - Twips::toPixelsY(1000, this)));
}

void Form3::setTabStops(bool on)
{
    for (QWidget *w : {static_cast<QWidget *>(m_Command1), static_cast<QWidget *>(m_Command2), static_cast<QWidget *>(m_Check1)})
        w->setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus);
}

void Form3::insertBreakTag()
{
    if (m_BreakTag.isEmpty())
        return;
    m_RichTextBox1->insertPlainText(m_BreakTag);
}

void Form3::Command1_Click()
{
    Module1 &shared = m_owner.app.shared;
    shared.FindText.clear();
    // The selection as source text: line ends as line feeds, display breaks left out.
    shared.FindText = m_RichTextBox1->selectedSource();
    if (shared.FindText.isEmpty()) {
        m_owner.app.boxes.say(NothingSelectedMessage);
        return;
    }
    Form18 dialog(m_owner.app, m_RichTextBox1, this);
    dialog.exec();
}

void Form3::Command2_Click()
{
    m_RichTextBox1->setFocus();
    CommonDialog *dialog = m_owner.commonDialog;
    dialog->Flags = 0x101;
    const QFont current = m_RichTextBox1->font();
    dialog->FontName = current.family();
    dialog->FontSize = current.pointSizeF();
    if (!dialog->ShowFont())
        return;
    QFont font(dialog->FontName);
    if (dialog->FontSize > 0)
        font.setPointSizeF(dialog->FontSize);
    m_RichTextBox1->setFont(font);
    // The colour is for display: it covers the whole text.
    QPalette palette = m_RichTextBox1->palette();
    palette.setColor(QPalette::Text, CommonDialog::fromVbColor(dialog->Color));
    m_RichTextBox1->setPalette(palette);
}

QString Form3::tempPagePath() const
{
    // A page from the file screen keeps its folder, so that its pictures still resolve.
    return TemporaryPages::path(m_owner.app, TempPageName);
}

// The unload: asks about an edited text, and on OK puts it into the page. False keeps the window open.
bool Form3::finish()
{
    if (m_finished)
        return true;
    const QString text = m_RichTextBox1->source();
    if (text == m_shownCopy->text()) {
        m_finished = true;
        return true;
    }
    const MessageBoxes::Answer answer =
        m_owner.app.boxes.question(UpdateQuestion, MessageBoxes::Buttons::OkCancel, QStringLiteral("確認"));
    if (answer == MessageBoxes::Answer::Ok) {
        const QString path = tempPagePath();
        QString error;
        if (!FileChannel::writeText(path, text, &error)) {
            // The edit is not lost: the window stays open with it.
            m_owner.app.boxes.say(QStringLiteral("一時ページ %1 に書き込めませんでした。%2").arg(path, error));
            return false;
        }
        DhtmlEdit *surface = m_owner.surface;
        if (!surface->LoadDocument(path)) {
            m_owner.app.boxes.say(surface->lastError());
            return false;
        }
        surface->Refresh();
        surface->recovery().markDirty();
    }
    m_finished = true;
    return true;
}

void Form3::closeEvent(QCloseEvent *event)
{
    if (finish())
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void Form3::done(int result)
{
    // Esc and the close box both end here or in closeEvent.
    if (finish())
        QDialog::done(result);
}
