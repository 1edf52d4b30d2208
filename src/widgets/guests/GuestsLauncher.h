#pragma once

#include <QtGlobal>

class QWidget;
class Record;

// Opens the guests window for `contract`, stored as record `position` of the
// contract archive, as the contract window shows it.
void openGuests(QWidget *parent, const Record &contract, qint64 position);
