#pragma once

#include <QString>

// A new file that takes its target's place only by commit(): until then the
// target keeps its old content, and a file never committed is gone.
//
// Where the system allows it the new file has no name at all until commit()
// (an unnamed file in the target's folder), so a writer killed half-way
// leaves nothing behind. Elsewhere, and for the instant between naming the
// finished file and renaming it over the target, it is "<target>.XXXXXX";
// such a file stays locked while its writer lives, so that the next writer
// of the same target can tell a leftover from a file being written and
// remove it (create() does, through removeLeftovers()).
class ReplacingFile
{
public:
    explicit ReplacingFile(QString target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // Creates the empty new file in the target's folder, with the target's
    // permissions when it exists, after removing the leftovers of writers
    // of the same target that were killed.
    bool create();
    // A path that opens the new file, for writers that want a name (the
    // file descriptor's entry under /proc for an unnamed file).
    QString temporaryPath() const { return m_openPath; }
    // The new file's descriptor, open for reading and writing; -1 before
    // create().
    int handle() const { return m_fd; }
    // Flushes the new file to the disk and renames it over the target in
    // one step.
    bool commit();

    // Removes the temporary files of `target` that no living writer holds:
    // those of a writer that was killed or lost its power.
    static void removeLeftovers(const QString &target);

private:
    bool createUnnamed(const QByteArray &folder);
    bool createNamed();

    QString m_target;
    QString m_openPath;
    QString m_named;  // the temporary name, while the file has one
    int m_fd = -1;
    bool m_committed = false;
};
