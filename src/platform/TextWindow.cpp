#include "TextWindow.h"

#include "FileAccess.h"
#include "PageEncoding.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TextWindow *TextWindow::showFile(const QString &path, QWidget *owner, int *error)
{
    const QString canonical = QFileInfo(path).absoluteFilePath();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *open = qobject_cast<TextWindow *>(window);
        // A closed window waits for its deletion: it is not shown again.
        if (open && open->isVisible() && open->m_path == canonical) {
            open->show();
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    QByteArray bytes;
    const FileAccess::Result read = FileAccess::read(path, &bytes);
    if (!read) {
        if (error)
            *error = read.error;
        return nullptr;
    }
    auto *window = new TextWindow(canonical, PageEncoding::decodeDetected(bytes), owner);
    window->show();
    return window;
}

TextWindow::TextWindow(const QString &path, const QString &text, QWidget *owner)
    : QWidget(owner, Qt::Window), m_path(path), m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("TextWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QFileInfo(path).fileName());
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setReadOnly(true);
    m_text->setPlainText(text);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
    resize(640, 480);
}
