#include "faultyfolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace mirandel::test {

using namespace Qt::StringLiterals;

namespace {

// Set once, by enterOwnMountNamespace: mounts made by this process stay in it.
bool ownMounts = false;

bool writeProcFile(const char* path, const QByteArray& text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.constData(), std::size_t(text.size())) == text.size();
    ::close(fd);
    return written;
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// Room for the listing folder, a full listing or a PDF report and the filler.
constexpr qint64 tmpfsSize = 8 * 1024 * 1024;
constexpr qint64 pageSize = 4096;

} // namespace

void enterOwnMountNamespace()
{
    if (::unshare(CLONE_NEWNS) != 0) {
        // Without the right to mount here: a user namespace of its own gives it, where the
        // system lets users make one. The user and group stay the same inside.
        const QByteArray uid = QByteArray::number(::geteuid());
        const QByteArray gid = QByteArray::number(::getegid());
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 ||
            !writeProcFile("/proc/self/setgroups", "deny") ||
            !writeProcFile("/proc/self/uid_map", uid + ' ' + uid + " 1") ||
            !writeProcFile("/proc/self/gid_map", gid + ' ' + gid + " 1"))
            return;
    }
    // Nothing mounted from now on travels back to the namespace the process came from.
    ownMounts = ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

ReadOnlyMount::ReadOnlyMount(const QString& folder)
    : m_folder(native(folder)), m_root(QDir(folder).isRoot())
{
    if (!ownMounts)
        return;
    const char* path = m_folder.constData();
    if (m_root) {
        m_made = ::mount(nullptr, "/", nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
        return;
    }
    if (::mount(path, path, nullptr, MS_BIND, nullptr) != 0)
        return;
    m_made = ::mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    if (!m_made)
        ::umount2(path, MNT_DETACH);
}

ReadOnlyMount::~ReadOnlyMount()
{
    if (!m_made)
        return;
    if (m_root)
        ::mount(nullptr, "/", nullptr, MS_REMOUNT | MS_BIND, nullptr);
    else
        ::umount2(m_folder.constData(), MNT_DETACH);
}

FaultyFolder::FaultyFolder(Fault fault) : m_fault(fault)
{
    const QString base = m_base.path();
    if (fault == Fault::DiskFull) {
        const QByteArray options = "size=" + QByteArray::number(tmpfsSize) + ",mode=0755";
        m_mounted = ownMounts && ::mount("tmpfs", native(base).constData(), "tmpfs",
                                         MS_NOSUID | MS_NODEV, options.constData()) == 0;
        if (!m_mounted)
            m_unavailable = u"a full disk needs a small tmpfs, and this process may not mount "
                            u"one (no mount namespace of its own)"_s;
    }
    if (fault == Fault::ReadOnlyFolder && !ownMounts && ::geteuid() == 0)
        m_unavailable = u"root writes into folders whatever their permissions, and this "
                        u"process may not mount the folder read-only (no mount namespace "
                        u"of its own)"_s;
    m_folder = QDir(base).filePath(u"listings"_s);
    QDir().mkpath(m_folder);
}

FaultyFolder::~FaultyFolder()
{
    lift();
    clear();
    // The program makes the listing folder the current directory; a mount under it could
    // not be taken away.
    QDir::setCurrent(QDir::tempPath());
    if (m_mounted)
        ::umount2(native(m_base.path()).constData(), MNT_DETACH);
}

bool FaultyFolder::arm(const QString& fileName, qint64 size)
{
    const QString target = QDir(m_folder).filePath(fileName);
    switch (m_fault) {
    case Fault::NameIsADirectory: {
        QFile::remove(target);
        QDir().mkpath(target);
        QFile inside(QDir(target).filePath(u"inside.txt"_s));
        const bool kept = inside.open(QIODevice::WriteOnly) && inside.write("kept") == 4;
        inside.close();
        m_blocked = target;
        return kept && inside.error() == QFileDevice::NoError;
    }
    case Fault::ReadOnlyFolder: {
        const QByteArray folder = native(m_folder);
        m_byMount = ownMounts;
        if (m_byMount)
            m_readOnly =
                ::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) == 0 &&
                ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                        nullptr) == 0;
        else
            m_readOnly = ::chmod(folder.constData(), 0555) == 0;
        return m_readOnly;
    }
    case Fault::DiskFull:
        return fillDisk(size / 2 / pageSize * pageSize);
    case Fault::FileSizeLimit: {
        struct sigaction ignore
        {
        };
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGXFSZ, &ignore, &m_onFileSize);
        ::getrlimit(RLIMIT_FSIZE, &m_limit);
        struct rlimit lowered = m_limit;
        lowered.rlim_cur = rlim_t(std::max<qint64>(1, size / 2));
        m_limited = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
        return m_limited;
    }
    }
    return false;
}

bool FaultyFolder::fillDisk(qint64 keep)
{
    const QByteArray filler = native(QDir(m_base.path()).filePath(u"filler"_s));
    const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const std::vector<char> zeros(std::size_t(64 * 1024), '\0');
    qint64 written = 0;
    ssize_t n = 0;
    while ((n = ::write(fd, zeros.data(), zeros.size())) > 0)
        written += n;
    const bool full = n < 0 && errno == ENOSPC;
    // Whole pages given back: the room a write finds before the disk is full.
    const bool room = keep == 0 || ::ftruncate(fd, std::max<qint64>(0, written - keep)) == 0;
    ::close(fd);
    return full && room;
}

void FaultyFolder::lift()
{
    if (m_readOnly) {
        if (m_byMount) {
            QDir::setCurrent(QDir::tempPath());
            ::umount2(native(m_folder).constData(), 0);
        } else {
            ::chmod(native(m_folder).constData(), 0755);
        }
        m_readOnly = false;
    }
    if (m_mounted)
        QFile::remove(QDir(m_base.path()).filePath(u"filler"_s));
    if (m_limited) {
        ::setrlimit(RLIMIT_FSIZE, &m_limit);
        ::sigaction(SIGXFSZ, &m_onFileSize, nullptr);
        m_limited = false;
    }
}

void FaultyFolder::clear()
{
    if (!m_blocked.isEmpty())
        QDir(m_blocked).removeRecursively();
    m_blocked.clear();
}

QString FaultyFolder::reason() const
{
    int error = 0;
    switch (m_fault) {
    case Fault::NameIsADirectory:
        error = EISDIR;
        break;
    case Fault::ReadOnlyFolder:
        error = m_byMount ? EROFS : EACCES;
        break;
    case Fault::DiskFull:
        error = ENOSPC;
        break;
    case Fault::FileSizeLimit:
        error = EFBIG;
        break;
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

QMap<QString, QByteArray> FaultyFolder::contents() const
{
    QMap<QString, QByteArray> found;
    const QDir folder(m_folder);
    QDirIterator it(m_folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        const bool isFile = QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
        found.insert(folder.relativeFilePath(path), isFile ? file.readAll() : "<directory>");
    }
    return found;
}

} // namespace mirandel::test
