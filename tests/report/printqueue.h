#pragma once

// A private CUPS server for the print tests: cupsd with its own configuration, spool,
// cache, state and log folders under a temporary folder, listening on a local socket
// there, with a cups-pdf virtual printer and, as the server's default, a queue that
// throws its jobs away (so a job reaches cups-pdf only when the user picks it).
// CUPS_SERVER points libcups (and so Qt's CUPS print plugin) at it. The server stops when
// the object goes, and with the test process should that die first.
//
// cups-pdf writes each job to $HOME/PDF of the printing user as "<title>-job_<id>.pdf";
// the server's job numbers start at the test's process id, so tests running side by side
// never write the same file.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace mirandel::test {

class PrintQueue
{
public:
    static constexpr const char* printerName = "PDF";
    static constexpr const char* defaultName = "Discard";

    PrintQueue();
    ~PrintQueue();
    PrintQueue(const PrintQueue&) = delete;
    PrintQueue& operator=(const PrintQueue&) = delete;

    // Empty once the server runs with its printer; otherwise why not, in plain words.
    const QString& error() const { return m_error; }

    // Waits for the next job to leave the queue and returns the PDF cups-pdf wrote for it,
    // taken out of the printing user's PDF folder into this queue's folder; empty, with
    // error() telling why, when none came within `seconds`.
    QString takePrintedPdf(int seconds);

private:
    bool start();
    bool run(const QStringList& command, QString* output = nullptr);
    QString logErrors() const;

    QTemporaryDir m_folder;
    QProcess m_server;
    int m_nextJob = 0;
    QString m_error;
};

} // namespace mirandel::test
