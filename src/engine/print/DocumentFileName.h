#pragma once

#include <QString>

// The name a document is proposed under when saved as PDF ("Contratto
// ROSSI MARIO.pdf") or as another file ("Schedine 05-08-2025 ROSSI
// MARIO.txt"): the document's words and its data, every character that
// cannot stand in a file name on the usual systems replaced by "_".
namespace DocumentFileName {

// `words` + " " + `data` (trimmed; just `words` when there is no data),
// made safe, + ".pdf".
QString pdfName(const QString &words, const QString &data);

// The same with another extension, given with its dot (".txt").
QString safeName(const QString &words, const QString &data, const QString &extension);

} // namespace DocumentFileName
