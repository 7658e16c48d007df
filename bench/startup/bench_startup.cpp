// Start-up, side by side with a floor: process start to the main window's first paint, and
// the resident set after start-up, of the program and of a minimal Qt Widgets program
// (bench_startup_floor) built with the same flags. Each round starts both, in turn, one
// after the other, so both see the same machine; the medians and their ratio are printed.
//
//   xvfb-run -a bench_startup [rounds]      (a real X server; scripts/bench.sh does this)

#include "firstpaint.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Sample
{
    double startupMs = 0;
    double paintKb = 0;
    double settledKb = 0;
};

struct Series
{
    QString name;
    QString program;
    std::vector<Sample> samples;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

template <typename Field> double medianOf(const Series& series, Field field)
{
    std::vector<double> values;
    for (const Sample& sample : series.samples)
        values.push_back(sample.*field);
    return median(values);
}

bool runOnce(Series& series)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const long long start = startupprobe::monotonicNanoseconds();
    child.start(series.program, {});
    if (!child.waitForFinished(60000)) {
        child.kill();
        std::fprintf(stderr, "%s did not end\n", qPrintable(series.name));
        return false;
    }
    const QList<QByteArray> fields = child.readAllStandardOutput().simplified().split(' ');
    if (fields.size() != 3) {
        std::fprintf(stderr, "%s printed no first paint\n", qPrintable(series.name));
        return false;
    }
    series.samples.push_back(
        {(fields[0].toLongLong() - start) / 1e6, fields[1].toDouble(), fields[2].toDouble()});
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    const QDir here(QCoreApplication::applicationDirPath());
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == u"offscreen" ||
        qEnvironmentVariableIsEmpty("DISPLAY"))
        std::fprintf(stderr, "note: not on an X server; run under xvfb-run for real figures\n");

    Series floor{QStringLiteral("floor"), here.filePath(QStringLiteral("bench_startup_floor")), {}};
    Series program{
        QStringLiteral("program"), here.filePath(QStringLiteral("bench_startup_program")), {}};
    // One unmeasured start of each fills the file cache.
    Series warmFloor = floor, warmProgram = program;
    if (!runOnce(warmFloor) || !runOnce(warmProgram))
        return 1;
    for (int round = 0; round < rounds; ++round) {
        Series& first = round % 2 ? program : floor;
        Series& second = round % 2 ? floor : program;
        if (!runOnce(first) || !runOnce(second))
            return 1;
    }

    std::printf("%d rounds, each starting both programs in turn\n", rounds);
    std::printf("%-8s %12s %8s %8s %16s %14s\n", "", "first paint", "min", "max", "RSS at paint",
                "RSS settled");
    for (const Series* series : {&floor, &program}) {
        std::vector<double> times;
        for (const Sample& sample : series->samples)
            times.push_back(sample.startupMs);
        std::printf("%-8s %9.1f ms %5.1f ms %5.1f ms %13.0f kB %11.0f kB\n",
                    qPrintable(series->name), median(times),
                    *std::min_element(times.begin(), times.end()),
                    *std::max_element(times.begin(), times.end()),
                    medianOf(*series, &Sample::paintKb), medianOf(*series, &Sample::settledKb));
    }
    std::printf("ratio program / floor: start-up %.2fx, RSS at paint %.2fx, RSS settled %.2fx "
                "(goal 1.25x)\n",
                medianOf(program, &Sample::startupMs) / medianOf(floor, &Sample::startupMs),
                medianOf(program, &Sample::paintKb) / medianOf(floor, &Sample::paintKb),
                medianOf(program, &Sample::settledKb) / medianOf(floor, &Sample::settledKb));
    return 0;
}
