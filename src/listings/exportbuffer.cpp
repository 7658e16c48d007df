#include "listings/exportbuffer.h"

#include "listings/codepage1252.h"
#include "listings/listingfile.h"
#include "platform/platform.h"

namespace mirandel {

ExportBuffer::ExportBuffer() : m_lines{QStringLiteral("Memo1")} {}

QByteArray ExportBuffer::bytes() const
{
    QByteArray bytes;
    for (const QString& line : m_lines) {
        bytes += cp1252::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

void ExportBuffer::saveText(Platform& platform, const QString& fileName) const
{
    saveText(platform.programFolder(), fileName);
}

void ExportBuffer::saveText(const QString& folder, const QString& fileName) const
{
    listingfile::enterFolder(folder, fileName);
    listingfile::write(folder, fileName, bytes());
}

} // namespace mirandel
