// Where listings are written and where the user guide is found, on real folders: a build
// or portable folder, an installed tree, folders that refuse new files.

#include "platform/desktopplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace mirandel;
using namespace Qt::StringLiterals;

namespace {

// Lays out the given files (parents created) and empty folders (ending in "/") under root.
void lay(const QString& root, const QStringList& entries)
{
    for (const QString& entry : entries) {
        const QString path = root + u'/' + entry;
        if (entry.endsWith(u'/')) {
            QVERIFY(QDir().mkpath(path));
            continue;
        }
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
}

QStringList trialFilesIn(const QString& folder)
{
    return QDir(folder).entryList({u".mirandel-trial*"_s}, QDir::Files | QDir::Hidden);
}

} // namespace

class TestProgramFiles : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void acceptsNewFiles_data();
    void acceptsNewFiles();
    void listingFolder_data();
    void listingFolder();
    void userFolderIsCreatedOnlyWhenUsed();
    void userGuide_data();
    void userGuide();
    void desktopWritesBesideTheBuiltProgram();
    void shellOpenSaysWhenNoProgramTakesTheFile_data();
    void shellOpenSaysWhenNoProgramTakesTheFile();

private:
    std::unique_ptr<QTemporaryDir> m_root;
};

void TestProgramFiles::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
}

void TestProgramFiles::acceptsNewFiles_data()
{
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("accepts");

    QTest::newRow("existing folder") << QStringList{u"app/"_s} << u"app"_s << true;
    QTest::newRow("folder under a regular file")
        << QStringList{u"blocker"_s} << u"blocker/app"_s << false;
    QTest::newRow("a regular file, not a folder") << QStringList{u"app"_s} << u"app"_s << false;
    QTest::newRow("missing folder") << QStringList{} << u"gone"_s << false;
}

void TestProgramFiles::acceptsNewFiles()
{
    QFETCH(QStringList, layout);
    QFETCH(QString, folder);
    QFETCH(bool, accepts);
    lay(m_root->path(), layout);
    const QString path = m_root->filePath(folder);

    QCOMPARE(programfiles::acceptsNewFiles(path), accepts);
    if (accepts)
        QCOMPARE(trialFilesIn(path), QStringList{});
    QVERIFY(!programfiles::acceptsNewFiles(QString()));
}

void TestProgramFiles::listingFolder_data()
{
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("user");
    QTest::addColumn<bool>("beside");

    QTest::newRow("build folder") << QStringList{u"build/src/app/mirandel"_s} << u"build/src/app"_s
                                  << u"home/Documents/MIRANDEL"_s << true;
    QTest::newRow("portable folder")
        << QStringList{u"portable/mirandel"_s, u"portable/site/index.html"_s} << u"portable"_s
        << u"home/Documents/MIRANDEL"_s << true;
    QTest::newRow("program folder refuses files")
        << QStringList{u"blocker"_s} << u"blocker/bin"_s << u"home/Documents/MIRANDEL"_s << false;
    QTest::newRow("program folder missing")
        << QStringList{} << u"gone"_s << u"home/Documents/MIRANDEL"_s << false;
    // An administrator may write into /usr/bin; listings left there would outlive the package.
    QTest::newRow("system bin folder written by an administrator")
        << QStringList{u"usr/bin/mirandel"_s, u"usr/share/mirandel/site/index.html"_s}
        << u"usr/bin"_s << u"root/Documents/MIRANDEL"_s << false;
    QTest::newRow("user folder exists already")
        << QStringList{u"blocker"_s, u"home/Documents/MIRANDEL/conversion.rtf"_s}
        << u"blocker/bin"_s << u"home/Documents/MIRANDEL"_s << false;
}

void TestProgramFiles::listingFolder()
{
    QFETCH(QStringList, layout);
    QFETCH(QString, program);
    QFETCH(QString, user);
    QFETCH(bool, beside);
    lay(m_root->path(), layout);
    const QString programPath = m_root->filePath(program);
    const QString userPath = m_root->filePath(user);

    const QString chosen = programfiles::listingFolder(programPath, userPath);

    QCOMPARE(chosen, beside ? programPath : userPath);
    QVERIFY(QFileInfo(chosen).isDir());
    QVERIFY(programfiles::acceptsNewFiles(chosen));
    if (QFileInfo(programPath).isDir())
        QCOMPARE(trialFilesIn(programPath), QStringList{});
}

void TestProgramFiles::userFolderIsCreatedOnlyWhenUsed()
{
    lay(m_root->path(), {u"build/mirandel"_s});
    const QString user = m_root->filePath(u"home/Documents/MIRANDEL"_s);
    programfiles::listingFolder(m_root->filePath(u"build"_s), user);
    QVERIFY(!QFileInfo::exists(m_root->filePath(u"home"_s)));
}

void TestProgramFiles::userGuide_data()
{
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("guide");

    QTest::newRow("beside the built program") << QStringList{u"build/app/site/index.html"_s}
                                              << u"build/app"_s << u"build/app/site/index.html"_s;
    QTest::newRow("installed tree")
        << QStringList{u"usr/bin/mirandel"_s, u"usr/share/mirandel/site/index.html"_s}
        << u"usr/bin"_s << u"usr/share/mirandel/site/index.html"_s;
    QTest::newRow("shared data folder")
        << QStringList{u"opt/bin/mirandel"_s, u"data/mirandel/site/index.html"_s} << u"opt/bin"_s
        << u"data/mirandel/site/index.html"_s;
    QTest::newRow("beside comes first")
        << QStringList{u"usr/bin/site/index.html"_s, u"usr/share/mirandel/site/index.html"_s}
        << u"usr/bin"_s << u"usr/bin/site/index.html"_s;
    QTest::newRow("site folder without its page")
        << QStringList{u"build/app/site/"_s} << u"build/app"_s << QString();
    QTest::newRow("no guide anywhere")
        << QStringList{u"build/app/"_s} << u"build/app"_s << QString();
}

void TestProgramFiles::userGuide()
{
    QFETCH(QStringList, layout);
    QFETCH(QString, program);
    QFETCH(QString, guide);
    lay(m_root->path(), layout);
    const QStringList dataFolders{m_root->filePath(u"nothing"_s), m_root->filePath(u"data"_s)};

    QCOMPARE(programfiles::userGuide(m_root->filePath(program), dataFolders),
             guide.isEmpty() ? QString() : m_root->filePath(guide));
}

void TestProgramFiles::desktopWritesBesideTheBuiltProgram()
{
    // This test runs from the build folder, which accepts files.
    QCOMPARE(DesktopPlatform().programFolder(), QCoreApplication::applicationDirPath());
    // A relative guide (an empty program folder) is never taken from the current folder.
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_root->path()));
    lay(m_root->path(), {u"site/index.html"_s});
    const QString guide = programfiles::userGuide(QString(), {});
    QVERIFY(QDir::setCurrent(current));
    QCOMPARE(guide, QString());
}

void TestProgramFiles::shellOpenSaysWhenNoProgramTakesTheFile_data()
{
    QTest::addColumn<int>("status"); // what the desktop's opener answers
    QTest::addColumn<bool>("failed");
    QTest::newRow("a program takes the file") << 0 << false;
    QTest::newRow("no program for its kind, once nothing said") << 3 << true;
    QTest::newRow("the program fails to start") << 4 << true;
}

void TestProgramFiles::shellOpenSaysWhenNoProgramTakesTheFile()
{
    QFETCH(int, status);
    QFETCH(bool, failed);
#ifdef Q_OS_WIN
    QSKIP("Windows opens files through ShellExecute, which answers at once; no xdg-open");
#endif
    // An xdg-open of our own, first in PATH: it notes what it was asked and answers.
    const QString opener = m_root->filePath(u"xdg-open"_s);
    QFile script(opener);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho \"$1\" > \"$0.asked\"\nexit " + QByteArray::number(status) +
                 "\n");
    script.close();
    QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(m_root->path()) + ':' + path);
    DesktopPlatform desktop;
    bool told = false;
    desktop.shellOpen(u"/opt/listings/conversion.rtf"_s, [&] { told = true; });
    qputenv("PATH", path);

    QFile asked(opener + u".asked"_s);
    QTRY_VERIFY(asked.exists() && asked.size() > 0);
    QVERIFY(asked.open(QIODevice::ReadOnly));
    QCOMPARE(asked.readAll(), QByteArray("/opt/listings/conversion.rtf\n"));
    if (failed)
        QTRY_VERIFY(told);
    else
        QTest::qWait(300); // the answer has come by then
    QCOMPARE(told, failed);
}

QTEST_GUILESS_MAIN(TestProgramFiles)
#include "tst_programfiles.moc"
