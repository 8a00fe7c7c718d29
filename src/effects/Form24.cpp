#include "Form24.h"

#include "EffectFiles.h"
#include "documents/BrowserPreview.h"
#include "platform/AppContext.h"
#include "platform/CommonDialog.h"
#include "platform/DhtmlEdit.h"
#include "platform/DialogRows.h"
#include "platform/MessageBoxes.h"
#include "platform/ShellOpen.h"
#include "platform/TextBuffer.h"

#include <QHBoxLayout>

const QString Form24::PathKindMissing = QStringLiteral("「動き」が指定されていません！");
const QString Form24::Circle = QStringLiteral("軌跡が円形");
const QString Form24::Rectangle = QStringLiteral("軌跡が矩形");

Form24::Form24(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form24"));
    setWindowTitle(QStringLiteral("移動する画像の選択"));
    m_owner.app.shared.MovingPathKind = 0;
    m_CommonDialog1 = new CommonDialog(QStringLiteral("CommonDialog1"), this, m_owner.app.dialogs);

    auto *grid = new QGridLayout;
    m_Combo1 = DialogRows::list(QStringLiteral("Combo1"), {Circle, Rectangle}, QString(), this);
    m_Text1 = DialogRows::text(QStringLiteral("Text1"), QString(), this);
    m_Command1 = DialogRows::button(QStringLiteral("Command1"), QStringLiteral("画像参照"), this);
    DialogRows::add(grid, QStringLiteral("動きの形式"), m_Combo1);
    DialogRows::add(grid, QStringLiteral("画像"), m_Text1, QString(), m_Command1);

    m_Command2 = DialogRows::button(QStringLiteral("Command2"), QStringLiteral("OK"), this);
    m_Command3 = DialogRows::button(QStringLiteral("Command3"), QStringLiteral("Cancel"), this);
    m_Command2->setEnabled(false);
    auto *main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(DialogRows::okCancel(m_Command2, m_Command3));

    connect(m_Combo1, &QComboBox::activated, this, &Form24::Combo1_Click);
    // A path typed into the box counts as much as one chosen with the picker.
    connect(m_Text1, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_PagePicture = text;
        m_Command2->setEnabled(!text.isEmpty());
    });
    connect(m_Command1, &QPushButton::clicked, this, &Form24::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &Form24::Command2_Click);
    connect(m_Command3, &QPushButton::clicked, this, &Form24::Command3_Click);
}

qint16 Form24::pathKind(const QString &text)
{
    if (text == Circle)
        return 10;
    if (text == Rectangle)
        return 20;
    return 0;
}

QString Form24::overwriteQuestion()
{
    return QStringLiteral("この操作は現在編集中の文書の上に上書きされます。") + QChar(13)
           + QStringLiteral("作業中のデータを保存してから実行してください！") + QChar(13) + QStringLiteral("宜しいですか？");
}

void Form24::Combo1_Click()
{
    m_owner.app.shared.MovingPathKind = pathKind(m_Combo1->currentText());
}

void Form24::Command1_Click()
{
    EffectFiles::choose(m_CommonDialog1, EffectFiles::PictureFilter, m_Text1);
}

bool Form24::LoadPathTemplate()
{
    const qint16 kind = m_owner.app.shared.MovingPathKind;
    if (kind != 10 && kind != 20)
        return true;
    const std::optional<QString> text =
        EffectFiles::loadTemplate(m_owner.app, kind == 10 ? QStringLiteral("\\pathoval.mvo") : QStringLiteral("\\pathrect.mvo"));
    if (!text)
        return false;
    m_TemplateText = *text;
    m_owner.workBuffer->setText(m_TemplateText);
    return true;
}

void Form24::Command2_Click()
{
    // What is in the box decides, so a name typed by hand that is no path counts as none.
    m_owner.app.shared.MovingPathKind = pathKind(m_Combo1->currentText());
    if (!LoadPathTemplate())
        return;
    if (m_owner.app.shared.MovingPathKind == 0) {
        m_owner.app.boxes.say(PathKindMissing);
        return;
    }
    TextBuffer *page = m_owner.workBuffer;
    page->setText(QString(page->text()).replace(QStringLiteral("[chikannimage]"), m_PagePicture));
    if (m_owner.app.boxes.question(overwriteQuestion(), MessageBoxes::Buttons::OkCancel, QStringLiteral("確認"))
        != MessageBoxes::Answer::Ok) {
        reject();
        return;
    }
    DhtmlEdit *surface = m_owner.surface;
    if (!surface->setDocumentHTML(page->text())) {
        m_owner.app.boxes.say(QStringLiteral("ページを置き換えられませんでした: %1").arg(surface->lastError()));
        return;
    }
    accept();
    m_owner.app.boxes.say(QStringLiteral("Explorerを起動して実行します。"));
    PreviewSavedPage();
}

void Form24::PreviewSavedPage()
{
    const QString page = m_owner.surface->DocumentHTML();
    if (page.isNull()) {
        m_owner.app.boxes.say(QStringLiteral("ページの内容を読み取れないため、ブラウザで表示しませんでした。\n%1").arg(m_owner.surface->lastError()),
                          MessageBoxes::DefaultTitle, MessageBoxes::Icon::Warning);
        return;
    }
    QString error;
    const QString path = BrowserPreview::writeTempPage(m_owner.app, page, &error);
    if (path.isEmpty()) {
        // Otherwise the browser would show an older page as if it were this one.
        m_owner.app.boxes.say(QStringLiteral("保存できませんでした: %1").arg(error), MessageBoxes::DefaultTitle, MessageBoxes::Icon::Warning);
        return;
    }
    m_owner.app.shell.openTelling(path, m_owner.app.boxes);
}

void Form24::Command3_Click()
{
    reject();
}
