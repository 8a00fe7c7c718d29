#include "SurfaceCommands.h"

#include "CommandStates.h"
#include "EditCommands.h"
#include "MessageBoxes.h"
#include "PageCalls.h"
#include "PageScripts.h"
#include "SurfacePages.h"
#include "SurfacePrompts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QMimeData>
#include <QWidget>

namespace {

// Editing commands are off in run mode; the others (copy, select all, find) are not.
bool isEditingCommand(int command)
{
    return command != DECMD_COPY && command != DECMD_SELECTALL && command != DECMD_FINDTEXT;
}

// Commands that ask the user unless told not to.
bool prompts(int command, int option)
{
    const bool asks = command == DECMD_FINDTEXT || command == DECMD_FONT || command == DECMD_HYPERLINK || command == DECMD_IMAGE;
    return asks && option != OLECMDEXECOPT_DONTPROMPTUSER;
}

} // namespace

SurfaceCommands::SurfaceCommands(PageCalls &calls, SurfacePages &pages, CommandStates &states, QWidget *surface,
                                 DialogPicker &picker, MessageBoxes &boxes)
    : m_calls(calls), m_pages(pages), m_states(states), m_surface(surface), m_picker(picker), m_boxes(boxes)
{
}

bool SurfaceCommands::exec(int command, int option, const QVariant &value)
{
    if (m_pages.running() && isEditingCommand(command))
        return m_calls.fail(QStringLiteral("実行モードでは編集できません。"));
    QVariant argument = value;
    if (command == DECMD_PASTE) {
        // The page may not read the clipboard itself: it gets what is there.
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QVariantMap clip;
        clip.insert(QStringLiteral("html"), data && data->hasHtml() ? data->html() : QString());
        clip.insert(QStringLiteral("text"), data && data->hasText() ? data->text() : QString());
        argument = clip;
    }
    if (prompts(command, option))
        return promptAndRun(command, option);
    return run(command, option, argument);
}

bool SurfaceCommands::run(int command, int option, const QVariant &argument)
{
    const std::optional<QVariant> result = m_calls.evaluate(PageScripts::exec(command, option, argument));
    if (!result)
        return false;
    const QString why = result->toString();
    if (why.isEmpty())
        return true;
    if (why == QLatin1String("unknown"))
        return m_calls.fail(QStringLiteral("このコマンドには対応していません: %1").arg(command));
    if (why == QLatin1String("disabled"))
        return m_calls.fail(QStringLiteral("今はこのコマンドを実行できません: %1").arg(command));
    if (why == QLatin1String("notfound"))
        return m_calls.fail(QStringLiteral("「%1」は見つかりませんでした。").arg(argument.toMap().value(QStringLiteral("text")).toString()));
    if (why == QLatin1String("badcounts"))
        return m_calls.fail(QStringLiteral("行数と列数には1から1000までの整数を指定してください。"));
    return m_calls.fail(QStringLiteral("コマンドを実行できませんでした: %1").arg(command));
}

bool SurfaceCommands::promptAndRun(int command, int option)
{
    const std::optional<QVariant> start = m_calls.evaluate(PageScripts::promptStart(command));
    if (!start)
        return false;
    if (!start->isValid() || start->isNull())
        return m_calls.fail(QStringLiteral("今はこのコマンドを実行できません: %1").arg(command));
    const QVariantMap defaults = QJsonDocument::fromJson(start->toString().toUtf8()).toVariant().toMap();
    QWidget *owner = m_surface->window();
    const QString cancelled = QStringLiteral("キャンセルされました。");
    switch (command) {
    case DECMD_HYPERLINK: {
        LinkPrompt dialog(defaults.value(QStringLiteral("href")).toString(), owner);
        if (dialog.exec() != QDialog::Accepted)
            return m_calls.fail(cancelled);
        return run(command, option, dialog.address());
    }
    case DECMD_IMAGE: {
        PicturePrompt dialog(defaults.value(QStringLiteral("src")).toString(), defaults.value(QStringLiteral("alt")).toString(), m_picker,
                             owner);
        if (dialog.exec() != QDialog::Accepted)
            return m_calls.fail(cancelled);
        return run(command, option, dialog.value());
    }
    case DECMD_FONT: {
        FontPrompt dialog(defaults, m_picker, owner);
        if (dialog.exec() != QDialog::Accepted)
            return m_calls.fail(cancelled);
        return run(command, option, dialog.value());
    }
    case DECMD_FINDTEXT: {
        bool found = false;
        FindPrompt dialog(defaults.value(QStringLiteral("text")).toString(), [&](const QVariantMap &request) {
            const bool hit = run(command, option, request);
            if (!hit)
                m_boxes.say(m_calls.lastError(), QStringLiteral("検索"));
            found = found || hit;
            return hit;
        }, owner);
        dialog.exec();
        return found ? true : m_calls.fail(cancelled);
    }
    default:
        return run(command, option, {});
    }
}

bool SurfaceCommands::refreshStates()
{
    const std::optional<QVariant> states = m_calls.evaluate(PageScripts::commandStates());
    if (!states)
        return false;
    m_states.take(states->toMap());
    return true;
}
