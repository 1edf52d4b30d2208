#include "FakePlatform.h"
#include "FileSizeLimit.h"
#include "engine/archive/ArchiveFile.h"
#include "engine/archive/CardOperations.h"
#include "engine/archive/RecordLayout.h"

#include <QFile>
#include <QTest>

namespace {

// A three-field archive: a name, a note and one attachment field.
const RecordLayout &tinyLayout()
{
    static const RecordLayout layout(QStringLiteral("Tiny.pro"), {{"Nome", 10}, {"Note", 5}, {"File01", 8}});
    return layout;
}

QByteArray tinyRecord(const QByteArray &name, const QByteArray &note = {}, const QByteArray &file = {})
{
    auto field = [](const QByteArray &text, int capacity) {
        QByteArray bytes(1, static_cast<char>(text.size()));
        bytes += text;
        bytes.resize(capacity + 1, '\0');
        return bytes;
    };
    return field(name, 10) + field(note, 5) + field(file, 8);
}

// A card window without widgets.
class FakeCardView : public CardView
{
public:
    QStringList texts{QString(), QString(), QString()};
    QString label;
    int focusMoves = 0;
    bool acceptSave = true;

    Record cardRecord() const override
    {
        Record record(tinyLayout());
        for (int i = 0; i < texts.size(); ++i)
            record.setValue(tinyLayout().name(i), texts.at(i));
        return record;
    }
    void showCardRecord(const Record &record) override
    {
        for (int i = 0; i < texts.size(); ++i)
            texts[i] = record.value(tinyLayout().name(i));
    }
    QString position() const override { return label; }
    void setPosition(const QString &p) override { label = p; }
    void clearCard() override
    {
        texts = {QString(), QString(), QString()};
        label.clear();
    }
    void clearAttachments() override { texts[2].clear(); }
    void focusFirstField() override { ++focusMoves; }
    bool checkBeforeSave() override { return acceptSave; }
};

} // namespace

class TestCardOperations : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void navigation_data();
    void navigation();
    void emptyArchive_data();
    void emptyArchive();
    void firstOnAMissingFileCreatesItThenSaveWritesRecordOne();
    void saveAppendsThenOverwritesInPlace();
    void saveOnAStoredCardWritesItsOwnRecordAfterOtherAppends();
    void saveStoresTrimmedAndCutFields();
    void saveRefusedByTheWindowCheckTouchesNothing();
    void newClearsWithoutTouchingTheArchive();
    void duplicateRefusedOnANewCard();
    void duplicateKeepsFieldsAndDropsAttachments();
    void failuresShowTheAccessMessageAndKeepTheCard_data();
    void failuresShowTheAccessMessageAndKeepTheCard();
    void damagedPositionLabelIsAnAccessFailure();
    void fullDiskLeavesTheArchiveAndTheCard();

private:
    // Runs the operation named as in the test tables.
    void run(const QString &action);
    QString archivePath() const { return m_platform->filePath(QStringLiteral("Tiny.pro")); }
    void writeArchive(int records);

    FakePlatform *m_platform = nullptr;
    FakeCardView *m_view = nullptr;
    CardOperations *m_ops = nullptr;
};

void TestCardOperations::init()
{
    m_platform = new FakePlatform;
    m_view = new FakeCardView;
    m_ops = new CardOperations(*m_view, tinyLayout(), CardMessages::cards());
    m_ops->setArchivePath(archivePath());
    ArchiveFile::setLockTimeoutMs(100);
}

void TestCardOperations::cleanup()
{
    delete m_ops;
    delete m_view;
    delete m_platform;
}

void TestCardOperations::run(const QString &action)
{
    if (action == QLatin1String("first"))
        m_ops->first();
    else if (action == QLatin1String("last"))
        m_ops->last();
    else if (action == QLatin1String("next"))
        m_ops->next();
    else if (action == QLatin1String("previous"))
        m_ops->previous();
    else if (action == QLatin1String("duplicate"))
        m_ops->duplicate();
    else if (action.startsWith(QLatin1String("save")))
        m_ops->save();
    else
        QFAIL(qPrintable(QStringLiteral("unknown action ") + action));
}

void TestCardOperations::writeArchive(int records)
{
    QFile file(archivePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (int k = 1; k <= records; ++k)
        file.write(tinyRecord("R" + QByteArray::number(k), "n", "f"));
}

// The position label before and after each navigation, on an archive of
// three records.
void TestCardOperations::navigation_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("shownName");
    QTest::newRow("first from new") << "" << "first" << "1" << "R1";
    QTest::newRow("first from 3") << "3" << "first" << "1" << "R1";
    QTest::newRow("last from new") << "" << "last" << "3" << "R3";
    QTest::newRow("next from new shows 1") << "" << "next" << "1" << "R1";
    QTest::newRow("next from 1") << "1" << "next" << "2" << "R2";
    QTest::newRow("next on the last does nothing") << "3" << "next" << "3" << "kept";
    QTest::newRow("previous from new shows 1") << "" << "previous" << "1" << "R1";
    QTest::newRow("previous from 3") << "3" << "previous" << "2" << "R2";
    QTest::newRow("previous on 1 does nothing") << "1" << "previous" << "1" << "kept";
    QTest::newRow("previous on a blank-padded 1") << " 1 " << "previous" << " 1 " << "kept";
}

void TestCardOperations::navigation()
{
    QFETCH(QString, before);
    QFETCH(QString, action);
    QFETCH(QString, after);
    QFETCH(QString, shownName);
    writeArchive(3);
    m_view->label = before;
    m_view->texts[0] = QStringLiteral("kept");
    run(action);
    QCOMPARE(m_view->label, after);
    QCOMPARE(m_view->texts.at(0), shownName);
    QVERIFY(m_platform->messages.isEmpty());
}

void TestCardOperations::emptyArchive_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("first keeps the label") << "first" << "4" << "4";
    QTest::newRow("last keeps the label") << "last" << "4" << "4";
    QTest::newRow("previous keeps the label") << "previous" << "4" << "4";
    QTest::newRow("previous on 1: no message") << "previous" << "1" << "1";
    QTest::newRow("next empties the label") << "next" << "4" << "";
    QTest::newRow("next from new") << "next" << "" << "";
}

void TestCardOperations::emptyArchive()
{
    QFETCH(QString, action);
    QFETCH(QString, before);
    QFETCH(QString, after);
    writeArchive(0);
    m_view->label = before;
    m_view->texts[0] = QStringLiteral("kept");
    run(action);
    QCOMPARE(m_view->label, after);
    QCOMPARE(m_view->texts.at(0), QStringLiteral("kept"));
    if (before == QLatin1String("1") && action == QLatin1String("previous")) {
        QVERIFY(m_platform->messages.isEmpty());
    } else {
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
        QCOMPARE(m_platform->lastMessage().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
    }
}

void TestCardOperations::firstOnAMissingFileCreatesItThenSaveWritesRecordOne()
{
    QVERIFY(!QFile::exists(archivePath()));
    m_ops->first();
    QVERIFY(QFile::exists(archivePath()));
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("L'archivio non contiene nessuna scheda."));

    m_view->texts = {QStringLiteral("ROSSI"), QString(), QString()};
    m_ops->save();
    QCOMPARE(m_view->label, QStringLiteral("1"));
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
    QCOMPARE(m_platform->lastMessage().text, QStringLiteral("La scheda corrente è stata inserita in archivio."));
    QFile file(archivePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), tinyRecord("ROSSI"));
}

void TestCardOperations::saveAppendsThenOverwritesInPlace()
{
    writeArchive(2);
    m_view->texts = {QStringLiteral("NUOVO"), QStringLiteral("x"), QString()};
    m_ops->save();
    QCOMPARE(m_view->label, QStringLiteral("3"));

    m_view->texts[1] = QStringLiteral("y");
    m_ops->save();
    QCOMPARE(m_view->label, QStringLiteral("3"));
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
    QFile file(archivePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 3 * tinyLayout().recordSize());
    QCOMPARE(bytes.mid(2 * tinyLayout().recordSize()), tinyRecord("NUOVO", "y"));
    QCOMPARE(bytes.left(tinyLayout().recordSize()), tinyRecord("R1", "n", "f"));
}

void TestCardOperations::saveOnAStoredCardWritesItsOwnRecordAfterOtherAppends()
{
    writeArchive(2);
    m_ops->first();
    {
        // Another copy of the program appends meanwhile.
        ArchiveFile other(archivePath(), tinyLayout().recordSize());
        QVERIFY(other.open());
        QVERIFY(other.write(3, tinyRecord("ALTRO")));
    }
    m_view->texts[0] = QStringLiteral("CAMBIATO");
    m_ops->save();
    QCOMPARE(m_view->label, QStringLiteral("1"));
    QFile file(archivePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.left(tinyLayout().recordSize()), tinyRecord("CAMBIATO", "n", "f"));
    QCOMPARE(bytes.mid(2 * tinyLayout().recordSize()), tinyRecord("ALTRO"));
}

void TestCardOperations::saveStoresTrimmedAndCutFields()
{
    m_view->texts = {QStringLiteral("  BIANCHI  "), QStringLiteral("123456789"), QStringLiteral("   ")};
    m_ops->save();
    QFile file(archivePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), tinyRecord("BIANCHI", "12345"));
    // The card keeps what was typed.
    QCOMPARE(m_view->texts.at(0), QStringLiteral("  BIANCHI  "));
}

void TestCardOperations::saveRefusedByTheWindowCheckTouchesNothing()
{
    m_view->acceptSave = false;
    m_view->texts[0] = QStringLiteral("X");
    m_ops->save();
    QVERIFY(!QFile::exists(archivePath()));
    QVERIFY(m_view->label.isEmpty());
}

void TestCardOperations::newClearsWithoutTouchingTheArchive()
{
    m_view->texts = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    m_view->label = QStringLiteral("7");
    m_ops->newCard();
    QCOMPARE(m_view->texts, QStringList({QString(), QString(), QString()}));
    QVERIFY(m_view->label.isEmpty());
    QCOMPARE(m_view->focusMoves, 1);
    QVERIFY(!QFile::exists(archivePath()));
    QVERIFY(m_platform->messages.isEmpty());
}

void TestCardOperations::duplicateRefusedOnANewCard()
{
    m_view->texts = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    m_ops->duplicate();
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                            "stata inserita in archivio."));
    QCOMPARE(m_view->texts.at(2), QStringLiteral("C"));
}

void TestCardOperations::duplicateKeepsFieldsAndDropsAttachments()
{
    writeArchive(2);
    m_ops->last();
    m_ops->duplicate();
    QVERIFY(m_view->label.isEmpty());
    QCOMPARE(m_view->texts, QStringList({QStringLiteral("R2"), QStringLiteral("n"), QString()}));
    QCOMPARE(m_view->focusMoves, 1);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                            "Al termine premere Salva per inserire la scheda in archivio."));
    m_ops->save();
    QCOMPARE(m_view->label, QStringLiteral("3"));
    QFile file(archivePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.mid(tinyLayout().recordSize(), tinyLayout().recordSize()), tinyRecord("R2", "n", "f"));
    QCOMPARE(bytes.mid(2 * tinyLayout().recordSize()), tinyRecord("R2", "n"));
}

void TestCardOperations::failuresShowTheAccessMessageAndKeepTheCard_data()
{
    QTest::addColumn<QString>("action");
    for (const char *action : {"first", "last", "next", "previous", "save-new", "save-stored", "duplicate"})
        QTest::newRow(action) << QString::fromLatin1(action);
}

void TestCardOperations::failuresShowTheAccessMessageAndKeepTheCard()
{
    QFETCH(QString, action);
    writeArchive(3);
    const QByteArray before = [&] {
        QFile file(archivePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    m_view->texts = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
    m_view->label = action == QLatin1String("save-new") ? QString() : QStringLiteral("2");

    // Another program holds the archive for the whole action.
    ArchiveFile holder(archivePath(), tinyLayout().recordSize());
    QVERIFY(holder.open());
    run(action);
    holder.close();

    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Error);
    QCOMPARE(m_platform->lastMessage().text, CardMessages::accessDenied());
    QCOMPARE(m_view->texts, QStringList({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
    QCOMPARE(m_view->label, action == QLatin1String("save-new") ? QString() : QStringLiteral("2"));
    QFile file(archivePath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestCardOperations::damagedPositionLabelIsAnAccessFailure()
{
    writeArchive(2);
    m_view->label = QStringLiteral("x1");
    m_ops->next();
    QCOMPARE(m_platform->lastMessage().text, CardMessages::accessDenied());
    m_platform->clear();
    m_ops->save();
    QCOMPARE(m_platform->lastMessage().text, CardMessages::accessDenied());
    QCOMPARE(m_view->label, QStringLiteral("x1"));
}

void TestCardOperations::fullDiskLeavesTheArchiveAndTheCard()
{
    writeArchive(2);
    const qint64 size = 2 * tinyLayout().recordSize();
    m_view->texts = {QStringLiteral("NUOVO"), QString(), QString()};
    {
        // Room for half a record only.
        FileSizeLimit limit(size + tinyLayout().recordSize() / 2);
        QVERIFY(limit.isActive());
        m_ops->save();
    }
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Error);
    QCOMPARE(m_platform->lastMessage().text, CardMessages::accessDenied());
    QVERIFY(m_view->label.isEmpty());
    QCOMPARE(QFile(archivePath()).size(), size);
    // The next save, with room again, appends as record 3.
    m_ops->save();
    QCOMPARE(m_view->label, QStringLiteral("3"));
}

QTEST_GUILESS_MAIN(TestCardOperations)
#include "tst_cardoperations.moc"
