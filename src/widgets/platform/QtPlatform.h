#pragma once

#include "engine/platform/Platform.h"

// The real platform: Qt's message boxes and dialogs, QDesktopServices, the
// system clock and the folder of the running executable.
class QtPlatform : public Platform
{
public:
    void showMessage(MessageKind kind, const QString &text) override;
    bool askYesNo(const QString &text) override;
    QString chooseFileToOpen(const QString &title, const QString &filter,
                             const QString &defaultSuffix) override;
    void shellOpen(const QString &command) override;
    QDate today() override;
    QDateTime now() override;
    QString programFolder() override;

    // The text a message box shows: the program writes its line breaks as
    // "\n\r" or "\r\n" pairs, which a Qt label would show as two breaks or
    // stray characters.
    static QString displayText(const QString &text);
    // The target of a shell-open command, without the enclosing quotes.
    static QString unquoted(const QString &command);
};
