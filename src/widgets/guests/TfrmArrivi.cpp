#include "widgets/guests/TfrmArrivi.h"

#include "engine/archive/CardOperations.h"
#include "engine/guests/PoliceFile.h"
#include "engine/platform/Platform.h"
#include "widgets/guests/PoliceFileSaving.h"
#include "widgets/platform/DialogButtons.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfrmArrivi::TfrmArrivi(const PoliceCodes &codes, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_codes(codes)
{
    setObjectName(QStringLiteral("frmArrivi"));
    setWindowTitle(QStringLiteral(" Arrivi di oggi e di ieri"));
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(QStringLiteral("Soggiorni arrivati oggi o ieri: spuntare quelli di cui scrivere le "
                                              "schedine in un unico file."),
                               this);
    caption->setWordWrap(true);
    layout->addWidget(caption);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstArrivi"));
    layout->addWidget(m_list, 1);
    QPushButton *write =
        DialogButtons::action(QStringLiteral("btnScrivi"), QStringLiteral("Scrivi le schedine"), QString(), this);
    QPushButton *close = DialogButtons::action(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), QString(), this);
    layout->addLayout(DialogButtons::row({write, close}));
    connect(write, &QPushButton::clicked, this, &TfrmArrivi::btnScriviClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    resize(640, 380);
}

bool TfrmArrivi::fill()
{
    m_list->clear();
    if (!ArrivingStays::find(platform().programFolder(), platform().today(), &m_arrivals)) {
        CardOperations::showAccessDenied(MessageKind::Error);
        return false;
    }
    for (const ArrivingStays::Arrival &arrival : m_arrivals) {
        const QString tenant = arrival.contract.value(QStringLiteral("Conduttore"));
        const QString start = arrival.contract.value(QStringLiteral("InizioCon"));
        const QString place = arrival.contract.value(QStringLiteral("ComuneImm"));
        const QString guests = arrival.guests.isEmpty()
            ? QStringLiteral("nessun ospite registrato")
            : arrival.guests.size() == 1 ? QStringLiteral("1 ospite")
                                         : QStringLiteral("%1 ospiti").arg(arrival.guests.size());
        auto *item = new QListWidgetItem(QStringLiteral("%1 - arrivo il %2 - %3 - %4").arg(tenant, start, place, guests),
                                         m_list);
        if (arrival.guests.isEmpty()) {
            // Nothing to report until the guests are entered.
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable));
        } else {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
        }
    }
    if (m_arrivals.isEmpty())
        new QListWidgetItem(QStringLiteral("Nessun soggiorno arrivato oggi o ieri."), m_list);
    return true;
}

void TfrmArrivi::btnScriviClick()
{
    QList<ArrivingStays::Arrival> chosen;
    for (int row = 0; row < m_list->count() && row < m_arrivals.size(); ++row) {
        if (m_list->item(row)->checkState() == Qt::Checked)
            chosen.append(m_arrivals.at(row));
    }
    if (chosen.isEmpty()) {
        platform().showMessage(MessageKind::Warning,
                               QStringLiteral("Attenzione: spuntare almeno un soggiorno di cui scrivere le schedine."));
        return;
    }
    const PoliceFileResult file = ArrivingStays::policeFile(platform().programFolder(), chosen, m_codes);
    if (!file.ok()) {
        PoliceFileSaving::showProblems(file.problems);
        return;
    }
    PoliceFileSaving::save(file.bytes, PoliceFile::proposedFileName(platform().today(), QStringLiteral("arrivi")));
}
