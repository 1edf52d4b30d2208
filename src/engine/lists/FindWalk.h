#pragma once

#include <QString>

class SummaryLines;

// Trova in a list window: finds the next line holding a piece of text.
namespace FindWalk {

// The row to select after one press of Trova over a list that is not
// empty, with `selected` the row selected before (-1 for none, which first
// selects row 0) and `typed` the find field as typed. The text looked for is
// `typed` with A to Z folded to a to z, found in a line folded the same way;
// an empty text is found nowhere. A text other than `remembered` walks from
// the first line, testing it first; the same text walks on from the line
// after the selected one and tests the selected one last; the walk wraps
// from the last line to the first. Without a match the selection stays.
// `remembered` becomes the text looked for.
qsizetype next(const SummaryLines &lines, qsizetype selected, const QString &typed, QString &remembered);

// The last text looked for by the windows of one class ("TfrmSospesi"),
// kept for the whole run.
QString &rememberedText(const char *windowClass);

} // namespace FindWalk
