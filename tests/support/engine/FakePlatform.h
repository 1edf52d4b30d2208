#pragma once

#include "engine/platform/Platform.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// A platform for tests: records every message and shell command instead of
// showing anything, answers questions and file dialogs from queues, keeps a
// fixed date and uses a temporary program folder. Installs itself on
// construction and restores the real platform when destroyed.
class FakePlatform : public Platform
{
public:
    struct Message
    {
        MessageKind kind;
        QString text;
    };

    FakePlatform();
    ~FakePlatform() override;

    void showMessage(MessageKind kind, const QString &text) override;
    bool askYesNo(const QString &text, DefaultAnswer defaultAnswer) override;
    QString chooseFileToOpen(const QString &title, const QString &filter,
                             const QString &defaultSuffix) override;
    QString chooseFileToSave(const QString &title, const QString &filter,
                             const QString &proposedPath) override;
    QString chooseFolder(const QString &title, const QString &startFolder) override;
    void shellOpen(const QString &command) override;
    QDate today() override;
    QDateTime now() override;
    QString programFolder() override;
    QString documentationFolder() override;

    // The messages shown so far, oldest first.
    QList<Message> messages;
    QStringList questions;
    QList<DefaultAnswer> questionDefaults;  // the default button of each question
    QList<bool> answers;            // consumed by askYesNo; No when empty
    QStringList fileChoices;        // consumed by chooseFileToOpen; "" when empty
    QStringList fileDialogTitles;
    QStringList saveChoices;        // consumed by chooseFileToSave; "" (cancel) when empty
    QStringList saveDialogTitles;
    QStringList saveDialogFilters;
    QStringList proposedSavePaths;
    QStringList folderChoices;      // consumed by chooseFolder; "" (cancel) when empty
    QStringList folderDialogTitles;
    QStringList shellCommands;
    // What documentationFolder() answers: none, as for a copy not installed.
    QString documentation;
    QDateTime clock = QDateTime(QDate(2026, 12, 9), QTime(10, 30, 0));
    // Called while a message is "shown", as if the user looked at the
    // window behind it at that moment.
    std::function<void(const Message &)> onMessage;

    // The last message, or an empty one.
    Message lastMessage() const;
    void clear();
    // The program folder, ending with '/'.
    QString folder() const { return m_folder; }
    // A file in the program folder.
    QString filePath(const QString &name) const { return m_folder + name; }

private:
    QTemporaryDir m_dir;
    QString m_folder;
};
