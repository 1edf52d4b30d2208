#include "engine/guests/Guest.h"

void normaliseTypes(QList<Guest> &guests)
{
    if (guests.isEmpty())
        return;
    GuestType &head = guests[0].type;
    if (guests.size() == 1)
        head = GuestType::Single;
    else if (!isHead(head) || head == GuestType::Single)
        head = GuestType::HeadOfFamily;
    const GuestType member = head == GuestType::HeadOfGroup ? GuestType::GroupMember : GuestType::FamilyMember;
    for (qsizetype i = 1; i < guests.size(); ++i) {
        guests[i].type = member;
        guests[i].documentType.clear();
        guests[i].documentNumber.clear();
        guests[i].documentPlace.clear();
    }
}
