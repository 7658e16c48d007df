#include "widgets/keysheld.h"

#include <QKeyEvent>

namespace mirandel {

namespace {

// A key is the physical key where the platform tells it (the character of a key can change
// between press and release, Shift let go first), else the key code.
quint32 identity(const QKeyEvent* event)
{
    return event->nativeScanCode() ? event->nativeScanCode() | 0x80000000u
                                   : static_cast<quint32>(event->key());
}

} // namespace

void TKeysHeld::press(const QObject* field, const QKeyEvent* event)
{
    const QPair<const QObject*, quint32> key{field, identity(event)};
    if (!m_held.contains(key))
        m_held.append(key);
}

bool TKeysHeld::release(const QObject* field, const QKeyEvent* event)
{
    const QPair<const QObject*, quint32> key{field, identity(event)};
    if (event->isAutoRepeat())
        return m_held.contains(key);
    return m_held.removeAll(key) > 0;
}

bool TKeysHeld::holds(const QObject* field) const
{
    for (const auto& key : m_held)
        if (key.first == field)
            return true;
    return false;
}

void TKeysHeld::forget(const QObject* field)
{
    m_held.removeIf([field](const auto& key) { return key.first == field; });
}

} // namespace mirandel
