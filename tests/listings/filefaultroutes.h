#pragma once

// The routes a user takes to each writer of a listing or report file: the command that
// opens the window, the choices made in it and the last click or key that saves. The last
// step is handed to a `Decisive` runner, so a test can put a fault in place just for it.

#include "support/guitest.h"

#include <QString>

#include <functional>

namespace mirandel::test {

enum class Writer
{
    ConversionPreview,
    ConversionExport,
    KeroseneExport,
    TemperaturePreview,
    TemperatureExport,
    AtmospherePreview,
    AtmosphereExport,
    WrenchPreview,
    WrenchExport,
    HoursPreview,
    HoursExport,
    ReportPdf,
};

struct WriterInfo
{
    const char* name;
    QString fileName;
    bool previews = false;    // a saved listing is previewed
    bool opensShell = false;  // a saved listing is handed to the shell
    bool tellsFolder = false; // a message tells where the file went
    bool closesIssuer = true; // the window that issued the command closes once it is saved
};

WriterInfo describe(Writer writer);

struct Outcome
{
    bool reached = false;    // the window that issues the command opened
    bool issuerOpen = false; // it was still open when its command returned
    bool previewed = false;  // a preview of the saved listing opened (and was closed)
    bool refused = false;    // the file dialog would not take the chosen name
};

// Runs `step`, the last step of a route.
using Decisive = std::function<void(const std::function<void()>& step)>;

// Runs the command of `writer` in `run`'s program as a user does; files go to `folder`.
Outcome drive(Running& run, Writer writer, const QString& folder, const Decisive& decisive);

} // namespace mirandel::test
