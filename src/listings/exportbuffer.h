#pragma once

// The export text buffer: plain text lines behind the semicolon-separated export. Saved
// one byte per character in the Western European code page, each line followed by
// carriage return and line feed, without a byte-order mark.

#include <QString>
#include <QStringList>

namespace mirandel {

class Platform;

class ExportBuffer
{
public:
    // Holds the single line "Memo1" until the first Clear.
    ExportBuffer();

    void clear() { m_lines.clear(); }
    void addLine(const QString& text) { m_lines.append(text); }
    const QStringList& lines() const { return m_lines; }

    // The saved form of the buffer.
    QByteArray bytes() const;
    // Makes the program's folder the current directory and writes the buffer there as
    // `fileName`, replacing any file of that name. Throws a MirandelError on failure.
    void saveText(Platform& platform, const QString& fileName) const;
    void saveText(const QString& folder, const QString& fileName) const;

private:
    QStringList m_lines;
};

} // namespace mirandel
