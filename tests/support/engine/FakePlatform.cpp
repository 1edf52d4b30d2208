#include "FakePlatform.h"

FakePlatform::FakePlatform()
{
    m_folder = m_dir.path() + QLatin1Char('/');
    setPlatform(this);
}

FakePlatform::~FakePlatform()
{
    setPlatform(nullptr);
}

void FakePlatform::showMessage(MessageKind kind, const QString &text)
{
    messages.append({kind, text});
    if (onMessage)
        onMessage(messages.constLast());
}

bool FakePlatform::askYesNo(const QString &text, DefaultAnswer defaultAnswer)
{
    questions.append(text);
    questionDefaults.append(defaultAnswer);
    return answers.isEmpty() ? false : answers.takeFirst();
}

QString FakePlatform::chooseFileToOpen(const QString &title, const QString &, const QString &)
{
    fileDialogTitles.append(title);
    return fileChoices.isEmpty() ? QString() : fileChoices.takeFirst();
}

QString FakePlatform::chooseFileToSave(const QString &title, const QString &filter, const QString &proposedPath)
{
    saveDialogTitles.append(title);
    saveDialogFilters.append(filter);
    proposedSavePaths.append(proposedPath);
    return saveChoices.isEmpty() ? QString() : saveChoices.takeFirst();
}

QString FakePlatform::chooseFolder(const QString &title, const QString &)
{
    folderDialogTitles.append(title);
    return folderChoices.isEmpty() ? QString() : folderChoices.takeFirst();
}

QString FakePlatform::documentationFolder()
{
    return documentation;
}

void FakePlatform::shellOpen(const QString &command)
{
    shellCommands.append(command);
}

QDate FakePlatform::today()
{
    return clock.date();
}

QDateTime FakePlatform::now()
{
    return clock;
}

QString FakePlatform::programFolder()
{
    return m_folder;
}

FakePlatform::Message FakePlatform::lastMessage() const
{
    return messages.isEmpty() ? Message{MessageKind::Plain, QString()} : messages.constLast();
}

void FakePlatform::clear()
{
    messages.clear();
    questions.clear();
    shellCommands.clear();
}
