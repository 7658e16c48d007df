// The whole program under thousands of random user events (soakdriver.h). The seed and the
// number of events come from MIRANDEL_SOAK_SEED and MIRANDEL_SOAK_EVENTS; a failure prints
// the line that replays it. MIRANDEL_SOAK_VERBOSE=1 lists every event as it is sent, and
// MIRANDEL_SOAK_WATCHDOG sets how many seconds an event may take before the run is ended.
// MIRANDEL_SOAK_RESIDENT=N prints the resident set every N events.

#include "soakdriver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

int fromEnvironment(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// The offscreen platform warns at every drop-down that it cannot raise a window or grab
// the keyboard; thousands of those would hide the soak's own report.
QtMessageHandler g_testHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(u"This plugin does not support"_s))
        return;
    g_testHandler(type, context, message);
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void randomEvents_data();
    void randomEvents();
};

void TestSoak::randomEvents_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("events");
    QTest::newRow("soak") << quint32(fromEnvironment("MIRANDEL_SOAK_SEED", 20110204))
                          << fromEnvironment("MIRANDEL_SOAK_EVENTS", 12000);
}

void TestSoak::randomEvents()
{
    QFETCH(quint32, seed);
    QFETCH(int, events);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QString failure;
    QString summary;
    QElapsedTimer clock;
    clock.start();
    g_testHandler = qInstallMessageHandler(quietHandler);
    {
        Running run;
        run.platform.folder = folder.path();
        SoakDriver::Options options;
        options.seed = seed;
        options.events = events;
        options.watchdogSeconds = fromEnvironment("MIRANDEL_SOAK_WATCHDOG", 20);
        options.verbose = fromEnvironment("MIRANDEL_SOAK_VERBOSE", 0) != 0;
        options.residentEvery = fromEnvironment("MIRANDEL_SOAK_RESIDENT", 0);
        SoakDriver driver(run, options);
        failure = driver.run();
        summary = driver.summary();
    }
    qInstallMessageHandler(g_testHandler);
    // The listings made the folder current; it is removed next.
    QDir::setCurrent(QDir::tempPath());
    qInfo().noquote() << summary << u"in %1 ms"_s.arg(clock.elapsed());
    if (!failure.isEmpty())
        QFAIL(qPrintable(failure));
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
