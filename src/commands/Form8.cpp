#include "Form8.h"

#include "platform/ColorField.h"
#include "platform/DhtmlEdit.h"
#include "platform/WebBrowser.h"
#include "shell/Form1.h"
#include "shell/ProgramFolder.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

QPointer<Form8> Form8::s_current;

Form8 *Form8::showFor(Form1 *owner)
{
    if (!s_current)
        s_current = new Form8(owner);
    s_current->resize(WidthPixels, HeightPixels);
    s_current->move(placeBeside(owner, s_current));
    s_current->show();
    return s_current;
}

QPoint Form8::placeBeside(const QWidget *owner, const QWidget *window)
{
    const QScreen *screen = owner->screen();
    if (!screen)
        return {};
    const QRect available = screen->availableGeometry();
    // The frame, known once shown; until then the main window's frame tells what the desktop adds.
    const QSize frameExtra = window->isVisible() ? window->frameGeometry().size() - window->size()
                                                 : owner->frameGeometry().size() - owner->size();
    QRect frame(available.topLeft(), window->size() + frameExtra);
    // At the screen's top-left, unless that covers the main window's menu bar and lists: then below them.
    const auto *form = qobject_cast<const Form1 *>(owner);
    const int surfaceTop = form ? form->surface()->mapToGlobal(QPoint(0, 0)).y() : owner->mapToGlobal(QPoint(0, 0)).y();
    const QRect menusAndLists(owner->frameGeometry().topLeft(), QPoint(owner->frameGeometry().right(), surfaceTop - 1));
    if (frame.intersects(menusAndLists))
        frame.moveTop(menusAndLists.bottom() + 1);
    if (frame.bottom() > available.bottom())
        frame.moveBottom(available.bottom());
    frame.moveTop(qMax(frame.top(), available.top()));
    return frame.topLeft();
}

Form8::Form8(Form1 *owner)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint), m_surface(owner->surface())
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("背景色設定"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto *frame = new QGroupBox(QStringLiteral("カラーパレット"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *inFrame = new QVBoxLayout(frame);
    inFrame->setContentsMargins(2, 2, 2, 2);
    m_palette = new WebBrowser(QStringLiteral("WebBrowser1"), frame);
    inFrame->addWidget(m_palette);
    layout->addWidget(frame, 1);
    auto *label = new QLabel(QStringLiteral("希望の色ﾃｷｽﾄを選択し、下のﾃｷｽﾄﾎﾞｯｸｽへ、ﾏｳｽでDragDropして下さい。"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    layout->addWidget(label);
    auto *row = new QHBoxLayout;
    m_Text1 = new ColorField(QStringLiteral("Text1"), this);
    m_Command1 = new QPushButton(this);
    m_Command1->setObjectName(QStringLiteral("Command1"));
    m_Command1->setFixedSize(16, 16);
    row->addWidget(m_Text1);
    row->addWidget(m_Command1);
    layout->addLayout(row);
    connect(m_Text1, &QLineEdit::textChanged, this, &Form8::Text1_Change);
    connect(m_Command1, &QPushButton::clicked, m_Text1, &QLineEdit::clear);
    m_palette->Navigate(ProgramFolder::file(QStringLiteral("\\color.htm")));
}

void Form8::Text1_Change()
{
    // Passed on unchecked: the page takes what colour text it understands.
    m_surface->DOM().setBgColor(m_Text1->text());
    m_Command1->setStyleSheet(m_Text1->text().isEmpty() ? QString() : QStringLiteral("background-color: red;"));
}
