#pragma once

#include <QString>

// A settings file in the format Windows programs write: Windows-1252 text,
// "[Section]" headers and "Key=Value" lines, section and key names compared
// without regard to the case of a to z. Writing keeps every other section,
// key and line as it was, writes names and values as they stand (spaces
// included, no escaping), and replaces the file atomically: a crash leaves
// either the old file or the new one, never half of one.
class IniFile
{
public:
    explicit IniFile(QString path);

    // The value of the key; `fallback` when the file, the section or the key
    // is missing or the file cannot be read.
    QString readString(const QString &section, const QString &key,
                       const QString &fallback = QString()) const;
    // Sets the key, creating the file, the section and the key as needed.
    bool writeString(const QString &section, const QString &key, const QString &value);

    const QString &path() const { return m_path; }

private:
    QString m_path;
};
