#include "Form8.h"

#include "platform/ColorField.h"
#include "platform/DhtmlEdit.h"
#include "platform/AppContext.h"
#include "platform/WebBrowser.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

QPointer<Form8> Form8::s_current;

Form8 *Form8::showFor(const DialogOwner &owner)
{
    if (!s_current)
        s_current = new Form8(owner);
    s_current->resize(WidthPixels, HeightPixels);
    s_current->move(placeBeside(owner, s_current));
    s_current->show();
    return s_current;
}

QPoint Form8::placeBeside(const DialogOwner &owner, const QWidget *window)
{
    const QWidget *main = owner.window;
    const QScreen *screen = main->screen();
    if (!screen)
        return {};
    const QRect available = screen->availableGeometry();
    // The frame, known once shown; until then the main window's frame tells what the desktop adds.
    const QSize frameExtra = window->isVisible() ? window->frameGeometry().size() - window->size()
                                                 : main->frameGeometry().size() - main->size();
    QRect frame(available.topLeft(), window->size() + frameExtra);
    // At the screen's top-left, unless that covers the main window's menu bar and lists: then below them.
    const int surfaceTop = owner.surface ? owner.surface->mapToGlobal(QPoint(0, 0)).y() : main->mapToGlobal(QPoint(0, 0)).y();
    const QRect menusAndLists(main->frameGeometry().topLeft(), QPoint(main->frameGeometry().right(), surfaceTop - 1));
    if (frame.intersects(menusAndLists))
        frame.moveTop(menusAndLists.bottom() + 1);
    if (frame.bottom() > available.bottom())
        frame.moveBottom(available.bottom());
    frame.moveTop(qMax(frame.top(), available.top()));
    return frame.topLeft();
}

Form8::Form8(const DialogOwner &owner)
    : QWidget(owner.window, Qt::Tool | Qt::WindowStaysOnTopHint), m_surface(owner.surface)
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
    m_palette = new WebBrowser(owner.app.pages, QStringLiteral("WebBrowser1"), frame);
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
    m_palette->Navigate(owner.app.folder.file(QStringLiteral("\\color.htm")));
}

void Form8::Text1_Change()
{
    // Passed on unchecked: the page takes what colour text it understands.
    m_surface->DOM().setBgColor(m_Text1->text());
    m_Command1->setStyleSheet(m_Text1->text().isEmpty() ? QString() : QStringLiteral("background-color: red;"));
}
