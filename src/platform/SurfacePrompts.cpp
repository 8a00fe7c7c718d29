#include "SurfacePrompts.h"

#include "CommonDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QDialogButtonBox *okCancel(QDialog *dialog, QPushButton **ok)
{
    auto *buttons = new QDialogButtonBox(dialog);
    *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    (*ok)->setObjectName(QStringLiteral("okButton"));
    QPushButton *cancel = buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLineEdit *field(const QString &name, const QString &text, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

LinkPrompt::LinkPrompt(const QString &address, QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("LinkPrompt"));
    setWindowTitle(QStringLiteral("ハイパーリンク"));
    auto *form = new QFormLayout(this);
    m_address = field(QStringLiteral("address"), address.isEmpty() ? QStringLiteral("http://") : address, this);
    m_address->setMinimumWidth(320);
    form->addRow(QStringLiteral("リンク先のアドレス(&A):"), m_address);
    form->addRow(okCancel(this, &m_ok));
    auto update = [this] { m_ok->setEnabled(!m_address->text().trimmed().isEmpty()); };
    connect(m_address, &QLineEdit::textChanged, this, update);
    update();
}

QString LinkPrompt::address() const
{
    return m_address->text().trimmed();
}

const QString PicturePrompt::PickerFilter =
    QStringLiteral("画像ファイル (*.gif *.jpg *.jpeg *.png *.bmp);;すべてのファイル (*)");

PicturePrompt::PicturePrompt(const QString &source, const QString &alternative, DialogPicker &picker, QWidget *owner)
    : QDialog(owner), m_picker(picker)
{
    setObjectName(QStringLiteral("PicturePrompt"));
    setWindowTitle(QStringLiteral("画像"));
    auto *form = new QFormLayout(this);
    m_source = field(QStringLiteral("source"), source, this);
    m_source->setMinimumWidth(280);
    auto *browse = new QPushButton(QStringLiteral("参照..."), this);
    browse->setObjectName(QStringLiteral("browseButton"));
    auto *row = new QHBoxLayout;
    row->addWidget(m_source);
    row->addWidget(browse);
    form->addRow(QStringLiteral("画像ファイル(&F):"), row);
    m_alternative = field(QStringLiteral("alternative"), alternative, this);
    form->addRow(QStringLiteral("代替テキスト(&T):"), m_alternative);
    form->addRow(okCancel(this, &m_ok));
    connect(browse, &QPushButton::clicked, this, &PicturePrompt::browse);
    auto update = [this] { m_ok->setEnabled(!m_source->text().trimmed().isEmpty()); };
    connect(m_source, &QLineEdit::textChanged, this, update);
    update();
}

void PicturePrompt::browse()
{
    if (const std::optional<QString> name = m_picker.openFileName(this, PickerFilter, m_source->text()))
        m_source->setText(*name);
}

QVariantMap PicturePrompt::value() const
{
    return {{QStringLiteral("src"), m_source->text().trimmed()}, {QStringLiteral("alt"), m_alternative->text()}};
}

FontPrompt::FontPrompt(const QVariantMap &current, DialogPicker &picker, QWidget *owner) : QDialog(owner), m_picker(picker)
{
    setObjectName(QStringLiteral("FontPrompt"));
    setWindowTitle(QStringLiteral("フォント"));
    auto *form = new QFormLayout(this);
    m_face = new QComboBox(this);
    m_face->setObjectName(QStringLiteral("face"));
    m_face->setEditable(true);
    m_face->addItems(QFontDatabase::families());
    m_face->setEditText(current.value(QStringLiteral("face")).toString());
    form->addRow(QStringLiteral("フォント名(&F):"), m_face);
    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("size"));
    m_size->addItem(QStringLiteral("（変更しない）"), 0);
    for (int i = 1; i <= 7; ++i)
        m_size->addItem(QString::number(i), i);
    m_size->setCurrentIndex(qBound(0, current.value(QStringLiteral("size")).toInt(), 7));
    form->addRow(QStringLiteral("サイズ(&S):"), m_size);
    m_color = new QPushButton(QStringLiteral("色の選択..."), this);
    m_color->setObjectName(QStringLiteral("colorButton"));
    m_swatch = new QLabel(this);
    m_swatch->setObjectName(QStringLiteral("swatch"));
    m_swatch->setMinimumWidth(60);
    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(m_color);
    colorRow->addWidget(m_swatch);
    form->addRow(QStringLiteral("色(&C):"), colorRow);
    m_bold = new QCheckBox(QStringLiteral("太字(&B)"), this);
    m_bold->setObjectName(QStringLiteral("bold"));
    m_bold->setChecked(current.value(QStringLiteral("bold")).toBool());
    m_italic = new QCheckBox(QStringLiteral("斜体(&I)"), this);
    m_italic->setObjectName(QStringLiteral("italic"));
    m_italic->setChecked(current.value(QStringLiteral("italic")).toBool());
    m_underline = new QCheckBox(QStringLiteral("下線(&U)"), this);
    m_underline->setObjectName(QStringLiteral("underline"));
    m_underline->setChecked(current.value(QStringLiteral("underline")).toBool());
    auto *styles = new QHBoxLayout;
    styles->addWidget(m_bold);
    styles->addWidget(m_italic);
    styles->addWidget(m_underline);
    form->addRow(QStringLiteral("スタイル:"), styles);
    QPushButton *ok = nullptr;
    form->addRow(okCancel(this, &ok));
    connect(m_color, &QPushButton::clicked, this, &FontPrompt::chooseColor);
    showColor();
}

void FontPrompt::chooseColor()
{
    const QColor start = m_colorValue >= 0 ? CommonDialog::fromVbColor(m_colorValue) : QColor(Qt::black);
    if (const std::optional<QColor> chosen = m_picker.color(this, start)) {
        m_colorValue = CommonDialog::toVbColor(*chosen);
        showColor();
    }
}

void FontPrompt::showColor()
{
    if (m_colorValue < 0) {
        m_swatch->setText(QStringLiteral("（変更しない）"));
        m_swatch->setStyleSheet(QString());
        return;
    }
    m_swatch->setText(QString());
    m_swatch->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;")
                                .arg(CommonDialog::fromVbColor(m_colorValue).name()));
}

QVariantMap FontPrompt::value() const
{
    QVariantMap v;
    v.insert(QStringLiteral("face"), m_face->currentText().trimmed());
    v.insert(QStringLiteral("size"), m_size->currentData().toInt());
    if (m_colorValue >= 0)
        v.insert(QStringLiteral("color"), m_colorValue);
    v.insert(QStringLiteral("bold"), m_bold->isChecked());
    v.insert(QStringLiteral("italic"), m_italic->isChecked());
    v.insert(QStringLiteral("underline"), m_underline->isChecked());
    return v;
}

FindPrompt::FindPrompt(const QString &text, Search search, QWidget *owner) : QDialog(owner), m_search(std::move(search))
{
    setObjectName(QStringLiteral("FindPrompt"));
    setWindowTitle(QStringLiteral("検索"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    m_text = field(QStringLiteral("findText"), text, this);
    m_text->setMinimumWidth(260);
    form->addRow(QStringLiteral("検索する文字列(&N):"), m_text);
    layout->addLayout(form);
    m_matchCase = new QCheckBox(QStringLiteral("大文字と小文字を区別する(&C)"), this);
    m_matchCase->setObjectName(QStringLiteral("matchCase"));
    m_wholeWord = new QCheckBox(QStringLiteral("単語単位で探す(&W)"), this);
    m_wholeWord->setObjectName(QStringLiteral("wholeWord"));
    layout->addWidget(m_matchCase);
    layout->addWidget(m_wholeWord);
    auto *direction = new QGroupBox(QStringLiteral("検索する方向"), this);
    m_up = new QRadioButton(QStringLiteral("上へ(&U)"), direction);
    m_up->setObjectName(QStringLiteral("up"));
    m_down = new QRadioButton(QStringLiteral("下へ(&D)"), direction);
    m_down->setObjectName(QStringLiteral("down"));
    m_down->setChecked(true);
    auto *directions = new QHBoxLayout(direction);
    directions->addWidget(m_up);
    directions->addWidget(m_down);
    layout->addWidget(direction);
    auto *buttons = new QDialogButtonBox(this);
    m_next = buttons->addButton(QStringLiteral("次を検索(&F)"), QDialogButtonBox::ActionRole);
    m_next->setObjectName(QStringLiteral("findNext"));
    m_next->setDefault(true);
    QPushButton *close = buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("closeButton"));
    layout->addWidget(buttons);
    connect(m_next, &QPushButton::clicked, this, &FindPrompt::findNext);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto update = [this] { m_next->setEnabled(!m_text->text().isEmpty()); };
    connect(m_text, &QLineEdit::textChanged, this, update);
    update();
}

void FindPrompt::findNext()
{
    if (m_text->text().isEmpty())
        return;
    const QVariantMap request{{QStringLiteral("text"), m_text->text()},
                              {QStringLiteral("matchCase"), m_matchCase->isChecked()},
                              {QStringLiteral("wholeWord"), m_wholeWord->isChecked()},
                              {QStringLiteral("backwards"), m_up->isChecked()}};
    m_search(request);
}
