#pragma once

// The program's one error type. Bad numeric text, arithmetic faults and file faults are
// raised as a MirandelError carrying the runtime's French message; a handler either
// absorbs it or lets it reach the standard error box (platform/guard.h).

#include <QString>

#include <exception>

namespace mirandel {

class MirandelError : public std::exception
{
public:
    explicit MirandelError(QString message);

    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

    // "'%s' n'est pas une valeur en virgule flottante correcte"
    static MirandelError notAFloat(const QString& text);
    // "'%s' n'est pas une valeur entière correcte"
    static MirandelError notAnInteger(const QString& text);
    // "Opération en virgule flottante incorrecte"
    static MirandelError invalidFloatOperation();
    // "Division par zéro en virgule flottante"
    static MirandelError divisionByZero();
    // "Erreur d'insertion de ligne RichEdit"
    static MirandelError richEditInsert();
    // 'Impossible de créer le fichier "%s". %s'
    static MirandelError cannotCreateFile(const QString& fileName, const QString& reason);
    // 'Impossible d'ouvrir le fichier "%s". %s'
    static MirandelError cannotOpenFile(const QString& fileName, const QString& reason);
    // "Erreur E/S %d"
    static MirandelError ioError(int code);

private:
    QString m_message;
    QByteArray m_utf8;
};

} // namespace mirandel
