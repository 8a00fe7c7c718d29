#include "RecoveryCopy.h"

#include "PageEncoding.h"
#include "RecoveryStore.h"

#include <QDateTime>

RecoveryCopy::RecoveryCopy(QObject *parent) : QObject(parent)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(PauseMs);
    connect(&m_pause, &QTimer::timeout, this, &RecoveryCopy::copyWanted);
}

void RecoveryCopy::setStore(RecoveryStore *store)
{
    m_store = store;
    if (m_dirty)
        persist();
}

void RecoveryCopy::pageShown(const QString &text)
{
    m_pause.stop();
    m_firstChange.invalidate();
    m_text = text;
    m_current = true;
    m_taken.start();
    if (m_dirty)
        persist();
}

void RecoveryCopy::copyTaken(const QString &text)
{
    m_pause.stop();
    m_firstChange.invalidate();
    m_text = text;
    m_current = true;
    m_taken.start();
    m_dirty = true;
    persist();
    emit copied();
}

void RecoveryCopy::changed()
{
    m_current = false;
    setModified();
    if (!m_firstChange.isValid())
        m_firstChange.start();
    if (m_firstChange.elapsed() >= MostBehindMs - PauseMs) {
        // Changing without a pause: the copy is taken now, between two changes.
        m_firstChange.invalidate();
        m_pause.stop();
        emit copyWanted();
        return;
    }
    m_pause.start();
}

void RecoveryCopy::markDirty()
{
    setModified();
    if (m_dirty)
        return;
    m_dirty = true;
    persist();
}

void RecoveryCopy::setModified()
{
    if (m_modified)
        return;
    m_modified = true;
    emit fileStateChanged();
}

void RecoveryCopy::setOrigin(const QString &path)
{
    m_origin = path;
    emit fileStateChanged();
}

void RecoveryCopy::markSaved(const QString &path)
{
    clean(path);
}

void RecoveryCopy::markOpened(const QString &path)
{
    clean(path);
}

void RecoveryCopy::markDiscarded()
{
    clean(QString());
}

void RecoveryCopy::clean(const QString &origin)
{
    m_origin = origin;
    m_dirty = false;
    m_modified = false;
    if (m_store)
        m_store->clear();
    emit fileStateChanged();
}

void RecoveryCopy::persist()
{
    if (!m_store)
        return;
    RecoveryStore::Entry entry;
    entry.text = m_text;
    entry.origin = m_origin;
    entry.charset = QString::fromLatin1(PageEncoding::charsetForText(m_text));
    entry.takenAt = QDateTime::currentDateTime();
    m_writeError.clear();
    if (!m_store->write(entry, &m_writeError))
        emit writeFailed(m_writeError);
}
