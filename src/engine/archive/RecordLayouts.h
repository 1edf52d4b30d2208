#pragma once

#include "engine/archive/RecordLayout.h"

// The four archives of the program.
namespace RecordLayouts {

const RecordLayout &locatore();    // Archivio_Locatori.pro, 3479 bytes
const RecordLayout &conduttore();  // Archivio_Conduttori.pro, 3628 bytes
const RecordLayout &contratto();   // Archivio_Contratti.pro, 2751 bytes
const RecordLayout &ricevuta();    // <year>.ric, 1528 bytes

} // namespace RecordLayouts
