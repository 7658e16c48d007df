#pragma once

// The process's resident set, as the benchmarks print it.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace benchmemory {

// VmRSS of /proc/self/status in kB, or -1 where there is none.
inline long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

} // namespace benchmemory
