#include "widgets/contracts/ImportWindow.h"

#include "engine/archive/Record.h"
#include "engine/archive/RecordLayout.h"
#include "engine/archive/RecordLayouts.h"
#include "engine/archive/ShortStringField.h"
#include "engine/lists/SummaryLayout.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

SummaryListSetup importSetup(ImportSource source)
{
    const bool landlords = source == ImportSource::Landlords;
    SummaryListSetup setup;
    setup.objectName = landlords ? QStringLiteral("frmImpLocatore") : QStringLiteral("frmImpConduttore");
    setup.caption = landlords ? QStringLiteral(" Importazione dati Locatore") : QStringLiteral(" Importazione dati Conduttore");
    setup.banner = landlords ? QStringLiteral("IMPORTA DATI LOCATORE") : QStringLiteral("IMPORTA DATI CONDUTTORE");
    setup.chooseHint = QStringLiteral("Fare doppio clic su una voce in elenco per importare i dati");
    setup.printTitle = landlords ? QStringLiteral("Riepilogo Locatori") : QStringLiteral("Riepilogo Conduttori");
    setup.record = landlords ? &RecordLayouts::locatore() : &RecordLayouts::conduttore();
    setup.line = landlords ? &SummaryLayouts::landlords() : &SummaryLayouts::tenants();
    return setup;
}

// Writes a copied value into the caller's control of that name, whatever
// kind of field it is.
void writeControl(QWidget *caller, const CopiedValue &value)
{
    QWidget *control = caller->findChild<QWidget *>(value.control);
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(value.text);
        edit->setCursorPosition(0);
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->setEditText(value.text);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(value.text);
    }
}

} // namespace

ImportWindow::ImportWindow(ImportSource source, QWidget *caller)
    : SummaryListWindow(caller, importSetup(source))
    , m_source(source)
{
    // A card with a blank name is left out of the list.
    const RecordLayout &record = *setup().record;
    const int name = record.indexOf(source == ImportSource::Landlords ? QStringLiteral("Locatore")
                                                                      : QStringLiteral("Conduttore"));
    m_nameOffset = record.offset(name);
    m_nameCapacity = record.capacity(name);
}

void ImportWindow::prepareOnShow()
{
    const int offset = m_nameOffset;
    const int capacity = m_nameCapacity;
    fillListWhenShown([offset, capacity](const char *record) {
        return ShortStringField::load(record + offset, capacity).isEmpty() ? SummaryListing::Verdict::Skip
                                                                           : SummaryListing::Verdict::List;
    });
}

void ImportWindow::handleChosen(const std::vector<SummaryListing::TracedRecord> &records)
{
    QWidget *caller = parentWidget();
    if (!caller)
        return;
    for (const SummaryListing::TracedRecord &traced : records) {
        const Record record = Record::decode(*setup().record, traced.bytes);
        for (const CopiedValue &value : ImportCopyMaps::copiedValues(m_source, callerTag(), record))
            writeControl(caller, value);
    }
}
