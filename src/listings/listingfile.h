#pragma once

// The files of the listings: each is written under a bare name into the program's folder
// and replaces any file of that name only once it is complete, so a failed save never
// leaves half a listing where the previous one was.

#include <QByteArray>
#include <QString>

namespace mirandel::listingfile {

// Makes `folder` the process's current directory. When it cannot, the file to be written
// there cannot be created: 'Impossible de créer le fichier "%s". %s' with `fileName` and
// the reason (for a missing folder, why it could not be made); an empty `folder` is no
// folder at all.
void enterFolder(const QString& folder, const QString& fileName);

// Writes `bytes` as `fileName` in `folder`; 'Impossible de créer le fichier "%s". %s'
// with the system's reason when the file cannot be created or replaced.
void write(const QString& folder, const QString& fileName, const QByteArray& bytes);

// Reads `fileName` in `folder`; 'Impossible d'ouvrir le fichier "%s". %s' when it cannot.
QByteArray read(const QString& folder, const QString& fileName);

} // namespace mirandel::listingfile
