#pragma once

// A listing folder that can be put into the faults a user meets when a listing is saved:
// the file's name held by a directory, the folder read-only, the disk full, and the
// process's file size limit reached halfway through the write.
//
// Root writes through permissions, so the read-only folder and the full disk are real
// mounts: the folder bound read-only over itself, and a small tmpfs under it. They are made
// in a mount namespace of the test process's own (enterOwnMountNamespace, from the test's
// initMain, before any thread starts): nothing outside the process ever sees them, and
// they go with it however it ends. Without that namespace a user other than root gets a
// read-only folder from its permissions; the rest says why it cannot be simulated.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>

namespace mirandel::test {

enum class Fault
{
    NameIsADirectory,
    ReadOnlyFolder,
    DiskFull,
    FileSizeLimit,
};

// Moves the process into a mount namespace of its own (inside a user namespace of its own
// when it may not do so directly). Call it while the process has a single thread.
void enterOwnMountNamespace();

// A folder bound read-only over itself in the process's own mount namespace until this
// goes; the filesystem root is remounted read-only instead. Without that namespace it is
// not made (made() is false).
class ReadOnlyMount
{
public:
    explicit ReadOnlyMount(const QString& folder);
    ~ReadOnlyMount();
    ReadOnlyMount(const ReadOnlyMount&) = delete;
    ReadOnlyMount& operator=(const ReadOnlyMount&) = delete;

    bool made() const { return m_made; }

private:
    QByteArray m_folder;
    bool m_root = false;
    bool m_made = false;
};

class FaultyFolder
{
public:
    explicit FaultyFolder(Fault fault);
    ~FaultyFolder();
    FaultyFolder(const FaultyFolder&) = delete;
    FaultyFolder& operator=(const FaultyFolder&) = delete;

    // Why the fault cannot be simulated on this machine; empty when it can.
    QString unavailable() const { return m_unavailable; }
    // The listing folder.
    QString path() const { return m_folder; }

    // Makes the fault for the next write of `fileName`, whose complete form is `size`
    // bytes: a full disk keeps room for about half of it, the size limit stops it halfway.
    // False when the fault could not be made.
    bool arm(const QString& fileName, qint64 size);
    // Undoes what arm did, except the directory, which stays until clear().
    void lift();
    // Removes the directory made in the file's place.
    void clear();

    // The system's reason for the failed write, as the error box should give it.
    QString reason() const;
    // Everything under the folder: relative path to bytes ("<directory>" for directories).
    QMap<QString, QByteArray> contents() const;

private:
    bool fillDisk(qint64 keep);

    Fault m_fault;
    QTemporaryDir m_base;
    QString m_folder;
    QString m_unavailable;
    QString m_blocked;       // the directory made in the file's place
    bool m_mounted = false;  // a tmpfs on the base (full disk)
    bool m_readOnly = false; // the folder bound read-only, or its permissions taken away
    bool m_byMount = false;  // the read-only folder is a mount (otherwise permissions)
    bool m_limited = false;  // the file size limit is lowered
    struct rlimit m_limit
    {
    }; // the limit to restore
    struct sigaction m_onFileSize
    {
    };
};

} // namespace mirandel::test
