#pragma once

#include "engine/platform/Platform.h"

// The real platform: Qt's message boxes and dialogs, QDesktopServices, the
// system clock and the program folder chosen at start.
class QtPlatform : public Platform
{
public:
    void showMessage(MessageKind kind, const QString &text) override;
    bool askYesNo(const QString &text, DefaultAnswer defaultAnswer) override;
    QString chooseFileToOpen(const QString &title, const QString &filter,
                             const QString &defaultSuffix) override;
    QString chooseFileToSave(const QString &title, const QString &filter,
                             const QString &proposedPath) override;
    void shellOpen(const QString &command) override;
    QDate today() override;
    QDateTime now() override;
    QString chooseFolder(const QString &title, const QString &startFolder) override;
    QString programFolder() override;
    QString documentationFolder() override;

    // Chosen at start (ProgramFolder); until then, the executable's folder.
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    void setDocumentationFolder(const QString &folder) { m_documentationFolder = folder; }

    // The text a message box shows: the program writes its line breaks as
    // "\n\r" or "\r\n" pairs, which a Qt label would show as two breaks or
    // stray characters.
    static QString displayText(const QString &text);
    // The target of a shell-open command, without the enclosing quotes.
    static QString unquoted(const QString &command);
    // A file dialog filter in the program's "description|pattern|..." form
    // as Qt takes it: "description (pattern pattern);;...". A description
    // that ends with its patterns in brackets has them replaced by the
    // pattern part's, so that they are not shown twice. A filter without '|'
    // is taken to be in Qt's form already.
    static QString qtFileFilter(const QString &filter);
    // The first of the comma-separated default suffixes, lower-cased, as Qt
    // takes it: "JPG,JPEG,BMP" gives "jpg".
    static QString qtDefaultSuffix(const QString &suffixes);

private:
    QString m_programFolder;
    QString m_documentationFolder;
};
