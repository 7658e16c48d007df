// The PDF reading module: Qt Pdf behind the small PdfPages interface.

#include "report/pdfpages.h"

#include <QHash>
#include <QPdfDocument>

using namespace Qt::StringLiterals;

namespace {

class QtPdfPages final : public mirandel::PdfPages
{
public:
    int pageCount() const override { return m_document.pageCount(); }
    QSizeF pagePointSize(int page) const override { return m_document.pagePointSize(page); }
    QImage render(int page, QSize size) override { return m_document.render(page, size); }

    QPdfDocument m_document;
};

} // namespace

extern "C" Q_DECL_EXPORT mirandel::PdfPages* mirandelOpenPdf(const QString& path, QString& reason)
{
    auto pages = std::make_unique<QtPdfPages>();
    const QPdfDocument::Error error = pages->m_document.load(path);
    if (error == QPdfDocument::Error::None && pages->pageCount() > 0)
        return pages.release();
    static const QHash<QPdfDocument::Error, QString> reasons{
        {QPdfDocument::Error::FileNotFound, u"Le fichier spécifié est introuvable."_s},
        {QPdfDocument::Error::InvalidFileFormat, u"Ce n'est pas un fichier PDF valide."_s},
        {QPdfDocument::Error::IncorrectPassword, u"Le fichier est protégé."_s},
        {QPdfDocument::Error::UnsupportedSecurityScheme, u"Le fichier est protégé."_s},
    };
    reason = reasons.value(error, u"Lecture impossible."_s);
    return nullptr;
}
