#include "listings/listingdocument.h"

#include "common/error.h"
#include "listings/listingfile.h"
#include "listings/rtfwriter.h"
#include "platform/platform.h"

#include <QDir>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace mirandel {

ListingDocument::ListingDocument()
{
    addLine(QStringLiteral("RichEdit1"));
}

void ListingDocument::clear()
{
    m_content.clear();
    m_insertion = TextAttributes();
}

void ListingDocument::addLine(const QString& text)
{
    if (qsizetype(length()) + text.size() + 2 > capacity)
        throw MirandelError::richEditInsert();
    m_content.append(text, m_insertion);
    m_content.append(u"\r\n", m_insertion);
}

void ListingDocument::formatRange(int start, int length, const AttributeChange& change)
{
    const qint64 documentLength = this->length();
    const qint64 from = std::max(start, 0);
    const qint64 to = std::max(qint64(start) + std::max(length, 0), from);
    m_content.apply(int(std::min(from, documentLength)), int(std::min(to, documentLength)), change);
    if (to >= documentLength)
        change.applyTo(m_insertion);
}

void ListingDocument::addColouredLine(const QString& text, QRgb colour)
{
    AttributeChange{.font = u"MS Sans Serif"_s, .size = 8, .colour = colour}.applyTo(m_insertion);
    addLine(text);
}

void ListingDocument::saveRichText(Platform& platform, const QString& fileName) const
{
    saveRichText(platform.programFolder(), fileName);
}

void ListingDocument::saveRichText(const QString& folder, const QString& fileName) const
{
    listingfile::enterFolder(folder, fileName);
    listingfile::write(folder, fileName, rtf::write(m_content));
}

void ListingDocument::openWithShell(Platform& platform, const QString& fileName)
{
    const QString folder = platform.programFolder();
    platform.shellOpen(QDir(folder).filePath(fileName), [&platform, folder, fileName] {
        platform.showMessage(nullptr, u"MIRANDEL"_s,
                             u"Aucun programme n'a pu ouvrir le fichier exporté ["_s + fileName +
                                 u"].\nIl se trouve dans le répertoire "_s +
                                 QDir::toNativeSeparators(folder));
    });
}

QStringList ListingDocument::lines() const
{
    QStringList lines = text().split(u"\r\n"_s);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace mirandel
