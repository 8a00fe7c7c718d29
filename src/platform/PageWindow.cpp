#include "PageWindow.h"

#include "EditorPage.h"
#include "MessageBoxes.h"
#include "PageEnvironment.h"
#include "PageOrigins.h"
#include "PageScheme.h"
#include "PageScripts.h"
#include "RunTimeScripts.h"

#include <QApplication>
#include <QBuffer>
#include <QUrlQuery>
#include <QWebEngineUrlRequestJob>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

namespace {

int g_open = 0;

const QString TooManyWindows =
    QStringLiteral("ページから開いたウィンドウが多すぎるため、これ以上開けません（同時に%1つまで）。"
                   "開いているウィンドウを閉じてから、もう一度試してください。");
const QString OutsideFolder = QStringLiteral("ページのあるフォルダの外にあるページは、ページから開けません: %1");

void tellOutside(const QString &path, MessageBoxes &boxes)
{
    boxes.say(OutsideFolder.arg(path), MessageBoxes::DefaultTitle, MessageBoxes::Icon::Warning);
}

// "dialogWidth:300px; dialogHeight:20em" -> pixels.
int featureSize(const QString &features, const QString &name, int fallback)
{
    const QRegularExpression re(name + QStringLiteral("\\s*[:=]\\s*([0-9.]+)\\s*(px|em|pt)?"),
                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(features);
    if (!m.hasMatch())
        return fallback;
    const double v = m.captured(1).toDouble();
    const QString unit = m.captured(2).toLower();
    if (unit == QLatin1String("em"))
        return int(v * 16);
    if (unit == QLatin1String("pt"))
        return int(v * 4 / 3);
    return int(v);
}

} // namespace

PageWindow::PageWindow(PageEnvironment &environment, Kind kind, const QUrl &url, const QJsonValue &arguments, QWidget *owner)
    : QDialog(owner), m_kind(kind), m_view(new QWebEngineView(this)), m_page(new EditorPage(environment, m_view))
{
    ++g_open;
    setObjectName(QStringLiteral("PageWindow"));
    setAttribute(Qt::WA_DeleteOnClose, kind != Kind::Modal);
    m_page->setEditMode(false);
    m_view->setPage(m_page);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    if (kind != Kind::FullScreen)
        PageScripts::installDialogArguments(m_page->scripts(), arguments);
    RunTimeScripts::install(m_page->scripts(), true);

    connect(m_page, &QWebEnginePage::titleChanged, this, [this](const QString &title) { setWindowTitle(title); });
    connect(m_page, &QWebEnginePage::windowCloseRequested, this, [this] { closeWithReturn(m_returnValue); });
    // The page has the keys; Esc still closes the window.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { done(QDialog::Rejected); });
    resize(400, 300);
    m_page->expectLoad(url);
    m_view->load(url);
}

PageWindow::~PageWindow()
{
    --g_open;
}

int PageWindow::openCount()
{
    return g_open;
}

bool PageWindow::mayOpenAnother(MessageBoxes &boxes)
{
    if (g_open < MaxOpen)
        return true;
    boxes.say(TooManyWindows.arg(MaxOpen), MessageBoxes::DefaultTitle, MessageBoxes::Icon::Warning);
    return false;
}

std::optional<QUrl> PageWindow::addressFor(const QUrl &asked, const QUrl &opener, PageEnvironment &environment)
{
    const QString scheme = QString::fromLatin1(PageScheme::Name);
    const std::optional<QString> root =
        opener.scheme() == scheme ? environment.origins().rootOf(opener.host()) : std::nullopt;
    // Only pages of this program's own scheme, never another site.
    if (!root || !asked.isValid() || asked.scheme() != scheme)
        return std::nullopt;
    if (!PageOrigins::contains(*root, PageOrigins::resolvedPath(asked.path()))) {
        tellOutside(asked.path(), environment.boxes());
        return std::nullopt;
    }
    QUrl shown = asked;
    shown.setHost(environment.origins().windowHost(*root));
    return shown;
}

PageWindow *PageWindow::owning(const QWebEnginePage *page)
{
    for (QObject *o = page ? page->parent() : nullptr; o; o = o->parent())
        if (auto *w = qobject_cast<PageWindow *>(o))
            return w;
    return nullptr;
}

void PageWindow::applyFeatures(const QString &features)
{
    resize(featureSize(features, QStringLiteral("dialogWidth"), 400), featureSize(features, QStringLiteral("dialogHeight"), 300));
    if (QWidget *owner = parentWidget())
        move(owner->frameGeometry().center() - rect().center());
}

void PageWindow::showModal(PageEnvironment &environment, QWebEngineUrlRequestJob *job, const QString &root)
{
    MessageBoxes &boxes = environment.boxes();
    const QUrl request = job->requestUrl();
    const QJsonObject asked = QJsonDocument::fromJson(QUrlQuery(request).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded).toUtf8()).object();
    QPointer<QWebEngineUrlRequestJob> waiting(job);
    auto answer = [waiting](const QJsonValue &value) {
        if (!waiting)
            return; // the page went away meanwhile
        auto *buffer = new QBuffer(waiting);
        buffer->setData(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
        waiting->reply("application/json", buffer);
    };
    // A refusal answers the page at once; the user is told after, outside the request.
    if (openCount() >= MaxOpen) {
        answer(QJsonValue());
        QTimer::singleShot(0, qApp, [&boxes] { mayOpenAnother(boxes); });
        return;
    }
    const QUrl target(asked.value(QStringLiteral("url")).toString());
    // Only pages of this program's own scheme, never another site.
    if (!target.isValid() || target.scheme() != request.scheme()) {
        answer(QJsonValue());
        return;
    }
    if (!PageOrigins::contains(root, PageOrigins::resolvedPath(target.path()))) {
        answer(QJsonValue());
        QTimer::singleShot(0, qApp, [path = target.path(), &boxes] { tellOutside(path, boxes); });
        return;
    }
    QUrl shown = target;
    shown.setHost(environment.origins().windowHost(root));
    auto *window = new PageWindow(environment, Kind::Modal, shown, asked.value(QStringLiteral("arguments")), QApplication::activeWindow());
    window->setAttribute(Qt::WA_DeleteOnClose, true);
    window->setWindowModality(Qt::ApplicationModal);
    window->applyFeatures(asked.value(QStringLiteral("features")).toString());
    connect(window, &QDialog::finished, window, [window, answer] { answer(window->returnValue()); });
    window->show();
}

void PageWindow::showModeless(PageEnvironment &environment, const QUrl &url, const QJsonValue &arguments,
                              const QString &features, QWidget *owner)
{
    auto *window = new PageWindow(environment, Kind::Modeless, url, arguments, owner);
    window->applyFeatures(features);
    window->show();
}

void PageWindow::showFullScreen(PageEnvironment &environment, const QUrl &url, QWidget *owner)
{
    auto *window = new PageWindow(environment, Kind::FullScreen, url, QJsonValue(), owner);
    window->setWindowFlag(Qt::FramelessWindowHint);
    // The way back, said once at the top.
    auto *hint = new QLabel(QStringLiteral("Esc キーで元の画面に戻ります"), window);
    hint->setObjectName(QStringLiteral("FullScreenHint"));
    hint->setStyleSheet(QStringLiteral("background:#333;color:#fff;padding:6px 12px;border-radius:4px"));
    hint->adjustSize();
    window->QDialog::showFullScreen();
    hint->move((window->width() - hint->width()) / 2, 12);
    hint->raise();
    hint->show();
    QTimer::singleShot(4000, hint, &QWidget::hide);
}

void PageWindow::closeWithReturn(const QJsonValue &value)
{
    m_returnValue = value;
    // After the page's prompt returns: closing under it would pull the page away mid-call.
    QTimer::singleShot(0, this, [this] { done(QDialog::Accepted); });
}

