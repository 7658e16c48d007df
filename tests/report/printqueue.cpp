#include "printqueue.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace mirandel::test {

namespace {

const QString ppd = u"/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"_s;
const QString backend = u"/usr/lib/cups/backend/cups-pdf"_s;

QString tool(const QString& name)
{
    return QStandardPaths::findExecutable(name, {u"/usr/sbin"_s, u"/usr/bin"_s, u"/sbin"_s});
}

bool writeFile(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

PrintQueue::PrintQueue() : m_folder(QDir::tempPath() + u"/mirandel-cups-XXXXXX"_s)
{
    if (!start() && m_error.isEmpty())
        m_error = u"the private CUPS server did not start"_s;
}

PrintQueue::~PrintQueue()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.terminate();
    if (!m_server.waitForFinished(10000)) {
        m_server.kill();
        m_server.waitForFinished(5000);
    }
}

bool PrintQueue::start()
{
    if (::geteuid() != 0) {
        m_error = u"the print queue needs root: cupsd runs its cups-pdf backend as root"_s;
        return false;
    }
    const QString cupsd = tool(u"cupsd"_s);
    if (cupsd.isEmpty() || tool(u"lpadmin"_s).isEmpty() || tool(u"lpstat"_s).isEmpty()) {
        m_error = u"cupsd, lpadmin or lpstat is missing: install Debian's cups package"_s;
        return false;
    }
    if (!QFile::exists(ppd) || !QFile::exists(backend)) {
        m_error = u"%1 or %2 is missing: install Debian's printer-driver-cups-pdf package"_s.arg(
            ppd, backend);
        return false;
    }
    const QString dir = m_folder.path();
    const QString socket = dir + u"/cups.sock"_s;
    if (!m_folder.isValid() || socket.toLocal8Bit().size() > 100) {
        m_error = u"no temporary folder with a short enough path for a socket: "_s + socket;
        return false;
    }
    // cupsd's filters run as lp, which must reach the spool folder.
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                   QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                   QFile::ExeOther);
    for (const QString& sub : {u"spool/tmp"_s, u"cache"_s, u"state"_s, u"log"_s})
        QDir(dir).mkpath(sub);
    m_nextJob = int(::getpid());
    const bool written =
        writeFile(dir + u"/cupsd.conf"_s,
                  u"Listen %1\nLogLevel debug\nBrowsing No\nWebInterface No\n"
                  "DefaultAuthType None\n<Location />\n  Order allow,deny\n  Allow all\n"
                  "</Location>\n<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                  "  </Limit>\n</Policy>\n"_s.arg(socket)) &&
        writeFile(
            dir + u"/cups-files.conf"_s,
            u"User lp\nGroup lp\nSystemGroup root\nServerRoot %1\n"
            "RequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
            "StateDir %1/state\nAccessLog %1/log/access_log\n"
            "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\nFileDevice Yes\n"_s.arg(dir)) &&
        writeFile(dir + u"/cache/job.cache"_s,
                  u"# Job cache file for CUPS v2.4\nNextJobId %1\n"_s.arg(m_nextJob));
    if (!written) {
        m_error = u"cannot write the server's configuration in "_s + dir;
        return false;
    }

    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    m_server.setProgram(cupsd);
    m_server.setArguments(
        {u"-f"_s, u"-c"_s, dir + u"/cupsd.conf"_s, u"-s"_s, dir + u"/cups-files.conf"_s});
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    // Should the test die, the server goes with it.
    m_server.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_server.start();
    if (!m_server.waitForStarted(10000)) {
        m_error = u"cupsd did not start: "_s + m_server.errorString();
        return false;
    }
    QDeadlineTimer ready(15000);
    QString state;
    while (!run({u"lpstat"_s, u"-r"_s}, &state) || !state.contains(u"is running"_s)) {
        if (m_server.state() == QProcess::NotRunning || ready.hasExpired()) {
            const QString how = m_server.state() == QProcess::NotRunning
                                    ? u"it stopped with exit code %1"_s.arg(m_server.exitCode())
                                    : u"it runs, but gave no answer in 15 s"_s;
            m_error = u"cupsd did not answer on %1 (%2): %3%4"_s.arg(
                socket, how, QString::fromLocal8Bit(m_server.readAll()), logErrors());
            return false;
        }
        QTest::qWait(100);
    }
    m_error.clear();
    // The PostScript that cups-pdf turns back into PDF is made by Poppler's cairo renderer:
    // Ghostscript's, the default, draws the same pages with fonts whose text reads back as
    // other characters.
    return run({u"lpadmin"_s, u"-p"_s, QString::fromLatin1(printerName), u"-v"_s, u"cups-pdf:/"_s,
                u"-E"_s, u"-P"_s, ppd, u"-o"_s, u"Label=2"_s, u"-o"_s,
                u"pdftops-renderer-default=pdftocairo"_s}) &&
           run({u"lpadmin"_s, u"-p"_s, QString::fromLatin1(defaultName), u"-v"_s,
                u"file:/dev/null"_s, u"-E"_s}) &&
           run({u"lpadmin"_s, u"-d"_s, QString::fromLatin1(defaultName)});
}

bool PrintQueue::run(const QStringList& command, QString* output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool(command.front()), command.mid(1));
    const bool finished = process.waitForFinished(30000);
    const QString text = QString::fromLocal8Bit(process.readAll());
    if (output)
        *output = text;
    if (finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    m_error = u"\"%1\" failed: %2%3"_s.arg(command.join(u' '), text, logErrors());
    return false;
}

QString PrintQueue::takePrintedPdf(int seconds)
{
    // "PDF-1234  root  10240  <date>": the job is done, and printed for that user.
    const QString job = u"%1-%2"_s.arg(QString::fromLatin1(printerName)).arg(m_nextJob);
    QDeadlineTimer deadline(seconds * 1000);
    QString user;
    while (user.isEmpty()) {
        QString done;
        if (run({u"lpstat"_s, u"-W"_s, u"completed"_s, u"-o"_s, QString::fromLatin1(printerName)},
                &done))
            for (const QString& line : done.split(u'\n')) {
                const QStringList fields = line.simplified().split(u' ');
                if (fields.size() > 1 && fields[0] == job)
                    user = fields[1];
            }
        if (user.isEmpty() && deadline.hasExpired()) {
            QString queued;
            run({u"lpstat"_s, u"-l"_s, u"-o"_s, u"-p"_s}, &queued);
            // The server's errors first: QtTest cuts long messages, and the queue's listing
            // is the longer, less telling part.
            m_error =
                u"job %1 did not finish within %2 s%3\nqueue:\n%4"_s.arg(job).arg(seconds).arg(
                    logErrors(), queued);
            return {};
        }
        if (user.isEmpty())
            QTest::qWait(200);
    }
    const passwd* account = ::getpwnam(user.toLocal8Bit().constData());
    const QDir out(account ? QString::fromLocal8Bit(account->pw_dir) + u"/PDF"_s : QString());
    const QStringList files = out.entryList({u"*job_%1.pdf"_s.arg(m_nextJob)}, QDir::Files);
    ++m_nextJob;
    if (!account || files.size() != 1) {
        m_error = u"job %1 of %2 is done but %3 holds no single PDF of it (%4)%5"_s.arg(
            job, user, out.path(), files.join(u", "_s), logErrors());
        return {};
    }
    const QString taken = m_folder.filePath(files.front());
    if (!QFile::copy(out.filePath(files.front()), taken)) {
        m_error = u"cannot copy "_s + out.filePath(files.front());
        return {};
    }
    QFile::remove(out.filePath(files.front()));
    return taken;
}

QString PrintQueue::logErrors() const
{
    QFile log(m_folder.filePath(u"log/error_log"_s));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QStringList errors;
    for (const QByteArray& line : log.readAll().split('\n'))
        if (line.startsWith("E ") || line.contains("[Job "))
            errors << QString::fromLocal8Bit(line);
    return u"\nerror_log:\n"_s + errors.mid(std::max(0, int(errors.size()) - 25)).join(u'\n');
}

} // namespace mirandel::test
