// Start-up to the main window's first paint, and one keystroke to the converted text.
//
//   bench_workbench            runs 15 start-ups as child processes and 2000 keystrokes
//                              in-process, and prints the medians
//   bench_workbench --startup  one start-up: prints the milliseconds from main() to the
//                              first paint of the main window

#include "app/program.h"
#include "platform/desktopplatform.h"
#include "workbench/convers.h"
#include "workbench/valueentry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

class FirstPaint : public QObject
{
public:
    explicit FirstPaint(const QElapsedTimer& clock) : m_clock(clock) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_ms < 0) {
            m_ms = m_clock.nsecsElapsed() / 1e6;
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
    double ms() const { return m_ms; }

private:
    const QElapsedTimer& m_clock;
    double m_ms = -1;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int startupOnce(int argc, char** argv, const QElapsedTimer& clock)
{
    QApplication application(argc, argv);
    mirandel::Program program;
    FirstPaint probe(clock);
    program.conversion().installEventFilter(&probe);
    program.conversion().show();
    QApplication::exec();
    std::printf("%.3f\n", probe.ms());
    return 0;
}

void keystrokes(int argc, char** argv)
{
    QApplication application(argc, argv);
    mirandel::Program program;
    mirandel::TFrmConversion& main = program.conversion();
    main.show();
    (void)QTest::qWaitForWindowExposed(&main);
    QCoreApplication::processEvents();
    QLineEdit* field = main.entry().EditAnglo;
    std::vector<double> samples;
    QElapsedTimer timer;
    for (int i = 0; i < 2000; ++i) {
        if (field->text().size() >= 8)
            QTest::keyClick(field, Qt::Key_Delete);
        timer.start();
        QTest::keyClick(field, static_cast<char>('1' + i % 9));
        samples.push_back(timer.nsecsElapsed() / 1e3);
    }
    std::printf("keystroke to converted text: median %.1f us over %zu keys (last result \"%s\")\n",
                median(samples), samples.size(), qPrintable(main.entry().EditMetrique->text()));
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer clock;
    clock.start();
    if (argc > 1 && qstrcmp(argv[1], "--startup") == 0)
        return startupOnce(argc, argv, clock);

    std::vector<double> startups;
    for (int i = 0; i < 15; ++i) {
        QProcess child;
        child.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--startup")});
        child.waitForFinished(30000);
        startups.push_back(child.readAllStandardOutput().trimmed().toDouble());
    }
    std::printf("start-up to first paint: median %.1f ms over %zu runs (min %.1f, max %.1f)\n",
                median(startups), startups.size(),
                *std::min_element(startups.begin(), startups.end()),
                *std::max_element(startups.begin(), startups.end()));
    keystrokes(argc, argv);
    return 0;
}
