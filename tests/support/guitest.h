#pragma once

// Helpers for GUI tests that drive the whole program in-process.

#include "app/program.h"
#include "support/fakeplatform.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace mirandel::test {

// The decimal separator the CTest entry expects (MIRANDEL_EXPECT_SEPARATOR), checked
// against the fake's separator so a locale that is missing on the machine fails loudly.
QChar expectedSeparator();

// Replaces "." by the system decimal separator in an expected text.
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
template <typename T>
T* child(QObject* root, const QString& name)
{
    return root->findChild<T*>(name);
}

// Runs `action` on the next modal window that opens (from a timer), e.g. to close it.
void whenModalOpens(std::function<void(QWidget* modal)> action);

} // namespace mirandel::test
