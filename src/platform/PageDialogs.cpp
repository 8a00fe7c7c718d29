#include "PageDialogs.h"

#include "MessageBoxes.h"
#include "PageEnvironment.h"
#include "PageWindow.h"

#include <QJsonDocument>
#include <QJsonArray>
#include <QJsonObject>
#include <QUrl>
#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

const QString Channel = QStringLiteral("\u0001tvl:");

MessageBoxes::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case 16:
        return MessageBoxes::Icon::Critical;
    case 32:
        return MessageBoxes::Icon::Question;
    case 48:
        return MessageBoxes::Icon::Warning;
    case 64:
        return MessageBoxes::Icon::Information;
    default:
        return MessageBoxes::Icon::None;
    }
}

// The number MsgBox returns for each answer.
int codeOf(MessageBoxes::Answer answer)
{
    switch (answer) {
    case MessageBoxes::Answer::Ok:
        return 1;
    case MessageBoxes::Answer::Cancel:
        return 2;
    case MessageBoxes::Answer::Abort:
        return 3;
    case MessageBoxes::Answer::Retry:
        return 4;
    case MessageBoxes::Answer::Ignore:
        return 5;
    case MessageBoxes::Answer::Yes:
        return 6;
    case MessageBoxes::Answer::No:
        return 7;
    }
    return 2;
}

int msgBox(const QJsonObject &request, MessageBoxes &boxes)
{
    const QString text = request.value(QStringLiteral("text")).toString();
    const QString title = request.value(QStringLiteral("title")).toString();
    const int style = request.value(QStringLiteral("buttons")).toInt();
    const MessageBoxes::Icon icon = iconOf(style);
    switch (style & 0x0f) {
    case 1:
        return codeOf(boxes.question(text, MessageBoxes::Buttons::OkCancel, title, icon));
    case 2:
        return codeOf(boxes.question(text, MessageBoxes::Buttons::AbortRetryIgnore, title, icon));
    case 3:
        return codeOf(boxes.question(text, MessageBoxes::Buttons::YesNoCancel, title, icon));
    case 4:
        return codeOf(boxes.question(text, MessageBoxes::Buttons::YesNo, title, icon));
    case 5:
        return codeOf(boxes.question(text, MessageBoxes::Buttons::RetryCancel, title, icon));
    default:
        boxes.say(text, title, icon);
        return 1;
    }
}

} // namespace

bool PageDialogs::answer(const QString &message, QString *reply, const QUrl &origin, QWebEnginePage *page,
                         PageEnvironment &environment)
{
    MessageBoxes &boxes = environment.boxes();
    if (!message.startsWith(Channel))
        return false;
    const qsizetype cut = message.indexOf(QChar(1), Channel.size());
    if (cut < 0)
        return false;
    const QString kind = message.mid(Channel.size(), cut - Channel.size());
    const QJsonObject request = QJsonDocument::fromJson(message.mid(cut + 1).toUtf8()).object();
    if (kind == QLatin1String("msgbox")) {
        *reply = QString::number(msgBox(request, boxes));
    } else if (kind == QLatin1String("inputbox")) {
        *reply = boxes.input(request.value(QStringLiteral("text")).toString(),
                                         request.value(QStringLiteral("title")).toString(),
                                         request.value(QStringLiteral("value")).toString())
                     .value_or(QString());
    } else if (kind == QLatin1String("error")) {
        boxes.say(request.value(QStringLiteral("text")).toString(), MessageBoxes::DefaultTitle, MessageBoxes::Icon::Warning);
        reply->clear();
    } else if (kind == QLatin1String("modeless") || kind == QLatin1String("fullscreen")) {
        reply->clear();
        const QUrl url(request.value(QStringLiteral("url")).toString());
        if (!PageWindow::mayOpenAnother(boxes))
            return true;
        const std::optional<QUrl> shown = PageWindow::addressFor(url, origin, environment);
        if (!shown)
            return true;
        // Owned by the window the asking page is in, not by whichever window is active.
        QWidget *view = page ? QWebEngineView::forPage(page) : nullptr;
        QWidget *owner = view ? view->window() : QApplication::activeWindow();
        if (kind == QLatin1String("modeless"))
            PageWindow::showModeless(environment, *shown, request.value(QStringLiteral("arguments")),
                                     request.value(QStringLiteral("features")).toString(), owner);
        else
            PageWindow::showFullScreen(environment, *shown, owner);
    } else if (kind == QLatin1String("dialog-return")) {
        if (PageWindow *window = PageWindow::owning(page))
            window->closeWithReturn(request.value(QStringLiteral("value")));
        reply->clear();
    } else {
        return false;
    }
    return true;
}
