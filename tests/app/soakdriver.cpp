#include "soakdriver.h"

#include "workbench/convers.h"
#include "workbench/temperaturepanel.h"

#include <QApplication>
#include <QDialog>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace mirandel::test {

using namespace Qt::StringLiterals;

namespace {

// The replay report of the event being sent, for the watchdog and for a process that dies
// (an abort, a sanitizer report). Written by the test thread only.
std::string g_report;

void writeReport()
{
    if (g_report.empty())
        return;
    // Only async-signal-safe calls: this may run in a signal handler.
    const char* text = g_report.c_str();
    size_t left = g_report.size();
    while (left > 0) {
        const ssize_t written = ::write(STDERR_FILENO, text, left);
        if (written <= 0)
            break;
        text += written;
        left -= static_cast<size_t>(written);
    }
}

extern "C" void onAbort(int signal)
{
    writeReport();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

int loopLevel()
{
    return QThread::currentThread()->loopLevel();
}

// The category of an error message, for the allowed sets and the summary.
struct ErrorPattern
{
    SoakError kind;
    const char* name;
    QRegularExpression pattern;
};

const QList<ErrorPattern>& errorPatterns()
{
    static const QList<ErrorPattern> patterns{
        {NotAFloat, "not a float",
         QRegularExpression(u"^'.*' n'est pas une valeur en virgule flottante correcte$"_s,
                            QRegularExpression::DotMatchesEverythingOption)},
        {NotAnInteger, "not an integer",
         QRegularExpression(u"^'.*' n'est pas une valeur entière correcte$"_s,
                            QRegularExpression::DotMatchesEverythingOption)},
        {InvalidOperation, "invalid operation",
         QRegularExpression(u"^Opération en virgule flottante incorrecte$"_s)},
        {DivisionByZero, "division by zero",
         QRegularExpression(u"^Division par zéro en virgule flottante$"_s)},
        {RichEditInsert, "document full",
         QRegularExpression(u"^Erreur d'insertion de ligne RichEdit$"_s)},
        {NoPairChosen, "no pair", QRegularExpression(u"^Aucune conversion choisie"_s)},
    };
    return patterns;
}

} // namespace

// Ends the process with the replay report when no event has started or finished for a
// while: a hang inside an event (a busy loop, a nested loop nobody closes) cannot be
// caught from the event loop itself.
class SoakWatchdog
{
public:
    explicit SoakWatchdog(int seconds) : m_limit(std::chrono::seconds(seconds))
    {
        m_thread = std::thread([this] { watch(); });
    }
    ~SoakWatchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    void beat(const std::string& report)
    {
        std::lock_guard lock(m_mutex);
        m_last = Clock::now();
        m_report = report;
    }

private:
    using Clock = std::chrono::steady_clock;
    void watch()
    {
        std::unique_lock lock(m_mutex);
        while (!m_stop) {
            m_wake.wait_for(lock, std::chrono::milliseconds(200));
            if (m_stop || Clock::now() - m_last <= m_limit)
                continue;
            std::fprintf(stderr, "soak: an event did not return within %lld s\n%s\n",
                         static_cast<long long>(m_limit.count()), m_report.c_str());
            std::fflush(stderr);
            std::_Exit(3);
        }
    }

    const std::chrono::seconds m_limit;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    Clock::time_point m_last = Clock::now();
    std::string m_report;
    bool m_stop = false;
    std::thread m_thread;
};

SoakDriver::SoakDriver(Running& run, Options options)
    : m_run(run), m_options(options), m_random(options.seed),
      m_watchdog(new SoakWatchdog(options.watchdogSeconds))
{
    std::signal(SIGABRT, onAbort);
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(writeReport);
#endif
}

SoakDriver::~SoakDriver()
{
    delete m_watchdog;
    std::signal(SIGABRT, SIG_DFL);
    g_report.clear();
}

QString SoakDriver::run()
{
    m_baseLoopLevel = loopLevel();
    m_errorsChecked = m_run.platform.errors.size();
    TFrmConversion& main = m_run.program->conversion();
    while (m_failure.isEmpty() && m_sent < m_options.events)
        step(&main, 0);
    // A drop-down the last event opened is closed, as the next event would.
    if (m_failure.isEmpty() && QApplication::activePopupWidget())
        send(&main, 0, popupEvent(QApplication::activePopupWidget(), true));
    return m_failure;
}

void SoakDriver::step(QWidget* window, int level)
{
    if (!m_failure.isEmpty() || m_sent >= m_options.events)
        return;
    QWidget* popup = QApplication::activePopupWidget();
    send(window, level, popup ? popupEvent(popup, false) : eventFor(window));
}

void SoakDriver::send(QWidget* window, int level, SoakEvent event)
{
    TFrmConversion& main = m_run.program->conversion();
    if (event.keys && level > 0) {
        QWidget* below = level >= 2 ? m_modals.at(level - 2).data() : &main;
        if (below)
            event.allowed |= allowedForRelease(below->focusWidget());
    }
    ++m_sent;
    ++m_eventsPerWindow[window->objectName()];
    if (m_options.residentEvery > 0 && m_sent % m_options.residentEvery == 0)
        printResident();
    record(level, window->objectName() + u": "_s + event.description);

    bool mainClosed = false;
    const QMetaObject::Connection closing =
        QObject::connect(&main, &TFrmConversion::closed, [&mainClosed] { mainClosed = true; });

    // A modal window the event opens gets a session of its own from this timer, inside
    // the window's own loop; so does each one opened after it by the same event.
    QWidget* const below = QApplication::activeModalWidget();
    QTimer watch;
    watch.setInterval(5);
    int ticks = 0;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == below) {
            ticks = 0;
            return;
        }
        // As a user does, wait until the window is active; after a second, go on anyway.
        if (!modal->isActiveWindow() && ++ticks < 200)
            return;
        watch.stop();
        ticks = 0;
        if (m_failure.isEmpty()) {
            // What the error box showed before the window opened belongs to this event.
            checkNewErrors(m_allowedStack.back());
            session(modal, level + 1);
        } else {
            // Unwinding after a failure: every window still open is closed.
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
        watch.start();
    });
    m_allowedStack.append(event.allowed);
    watch.start();
    event.send();
    QCoreApplication::processEvents();
    watch.stop();
    m_allowedStack.removeLast();
    QObject::disconnect(closing);
    afterEvent(window, level, event, mainClosed);
}

void SoakDriver::session(QWidget* modal, int level)
{
    m_modals.append(modal);
    ++m_openings[modal->objectName().isEmpty()
                     ? QString::fromLatin1(modal->metaObject()->className())
                     : modal->objectName()];
    const QPointer<QWidget> alive(modal);
    const int length = sessionLength(modal);
    for (int n = 0; n < length && alive && alive->isVisible(); ++n)
        step(modal, level);
    if (alive && alive->isVisible() && m_failure.isEmpty())
        closeModal(modal, level);
    m_modals.removeLast();
}

void SoakDriver::closeModal(QWidget* modal, int level)
{
    const QPointer<QWidget> alive(modal);
    for (int attempt = 0; attempt < 4 && alive && alive->isVisible() && m_failure.isEmpty();
         ++attempt)
        send(modal, level, closeEventFor(modal, attempt));
    if (alive && alive->isVisible() && m_failure.isEmpty())
        fail(u"the modal window "_s + modal->objectName() + u" does not close"_s);
}

void SoakDriver::afterEvent(QWidget* window, int level, const SoakEvent& event, bool mainClosed)
{
    if (!m_failure.isEmpty())
        return;
    checkNewErrors(event.allowed);
    if (!m_failure.isEmpty())
        return;

    TFrmConversion& main = m_run.program->conversion();
    if (mainClosed || !main.isVisible()) {
        if (level > 0 || !event.mayCloseMain || main.isVisible()) {
            fail(u"the main window closed"_s);
            return;
        }
        // The program ended; the soak starts it again as a user would.
        ++m_mainCloses;
        main.show();
        reactivate(&main);
    }

    const bool windowOpen = level == 0 || window->isVisible();
    QWidget* belowWindow = level >= 2 ? m_modals.at(level - 2).data() : nullptr;
    QWidget* expectedModal = windowOpen ? (level == 0 ? nullptr : window) : belowWindow;
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != expectedModal) {
        fail(modal
                 ? u"the modal window "_s + modal->objectName() + u" is left open"_s
                 : u"no modal window is open where "_s +
                       (expectedModal ? expectedModal->objectName() : u"none"_s) + u" should be"_s);
        return;
    }
    if (loopLevel() != m_baseLoopLevel + level) {
        fail(u"%1 event loops are running where %2 should"_s.arg(loopLevel() - m_baseLoopLevel)
                 .arg(level));
        return;
    }
    if (!main.Paneltemp->isHidden())
        m_temperatureSetUp = true;
    const QString fault = event.verify ? event.verify() : QString();
    if (!fault.isEmpty()) {
        fail(fault);
        return;
    }
    const QString invariant = invariantFault();
    if (!invariant.isEmpty()) {
        fail(invariant);
        return;
    }
    reactivate(windowOpen ? window : (belowWindow ? belowWindow : &main));
    m_watchdog->beat(g_report);
}

void SoakDriver::checkNewErrors(unsigned allowed)
{
    const QStringList& errors = m_run.platform.errors;
    for (; m_errorsChecked < errors.size(); ++m_errorsChecked) {
        const QString& message = errors.at(m_errorsChecked);
        bool accepted = false;
        for (const ErrorPattern& pattern : errorPatterns()) {
            if (!pattern.pattern.match(message).hasMatch())
                continue;
            ++m_errorsSeen[QString::fromLatin1(pattern.name)];
            accepted = (allowed & pattern.kind) != 0;
            break;
        }
        if (!accepted) {
            ++m_errorsChecked;
            fail(u"unexpected error box: \""_s + message + u"\""_s);
            return;
        }
    }
}

void SoakDriver::fail(const QString& what)
{
    if (!m_failure.isEmpty())
        return;
    m_failure = report(what);
    g_report = m_failure.toStdString() + "\n";
}

void SoakDriver::record(int level, const QString& description)
{
    const QString line = u"#%1 %2%3"_s.arg(m_sent).arg(QString(2 * level, u' '), description);
    if (m_options.verbose)
        std::fprintf(stderr, "%s\n", qPrintable(line));
    m_recent.append(line);
    if (m_recent.size() > 20)
        m_recent.removeFirst();
    g_report = report(u"event #%1 did not return"_s.arg(m_sent)).toStdString() + "\n";
    m_watchdog->beat(g_report);
}

QString SoakDriver::report(const QString& what) const
{
    return u"soak failure at event #"_s + QString::number(m_sent) + u": "_s + what +
           u"\nreplay: MIRANDEL_SOAK_SEED="_s + QString::number(m_options.seed) +
           u" MIRANDEL_SOAK_EVENTS="_s + QString::number(m_sent) + u" (decimal separator '"_s +
           m_run.platform.separator + u"'); the last events:\n  "_s + m_recent.join(u"\n  "_s);
}

void SoakDriver::reactivate(QWidget* window)
{
    // A window manager gives the activation back to the window on top when a modal
    // window or a drop-down above it closes; the offscreen platform does not.
    if (!window || !window->isVisible() || QApplication::activePopupWidget() ||
        QApplication::activeWindow() == window)
        return;
    window->activateWindow();
    if (!QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 500))
        qWarning("soak: %s did not become active", qPrintable(window->objectName()));
}

void SoakDriver::printResident() const
{
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return;
    // The whole resident set, then its heap and its file (library) pages apart.
    long kilobytes[3] = {-1, -1, -1};
    const char* const keys[3] = {"VmRSS:", "RssAnon:", "RssFile:"};
    char line[256];
    while (std::fgets(line, sizeof line, status))
        for (int key = 0; key < 3; ++key)
            if (std::strncmp(line, keys[key], std::strlen(keys[key])) == 0)
                kilobytes[key] = std::atol(line + std::strlen(keys[key]));
    std::fclose(status);
    std::printf("resident after %d events: %ld kB (heap %ld kB, files %ld kB)\n", m_sent,
                kilobytes[0], kilobytes[1], kilobytes[2]);
    std::fflush(stdout);
}

QString SoakDriver::summary() const
{
    auto join = [](const QMap<QString, int>& counts) {
        QStringList parts;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            parts << it.key() + u" "_s + QString::number(it.value());
        return parts.join(u", "_s);
    };
    return u"seed %1, %2 events (%3); modal windows opened: %4; listings previewed %5, "
           u"exported %6; error boxes: %7; main window closed and started again %8 times"_s
               .arg(m_options.seed)
               .arg(m_sent)
               .arg(join(m_eventsPerWindow), join(m_openings))
               .arg(m_previews)
               .arg(m_exports)
               .arg(join(m_errorsSeen))
               .arg(m_mainCloses);
}

} // namespace mirandel::test
