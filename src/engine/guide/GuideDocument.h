#pragma once

#include "engine/report/ReportLayout.h"

#include <QString>

// The guide as a printable document, Guida.pdf: a title page with the
// contents, then one chapter per topic of the built-in help, from the same
// topic files the guide window shows, and the page number at the foot of
// every page after the first. The guide window's PDF link opens it.
namespace GuideDocument {

// "Guida.pdf": its name in the program folder.
QString fileName();

// The sheets of the guide, laid out and numbered.
Report::PreparedReport prepare();

enum class Outcome {
    Written,         // the folder had no guide and now has one
    AlreadyPresent,  // a guide was there and is left as it was
    Failed,          // the folder or the file could not be written
};

// Writes the guide into `folder` unless a file of its name is already there
// (a guide the user keeps is never replaced). Needs a QGuiApplication.
Outcome writeIfMissing(const QString &folder);

} // namespace GuideDocument
