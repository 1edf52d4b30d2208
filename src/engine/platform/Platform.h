#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// The kinds of message box the program shows. Information, warning and error
// boxes carry OK and Cancel (OK the default; the answer makes no difference);
// a plain box has no icon and OK only.
enum class MessageKind { Information, Warning, Error, Plain };

// The button of a question that Enter presses.
enum class DefaultAnswer { Yes, No };

// Everything that would block a test or reach outside the program: message
// boxes, questions, file dialogs, the desktop's open operation, the clock and
// the program folder. The real implementation lives with the widgets and is
// installed by the startup code; tests install their own with setPlatform().
// (The print dialog needs a printer, so it is the widgets' own: PrintDialog.)
class Platform
{
public:
    virtual ~Platform() = default;

    virtual void showMessage(MessageKind kind, const QString &text) = 0;
    // A Yes/No question; true for Yes.
    bool askYesNo(const QString &text) { return askYesNo(text, DefaultAnswer::Yes); }
    virtual bool askYesNo(const QString &text, DefaultAnswer defaultAnswer) = 0;
    // A file-open dialog; an empty text when the user cancels. The filter is
    // written as Windows programs write it, descriptions and patterns
    // alternating between '|' ("Immagine JPEG (*.jpg; *.jpeg)|*.jpg;*.jpeg|
    // Immagine Bitmap (*.bmp)|*.bmp", several patterns of one entry
    // separated by ';'); the default suffix, without its dot, may list
    // several separated by ',' ("JPG,JPEG,BMP"), of which the first counts.
    virtual QString chooseFileToOpen(const QString &title, const QString &filter,
                                     const QString &defaultSuffix = QString()) = 0;
    // A file-save dialog proposing `proposedPath`; the chosen path, or an
    // empty text when the user cancels. The filter is given as above.
    virtual QString chooseFileToSave(const QString &title, const QString &filter,
                                     const QString &proposedPath) = 0;
    // A folder dialog starting at `startFolder`; the chosen folder, or an
    // empty text when the user cancels. (Not pure: a platform that never
    // asks for a folder need not say so.)
    virtual QString chooseFolder(const QString &title, const QString &startFolder)
    {
        Q_UNUSED(title);
        Q_UNUSED(startFolder);
        return QString();
    }
    // Hands a file path, a web address or a "mailto:" text to the desktop's
    // default application. Callers may enclose it in double quotes. Failures
    // are not reported.
    virtual void shellOpen(const QString &command) = 0;
    virtual QDate today() = 0;
    virtual QDateTime now() = 0;
    // The folder where the program keeps its files, ending with a '/' (see
    // ProgramFolder for how it is chosen).
    virtual QString programFolder() = 0;
    // The documentation folder of an installed copy, ending with a '/'
    // (where its Guida.pdf is); empty when the program is not installed.
    virtual QString documentationFolder() { return QString(); }
};

// The platform in use.
Platform &platform();
// Installs a platform (not owned); nullptr uninstalls it.
void setPlatform(Platform *replacement);
