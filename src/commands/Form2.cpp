#include "Form2.h"

#include "platform/AppContext.h"
#include "platform/MainOperations.h"
#include "platform/FieldWidth.h"
#include "platform/MessageBoxes.h"
#include "platform/Module1.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

const QString Form2::InitialTableAttrs = QStringLiteral("border=1 bordercolor=gray cellPadding=1 cellSpacing=1 width=5%");
const QString Form2::InitialCellAttrs = QStringLiteral("bgcolor=white align=left");

namespace {

QLineEdit *field(const QString &name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

Form2::Form2(const DialogOwner &owner) : QDialog(owner.window), m_owner(owner)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("表の作成"));
    auto *grid = new QGridLayout(this);
    m_Text1 = field(QStringLiteral("Text1"), this);
    m_Text2 = field(QStringLiteral("Text2"), this);
    m_Text3 = field(QStringLiteral("Text3"), this);
    m_Text4 = field(QStringLiteral("Text4"), this);
    m_Text5 = field(QStringLiteral("Text5"), this);
    const QList<QPair<QString, QLineEdit *>> rows = {
        {QStringLiteral("行数"), m_Text1}, {QStringLiteral("列数"), m_Text2}, {QStringLiteral("表の属性"), m_Text3},
        {QStringLiteral("ｾﾙの属性"), m_Text4}, {QStringLiteral("表題"), m_Text5}};
    for (int i = 0; i < rows.size(); ++i) {
        auto *label = new QLabel(rows[i].first, this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        grid->addWidget(label, i, 0);
        grid->addWidget(rows[i].second, i, 1);
    }
    m_Text3->setMinimumWidth(360);
    FieldWidth::fit(m_Text3, InitialTableAttrs);
    m_Text3->setText(InitialTableAttrs);
    m_Text4->setText(InitialCellAttrs);
    m_Text3->setMouseTracking(true);
    m_Text3->installEventFilter(this);

    m_Command1 = new QPushButton(QStringLiteral("OK"), this);
    m_Command1->setObjectName(QStringLiteral("Command1"));
    m_Command1->setDefault(true);
    m_Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    m_Command2->setObjectName(QStringLiteral("Command2"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_Command1);
    buttons->addWidget(m_Command2);
    grid->addLayout(buttons, rows.size(), 0, 1, 2);
    connect(m_Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(m_Command2, &QPushButton::clicked, this, &QDialog::reject);
}

bool Form2::countsRefused(const QString &rows, const QString &cols)
{
    static const QRegularExpression whole(QStringLiteral("^\\s*\\d{1,4}\\s*$"));
    auto bad = [](const QString &v) {
        if (v.isEmpty())
            return false;
        if (!whole.match(v).hasMatch())
            return true;
        const int n = v.trimmed().toInt();
        return n < 1 || n > 1000;
    };
    return bad(rows) || bad(cols);
}

void Form2::Command1_Click()
{
    if (countsRefused(m_Text1->text(), m_Text2->text())) {
        m_owner.app.boxes.say(QStringLiteral("行数と列数には1から1000までの整数を入力してください。"));
        return;
    }
    Module1 &shared = m_owner.app.shared;
    shared.TableRows = m_Text1->text();
    shared.TableCols = m_Text2->text();
    shared.TableAttrs = m_Text3->text();
    shared.TableCellAttrs = m_Text4->text();
    shared.TableCaption = m_Text5->text();
    m_owner.main.creat_hyou();
    accept();
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_Text3 && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter))
        m_Text3->setToolTip(m_Text3->text());
    return QDialog::eventFilter(watched, event);
}
