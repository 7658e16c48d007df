// Every writer of a listing or report file, driven through its windows, against the file
// faults a user meets: the file's name held by a directory, a read-only folder, a full
// disk and a file size limit reached halfway. Each time: the exact error box, nothing
// half-written or left behind, an earlier file of that name as it was, the window that
// issued the command still open, and a retry once the fault is gone that saves the file.

#include "faultyfolder.h"
#include "filefaultroutes.h"

#include "workbench/convers.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace mirandel;
using namespace mirandel::test;
using namespace Qt::StringLiterals;

namespace {

const char* faultName(Fault fault)
{
    switch (fault) {
    case Fault::NameIsADirectory:
        return "name held by a directory";
    case Fault::ReadOnlyFolder:
        return "read-only folder";
    case Fault::DiskFull:
        return "disk full";
    case Fault::FileSizeLimit:
        return "file size limit";
    }
    return "";
}

// What the program once did with the fault, for the row's name.
const char* onceDid(Writer writer, Fault fault)
{
    if (fault == Fault::DiskFull || fault == Fault::FileSizeLimit)
        return ", once half a file saved as complete";
    if (writer == Writer::ReportPdf)
        return "";
    return fault == Fault::NameIsADirectory ? ", once a reason in Qt's words"
                                            : ", once a reason in Qt's words with the whole path";
}

QByteArray fileBytes(const QString& folder, const QString& name)
{
    QFile file(QDir(folder).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A whole file of its kind: a PDF with its trailer, an RTF group closed, or CSV lines.
bool complete(const QByteArray& bytes, const QString& name)
{
    if (name.endsWith(u".pdf"_s))
        return bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF");
    if (name.endsWith(u".rtf"_s))
        return bytes.startsWith("{\\rtf") && bytes.trimmed().endsWith('}');
    return bytes.startsWith("ALTITUDE (m);") && bytes.endsWith("\r\n");
}

} // namespace

class TestFileFaults : public QObject
{
    Q_OBJECT

public:
    // Before the application starts any thread: the mounts of the tests stay in here.
    static void initMain() { enterOwnMountNamespace(); }

private slots:
    void faultIsReportedAndNothingIsLost_data();
    void faultIsReportedAndNothingIsLost();
};

void TestFileFaults::faultIsReportedAndNothingIsLost_data()
{
    QTest::addColumn<int>("writer");
    QTest::addColumn<int>("fault");
    for (int writer = 0; writer <= int(Writer::ReportPdf); ++writer)
        for (int fault = 0; fault <= int(Fault::FileSizeLimit); ++fault)
            QTest::addRow("%s, %s%s", describe(Writer(writer)).name, faultName(Fault(fault)),
                          onceDid(Writer(writer), Fault(fault)))
                << writer << fault;
}

void TestFileFaults::faultIsReportedAndNothingIsLost()
{
    QFETCH(int, writer);
    QFETCH(int, fault);
    FaultyFolder folder{Fault(fault)};
    if (!folder.unavailable().isEmpty())
        QSKIP(qPrintable(folder.unavailable()));
    const WriterInfo info = describe(Writer(writer));
    const QString name = info.fileName;
    Running run;
    run.platform.folder = folder.path();
    const auto plain = [](const std::function<void()>& step) { step(); };

    // A good file first.
    const Outcome good = drive(run, Writer(writer), folder.path(), plain);
    QVERIFY(good.reached);
    QCOMPARE(run.platform.errors, QStringList());
    const QByteArray earlier = fileBytes(folder.path(), name);
    QVERIFY2(complete(earlier, name), earlier.right(80).constData());

    // The same command with the fault in place for its last step.
    bool armed = false;
    QMap<QString, QByteArray> before, after;
    const auto faulty = [&](const std::function<void()>& step) {
        armed = folder.arm(name, earlier.size());
        before = folder.contents();
        step();
        folder.lift();
        after = folder.contents();
    };
    const qsizetype shellOpens = run.platform.shellOpened.size();
    const qsizetype messages = run.platform.messages.size();
    const Outcome failed = drive(run, Writer(writer), folder.path(), faulty);
    QVERIFY(armed);
    QVERIFY(failed.reached);
    // The file dialog opens a folder of the chosen name rather than take it.
    QCOMPARE(failed.refused,
             Writer(writer) == Writer::ReportPdf && Fault(fault) == Fault::NameIsADirectory);
    QCOMPARE(run.platform.errors, QStringList{u"Impossible de créer le fichier \"%1\". %2"_s.arg(
                                      name, folder.reason())});
    QVERIFY(failed.issuerOpen);
    QVERIFY(!failed.previewed);
    QCOMPARE(run.platform.shellOpened.size(), shellOpens);
    QCOMPARE(run.platform.messages.size(), messages);
    // Nothing written, nothing left behind, the earlier file as it was.
    QCOMPARE(after, before);
    if (Fault(fault) != Fault::NameIsADirectory)
        QCOMPARE(after.value(name), earlier);
    QVERIFY(run.program->conversion().isVisible());

    // Once the fault is gone, the same command saves the file.
    folder.clear();
    run.platform.errors.clear();
    const Outcome retried = drive(run, Writer(writer), folder.path(), plain);
    QCOMPARE(run.platform.errors, QStringList());
    QVERIFY(!retried.refused);
    QCOMPARE(retried.issuerOpen, !info.closesIssuer);
    QCOMPARE(retried.previewed, info.previews);
    QCOMPARE(run.platform.shellOpened.size(), shellOpens + (info.opensShell ? 1 : 0));
    QCOMPARE(run.platform.messages.size(), messages + (info.tellsFolder ? 1 : 0));
    const QByteArray saved = fileBytes(folder.path(), name);
    QVERIFY(complete(saved, name));
    if (Writer(writer) != Writer::ReportPdf) // a PDF carries the time it was made
        QCOMPARE(saved, earlier);
}

QTEST_MAIN(TestFileFaults)
#include "tst_filefaults.moc"
