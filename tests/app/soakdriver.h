#pragma once

// A random-event soak of the whole program. The driver sends random but legal user events
// (keys to the focused control, clicks on the controls a pointer can reach, picks in lists,
// menu commands, slider moves) to whichever window is on top, with a fixed seed:
//
//   step(window) -> event for the window (soakevents.cpp, soakwindows.cpp) -> send it -> a modal
//   window that opens meanwhile gets a session of its own from a timer (nested steps, then a real
//   close command) -> checks (soakchecks.cpp): alive, no modal left open, no nested event loop left
//   running, every new error box allowed for the event, invariants
//
// The first failure stops the run; its report names the seed, the event index and the
// last events, which is all a replay needs. A watchdog thread ends the process with the
// same report when an event does not return.

#include "support/guitest.h"

#include <QMap>
#include <QPointer>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace mirandel::test {

class SoakWatchdog;

// What the error box may say after an event, as a set of flags.
enum SoakError : unsigned
{
    NotAFloat = 1u << 0,
    NotAnInteger = 1u << 1,
    InvalidOperation = 1u << 2,
    DivisionByZero = 1u << 3,
    RichEditInsert = 1u << 4,
    NoPairChosen = 1u << 5,
};

struct SoakEvent
{
    QString description;
    std::function<void()> send;
    // The error messages the event may legitimately show.
    unsigned allowed = 0;
    // The event may close the main window (Escape in one of its fields, its close box),
    // which ends the program; the soak shows it again as a new start would.
    bool mayCloseMain = false;
    // The event presses keys. A key whose press closes a modal window is released in the
    // window below, whose focused field then handles the release.
    bool keys = false;
    // What the event itself must have done; returns the fault, or an empty text.
    std::function<QString()> verify;
};

class SoakDriver
{
public:
    struct Options
    {
        quint32 seed = 0;
        int events = 0;
        int watchdogSeconds = 0;
        bool verbose = false;
        // Every this many events the resident set is printed (0: never).
        int residentEvery = 0;
    };

    SoakDriver(Running& run, Options options);
    ~SoakDriver();
    SoakDriver(const SoakDriver&) = delete;
    SoakDriver& operator=(const SoakDriver&) = delete;

    // Sends the events; returns the failure report, empty when everything held.
    QString run();

    int sent() const { return m_sent; }
    // A line of figures: events per window, modal openings, listings, error boxes.
    QString summary() const;

private:
    // soakdriver.cpp: the steps, the modal sessions and the record.
    void step(QWidget* window, int level);
    void send(QWidget* window, int level, SoakEvent event);
    void session(QWidget* modal, int level);
    void closeModal(QWidget* modal, int level);
    void afterEvent(QWidget* window, int level, const SoakEvent& event, bool mainClosed);
    void checkNewErrors(unsigned allowed);
    void fail(const QString& what);
    void record(int level, const QString& description);
    void reactivate(QWidget* window);
    void printResident() const;
    QString report(const QString& what) const;
    int randomInt(int bound) { return static_cast<int>(m_random.bounded(bound)); }
    bool chance(int percent) { return randomInt(100) < percent; }
    template <typename T> T* randomOf(const QList<T*>& list)
    {
        return list.isEmpty() ? nullptr : list.at(randomInt(static_cast<int>(list.size())));
    }

    // soakevents.cpp: the events a window offers.
    SoakEvent eventFor(QWidget* window);
    // An event for an open drop-down; `closing` only closes it.
    SoakEvent popupEvent(QWidget* popup, bool closing);
    SoakEvent closeEventFor(QWidget* modal, int attempt);
    int sessionLength(QWidget* modal);
    SoakEvent keyEvent(QWidget* window);
    SoakEvent typeEvent(QWidget* window);
    SoakEvent clickEvent(QWidget* window);
    SoakEvent comboEvent(QWidget* window);
    SoakEvent actionEvent(QWidget* window);
    SoakEvent sliderEvent(QWidget* window);
    enum class ApplyBy
    {
        Click,
        Space,
        Enter
    };
    SoakEvent applyListingEvent(ApplyBy by);
    // The errors a key or a click on `target` may bring up.
    unsigned allowedFor(QWidget* target, bool key) const;
    // The errors a key released in `target` may bring up.
    unsigned allowedForRelease(const QWidget* target) const;
    bool closesMain(QWidget* target, int key) const;

    // soakchecks.cpp: what must hold after every event.
    QString invariantFault() const;
    QString temperatureFault() const;
    QString keroseneFault() const;
    QString atmosphereFault() const;
    QString ledgerFault() const;
    QString mainWindowFault() const;

    Running& m_run;
    Options m_options;
    QRandomGenerator m_random;
    SoakWatchdog* m_watchdog;
    int m_sent = 0;
    int m_baseLoopLevel = 0;
    qsizetype m_errorsChecked = 0;
    QString m_failure;
    // The modal windows open, the lowest first.
    QList<QPointer<QWidget>> m_modals;
    // The allowed errors of the events being sent, the outermost first.
    QList<unsigned> m_allowedStack;
    QStringList m_recent;
    bool m_temperatureSetUp = false;

    QMap<QString, int> m_eventsPerWindow;
    QMap<QString, int> m_openings;
    QMap<QString, int> m_errorsSeen;
    int m_previews = 0;
    int m_exports = 0;
    int m_mainCloses = 0;
};

} // namespace mirandel::test
