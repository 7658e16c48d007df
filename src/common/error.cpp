#include "common/error.h"

namespace mirandel {

MirandelError::MirandelError(QString message)
    : m_message(std::move(message)), m_utf8(m_message.toUtf8())
{
}

MirandelError MirandelError::notAFloat(const QString& text)
{
    return MirandelError(u"'" % text % u"' n'est pas une valeur en virgule flottante correcte");
}

MirandelError MirandelError::notAnInteger(const QString& text)
{
    return MirandelError(u"'" % text % u"' n'est pas une valeur entière correcte");
}

MirandelError MirandelError::invalidFloatOperation()
{
    return MirandelError(QStringLiteral("Opération en virgule flottante incorrecte"));
}

MirandelError MirandelError::divisionByZero()
{
    return MirandelError(QStringLiteral("Division par zéro en virgule flottante"));
}

MirandelError MirandelError::richEditInsert()
{
    return MirandelError(QStringLiteral("Erreur d'insertion de ligne RichEdit"));
}

MirandelError MirandelError::cannotCreateFile(const QString& fileName, const QString& reason)
{
    return MirandelError(u"Impossible de créer le fichier \"" % fileName % u"\". " % reason);
}

MirandelError MirandelError::cannotOpenFile(const QString& fileName, const QString& reason)
{
    return MirandelError(u"Impossible d'ouvrir le fichier \"" % fileName % u"\". " % reason);
}

MirandelError MirandelError::ioError(int code)
{
    return MirandelError(u"Erreur E/S " % QString::number(code));
}

} // namespace mirandel
