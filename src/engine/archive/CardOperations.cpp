#include "engine/archive/CardOperations.h"

#include "engine/archive/ArchiveFile.h"
#include "engine/archive/RecordLayout.h"
#include "engine/text/TextRules.h"
#include "engine/platform/Platform.h"

#include <utility>

qint64 CardOperations::positionNumber(const QString &label)
{
    const QString text = TextRules::trimmed(label);
    if (text.isEmpty())
        return 0;
    if (!TextRules::isDigitsOnly(text))
        return -1;
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    return ok ? number : -1;
}

CardOperations::CardOperations(CardView &view, const RecordLayout &layout, CardMessages messages)
    : m_view(view)
    , m_layout(layout)
    , m_messages(std::move(messages))
{
}

void CardOperations::showAccessDenied(MessageKind kind)
{
    platform().showMessage(kind, CardMessages::accessDenied());
}

qint64 CardOperations::countRecords() const
{
    ArchiveFile file(m_archivePath, m_layout.recordSize());
    const qint64 records = file.open() ? file.count() : -1;
    file.close();
    return records;
}

void CardOperations::showRecord(qint64 k, const QByteArray &record)
{
    m_view.showCardRecord(Record::decode(m_layout, record));
    m_view.setPosition(QString::number(k));
}

void CardOperations::goTo(Target target)
{
    const MessageKind failureKind = target == Target::First ? m_messages.firstFailureKind : MessageKind::Error;
    ArchiveFile file(m_archivePath, m_layout.recordSize());
    if (!file.open()) {
        showAccessDenied(failureKind);
        return;
    }
    const qint64 records = file.count();
    if (records < 0) {
        file.close();
        showAccessDenied(failureKind);
        return;
    }
    if (records == 0) {
        file.close();
        platform().showMessage(MessageKind::Information, m_messages.emptyArchive);
        return;
    }
    const qint64 k = target == Target::First ? 1 : records;
    QByteArray record;
    const bool ok = file.read(k, &record);
    file.close();
    if (!ok) {
        showAccessDenied(failureKind);
        return;
    }
    m_view.showCardRecord(Record::decode(m_layout, record));
    m_view.setPosition(QString::number(k));
}

void CardOperations::first()
{
    goTo(Target::First);
}

void CardOperations::last()
{
    goTo(Target::Last);
}

void CardOperations::next()
{
    ArchiveFile file(m_archivePath, m_layout.recordSize());
    if (!file.open()) {
        showAccessDenied();
        return;
    }
    const qint64 records = file.count();
    const qint64 p = positionNumber(m_view.position());
    if (records < 0 || p < 0) {
        file.close();
        showAccessDenied();
        return;
    }
    if (records == 0) {
        file.close();
        m_view.setPosition(QString());
        platform().showMessage(MessageKind::Information, m_messages.emptyArchive);
        return;
    }
    if (p >= records) {
        file.close();
        return;
    }
    QByteArray record;
    const bool ok = file.read(p + 1, &record);
    file.close();
    if (!ok) {
        showAccessDenied();
        return;
    }
    m_view.showCardRecord(Record::decode(m_layout, record));
    m_view.setPosition(QString::number(p + 1));
}

void CardOperations::previous()
{
    ArchiveFile file(m_archivePath, m_layout.recordSize());
    if (!file.open()) {
        showAccessDenied();
        return;
    }
    const QString label = TextRules::trimmed(m_view.position());
    if (label == QLatin1String("1")) {
        file.close();
        return;
    }
    const qint64 records = file.count();
    const qint64 p = positionNumber(label);
    if (records < 0 || p < 0) {
        file.close();
        showAccessDenied();
        return;
    }
    if (records == 0) {
        file.close();
        platform().showMessage(MessageKind::Information, m_messages.emptyArchive);
        return;
    }
    // From a new card Previous shows the first record, not the last.
    const qint64 k = p == 0 ? 1 : p - 1;
    QByteArray record;
    const bool ok = file.read(k, &record);
    file.close();
    if (!ok) {
        showAccessDenied();
        return;
    }
    m_view.showCardRecord(Record::decode(m_layout, record));
    m_view.setPosition(QString::number(k));
}

void CardOperations::save()
{
    if (!m_view.checkBeforeSave())
        return;
    const qint64 p = positionNumber(m_view.position());
    if (p < 0) {
        showAccessDenied(m_messages.saveFailureKind);
        return;
    }
    const QByteArray record = m_view.cardRecord().encode();
    ArchiveFile file(m_archivePath, m_layout.recordSize());
    if (!file.open() || file.count() < 0) {
        file.close();
        showAccessDenied(m_messages.saveFailureKind);
        return;
    }
    const QString question = m_view.questionBeforeWriting(file, p);
    if (!question.isEmpty()) {
        // The lock is not kept while the user thinks: another copy of the
        // program must not wait for the answer.
        file.close();
        if (!platform().askYesNo(question, DefaultAnswer::No)) {
            m_view.savingDeclined();
            return;
        }
        if (!file.open()) {
            showAccessDenied(m_messages.saveFailureKind);
            return;
        }
    }
    const qint64 records = file.count();
    if (records < 0) {
        file.close();
        showAccessDenied(m_messages.saveFailureKind);
        return;
    }
    if (p > 0) {
        // A stored card is written back over its own record, even when
        // other records were appended meanwhile.
        const bool ok = p <= records && file.write(p, record);
        file.close();
        if (!ok) {
            showAccessDenied(m_messages.saveFailureKind);
            return;
        }
        platform().showMessage(MessageKind::Information, m_messages.changeSaved);
        return;
    }
    const bool ok = file.write(records + 1, record);
    file.close();
    if (!ok) {
        showAccessDenied(m_messages.saveFailureKind);
        return;
    }
    m_view.setPosition(QString::number(records + 1));
    platform().showMessage(MessageKind::Information, m_messages.cardInserted);
}

void CardOperations::newCard()
{
    m_view.clearCard();
    m_view.focusFirstField();
}

void CardOperations::duplicate()
{
    if (TextRules::trimmed(m_view.position()).isEmpty()) {
        platform().showMessage(MessageKind::Warning, m_messages.duplicateRefused);
        return;
    }
    // The archive is reached before the card changes, so that a failure
    // leaves the stored card on screen as it was.
    ArchiveFile file(m_archivePath, m_layout.recordSize());
    const bool reachable = file.open();
    file.close();
    if (!reachable) {
        showAccessDenied();
        return;
    }
    m_view.clearAttachments();
    m_view.setPosition(QString());
    m_view.prepareDuplicate();
    m_view.focusFirstField();
    platform().showMessage(MessageKind::Information, m_messages.copyReady);
}
