#pragma once

#include <QString>

// A new file written beside its target under a temporary name, put in the
// target's place only by commit(): until then the target keeps its old
// content, and a file never committed is removed. For writers that want a
// file name of their own to write to (QSaveFile serves those that take a
// QIODevice).
class ReplacingFile
{
public:
    explicit ReplacingFile(QString target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // Creates the empty temporary file in the target's folder, with the
    // target's permissions when it exists.
    bool create();
    QString temporaryPath() const { return m_temporary; }
    // Flushes the temporary file to the disk and renames it over the target
    // in one step.
    bool commit();

private:
    QString m_target;
    QString m_temporary;
    bool m_committed = false;
};
