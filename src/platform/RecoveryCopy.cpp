#include "RecoveryCopy.h"

#include "PageEncoding.h"
#include "RecoveryStore.h"

#include <QDateTime>

void RecoveryCopy::setStore(RecoveryStore *store)
{
    m_store = store;
    if (m_dirty)
        persist();
}

void RecoveryCopy::pageShown(const QString &text)
{
    m_text = text;
    m_current = true;
    m_taken.start();
    if (m_dirty)
        persist();
}

void RecoveryCopy::copyTaken(const QString &text)
{
    m_text = text;
    m_current = true;
    m_taken.start();
    m_dirty = true;
    persist();
    emit copied();
}

void RecoveryCopy::changedSinceCopy()
{
    m_current = false;
}

void RecoveryCopy::markDirty()
{
    if (m_dirty)
        return;
    m_dirty = true;
    persist();
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
    if (m_store)
        m_store->clear();
}

void RecoveryCopy::persist()
{
    if (!m_store)
        return;
    RecoveryStore::Entry entry;
    entry.text = m_text;
    entry.origin = m_origin;
    entry.charset = QString::fromLatin1(PageEncoding::forText(m_text));
    entry.takenAt = QDateTime::currentDateTime();
    m_writeError.clear();
    if (!m_store->write(entry, &m_writeError))
        emit writeFailed(m_writeError);
}
