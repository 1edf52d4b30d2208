#pragma once

#include "engine/archive/CardMessages.h"
#include "engine/archive/Record.h"

#include <QString>

class ArchiveFile;
class RecordLayout;

// What the archive operations need of a card window. The windows implement
// it; tests implement it without widgets.
class CardView
{
public:
    virtual ~CardView() = default;

    // The card as the controls hold it.
    virtual Record cardRecord() const = 0;
    // Puts a stored record (its texts already trimmed) into the controls.
    virtual void showCardRecord(const Record &record) = 0;
    virtual QString position() const = 0;
    virtual void setPosition(const QString &position) = 0;
    // The window's clearing routine (and whatever a new card is pre-filled
    // with): used by New.
    virtual void clearCard() = 0;
    // Empties the hidden attachment labels, where the window has them.
    virtual void clearAttachments() = 0;
    // What the window adds to a duplicated card (today's date, say).
    virtual void prepareDuplicate() {}
    virtual void focusFirstField() = 0;
    // The window's own check before saving; it shows its own message and
    // moves the focus when it refuses.
    virtual bool checkBeforeSave() = 0;
    // Asked under the archive's lock just before the card is written over
    // record `ownPosition` (0: appended): a question the user must answer
    // Yes to before the card is saved (a receipt number already used by
    // another copy of the program), or an empty text.
    virtual QString questionBeforeWriting(const ArchiveFile &archive, qint64 ownPosition)
    {
        Q_UNUSED(archive);
        Q_UNUSED(ownPosition);
        return QString();
    }
    // The user answered No to that question: nothing was saved.
    virtual void savingDeclined() {}
};

// First, Previous, Next, Last, Save, New and Duplicate on one archive. Each
// opens the archive, works on one record by position and closes it again;
// nothing is cached. Failures show the access message and leave both the
// archive and the card as they were.
class CardOperations
{
public:
    CardOperations(CardView &view, const RecordLayout &layout, CardMessages messages);

    // The number in a position label; 0 for an empty label, -1 for a label
    // that is not a number.
    static qint64 positionNumber(const QString &label);

    // The full path of the archive file the operations work on.
    void setArchivePath(const QString &path) { m_archivePath = path; }

    void first();
    void previous();
    void next();
    void last();
    void save();
    void newCard();
    void duplicate();
    // Shows record k from its bytes, as a list read them when it traced a
    // line back to its records: they are not read a second time, so a
    // record chosen in a list is shown even if the archive has gone since.
    void showRecord(qint64 k, const QByteArray &record);
    // The number of records, opening (and creating) the archive and closing
    // it again; -1 when it cannot be reached. Shows nothing.
    qint64 countRecords() const;
    // Shows the access message in a box of that kind.
    static void showAccessDenied(MessageKind kind = MessageKind::Error);

private:
    enum class Target { First, Last };
    void goTo(Target target);

    CardView &m_view;
    const RecordLayout &m_layout;
    CardMessages m_messages;
    QString m_archivePath;
};
