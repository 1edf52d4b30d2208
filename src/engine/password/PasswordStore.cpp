#include "engine/password/PasswordStore.h"

#include "engine/password/PasswordScrambler.h"
#include "engine/text/TextRules.h"
#include "engine/settings/IniFile.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

namespace {

QString section()
{
    return QStringLiteral("Accesso");
}

QString key()
{
    return QStringLiteral("Valore");
}

} // namespace

PasswordStore::PasswordStore(QString folder)
    : m_folder(std::move(folder))
{
}

QString PasswordStore::filePath() const
{
    return m_folder + fileName();
}

QString PasswordStore::normalized(const QString &typed)
{
    return TextRules::upperAscii(TextRules::trimmed(typed));
}

std::optional<QString> PasswordStore::read() const
{
    const QString path = filePath();
    // IniFile treats an unreadable file like a missing one; here that would
    // silently turn a damaged installation into "wrong password".
    if (QFileInfo::exists(path)) {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly))
            return std::nullopt;
    }
    const QString scrambled = IniFile(path).readString(section(), key());
    const std::optional<QString> password = PasswordScrambler::decode(scrambled);
    if (!password)
        return std::nullopt;
    return TextRules::trimmed(*password);
}

bool PasswordStore::write(const QString &password) const
{
    IniFile file(filePath());
    return file.writeString(section(), key(), PasswordScrambler::encode(normalized(password)));
}

bool PasswordStore::createIfMissing(const QString &password) const
{
    if (QFileInfo::exists(filePath()))
        return true;
    return write(password);
}
