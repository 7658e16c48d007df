#pragma once

#include "platform/platform.h"

#include <QList>
#include <QPointer>
#include <QProcess>
#include <QStringList>

namespace mirandel {

// The real desktop: QDesktopServices and xdg-open, QProcess, QApplication::beep,
// QMessageBox, QLocale, QStandardPaths; on Windows the shell's ShellExecute, CreateProcess
// for the calculator and MessageBeep.
class DesktopPlatform final : public Platform
{
public:
    DesktopPlatform() = default;
    ~DesktopPlatform() override;
    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    void shellOpen(const QString& target, std::function<void()> failed = {}) override;
    void launchCalculator() override;
    void beep() override;
    QString programFolder() const override;
    QString userGuide() const override;
    QChar decimalSeparator() const override;
    QChar dateSeparator() const override;
    QDate today() const override;
    void showError(QWidget* parent, const QString& message) override;
    void showMessage(QWidget* parent, const QString& title, const QString& message) override;
    bool askYesNo(QWidget* parent, const QString& title, const QString& question) override;

private:
    // The desktop's openers still running, whose answer is awaited.
    QList<QPointer<QProcess>> m_openers;
};

// Where the program finds its things and puts the listings. An installed program is the
// tree that `cmake --install` lays out: <prefix>/bin/mirandel beside
// <prefix>/share/mirandel/site/index.html. A build or portable folder holds the program
// with its site/ folder beside it.
namespace programfiles {

// The program's data folder in an installed tree: <programFolder>/../share/mirandel.
QString installedDataFolder(const QString& programFolder);

// True when `programFolder` is the bin folder of an installed tree. Such a folder belongs
// to the system even when it accepts files (an administrator's session).
bool isInstalled(const QString& programFolder);

// True when a new file can really be created in `folder`: a trial file is created and
// removed at once (permission bits alone say nothing for an administrator).
bool acceptsNewFiles(const QString& folder);

// The program's folder among the user's documents: <documents>/MIRANDEL (<home>/MIRANDEL
// without a documents folder); empty for a user without a home (no HOME, or HOME at the
// filesystem root), so that no folder is ever made at the root.
QString userFolder(const QString& home, const QString& documents);

// The folder listings are written into: `programFolder` when the program runs from a build
// or portable folder that accepts new files, otherwise `userFolder`, created on demand
// (empty when the user has none).
QString listingFolder(const QString& programFolder, const QString& userFolder);

// The start page of the user guide: site/index.html beside the program, else in the
// installed data folder, else mirandel/site/index.html in one of `dataFolders` (the
// desktop's shared data folders, in order); empty when there is none.
QString userGuide(const QString& programFolder, const QStringList& dataFolders);

} // namespace programfiles

} // namespace mirandel
