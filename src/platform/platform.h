#pragma once

// Everything that leaves the process or blocks: shell open, program launch, beep, the
// standard error box and other message boxes, the clock, the program folder and the
// regional settings. The program talks to one Platform; tests install a recording fake.

#include <QChar>
#include <QDate>
#include <QString>

class QWidget;

namespace mirandel {

class Platform
{
public:
    virtual ~Platform() = default;

    // Opens a file or a web page with the desktop's default handler; the result is ignored.
    virtual void shellOpen(const QString& target) = 0;
    // Starts the system calculator; a failure is ignored.
    virtual void launchCalculator() = 0;
    // The system's default beep (rejected keystrokes).
    virtual void beep() = 0;
    // The folder of the program file, where listings are written.
    virtual QString programFolder() const = 0;
    // Regional settings.
    virtual QChar decimalSeparator() const = 0;
    virtual QChar dateSeparator() const = 0;
    virtual QDate today() const = 0;
    // The standard error box: the message and an OK button.
    virtual void showError(QWidget* parent, const QString& message) = 0;
    // An information box with a title, the message and an OK button.
    virtual void showMessage(QWidget* parent, const QString& title, const QString& message) = 0;
};

} // namespace mirandel
