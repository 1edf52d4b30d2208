#pragma once

#include "engine/platform/Platform.h"

#include <QString>

// The wording of one module's archive messages.
struct CardMessages
{
    QString emptyArchive;
    QString changeSaved;
    QString cardInserted;
    QString copyReady;
    QString duplicateRefused;
    // The box an access failure is shown in, for Save and First; every
    // other action shows an error box.
    MessageKind saveFailureKind = MessageKind::Error;
    MessageKind firstFailureKind = MessageKind::Error;

    // Landlords and tenants ("scheda").
    static CardMessages cards();
    // Contracts.
    static CardMessages contracts();
    // Receipts.
    static CardMessages receipts();

    // The message of any failed archive action, the same in every module.
    static QString accessDenied();
};
