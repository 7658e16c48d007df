#pragma once

// Helpers for GUI tests that drive the whole program in-process.

#include "app/program.h"
#include "support/fakeplatform.h"

#include <QComboBox>
#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace mirandel::test {

// The decimal separator the CTest entry expects (MIRANDEL_EXPECT_SEPARATOR), checked
// against the fake's separator so a locale that is missing on the machine fails loudly.
QChar expectedSeparator();

// Writes the decimal points of an expected text with the system decimal separator.
QString local(QString text);

// A Program on a recording platform, its main window shown and activated.
struct Running
{
    FakePlatform platform;
    std::unique_ptr<Program> program;

    Running();
    ~Running();
};

// Finds a named child of `root`; fails the test (returns nullptr) when it is missing.
template <typename T> T* child(QObject* root, const QString& name)
{
    return root->findChild<T*>(name);
}

// Picks an item of a combo box as a user does: opens the drop-down, moves to the item and
// presses Enter; the queued close-up handlers have run when it returns.
void pick(QComboBox* combo, int index);

// Opens a combo box's drop-down and closes it again without a pick (Escape).
void dropDownAndClose(QComboBox* combo);

// Runs `action` on the next modal window that opens, once it is active (from a timer),
// e.g. to close it.
void whenModalOpens(std::function<void(QWidget* modal)> action);

} // namespace mirandel::test
