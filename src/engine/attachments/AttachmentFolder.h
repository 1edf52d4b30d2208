#pragma once

#include <QString>

// The folder Documenti_Allegati of the program folder, where the files
// attached to landlord and tenant cards are copied. Both archives share it;
// a file keeps its own name there, and the program never deletes one.
//
// Every operation takes the name a card holds and refuses a name that could
// lead out of the folder (see AttachmentName), so that a name read from a
// changed archive is never opened nor written to.
class AttachmentFolder
{
public:
    // `programFolder` as the platform gives it.
    explicit AttachmentFolder(const QString &programFolder);

    static QString folderName();

    // The folder's path, with Qt's separators.
    QString path() const;
    // The full path of the attachment named `fileName`, or an empty text
    // when the name is not a safe bare name, or names a link that leads
    // outside the folder (or nowhere).
    QString filePath(const QString &fileName) const;
    // True when the folder holds a file of that (safe) name.
    bool holds(const QString &fileName) const;
    // `name` (a storable name) when nothing in the folder has it, otherwise
    // the first free one of "name (2)", "name (3)"...; empty when none is.
    QString freeName(const QString &name) const;
    // Creates the folder, with any missing parent; true when it is there.
    bool create() const;
    // Copies `source` into the folder as `fileName`, replacing a file of
    // that name. The bytes go to a temporary file in the folder that takes
    // the name only when every byte is written, so a failed copy (a short
    // write on a full disk, a read error) never leaves half a file under the
    // name and leaves an older file of that name as it was. False on any
    // failure, an unsafe name included.
    bool copyIn(const QString &source, const QString &fileName) const;
    // What the desktop is handed to open the attachment: its full path with
    // the platform's own separators, in double quotes; an empty text when
    // the name is not safe.
    QString openCommand(const QString &fileName) const;

private:
    QString m_path;
};
