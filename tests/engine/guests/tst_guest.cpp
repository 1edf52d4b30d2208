#include "engine/guests/Guest.h"

#include <QTest>

namespace {

Guest named(GuestType type, const QString &surname, const QString &name = {})
{
    Guest guest;
    guest.type = type;
    guest.surname = surname;
    guest.name = name;
    return guest;
}

Guest withDocument(Guest guest)
{
    guest.documentType = QStringLiteral("IDENT");
    guest.documentNumber = QStringLiteral("CA1234567AB");
    guest.documentPlace = QStringLiteral("408099014");
    return guest;
}

QList<GuestType> typesOf(const QList<Guest> &guests)
{
    QList<GuestType> types;
    for (const Guest &guest : guests)
        types.append(guest.type);
    return types;
}

} // namespace

class TestGuest : public QObject
{
    Q_OBJECT
private slots:
    void fullName();
    void typeKinds();
    void aloneIsSingle();
    void headOfFamilyByDefault();
    void headOfGroupKept();
    void membersLoseTheirDocuments();
    void emptyListLeftAlone();
};

void TestGuest::fullName()
{
    QCOMPARE(named(GuestType::Single, QStringLiteral("Rossi"), QStringLiteral("Mario")).fullName(),
             QStringLiteral("Rossi Mario"));
    QCOMPARE(named(GuestType::Single, QStringLiteral("Rossi")).fullName(), QStringLiteral("Rossi"));
    QCOMPARE(named(GuestType::Single, QString(), QStringLiteral("Mario")).fullName(), QStringLiteral("Mario"));
    QCOMPARE(Guest().fullName(), QString());
}

void TestGuest::typeKinds()
{
    for (int code = 16; code <= 20; ++code)
        QVERIFY(isGuestTypeCode(code));
    QVERIFY(!isGuestTypeCode(15));
    QVERIFY(!isGuestTypeCode(21));
    QVERIFY(!isGuestTypeCode(0));

    for (GuestType head : {GuestType::Single, GuestType::HeadOfFamily, GuestType::HeadOfGroup}) {
        QVERIFY(isHead(head));
        QVERIFY(!isMember(head));
    }
    for (GuestType member : {GuestType::FamilyMember, GuestType::GroupMember}) {
        QVERIFY(isMember(member));
        QVERIFY(!isHead(member));
    }
}

void TestGuest::aloneIsSingle()
{
    QList<Guest> guests = {withDocument(named(GuestType::HeadOfGroup, QStringLiteral("Rossi")))};
    normaliseTypes(guests);
    QCOMPARE(guests.first().type, GuestType::Single);
    // The head keeps the document.
    QCOMPARE(guests.first().documentNumber, QStringLiteral("CA1234567AB"));
}

void TestGuest::headOfFamilyByDefault()
{
    for (GuestType first : {GuestType::Single, GuestType::FamilyMember, GuestType::GroupMember}) {
        QList<Guest> guests = {named(first, QStringLiteral("Rossi")), named(GuestType::Single, QStringLiteral("Bianchi")),
                               named(GuestType::GroupMember, QStringLiteral("Verdi"))};
        normaliseTypes(guests);
        QCOMPARE(typesOf(guests), (QList<GuestType>{GuestType::HeadOfFamily, GuestType::FamilyMember,
                                                    GuestType::FamilyMember}));
    }
}

void TestGuest::headOfGroupKept()
{
    QList<Guest> guests = {named(GuestType::HeadOfGroup, QStringLiteral("Neri")),
                           named(GuestType::FamilyMember, QStringLiteral("Gialli"))};
    normaliseTypes(guests);
    QCOMPARE(typesOf(guests), (QList<GuestType>{GuestType::HeadOfGroup, GuestType::GroupMember}));
}

void TestGuest::membersLoseTheirDocuments()
{
    QList<Guest> guests = {withDocument(named(GuestType::HeadOfFamily, QStringLiteral("Bianchi"), QStringLiteral("Marco"))),
                           withDocument(named(GuestType::FamilyMember, QStringLiteral("Bianchi"), QStringLiteral("Luca")))};
    normaliseTypes(guests);
    QCOMPARE(guests.at(0), withDocument(named(GuestType::HeadOfFamily, QStringLiteral("Bianchi"), QStringLiteral("Marco"))));
    QCOMPARE(guests.at(1), named(GuestType::FamilyMember, QStringLiteral("Bianchi"), QStringLiteral("Luca")));
}

void TestGuest::emptyListLeftAlone()
{
    QList<Guest> guests;
    normaliseTypes(guests);
    QVERIFY(guests.isEmpty());
}

QTEST_APPLESS_MAIN(TestGuest)
#include "tst_guest.moc"
