#pragma once

// Everything that leaves the process or blocks: shell open, program launch, beep, the
// standard error box and other message boxes, the clock, the folder listings are written
// into, the installed user guide and the regional settings. The program talks to one
// Platform; tests install a recording fake.

#include <QChar>
#include <QDate>
#include <QString>

#include <functional>

class QWidget;

namespace mirandel {

class Platform
{
public:
    virtual ~Platform() = default;

    // Opens a file or a web page with the desktop's default handler. When no handler can
    // open it, `failed` runs: at once, or later from the event loop once the desktop has
    // answered. Without `failed` the answer is ignored.
    virtual void shellOpen(const QString& target, std::function<void()> failed = {}) = 0;
    // Starts the system calculator; a failure is ignored.
    virtual void launchCalculator() = 0;
    // The system's default beep (rejected keystrokes).
    virtual void beep() = 0;
    // The folder listings are written into: the program's own folder when it runs from a
    // build or portable folder that accepts new files, otherwise the user's documents
    // folder of the program. It exists when this returns (unless it cannot be created);
    // empty when there is none (the program's folder refuses files and the user has no
    // home).
    virtual QString programFolder() const = 0;
    // The start page of the user guide installed with the program (a local file), or an
    // empty text when it cannot be found. It does not depend on where listings go.
    virtual QString userGuide() const = 0;
    // Regional settings.
    virtual QChar decimalSeparator() const = 0;
    virtual QChar dateSeparator() const = 0;
    virtual QDate today() const = 0;
    // The standard error box: the message and an OK button.
    virtual void showError(QWidget* parent, const QString& message) = 0;
    // An information box with a title, the message and an OK button; without a parent it
    // stands over the active window.
    virtual void showMessage(QWidget* parent, const QString& title, const QString& message) = 0;
    // A question box with a title, the question and the buttons "Oui" and "Non", "Non" the
    // default and the answer of Escape. True when the user answers "Oui".
    virtual bool askYesNo(QWidget* parent, const QString& title, const QString& question) = 0;
};

} // namespace mirandel
