#pragma once

#include <QString>

// The wording of one module's archive messages.
struct CardMessages
{
    QString emptyArchive;
    QString changeSaved;
    QString cardInserted;
    QString copyReady;
    QString duplicateRefused;

    // Landlords and tenants ("scheda").
    static CardMessages cards();
    // Contracts.
    static CardMessages contracts();
    // Receipts.
    static CardMessages receipts();

    // The message of any failed archive action, the same in every module.
    static QString accessDenied();
};
