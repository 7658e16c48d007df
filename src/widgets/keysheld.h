#pragma once

// The keys each field of a window has seen pressed and not yet released. A release whose
// press went elsewhere is no key the user typed in that field: the Enter that closed a
// message box comes back to the field as a lone release, and so does the Tab that moved
// the focus there.

#include <QList>
#include <QPair>

class QKeyEvent;
class QObject;

namespace mirandel {

class TKeysHeld
{
public:
    // A key press that `field` received (consumed or not).
    void press(const QObject* field, const QKeyEvent* event);
    // A key release that `field` received: true when its press went to `field`. The key is
    // then no longer held, unless the release is one of an auto-repeat.
    bool release(const QObject* field, const QKeyEvent* event);
    // Whether a key pressed in `field` is still down.
    bool holds(const QObject* field) const;
    // The field lost the focus: its keys are released elsewhere.
    void forget(const QObject* field);

private:
    QList<QPair<const QObject*, quint32>> m_held;
};

} // namespace mirandel
