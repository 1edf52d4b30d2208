#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn at run time so that the program folder
// holds no image files of its own.
enum class Picture {
    New, Duplicate, Save, Find, First, Previous, Next, Last,
    Export, Attach, Clock, Guide, Exit, Preview, Print,
    Check, Email, SendEmail, Import, Info,
    Person, House, Contract, Tenant, Receipt,
    Eraser, Euro, Numbering, PropertyCodes,
    Backup, Restore,
    TouristTax, Reports,
};

namespace Pictures {

QIcon icon(Picture picture);
QPixmap pixmap(Picture picture, int size);

} // namespace Pictures
