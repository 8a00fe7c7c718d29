#include "RecoveryStore.h"

#include "StateFolder.h"

#include <QAtomicInt>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

const QString PageKindPrefix = QStringLiteral("page-");
QAtomicInt nextStore(0);

} // namespace

RecoveryStore::RecoveryStore(StateFolder &folder)
    : m_file(folder.file(PageKindPrefix + QString::number(nextStore.fetchAndAddRelaxed(1) + 1)))
{
}

bool RecoveryStore::isPageKind(const QString &kind)
{
    return kind.startsWith(PageKindPrefix) && !kind.contains(QLatin1Char('.'));
}

bool RecoveryStore::write(const Entry &entry, QString *error)
{
    return writeFile(m_file, entry, error);
}

void RecoveryStore::clear()
{
    QFile::remove(m_file);
}

// One line of JSON about the page, then the page's text in UTF-8.
bool RecoveryStore::writeFile(const QString &file, const Entry &entry, QString *error)
{
    QJsonObject head;
    head.insert(QStringLiteral("origin"), entry.origin);
    head.insert(QStringLiteral("charset"), entry.charset);
    head.insert(QStringLiteral("takenAt"), entry.takenAt.toUTC().toString(Qt::ISODateWithMs));
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        if (error)
            *error = out.errorString();
        return false;
    }
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray bytes = QJsonDocument(head).toJson(QJsonDocument::Compact) + '\n' + entry.text.toUtf8();
    if (out.write(bytes) != bytes.size() || !out.commit()) {
        if (error)
            *error = out.errorString();
        out.cancelWriting();
        return false;
    }
    return true;
}

std::optional<RecoveryStore::Entry> RecoveryStore::read(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = in.readAll();
    const qsizetype newline = bytes.indexOf('\n');
    if (newline < 0)
        return std::nullopt;
    const QJsonDocument head = QJsonDocument::fromJson(bytes.left(newline));
    if (!head.isObject())
        return std::nullopt;
    Entry entry;
    entry.origin = head[QStringLiteral("origin")].toString();
    entry.charset = head[QStringLiteral("charset")].toString();
    entry.takenAt = QDateTime::fromString(head[QStringLiteral("takenAt")].toString(), Qt::ISODateWithMs);
    entry.text = QString::fromUtf8(bytes.mid(newline + 1));
    return entry;
}
