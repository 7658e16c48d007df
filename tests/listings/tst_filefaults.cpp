// Every writer of a listing or report file, driven through its windows, against the file
// faults a user meets: the file's name held by a directory, a read-only folder, a full
// disk and a file size limit reached halfway. Each time: the exact error box, nothing
// half-written or left behind, an earlier file of that name as it was, the window that
// issued the command still open, and a retry once the fault is gone that saves the file.

#include "faultyfolder.h"
#include "filefaultroutes.h"

#include "workbench/convers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>

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
    void noFolderToWriteInto_data();
    void noFolderToWriteInto();
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

void TestFileFaults::noFolderToWriteInto_data()
{
    QTest::addColumn<int>("writer");
    QTest::addColumn<bool>("homeSet");
    for (Writer writer : {Writer::ConversionExport, Writer::AtmosphereExport}) {
        QTest::addRow("%s, program folder and HOME read-only, once \"Erreur E/S 2\"",
                      describe(writer).name)
            << int(writer) << true;
        QTest::addRow("%s, program folder read-only and HOME unset, once a folder at the root",
                      describe(writer).name)
            << int(writer) << false;
    }
}

void TestFileFaults::noFolderToWriteInto()
{
    QFETCH(int, writer);
    QFETCH(bool, homeSet);
    const WriterInfo info = describe(Writer(writer));
    QTemporaryDir home;
    const bool rootDocuments = QFileInfo::exists(u"/Documents"_s);
    const QByteArray savedHome = qgetenv("HOME");
    Running run;
    run.platform.desktopFolder = true;
    bool mounted = false;
    // The listing is asked for with the program's folder read-only, and HOME read-only or
    // unset (with the root read-only too, where an unset HOME used to make "//Documents").
    const auto noFolder = [&](const std::function<void()>& step) {
        ReadOnlyMount program(QCoreApplication::applicationDirPath());
        ReadOnlyMount homeFolder(homeSet ? home.path() : u"/"_s);
        mounted = program.made() && homeFolder.made();
        if (homeSet)
            qputenv("HOME", QFile::encodeName(home.path()));
        else
            qunsetenv("HOME");
        if (mounted)
            step();
        qputenv("HOME", savedHome);
    };
    const Outcome outcome = drive(run, Writer(writer), QString(), noFolder);
    if (!mounted)
        QSKIP("this process may not mount folders read-only (no mount namespace of its own)");
    QVERIFY(outcome.reached);
    const QString reason = homeSet ? QString::fromLocal8Bit(std::strerror(EROFS))
                                   : u"Aucun dossier où l'écrire : le dossier du programme "
                                     u"n'accepte pas de fichier et HOME n'est pas défini."_s;
    QCOMPARE(run.platform.errors, QStringList{u"Impossible de créer le fichier \"%1\". %2"_s.arg(
                                      info.fileName, reason)});
    QVERIFY(outcome.issuerOpen);
    QVERIFY(run.platform.shellOpened.isEmpty());
    QVERIFY(run.platform.messages.isEmpty());
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(QFileInfo::exists(u"/Documents"_s), rootDocuments);
}

QTEST_MAIN(TestFileFaults)
#include "tst_filefaults.moc"
