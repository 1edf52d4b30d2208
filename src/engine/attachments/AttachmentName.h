#pragma once

#include <QString>

// The file names that a card keeps for its attachments. A card's record
// holds only the bare name of a file in the attachments folder, but the
// archive is an ordinary file that anybody can change: a name read from it
// may hold a folder part, and must then never lead the program to a file
// elsewhere on the disk.
namespace AttachmentName {

// True for a bare file name that stays inside the folder it is looked up
// in: not empty, not "." or ".." (nor made of dots alone, which Windows
// reads as the folder itself), without '/', '\\' (a folder part on either
// system), ':' (a drive, or a stream of another file on Windows) or a
// character below 32. The name is taken as it is: callers trim it first.
bool isSafe(const QString &name);

// The name under which a file called `fileName` can be attached: the name a
// card stores is exactly the name of the file in the folder, so every
// character the record cannot hold (outside Windows-1252) or that isSafe()
// refuses becomes '_', the name is trimmed as the record trims it, and a
// name too long for the record (or for the disk) is cut before its
// extension. A name that needs none of this comes back as it is.
QString storable(const QString &fileName);

// `name` (a storable name) with " (n)" before its extension, cut to fit.
QString numbered(const QString &name, int n);

} // namespace AttachmentName
