#include "widgets/platform/QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace {

QWidget *dialogOwner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QString boxTitle()
{
    QWidget *owner = dialogOwner();
    return owner ? owner->windowTitle().trimmed() : QStringLiteral("Vacanzio");
}

} // namespace

QString QtPlatform::displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    shown.remove(QLatin1Char('\r'));
    return shown;
}

QString QtPlatform::unquoted(const QString &command)
{
    QString target = command.trimmed();
    if (target.size() >= 2 && target.startsWith(QLatin1Char('"')) && target.endsWith(QLatin1Char('"')))
        target = target.mid(1, target.size() - 2);
    return target;
}

QString QtPlatform::qtFileFilter(const QString &filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    static const QRegularExpression bracketsAtEnd(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    static const QRegularExpression patternSeparators(QStringLiteral("[;\\s]+"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype at = 0; at < parts.size(); at += 2) {
        const QString description = parts.at(at).trimmed();
        const QStringList patterns = at + 1 < parts.size()
            ? parts.at(at + 1).split(patternSeparators, Qt::SkipEmptyParts)
            : QStringList();
        if (patterns.isEmpty()) {
            // A description left without its pattern part: Qt takes the
            // patterns from its brackets, if it has any.
            if (!description.isEmpty())
                entries.append(description);
            continue;
        }
        QString name = description;
        name.remove(bracketsAtEnd);
        if (name.isEmpty())
            name = patterns.join(QLatin1Char(' '));
        entries.append(name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

QString QtPlatform::qtDefaultSuffix(const QString &suffixes)
{
    QString first = suffixes.section(QLatin1Char(','), 0, 0).trimmed().toLower();
    if (first.startsWith(QLatin1Char('.')))
        first.remove(0, 1);
    return first;
}

void QtPlatform::showMessage(MessageKind kind, const QString &text)
{
    QMessageBox box(dialogOwner());
    box.setWindowTitle(boxTitle());
    box.setText(displayText(text));
    switch (kind) {
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageKind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (kind == MessageKind::Plain) {
        box.setStandardButtons(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annulla"));
    }
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

bool QtPlatform::askYesNo(const QString &text, DefaultAnswer defaultAnswer)
{
    QMessageBox box(dialogOwner());
    box.setWindowTitle(boxTitle());
    box.setIcon(QMessageBox::Question);
    box.setText(displayText(text));
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Sì"));
    box.setDefaultButton(defaultAnswer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtPlatform::chooseFileToOpen(const QString &title, const QString &filter,
                                     const QString &defaultSuffix)
{
    QFileDialog dialog(dialogOwner(), title, QString(), qtFileFilter(filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QString suffix = qtDefaultSuffix(defaultSuffix);
    if (!suffix.isEmpty())
        dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtPlatform::chooseFileToSave(const QString &title, const QString &filter, const QString &proposedPath)
{
    QFileDialog dialog(dialogOwner(), title, proposedPath, qtFileFilter(filter));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QString suffix = QFileInfo(proposedPath).suffix();
    if (!suffix.isEmpty())
        dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void QtPlatform::shellOpen(const QString &command)
{
    const QString target = unquoted(command);
    if (target.isEmpty())
        return;
    const QUrl asUrl(target);
    const QString scheme = asUrl.scheme().toLower();
    // A one-letter scheme is a drive letter, not a protocol.
    if (scheme == QLatin1String("mailto") || scheme == QLatin1String("http")
        || scheme == QLatin1String("https") || scheme == QLatin1String("file")) {
        QDesktopServices::openUrl(asUrl);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(target));
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

QDateTime QtPlatform::now()
{
    return QDateTime::currentDateTime();
}

QString QtPlatform::chooseFolder(const QString &title, const QString &startFolder)
{
    QFileDialog dialog(dialogOwner(), title, startFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtPlatform::documentationFolder()
{
    return m_documentationFolder;
}

QString QtPlatform::programFolder()
{
    if (!m_programFolder.isEmpty())
        return m_programFolder;
    QString folder = QDir::fromNativeSeparators(QCoreApplication::applicationDirPath());
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
