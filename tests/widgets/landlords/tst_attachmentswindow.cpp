#include "CardTestTools.h"
#include "FakePlatform.h"
#include "TestChild.h"
#include "engine/archive/Record.h"
#include "engine/archive/RecordLayouts.h"
#include "widgets/landlords/AttachmentLauncher.h"
#include "widgets/landlords/TfrmLocatori.h"
#include "widgets/tenants/TfrmConduttori.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

// The attachments window as the landlord and tenant windows open it: filled
// from the card's hidden labels, driven through its own controls, and
// writing back into the card.

namespace {

// Also keeps the filter of each file dialog.
class RecordingPlatform : public FakePlatform
{
public:
    QString chooseFileToOpen(const QString &title, const QString &filter, const QString &defaultSuffix) override
    {
        fileDialogFilters.append(filter);
        return FakePlatform::chooseFileToOpen(title, filter, defaultSuffix);
    }

    QStringList fileDialogFilters;
};

const QStringList kSixFields = {
    QStringLiteral("File01"), QStringLiteral("Desc01"), QStringLiteral("File02"),
    QStringLiteral("Desc02"), QStringLiteral("File03"), QStringLiteral("Desc03"),
};

const QString kOverwriteQuestion = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
    "Si vuole sovrascrivere il file esistente?");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString quoted(const QString &path)
{
    return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

} // namespace

class TestAttachmentsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowDesign();
    void tabOrderRunsThroughEachSlot();
    void slotsShowTheCardTrimmed_data();
    void slotsShowTheCardTrimmed();
    void browseCopiesTheChosenFile_data();
    void browseCopiesTheChosenFile();
    void cancelledDialogEndsTheAction_data();
    void cancelledDialogEndsTheAction();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void namesTheRecordCannotHoldAreChanged_data();
    void namesTheRecordCannotHoldAreChanged();
    void failedCopyKeepsTheSlot();
    void openHandsTheFolderCopyToTheDesktop();
    void hostileNameIsNeverOpened_data();
    void hostileNameIsNeverOpened();
    void eraserKeepsTheDescription();
    void applyWritesTheSixLabels_data();
    void applyWritesTheSixLabels();
    void annullaWritesNothing_data();
    void annullaWritesNothing();
    void unknownCallerTagWritesNothing();

private:
    template<typename T = QWidget>
    T *control(const QWidget *window, const QString &name,
               std::source_location where = std::source_location::current()) const
    {
        return TestTools::child<T>(window, name, where);
    }
    CardWindow *card(const QString &which) const
    {
        return which == QLatin1String("locatori") ? static_cast<CardWindow *>(m_landlords)
                                                  : static_cast<CardWindow *>(m_tenants);
    }
    // Opens the attachments window from `card` as the card window does and
    // runs `inside` on it; false when no attachments window came up.
    bool drive(CardWindow *owner, const QString &tag, const std::function<void(QWidget *)> &inside);
    void setCard(CardWindow *owner, const QStringList &six);
    QStringList cardValues(const CardWindow *owner) const;
    QString attachments() const { return m_platform->folder() + QStringLiteral("Documenti_Allegati"); }
    QString inFolder(const QString &name) const { return attachments() + QLatin1Char('/') + name; }
    // A file of the user's, outside the program folder.
    QString userFile(const QString &name, const QByteArray &bytes);

    RecordingPlatform *m_platform = nullptr;
    TfrmLocatori *m_landlords = nullptr;
    TfrmConduttori *m_tenants = nullptr;
    std::unique_ptr<QTemporaryDir> m_userFiles;
};

void TestAttachmentsWindow::init()
{
    m_platform = new RecordingPlatform;
    m_landlords = new TfrmLocatori;
    m_tenants = new TfrmConduttori;
    m_userFiles = std::make_unique<QTemporaryDir>();
    QVERIFY(m_userFiles->isValid());
}

void TestAttachmentsWindow::cleanup()
{
    delete m_landlords;
    delete m_tenants;
    m_userFiles.reset();
    delete m_platform;
}

bool TestAttachmentsWindow::drive(CardWindow *owner, const QString &tag, const std::function<void(QWidget *)> &inside)
{
    bool opened = false;
    CardTestTools::onNextModal([&](QWidget *modal) {
        if (modal->objectName() != QLatin1String("frmAllegaCartella"))
            return;
        opened = true;
        QCOMPARE(modal->parentWidget(), owner);
        inside(modal);
    });
    openAttachments(owner, tag);
    return opened;
}

void TestAttachmentsWindow::setCard(CardWindow *owner, const QStringList &six)
{
    for (int i = 0; i < kSixFields.size(); ++i)
        owner->setFieldText(kSixFields.at(i), six.at(i));
}

QStringList TestAttachmentsWindow::cardValues(const CardWindow *owner) const
{
    QStringList values;
    for (const QString &field : kSixFields)
        values.append(control<QLabel>(owner, QStringLiteral("lbl") + field)->text());
    return values;
}

QString TestAttachmentsWindow::userFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_userFiles->path() + QLatin1Char('/') + name;
    writeAll(path, bytes);
    return path;
}

void TestAttachmentsWindow::windowDesign()
{
    QVERIFY(drive(m_landlords, QStringLiteral("locatori"), [&](QWidget *window) {
        QCOMPARE(window->windowTitle(), QStringLiteral(" Allega file"));
        QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QLabel *tag = control<QLabel>(window, QStringLiteral("lblMemory"));
        QCOMPARE(tag->text(), QStringLiteral("locatori"));
        QVERIFY(tag->isHidden());
        for (int slot = 1; slot <= 3; ++slot) {
            const QString n = QStringLiteral("0%1").arg(slot);
            QVERIFY(control(window, QStringLiteral("shpFile") + n));
            QCOMPARE(control<QLabel>(window, QStringLiteral("lblCampo0%1").arg(2 * slot - 1))->text(),
                     QStringLiteral("Nome %1° file allegato:").arg(slot));
            QCOMPARE(control<QLabel>(window, QStringLiteral("lblCampo0%1").arg(2 * slot))->text(),
                     QStringLiteral("Descrizione %1° file allegato:").arg(slot));
            auto *file = control<QLineEdit>(window, QStringLiteral("txtFile") + n);
            QVERIFY(file->isReadOnly());
            QVERIFY(file->text().isEmpty());
            QVERIFY(!control<QLineEdit>(window, QStringLiteral("txtDesc") + n)->isReadOnly());
            QCOMPARE(control<QPushButton>(window, QStringLiteral("btnSfoglia") + n)->text(),
                     QStringLiteral("Sfoglia..."));
            auto *open = control<QPushButton>(window, QStringLiteral("btnApri") + n);
            QCOMPARE(open->text(), QStringLiteral("Apri"));
            QVERIFY(!open->isEnabled());
            QVERIFY(control(window, QStringLiteral("imgCancella") + n));
        }
        QCOMPARE(control<QPushButton>(window, QStringLiteral("btnAnnulla"))->text(), QStringLiteral("Annulla"));
        QCOMPARE(control<QPushButton>(window, QStringLiteral("btnApplica"))->text(),
                 QStringLiteral("Applica e chiudi"));
    }));
}

void TestAttachmentsWindow::tabOrderRunsThroughEachSlot()
{
    setCard(m_landlords, {QStringLiteral("a.pdf"), QString(), QStringLiteral("b.pdf"), QString(),
                          QStringLiteral("c.pdf"), QString()});
    QVERIFY(drive(m_landlords, QStringLiteral("locatori"), [&](QWidget *window) {
        QStringList order;
        QWidget *at = control(window, QStringLiteral("txtFile01"));
        for (int i = 0; i < 12; ++i) {
            order.append(at->objectName());
            at = CardTestTools::nextTabStop(at);
        }
        QCOMPARE(order, (QStringList{"txtFile01", "btnSfoglia01", "btnApri01", "txtDesc01",
                                     "txtFile02", "btnSfoglia02", "btnApri02", "txtDesc02",
                                     "txtFile03", "btnSfoglia03", "btnApri03", "txtDesc03"}));
    }));
}

void TestAttachmentsWindow::slotsShowTheCardTrimmed_data()
{
    QTest::addColumn<QString>("tag");
    QTest::newRow("landlord window") << "locatori";
    QTest::newRow("tenant window") << "conduttori";
}

void TestAttachmentsWindow::slotsShowTheCardTrimmed()
{
    QFETCH(QString, tag);
    setCard(card(tag), {QStringLiteral("  carta.pdf "), QStringLiteral(" Carta d'identità\t"), QStringLiteral("  "),
                        QStringLiteral("solo descrizione"), QStringLiteral("atto.jpg"), QString()});
    QVERIFY(drive(card(tag), tag, [&](QWidget *window) {
        QCOMPARE(control<QLabel>(window, QStringLiteral("lblMemory"))->text(), tag);
        QStringList shown;
        for (const QString &field : kSixFields)
            shown.append(control<QLineEdit>(window, QStringLiteral("txt") + field)->text());
        QCOMPARE(shown, (QStringList{"carta.pdf", QStringLiteral("Carta d'identità"), "", "solo descrizione",
                                     "atto.jpg", ""}));
        QVERIFY(control(window, QStringLiteral("btnApri01"))->isEnabled());
        QVERIFY(!control(window, QStringLiteral("btnApri02"))->isEnabled());
        QVERIFY(control(window, QStringLiteral("btnApri03"))->isEnabled());
    }));
}

void TestAttachmentsWindow::browseCopiesTheChosenFile_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("folderThere");

    QTest::newRow("landlords, folder missing") << "locatori" << false;
    QTest::newRow("tenants, folder there") << "conduttori" << true;
}

void TestAttachmentsWindow::browseCopiesTheChosenFile()
{
    QFETCH(QString, tag);
    QFETCH(bool, folderThere);

    if (folderThere)
        QVERIFY(QDir().mkpath(attachments()));
    const QByteArray bytes = QByteArray("%PDF-1.4 atto di acquisto ") + QByteArray(70000, 'x');
    m_platform->fileChoices = {userFile(QStringLiteral("Atto di acquisto.pdf"), bytes)};
    QVERIFY(drive(card(tag), tag, [&](QWidget *window) {
        control<QPushButton>(window, QStringLiteral("btnSfoglia02"))->click();
        QCOMPARE(control<QLineEdit>(window, QStringLiteral("txtFile02"))->text(),
                 QStringLiteral("Atto di acquisto.pdf"));
        QVERIFY(control(window, QStringLiteral("btnApri02"))->isEnabled());
        // Copied at once, before the window is even confirmed.
        QCOMPARE(readAll(inFolder(QStringLiteral("Atto di acquisto.pdf"))), bytes);
        control<QPushButton>(window, QStringLiteral("btnAnnulla"))->click();
    }));
    QCOMPARE(m_platform->fileDialogTitles, QStringList{QStringLiteral("Selezionare il file da allegare:")});
    QCOMPARE(m_platform->fileDialogFilters.size(), 1);
    QVERIFY2(m_platform->fileDialogFilters.constFirst().startsWith(QStringLiteral("Tutti i file (*.*)|")),
             qPrintable(m_platform->fileDialogFilters.constFirst()));
    QVERIFY(m_platform->questions.isEmpty());
    QCOMPARE(QDir(attachments()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("Atto di acquisto.pdf")});
    // "Annulla" keeps the copy in the folder, not in the card.
    QCOMPARE(cardValues(card(tag)), QStringList(6, QString()));
}

void TestAttachmentsWindow::cancelledDialogEndsTheAction_data()
{
    QTest::addColumn<QString>("slotName");

    QTest::newRow("empty slot") << "";
    QTest::newRow("name already in the folder") << "doc.pdf";
}

void TestAttachmentsWindow::cancelledDialogEndsTheAction()
{
    QFETCH(QString, slotName);

    if (!slotName.isEmpty()) {
        QVERIFY(QDir().mkpath(attachments()));
        writeAll(inFolder(slotName), "vecchio");
    }
    m_landlords->setFieldText(QStringLiteral("File01"), slotName);
    m_platform->fileChoices.clear();  // the user cancels
    QVERIFY(drive(m_landlords, QStringLiteral("locatori"), [&](QWidget *window) {
        control<QPushButton>(window, QStringLiteral("btnSfoglia01"))->click();
        QCOMPARE(control<QLineEdit>(window, QStringLiteral("txtFile01"))->text(), slotName);
    }));
    QCOMPARE(m_platform->fileDialogTitles.size(), 1);
    QVERIFY(m_platform->questions.isEmpty());
    if (slotName.isEmpty())
        QVERIFY(!QFileInfo::exists(attachments()));
    else
        QCOMPARE(readAll(inFolder(slotName)), QByteArray("vecchio"));
}

void TestAttachmentsWindow::overwriteQuestion_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QByteArray>("kept");

    QTest::newRow("Yes replaces the file") << true << QByteArray("nuovo");
    QTest::newRow("No keeps the old file") << false << QByteArray("vecchio");
}

void TestAttachmentsWindow::overwriteQuestion()
{
    QFETCH(bool, answer);
    QFETCH(QByteArray, kept);

    QVERIFY(QDir().mkpath(attachments()));
    writeAll(inFolder(QStringLiteral("doc.pdf")), "vecchio");
    m_platform->fileChoices = {userFile(QStringLiteral("doc.pdf"), "nuovo")};
    m_platform->answers = {answer};
    m_landlords->setFieldText(QStringLiteral("File03"), QStringLiteral("altro.pdf"));
    QVERIFY(drive(m_landlords, QStringLiteral("locatori"), [&](QWidget *window) {
        control<QPushButton>(window, QStringLiteral("btnSfoglia03"))->click();
        // Either way the slot now names the file in the folder.
        QCOMPARE(control<QLineEdit>(window, QStringLiteral("txtFile03"))->text(), QStringLiteral("doc.pdf"));
        control<QPushButton>(window, QStringLiteral("btnApri03"))->click();
    }));
    QCOMPARE(m_platform->questions, QStringList{kOverwriteQuestion});
    QCOMPARE(readAll(inFolder(QStringLiteral("doc.pdf"))), kept);
    QCOMPARE(QDir(attachments()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("doc.pdf")});
    QCOMPARE(m_platform->shellCommands, QStringList{quoted(inFolder(QStringLiteral("doc.pdf")))});
}

void TestAttachmentsWindow::namesTheRecordCannotHoldAreChanged_data()
{
    QTest::addColumn<QString>("realName");
    QTest::addColumn<QString>("alreadyThere");  // a file of the folder's, or none
    QTest::addColumn<QString>("storedName");

    const QString longName = QString(251, QLatin1Char('x')) + QStringLiteral(".pdf");
    QTest::newRow("outside Windows-1252")
        << QStringLiteral("Città ☃ 日本.pdf") << QString() << QStringLiteral("Città _ __.pdf");
    QTest::newRow("colon and backslash") << QStringLiteral("a:b\\c.pdf") << QString() << QStringLiteral("a_b_c.pdf");
    QTest::newRow("longer than the record")
        << longName << QString() << QString(246, QLatin1Char('x')) + QStringLiteral(".pdf");
    QTest::newRow("changed name already taken")
        << QStringLiteral("Città ☃.pdf") << QStringLiteral("Città _.pdf") << QStringLiteral("Città _ (2).pdf");
}

void TestAttachmentsWindow::namesTheRecordCannotHoldAreChanged()
{
    QFETCH(QString, realName);
    QFETCH(QString, alreadyThere);
    QFETCH(QString, storedName);

    if (!alreadyThere.isEmpty()) {
        QVERIFY(QDir().mkpath(attachments()));
        writeAll(inFolder(alreadyThere), "di un altro");
    }
    m_platform->fileChoices = {userFile(realName, "contenuto")};
    QVERIFY(drive(m_landlords, QStringLiteral("locatori"), [&](QWidget *window) {
        control<QPushButton>(window, QStringLiteral("btnSfoglia01"))->click();
        QCOMPARE(control<QLineEdit>(window, QStringLiteral("txtFile01"))->text(), storedName);
        control<QPushButton>(window, QStringLiteral("btnApri01"))->click();
        control<QPushButton>(window, QStringLiteral("btnApplica"))->click();
    }));
    // What the card stores is the name of the copy, and "Apri" opens it.
    QCOMPARE(readAll(inFolder(storedName)), QByteArray("contenuto"));
    QCOMPARE(cardValues(m_landlords).first(), storedName);
    QCOMPARE(m_platform->shellCommands, QStringList{quoted(inFolder(storedName))});
    QVERIFY(!QFileInfo::exists(inFolder(realName)));
    // A changed name never replaces another file, and is told to the user.
    QVERIFY(m_platform->questions.isEmpty());
    if (!alreadyThere.isEmpty())
        QCOMPARE(readAll(inFolder(alreadyThere)), QByteArray("di un altro"));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Information);
    QVERIFY(m_platform->lastMessage().text.endsWith(QStringLiteral("\n\r\n\r") + storedName));
}

void TestAttachmentsWindow::failedCopyKeepsTheSlot()
{
    // The attachments folder cannot be made: a file has its name.
    writeAll(attachments(), "non una cartella");
    m_platform->fileChoices = {userFile(QStringLiteral("nuovo.pdf"), "nuovo")};
    m_landlords->setFieldText(QStringLiteral("File02"), QStringLiteral("vecchio.pdf"));
    QVERIFY(drive(m_landlords, QStringLiteral("locatori"), [&](QWidget *window) {
        control<QPushButton>(window, QStringLiteral("btnSfoglia02"))->click();
        QCOMPARE(control<QLineEdit>(window, QStringLiteral("txtFile02"))->text(), QStringLiteral("vecchio.pdf"));
    }));
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->lastMessage().kind, MessageKind::Warning);
    QCOMPARE(m_platform->lastMessage().text,
             QStringLiteral("Attenzione: non è stato possibile copiare il file nella cartella dei documenti "
                            "allegati.\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella cartella "
                            "del programma."));
}

void TestAttachmentsWindow::openHandsTheFolderCopyToTheDesktop()
{
    // A name that is not (or no longer) in the folder is still handed on:
    // the desktop reports a missing file, if at all.
    m_tenants->setFieldText(QStringLiteral("File02"), QStringLiteral("  brochure estate.pdf  "));
    QVERIFY(drive(m_tenants, QStringLiteral("conduttori"), [&](QWidget *window) {
        control<QPushButton>(window, QStringLiteral("btnApri02"))->click();
    }));
    QCOMPARE(m_platform->shellCommands, QStringList{quoted(inFolder(QStringLiteral("brochure estate.pdf")))});
    QVERIFY(m_platform->messages.isEmpty());
}

void TestAttachmentsWindow::hostileNameIsNeverOpened_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("parent folder") << "../Archivio_Locatori.pro";
    QTest::newRow("parent folder, backslash") << "..\\Archivio_Locatori.pro";
    QTest::newRow("absolute") << "/etc/passwd";
    QTest::newRow("subfolder") << "sub/doc.pdf";
    QTest::newRow("drive") << "C:\\Windows\\win.ini";
    QTest::newRow("dot dot") << "..";
}

void TestAttachmentsWindow::hostileNameIsNeverOpened()
{
    QFETCH(QString, name);

    // As if somebody had changed the archive behind the program's back.
    QVERIFY(QDir().mkpath(attachments() + QStringLiteral("/sub")));
    writeAll(inFolder(QStringLiteral("sub/doc.pdf")), "altro");
    writeAll(m_platform->filePath(QStringLiteral("Archivio_Locatori.pro")), "archivio");
    m_landlords->setFieldText(QStringLiteral("File01"), name);
    QVERIFY(drive(m_landlords, QStringLiteral("locatori"), [&](QWidget *window) {
        QCOMPARE(control<QLineEdit>(window, QStringLiteral("txtFile01"))->text(), name);
        auto *open = control<QPushButton>(window, QStringLiteral("btnApri01"));
        QVERIFY(open->isEnabled());
        open->click();
    }));
    QVERIFY(m_platform->shellCommands.isEmpty());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestAttachmentsWindow::eraserKeepsTheDescription()
{
    QVERIFY(QDir().mkpath(attachments()));
    writeAll(inFolder(QStringLiteral("carta.pdf")), "copia");
    setCard(m_landlords, {QStringLiteral("carta.pdf"), QStringLiteral("Carta d'identità"), QStringLiteral("b.pdf"),
                          QStringLiteral("seconda"), QString(), QString()});
    QVERIFY(drive(m_landlords, QStringLiteral("locatori"), [&](QWidget *window) {
        QTest::mouseClick(control(window, QStringLiteral("imgCancella01")), Qt::LeftButton);
        QVERIFY(control<QLineEdit>(window, QStringLiteral("txtFile01"))->text().isEmpty());
        QVERIFY(!control(window, QStringLiteral("btnApri01"))->isEnabled());
        QCOMPARE(control<QLineEdit>(window, QStringLiteral("txtDesc01"))->text(),
                 QStringLiteral("Carta d'identità"));
        control<QPushButton>(window, QStringLiteral("btnApplica"))->click();
    }));
    QCOMPARE(cardValues(m_landlords), (QStringList{"", QStringLiteral("Carta d'identità"), "b.pdf", "seconda", "", ""}));
    // The copy in the folder is left alone: another card may share it.
    QCOMPARE(readAll(inFolder(QStringLiteral("carta.pdf"))), QByteArray("copia"));

    // Saved, the record holds an empty name with its description.
    m_landlords->setFieldText(QStringLiteral("Locatore"), QStringLiteral("ROSSI MARIO"));
    control<QToolButton>(m_landlords, QStringLiteral("cmdSalva"))->click();
    const QByteArray bytes = readAll(m_platform->filePath(QStringLiteral("Archivio_Locatori.pro")));
    QCOMPARE(bytes.size(), RecordLayouts::locatore().recordSize());
    const Record saved = Record::decode(RecordLayouts::locatore(), bytes);
    QCOMPARE(saved.value(QStringLiteral("File01")), QString());
    QCOMPARE(saved.value(QStringLiteral("Desc01")), QStringLiteral("Carta d'identità"));
    QCOMPARE(saved.value(QStringLiteral("File02")), QStringLiteral("b.pdf"));
}

void TestAttachmentsWindow::applyWritesTheSixLabels_data()
{
    QTest::addColumn<QString>("tag");
    QTest::newRow("landlord window") << "locatori";
    QTest::newRow("tenant window") << "conduttori";
}

void TestAttachmentsWindow::applyWritesTheSixLabels()
{
    QFETCH(QString, tag);
    CardWindow *owner = card(tag);
    CardWindow *other = card(tag == QLatin1String("locatori") ? QStringLiteral("conduttori")
                                                              : QStringLiteral("locatori"));
    setCard(owner, {QStringLiteral("uno.pdf"), QStringLiteral("primo"), QString(), QString(),
                    QStringLiteral("tre.pdf"), QStringLiteral("terzo")});
    setCard(other, {QStringLiteral("x.pdf"), QStringLiteral("x"), QString(), QString(), QString(), QString()});
    m_platform->fileChoices = {userFile(QStringLiteral("due.jpg"), "immagine")};
    QVERIFY(drive(owner, tag, [&](QWidget *window) {
        control<QLineEdit>(window, QStringLiteral("txtDesc01"))->setText(QStringLiteral("  primo, rivisto  "));
        control<QPushButton>(window, QStringLiteral("btnSfoglia02"))->click();
        control<QLineEdit>(window, QStringLiteral("txtDesc02"))->setText(QStringLiteral("secondo"));
        QTest::mouseClick(control(window, QStringLiteral("imgCancella03")), Qt::LeftButton);
        control<QPushButton>(window, QStringLiteral("btnApplica"))->click();
        QVERIFY(!window->isVisible());
        QCOMPARE(qobject_cast<QDialog *>(window)->result(), int(QDialog::Accepted));
    }));
    QCOMPARE(cardValues(owner),
             (QStringList{"uno.pdf", "primo, rivisto", "due.jpg", "secondo", "", "terzo"}));
    QCOMPARE(cardValues(other), (QStringList{"x.pdf", "x", "", "", "", ""}));
}

void TestAttachmentsWindow::annullaWritesNothing_data()
{
    QTest::addColumn<QString>("tag");
    QTest::newRow("landlord window") << "locatori";
    QTest::newRow("tenant window") << "conduttori";
}

void TestAttachmentsWindow::annullaWritesNothing()
{
    QFETCH(QString, tag);
    CardWindow *owner = card(tag);
    const QStringList before = {QStringLiteral("uno.pdf"), QStringLiteral("primo"), QStringLiteral("due.pdf"),
                                QStringLiteral("secondo"), QStringLiteral("tre.pdf"), QStringLiteral("terzo")};
    setCard(owner, before);
    m_platform->fileChoices = {userFile(QStringLiteral("nuovo.pdf"), "nuovo")};
    QVERIFY(drive(owner, tag, [&](QWidget *window) {
        control<QPushButton>(window, QStringLiteral("btnSfoglia01"))->click();
        QTest::mouseClick(control(window, QStringLiteral("imgCancella02")), Qt::LeftButton);
        for (const char *name : {"txtDesc01", "txtDesc02", "txtDesc03"})
            control<QLineEdit>(window, QLatin1String(name))->setText(QStringLiteral("cambiata"));
        control<QPushButton>(window, QStringLiteral("btnAnnulla"))->click();
        QVERIFY(!window->isVisible());
    }));
    QCOMPARE(cardValues(owner), before);
    QVERIFY(QFileInfo::exists(inFolder(QStringLiteral("nuovo.pdf"))));
}

void TestAttachmentsWindow::unknownCallerTagWritesNothing()
{
    setCard(m_landlords, QStringList(6, QString()));
    m_platform->fileChoices = {userFile(QStringLiteral("nuovo.pdf"), "nuovo")};
    QVERIFY(drive(m_landlords, QStringLiteral("contratti"), [&](QWidget *window) {
        control<QPushButton>(window, QStringLiteral("btnSfoglia01"))->click();
        control<QPushButton>(window, QStringLiteral("btnApplica"))->click();
    }));
    QCOMPARE(cardValues(m_landlords), QStringList(6, QString()));
    QCOMPARE(cardValues(m_tenants), QStringList(6, QString()));
}

QTEST_MAIN(TestAttachmentsWindow)
#include "tst_attachmentswindow.moc"
