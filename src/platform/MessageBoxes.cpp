#include "MessageBoxes.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

const QString MessageBoxes::DefaultTitle = QStringLiteral("Tovaleaf");

namespace {

QMessageBox::Icon toQt(MessageBoxes::Icon icon)
{
    switch (icon) {
    case MessageBoxes::Icon::Question:
        return QMessageBox::Question;
    case MessageBoxes::Icon::Information:
        return QMessageBox::Information;
    case MessageBoxes::Icon::Warning:
        return QMessageBox::Warning;
    case MessageBoxes::Icon::Critical:
        return QMessageBox::Critical;
    case MessageBoxes::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

std::optional<QString> MessageBoxes::input(const QString &, const QString &, const QString &)
{
    return std::nullopt;
}

std::optional<QString> DialogMessageBoxes::input(const QString &text, const QString &title, const QString &value)
{
    bool ok = false;
    const QString line = QInputDialog::getText(QApplication::activeWindow(), title, text, QLineEdit::Normal, value, &ok);
    if (!ok)
        return std::nullopt;
    return line;
}

void DialogMessageBoxes::notify(const QString &text, const QString &title, Icon icon)
{
    QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

MessageBoxes::Answer DialogMessageBoxes::ask(const QString &text, Buttons buttons, const QString &title, Icon icon)
{
    QMessageBox::StandardButtons qtButtons;
    switch (buttons) {
    case Buttons::Ok:
        qtButtons = QMessageBox::Ok;
        break;
    case Buttons::OkCancel:
        qtButtons = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case Buttons::YesNoCancel:
        qtButtons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    case Buttons::YesNo:
        qtButtons = QMessageBox::Yes | QMessageBox::No;
        break;
    case Buttons::AbortRetryIgnore:
        qtButtons = QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        break;
    case Buttons::RetryCancel:
        qtButtons = QMessageBox::Retry | QMessageBox::Cancel;
        break;
    }
    QMessageBox box(toQt(icon), title, text, qtButtons, QApplication::activeWindow());
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Abort:
        return Answer::Abort;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Ignore:
        return Answer::Ignore;
    default:
        return Answer::Cancel;
    }
}
