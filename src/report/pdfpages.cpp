#include "report/pdfpages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

using namespace Qt::StringLiterals;

namespace mirandel {

namespace {

// Where the module is: beside an installed program in its library folder, or, for a
// program run from the build tree, where the build put it.
QStringList moduleCandidates()
{
    const QString here = QCoreApplication::applicationDirPath();
    QStringList candidates{QDir(here).filePath(QStringLiteral(MIRANDEL_PDF_MODULE_INSTALLED))};
    const QString buildTree = QFileInfo(QStringLiteral(MIRANDEL_BUILD_TREE)).canonicalFilePath();
    if (!buildTree.isEmpty() && here.startsWith(buildTree + u'/'))
        candidates << QStringLiteral(MIRANDEL_PDF_MODULE_BUILT);
    return candidates;
}

MirandelOpenPdf moduleEntry()
{
    static MirandelOpenPdf entry = [] {
        for (const QString& candidate : moduleCandidates()) {
            QLibrary module(candidate);
            if (module.load())
                return reinterpret_cast<MirandelOpenPdf>(module.resolve("mirandelOpenPdf"));
        }
        return MirandelOpenPdf{};
    }();
    return entry;
}

} // namespace

OpenedPdf openPdf(const QString& path)
{
    OpenedPdf opened;
    const MirandelOpenPdf entry = moduleEntry();
    if (!entry) {
        opened.reason = u"Le lecteur de PDF du programme est introuvable."_s;
        return opened;
    }
    opened.pages.reset(entry(path, opened.reason));
    return opened;
}

} // namespace mirandel
