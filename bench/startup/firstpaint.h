#pragma once

// The probe both start-up programs of the start-up benchmark share: it waits for the first
// paint of the window it watches, lets the events that follow settle, prints the
// system-wide monotonic clock at that paint and the resident set at both moments, and
// ends the process at once, the same way for both programs:
//
//   <monotonic ns at first paint> <resident kB at first paint> <resident kB settled>
//
// STARTUP_PROBE_SETTLE_MS sets how long it lets them settle (250 ms unless set); 0 ends the
// process at the first paint itself, which is what a profile of the start-up wants.

#include "../resident.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace startupprobe {

inline long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

using benchmemory::residentKilobytes;

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_paint == 0) {
            m_paint = monotonicNanoseconds();
            m_paintResident = residentKilobytes();
            bool given = false;
            const int settle = qEnvironmentVariableIntValue("STARTUP_PROBE_SETTLE_MS", &given);
            const auto report = [this] {
                std::printf("%lld %ld %ld\n", m_paint, m_paintResident, residentKilobytes());
                std::fflush(stdout);
                std::_Exit(0);
            };
            if (given && settle <= 0)
                report();
            // The resident set once the window has settled: what a user's session holds.
            QTimer::singleShot(given ? settle : 250, this, report);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    long long m_paint = 0;
    long m_paintResident = 0;
};

} // namespace startupprobe
