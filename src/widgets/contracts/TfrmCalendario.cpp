#include "widgets/contracts/TfrmCalendario.h"

#include "engine/text/DateText.h"
#include "engine/platform/Platform.h"
#include "engine/text/ProgramFormats.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Caller tags and the contract window's field each one fills, compared in
// this order, exactly.
struct TagTarget
{
    const char *tag;
    const char *control;
};
constexpr TagTarget kTargets[] = {
    {"contratti_iniziocon", "txtInizioCon"},
    {"contratti_finecon", "txtFineCon"},
    {"contratti_data", "txtData"},
};

} // namespace

TfrmCalendario::TfrmCalendario(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmCalendario"));
    setWindowTitle(QStringLiteral(" Importazione data"));

    auto *caption = new QLabel(QStringLiteral("Importare una data:"), this);
    QFont captionFont(QStringLiteral("Verdana"));
    captionFont.setPointSize(11);
    captionFont.setBold(true);
    caption->setFont(captionFont);

    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("calAppuntamenti"));
    m_calendar->setLocale(ProgramFormats::locale());
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Every use starts at today, whatever the target field holds.
    const QDate today = platform().today();
    m_calendar->setSelectedDate(today);
    m_calendar->setCurrentPage(today.year(), today.month());

    auto *cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    auto *import = new QPushButton(QStringLiteral("Importa"), this);
    import->setObjectName(QStringLiteral("btnImportaData"));
    import->setDefault(true);

    m_callerTag = new QLabel(this);
    m_callerTag->setObjectName(QStringLiteral("lblMemory"));
    m_callerTag->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(import);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_calendar);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(import, &QPushButton::clicked, this, &TfrmCalendario::importDate);
    // A double click on a day imports it, as the button does.
    connect(m_calendar, &QCalendarWidget::activated, this, &TfrmCalendario::importDate);
}

void TfrmCalendario::setCallerTag(const QString &tag)
{
    m_callerTag->setText(tag);
}

void TfrmCalendario::importDate()
{
    const QString tag = m_callerTag->text();
    for (const TagTarget &target : kTargets) {
        if (tag != QLatin1String(target.tag))
            continue;
        QWidget *owner = parentWidget();
        auto *field = owner ? owner->findChild<QLineEdit *>(QString::fromLatin1(target.control)) : nullptr;
        if (field)
            field->setText(DateText::format(m_calendar->selectedDate()));
        accept();
        return;
    }
}
