#include "widgets/guests/TfrmTabelleQuestura.h"

#include "engine/guests/PoliceTableStore.h"
#include "engine/platform/Platform.h"
#include "engine/text/ProgramFormats.h"
#include "widgets/platform/DialogButtons.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The controls' names and the table's name as the window shows them.
struct TableText
{
    QString suffix;  // of the controls' names: lblStato<suffix>, btnCarica<suffix>
    QString title;
};

TableText textOf(PoliceTableKind kind)
{
    switch (kind) {
    case PoliceTableKind::Comuni: return {QStringLiteral("Comuni"), QStringLiteral("Comuni")};
    case PoliceTableKind::States: return {QStringLiteral("Stati"), QStringLiteral("Stati esteri")};
    case PoliceTableKind::DocumentTypes: return {QStringLiteral("Documenti"), QStringLiteral("Tipi di documento")};
    case PoliceTableKind::GuestTypes: return {QStringLiteral("TipiAlloggiato"), QStringLiteral("Tipi di alloggiato")};
    }
    Q_UNREACHABLE();
}

QString rowsText(int rows)
{
    return rows == 1 ? QStringLiteral("1 riga")
                     : QStringLiteral("%1 righe").arg(ProgramFormats::locale().toString(rows));
}

QString statusText(const PoliceTableStatus &status)
{
    switch (status.source) {
    case PoliceTableSource::BuiltIn:
        return QStringLiteral("Tabella interna del programma: ") + rowsText(status.rows);
    case PoliceTableSource::Loaded:
        return QStringLiteral("Tabella caricata: ") + rowsText(status.rows);
    case PoliceTableSource::DamagedLoaded:
        return QStringLiteral("Tabella interna del programma: ") + rowsText(status.rows)
               + QStringLiteral(" (la tabella caricata non si legge)");
    }
    Q_UNREACHABLE();
}

} // namespace

TfrmTabelleQuestura::TfrmTabelleQuestura(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmTabelleQuestura"));
    setWindowTitle(QStringLiteral(" Tabelle della Questura"));

    auto *instruction = new QLabel(this);
    instruction->setObjectName(QStringLiteral("lblIstruzioni"));
    instruction->setWordWrap(true);
    instruction->setText(QStringLiteral(
        "Le schedine degli ospiti scrivono i luoghi e i documenti con i codici delle tabelle del portale "
        "Alloggiati Web della Polizia di Stato. Quando il portale ne pubblica di nuove, scaricarle dalla "
        "pagina \"Tabelle\" e caricarle qui."));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    int line = 0;
    for (const PoliceTableKind kind : PoliceTable::allKinds()) {
        const TableText text = textOf(kind);
        auto *title = new QLabel(text.title, this);
        title->setStyleSheet(QStringLiteral("font-weight: bold;"));
        auto *status = new QLabel(this);
        status->setObjectName(QStringLiteral("lblStato") + text.suffix);
        QPushButton *load =
            DialogButtons::make(QStringLiteral("btnCarica") + text.suffix, QStringLiteral("Carica..."), this, {100, 28});
        grid->addWidget(title, line, 0);
        grid->addWidget(status, line, 1);
        grid->addWidget(load, line, 2);
        ++line;
        m_rows.append({kind, status});
        connect(load, &QPushButton::clicked, this, [this, kind] { btnCaricaClick(kind); });
    }
    grid->setColumnStretch(1, 1);

    m_btnTabelleInterne = DialogButtons::make(QStringLiteral("btnTabelleInterne"),
                                              QStringLiteral("Torna alle tabelle interne"), this, {0, 30});
    QPushButton *btnChiudi = DialogButtons::make(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    btnChiudi->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 14);
    layout->setSpacing(14);
    layout->addWidget(instruction);
    layout->addLayout(grid);
    layout->addLayout(DialogButtons::split({m_btnTabelleInterne}, {btnChiudi}));
    setMinimumWidth(620);

    connect(m_btnTabelleInterne, &QPushButton::clicked, this, &TfrmTabelleQuestura::btnTabelleInterneClick);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);

    refresh();
}

void TfrmTabelleQuestura::btnCaricaClick(PoliceTableKind kind)
{
    const QString described = PoliceTable::describedAs(kind);
    const QString path = platform().chooseFileToOpen(
        QStringLiteral("Selezionare la tabella %1 scaricata dal portale Alloggiati Web").arg(described),
        QStringLiteral("Tabella della Questura (*.csv; *.txt)|*.csv;*.txt|Tutti i file (*.*)|*.*"),
        QStringLiteral("CSV"));
    if (path.isEmpty())
        return;
    const QString error = PoliceTableStore::load(kind, path);
    refresh();
    if (!error.isEmpty()) {
        platform().showMessage(MessageKind::Warning,
                               QStringLiteral("Attenzione: il file \"%1\" non è stato caricato come tabella %2.\n\r\n\r"
                                              "%3\n\r\n\rLe tabelle in uso restano quelle di prima.")
                                   .arg(QFileInfo(path).fileName(), described, error));
        return;
    }
    platform().showMessage(MessageKind::Information,
                           QStringLiteral("La tabella %1 è stata caricata: %2.")
                               .arg(described, rowsText(PoliceTableStore::status(kind).rows)));
}

void TfrmTabelleQuestura::btnTabelleInterneClick()
{
    if (!platform().askYesNo(QStringLiteral("Tornare alle tabelle interne del programma?\r\n\r\n"
                                            "Le tabelle caricate saranno eliminate."),
                             DefaultAnswer::No))
        return;
    const bool removed = PoliceTableStore::restoreBuiltIn();
    refresh();
    if (!removed)
        platform().showMessage(MessageKind::Error,
                               QStringLiteral("Attenzione: non è stato possibile eliminare le tabelle caricate "
                                              "dalla cartella %1.")
                                   .arg(QDir::toNativeSeparators(PoliceTableStore::folder())));
}

void TfrmTabelleQuestura::refresh()
{
    for (const TableRow &row : m_rows)
        row.status->setText(statusText(PoliceTableStore::status(row.kind)));
    m_btnTabelleInterne->setEnabled(PoliceTableStore::hasLoadedCopies());
}

void openPoliceTablesWindow(QWidget *owner)
{
    TfrmTabelleQuestura window(owner);
    window.exec();
}
