#pragma once

#include <QString>

#include <optional>

// The access password as kept in the program folder: scrambled, in section
// "Accesso", key "Valore" of the INI file "unins000.dll". Every call opens
// the file afresh, so a change is seen by the very next sign-in.
class PasswordStore
{
public:
    // `folder` is the program folder, ending with '/'.
    explicit PasswordStore(QString folder);

    static QString fileName() { return QStringLiteral("unins000.dll"); }
    // The password of a fresh installation, told by the guide.
    static QString initialPassword() { return QStringLiteral("benvenutoposta"); }
    QString filePath() const;

    // The form in which passwords are stored and compared: blanks and
    // control characters removed at both ends, a to z upper-cased.
    static QString normalized(const QString &typed);

    // The stored password, trimmed; empty when the file, the section or the
    // key is missing. std::nullopt when the file exists but cannot be read
    // or its value is not a scrambled text.
    std::optional<QString> read() const;
    // Stores normalized(password), creating the file, section and key as
    // needed. False when the file could not be written; the old file is
    // then left as it was.
    bool write(const QString &password) const;
    // Stores `password` only when no file of that name exists yet, so that a
    // password the user changed is never replaced. True when the file was
    // already there or has been written.
    bool createIfMissing(const QString &password) const;

private:
    QString m_folder;
};
