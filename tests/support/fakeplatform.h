#pragma once

// A platform that records what the program asked of the desktop instead of doing it.
// Regional settings come from QLocale::system(), as on the desktop, so GUI tests see the
// locale their CTest entry sets.

#include "platform/platform.h"

#include <QStringList>

namespace mirandel::test {

class FakePlatform final : public Platform
{
public:
    FakePlatform();

    void shellOpen(const QString& target, std::function<void()> failed = {}) override
    {
        shellOpened << target;
        if (shellFails && failed)
            failed();
    }
    void launchCalculator() override { ++calculatorLaunches; }
    void beep() override { ++beeps; }
    QString programFolder() const override;
    QString userGuide() const override { return guide; }
    QChar decimalSeparator() const override { return separator; }
    QChar dateSeparator() const override { return dateSep; }
    QDate today() const override { return date; }
    void showError(QWidget* parent, const QString& message) override;
    void showMessage(QWidget* parent, const QString& title, const QString& message) override;
    // Records the question ("title|question") and gives `answer`; with `desktopQuestions`
    // it shows the desktop's own box instead, for the test to answer from a timer.
    bool askYesNo(QWidget* parent, const QString& title, const QString& question) override;

    QStringList shellOpened;
    bool shellFails = false; // no program opens what the shell is given
    int calculatorLaunches = 0;
    int beeps = 0;
    QStringList errors;
    QStringList messages;
    QStringList questions;
    bool answer = true;
    bool desktopQuestions = false;

    QString folder;
    bool desktopFolder = false; // the folder the desktop platform finds at each call
    QString guide;
    QChar separator;
    QChar dateSep;
    QDate date;
};

} // namespace mirandel::test
