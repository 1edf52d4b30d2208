#include "engine/receipts/AmountInWords.h"

#include <QTest>

#include <limits>
#include <optional>

namespace {

// Amounts are counts of ten-thousandths of a euro.
constexpr qint64 euros(qint64 whole, qint64 cents = 0)
{
    return whole * 10000 + cents * 100;
}

} // namespace

class TestAmountInWords : public QObject
{
    Q_OBJECT

private slots:
    // Every word of every column of the tables, typed out here on its own
    // so that a misspelt or shifted entry shows up.
    void gruppoEveryTableWord_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("words");
        const char *const units[] = {"uno", "due", "tre", "quattro", "cinque",
                                     "sei", "sette", "otto", "nove"};
        const char *const teens[] = {"dieci", "undici", "dodici", "tredici", "quattordici",
                                     "quindici", "sedici", "diciassette", "diciotto", "diciannove"};
        const char *const tens[] = {"venti", "trenta", "quaranta", "cinquanta",
                                    "sessanta", "settanta", "ottanta", "novanta"};
        const char *const tensPlusOne[] = {"ventuno", "trentuno", "quarantuno", "cinquantuno",
                                           "sessantuno", "settantuno", "ottantuno", "novantuno"};
        const char *const hundreds[] = {"cento", "duecento", "trecento", "quattrocento", "cinquecento",
                                        "seicento", "settecento", "ottocento", "novecento"};
        const auto add = [](int n, const char *words) {
            QTest::addRow("%d", n) << n << QString::fromLatin1(words);
        };
        for (int u = 1; u <= 9; ++u)
            add(u, units[u - 1]);
        for (int u = 0; u <= 9; ++u)
            add(10 + u, teens[u]);
        for (int t = 2; t <= 9; ++t) {
            add(t * 10, tens[t - 2]);
            add(t * 10 + 1, tensPlusOne[t - 2]);
        }
        for (int h = 1; h <= 9; ++h)
            add(h * 100, hundreds[h - 1]);
    }

    void gruppoEveryTableWord()
    {
        QFETCH(int, n);
        QFETCH(QString, words);
        QCOMPARE(GruppoInLettere(n), words);
    }

    void gruppoJoinedForms_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("words");
        QTest::newRow("zero is empty") << 0 << QString();
        // The tens word keeps its vowel before every unit but "uno".
        QTest::newRow("23") << 23 << QStringLiteral("ventitre");
        QTest::newRow("28") << 28 << QStringLiteral("ventiotto");
        QTest::newRow("38") << 38 << QStringLiteral("trentaotto");
        QTest::newRow("88") << 88 << QStringLiteral("ottantaotto");
        QTest::newRow("99") << 99 << QStringLiteral("novantanove");
        QTest::newRow("47") << 47 << QStringLiteral("quarantasette");
        // "cento" keeps its vowel too.
        QTest::newRow("101") << 101 << QStringLiteral("centouno");
        QTest::newRow("108") << 108 << QStringLiteral("centootto");
        QTest::newRow("180") << 180 << QStringLiteral("centoottanta");
        QTest::newRow("188") << 188 << QStringLiteral("centoottantaotto");
        QTest::newRow("110") << 110 << QStringLiteral("centodieci");
        QTest::newRow("111") << 111 << QStringLiteral("centoundici");
        QTest::newRow("119") << 119 << QStringLiteral("centodiciannove");
        QTest::newRow("120") << 120 << QStringLiteral("centoventi");
        QTest::newRow("121") << 121 << QStringLiteral("centoventuno");
        QTest::newRow("123") << 123 << QStringLiteral("centoventitre");
        QTest::newRow("201") << 201 << QStringLiteral("duecentouno");
        QTest::newRow("305") << 305 << QStringLiteral("trecentocinque");
        QTest::newRow("417") << 417 << QStringLiteral("quattrocentodiciassette");
        QTest::newRow("591") << 591 << QStringLiteral("cinquecentonovantuno");
        QTest::newRow("650") << 650 << QStringLiteral("seicentocinquanta");
        QTest::newRow("712") << 712 << QStringLiteral("settecentododici");
        QTest::newRow("881") << 881 << QStringLiteral("ottocentoottantuno");
        QTest::newRow("999") << 999 << QStringLiteral("novecentonovantanove");
    }

    void gruppoJoinedForms()
    {
        QFETCH(int, n);
        QFETCH(QString, words);
        QCOMPARE(GruppoInLettere(n), words);
    }

    void gruppoOutsideItsRangeIsEmpty_data()
    {
        QTest::addColumn<int>("n");
        QTest::newRow("-1") << -1;
        QTest::newRow("1000") << 1000;
        QTest::newRow("INT_MIN") << std::numeric_limits<int>::min();
        QTest::newRow("INT_MAX") << std::numeric_limits<int>::max();
    }

    void gruppoOutsideItsRangeIsEmpty()
    {
        QFETCH(int, n);
        QCOMPARE(GruppoInLettere(n), QString());
    }

    void importo_data()
    {
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<QString>("words");

        // The worked examples.
        QTest::newRow("0") << euros(0) << QStringLiteral("ZERO");
        QTest::newRow("1") << euros(1) << QStringLiteral("UNO");
        QTest::newRow("21") << euros(21) << QStringLiteral("VENTUNO");
        QTest::newRow("23") << euros(23) << QStringLiteral("VENTITRE");
        QTest::newRow("28") << euros(28) << QStringLiteral("VENTIOTTO");
        QTest::newRow("88") << euros(88) << QStringLiteral("OTTANTAOTTO");
        QTest::newRow("101") << euros(101) << QStringLiteral("CENTOUNO");
        QTest::newRow("108") << euros(108) << QStringLiteral("CENTOOTTO");
        QTest::newRow("121") << euros(121) << QStringLiteral("CENTOVENTUNO");
        QTest::newRow("1000") << euros(1000) << QStringLiteral("MILLE");
        QTest::newRow("1001") << euros(1001) << QStringLiteral("MILLEUNO");
        QTest::newRow("2021") << euros(2021) << QStringLiteral("DUEMILAVENTUNO");
        QTest::newRow("21000") << euros(21000) << QStringLiteral("VENTUNOMILA");
        QTest::newRow("101000") << euros(101000) << QStringLiteral("CENTOUNOMILA");
        QTest::newRow("1000000") << euros(1000000) << QStringLiteral("UNMILIONE");
        QTest::newRow("1001001") << euros(1001001) << QStringLiteral("UNMILIONEMILLEUNO");
        QTest::newRow("2500000") << euros(2500000) << QStringLiteral("DUEMILIONICINQUECENTOMILA");
        QTest::newRow("99999999")
            << euros(99999999)
            << QStringLiteral("NOVANTANOVEMILIONINOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE");
        QTest::newRow("1000000000") << euros(1000000000) << QStringLiteral("UNMILIARDO");
        QTest::newRow("1250,50") << euros(1250, 50)
                                 << QStringLiteral("MILLEDUECENTOCINQUANTA E CINQUANTA CENTESIMI");
        QTest::newRow("0,05") << euros(0, 5) << QStringLiteral("ZERO E CINQUE CENTESIMI");
        QTest::newRow("-5") << -euros(5) << QStringLiteral("- CINQUE");

        // A group of zero inside the number adds nothing.
        QTest::newRow("1000005") << euros(1000005) << QStringLiteral("UNMILIONECINQUE");
        QTest::newRow("2000000") << euros(2000000) << QStringLiteral("DUEMILIONI");
        QTest::newRow("1000000001") << euros(1000000001) << QStringLiteral("UNMILIARDOUNO");
        QTest::newRow("3000000000") << euros(3000000000) << QStringLiteral("TREMILIARDI");
        QTest::newRow("5000020000") << euros(5000020000) << QStringLiteral("CINQUEMILIARDIVENTIMILA");
        QTest::newRow("7000000008") << euros(7000000008) << QStringLiteral("SETTEMILIARDIOTTO");

        // Only a group whose words are exactly "uno" takes the singular.
        QTest::newRow("thousands 1 under millions") << euros(3001000)
                                                    << QStringLiteral("TREMILIONIMILLE");
        QTest::newRow("thousands 11") << euros(11000) << QStringLiteral("UNDICIMILA");
        QTest::newRow("thousands 101, units 1") << euros(101001)
                                                << QStringLiteral("CENTOUNOMILAUNO");
        QTest::newRow("thousands 21, units 21") << euros(21021)
                                                << QStringLiteral("VENTUNOMILAVENTUNO");
        QTest::newRow("millions 21") << euros(21000000) << QStringLiteral("VENTUNOMILIONI");
        QTest::newRow("millions 101") << euros(101000000) << QStringLiteral("CENTOUNOMILIONI");
        QTest::newRow("billions 21") << euros(21000000000) << QStringLiteral("VENTUNOMILIARDI");
        QTest::newRow("billions 101") << euros(101000000000) << QStringLiteral("CENTOUNOMILIARDI");
        QTest::newRow("largest written")
            << euros(999999999999)
            << QStringLiteral("NOVECENTONOVANTANOVEMILIARDINOVECENTONOVANTANOVEMILIONI"
                              "NOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE");

        // From 10^12 up the fifth and further groups are not written, even
        // when nothing is left.
        QTest::newRow("10^12") << euros(1000000000000) << QString();
        QTest::newRow("10^12 + 5") << euros(1000000000005) << QStringLiteral("CINQUE");
        QTest::newRow("10^12 + 0,50") << euros(1000000000000, 50)
                                      << QStringLiteral(" E CINQUANTA CENTESIMI");
        QTest::newRow("1234567890123")
            << euros(1234567890123)
            << QStringLiteral("DUECENTOTRENTAQUATTROMILIARDICINQUECENTOSESSANTASETTEMILIONI"
                              "OTTOCENTONOVANTAMILACENTOVENTITRE");
        QTest::newRow("10^14 + 10^9") << euros(100001000000000) << QStringLiteral("UNMILIARDO");

        // Negative amounts.
        QTest::newRow("-1") << -euros(1) << QStringLiteral("- UNO");
        QTest::newRow("-1250,50") << -euros(1250, 50)
                                  << QStringLiteral("- MILLEDUECENTOCINQUANTA E CINQUANTA CENTESIMI");
        QTest::newRow("-0,05") << -euros(0, 5) << QStringLiteral("- ZERO E CINQUE CENTESIMI");
        QTest::newRow("-0,0001 rounds to no cents") << qint64(-1) << QStringLiteral("- ZERO");
        QTest::newRow("-2000000") << -euros(2000000) << QStringLiteral("- DUEMILIONI");

        // Cents: the fraction times 100, rounded with ties to even.
        QTest::newRow("0,125 tie down to 12") << qint64(1250) << QStringLiteral("ZERO E DODICI CENTESIMI");
        QTest::newRow("0,135 tie up to 14") << qint64(1350) << QStringLiteral("ZERO E QUATTORDICI CENTESIMI");
        QTest::newRow("0,1251 up to 13") << qint64(1251) << QStringLiteral("ZERO E TREDICI CENTESIMI");
        QTest::newRow("0,1349 down to 13") << qint64(1349) << QStringLiteral("ZERO E TREDICI CENTESIMI");
        QTest::newRow("0,215 tie up to 22") << qint64(2150) << QStringLiteral("ZERO E VENTIDUE CENTESIMI");
        QTest::newRow("0,005 tie down to none") << qint64(50) << QStringLiteral("ZERO");
        QTest::newRow("0,0049 down to none") << qint64(49) << QStringLiteral("ZERO");
        QTest::newRow("0,0051 up to 1") << qint64(51) << QStringLiteral("ZERO E UNO CENTESIMI");
        QTest::newRow("0,015 tie up to 2") << qint64(150) << QStringLiteral("ZERO E DUE CENTESIMI");
        QTest::newRow("3,0001") << euros(3) + 1 << QStringLiteral("TRE");
        QTest::newRow("0,21") << euros(0, 21) << QStringLiteral("ZERO E VENTUNO CENTESIMI");
        QTest::newRow("0,28") << euros(0, 28) << QStringLiteral("ZERO E VENTIOTTO CENTESIMI");
        QTest::newRow("0,99") << euros(0, 99) << QStringLiteral("ZERO E NOVANTANOVE CENTESIMI");
        QTest::newRow("0,9949 down to 99") << qint64(9949)
                                           << QStringLiteral("ZERO E NOVANTANOVE CENTESIMI");
        // The rounding is not carried into the euros.
        QTest::newRow("1,995 tie up to 100") << euros(1) + 9950
                                             << QStringLiteral("UNO E CENTO CENTESIMI");
        QTest::newRow("-0,135") << qint64(-1350) << QStringLiteral("- ZERO E QUATTORDICI CENTESIMI");

        // The ends of the input type: 922337203685477,5807 and
        // -922337203685477,5808, whose fifth group 922 is not written.
        QTest::newRow("INT64_MAX")
            << std::numeric_limits<qint64>::max()
            << QStringLiteral("TRECENTOTRENTASETTEMILIARDIDUECENTOTREMILIONISEICENTOOTTANTACINQUEMILA"
                              "QUATTROCENTOSETTANTASETTE E CINQUANTAOTTO CENTESIMI");
        QTest::newRow("INT64_MIN")
            << std::numeric_limits<qint64>::min()
            << QStringLiteral("- TRECENTOTRENTASETTEMILIARDIDUECENTOTREMILIONISEICENTOOTTANTACINQUEMILA"
                              "QUATTROCENTOSETTANTASETTE E CINQUANTAOTTO CENTESIMI");
        QTest::newRow("INT64_MIN + 1")
            << std::numeric_limits<qint64>::min() + 1
            << QStringLiteral("- TRECENTOTRENTASETTEMILIARDIDUECENTOTREMILIONISEICENTOOTTANTACINQUEMILA"
                              "QUATTROCENTOSETTANTASETTE E CINQUANTAOTTO CENTESIMI");
    }

    void importo()
    {
        QFETCH(qint64, amount);
        QFETCH(QString, words);
        QCOMPARE(ImportoInLettere(amount), words);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint64>>("amount");
        const std::optional<qint64> none;
        constexpr qint64 max = std::numeric_limits<qint64>::max();
        constexpr qint64 min = std::numeric_limits<qint64>::min();

        QTest::newRow("0") << QStringLiteral("0") << std::optional(euros(0));
        QTest::newRow("5") << QStringLiteral("5") << std::optional(euros(5));
        QTest::newRow("1250") << QStringLiteral("1250") << std::optional(euros(1250));
        QTest::newRow("8 digits") << QStringLiteral("99999999") << std::optional(euros(99999999));
        QTest::newRow("leading zeros") << QStringLiteral("007") << std::optional(euros(7));
        QTest::newRow("many leading zeros") << QStringLiteral("0000000000000000000000000012")
                                            << std::optional(euros(12));
        QTest::newRow("1 decimal") << QStringLiteral("1250,5") << std::optional(euros(1250, 50));
        QTest::newRow("2 decimals") << QStringLiteral("1250,50") << std::optional(euros(1250, 50));
        QTest::newRow("4 decimals") << QStringLiteral("1,2345") << std::optional(qint64(12345));
        QTest::newRow("smallest step") << QStringLiteral("0,0001") << std::optional(qint64(1));
        QTest::newRow("no euros") << QStringLiteral(",5") << std::optional(euros(0, 50));
        QTest::newRow("comma without decimals") << QStringLiteral("5,") << std::optional(euros(5));
        QTest::newRow("negative") << QStringLiteral("-5") << std::optional(-euros(5));
        QTest::newRow("negative cents") << QStringLiteral("-0,05") << std::optional(-euros(0, 5));
        QTest::newRow("minus zero") << QStringLiteral("-0") << std::optional(qint64(0));
        QTest::newRow("blanks around") << QStringLiteral("  12  ") << std::optional(euros(12));
        QTest::newRow("control characters around") << QStringLiteral("\t12\r\n")
                                                    << std::optional(euros(12));
        QTest::newRow("blank before the sign") << QStringLiteral(" -3") << std::optional(-euros(3));
        QTest::newRow("largest") << QStringLiteral("922337203685477,5807") << std::optional(max);
        QTest::newRow("smallest") << QStringLiteral("-922337203685477,5808") << std::optional(min);

        QTest::newRow("empty") << QString() << none;
        QTest::newRow("blanks only") << QStringLiteral("   ") << none;
        QTest::newRow("sign only") << QStringLiteral("-") << none;
        QTest::newRow("comma only") << QStringLiteral(",") << none;
        QTest::newRow("sign and comma") << QStringLiteral("-,") << none;
        QTest::newRow("letters") << QStringLiteral("abc") << none;
        QTest::newRow("trailing letter") << QStringLiteral("12a") << none;
        QTest::newRow("point as separator") << QStringLiteral("12.50") << none;
        QTest::newRow("thousands separator") << QStringLiteral("1.250,00") << none;
        QTest::newRow("two commas") << QStringLiteral("1,2,3") << none;
        QTest::newRow("blank inside") << QStringLiteral("1 250") << none;
        QTest::newRow("plus sign") << QStringLiteral("+5") << none;
        QTest::newRow("two signs") << QStringLiteral("--5") << none;
        QTest::newRow("blank after the sign") << QStringLiteral("- 5") << none;
        QTest::newRow("trailing sign") << QStringLiteral("5-") << none;
        QTest::newRow("sign after the comma") << QStringLiteral("5,-5") << none;
        QTest::newRow("5 decimals") << QStringLiteral("1,23456") << none;
        QTest::newRow("5 decimals of zero") << QStringLiteral("1,00000") << none;
        QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662") << none;
        QTest::newRow("one step too large") << QStringLiteral("922337203685477,5808") << none;
        QTest::newRow("one step too small") << QStringLiteral("-922337203685477,5809") << none;
        QTest::newRow("euros too large") << QStringLiteral("922337203685478") << none;
        QTest::newRow("wraps an unsigned 64-bit value") << QStringLiteral("18446744073709551617")
                                                        << none;
        QTest::newRow("30 digits") << QStringLiteral("123456789012345678901234567890") << none;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<qint64>, amount);
        QCOMPARE(parseEuroAmount(text), amount);
    }

    void wordsForEuroBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString previous = QStringLiteral("MILLE");
        QTest::newRow("emptied box clears") << QString() << QString();
        QTest::newRow("blanks only clear") << QStringLiteral("  \t") << QString();
        QTest::newRow("whole euros") << QStringLiteral("1250") << QStringLiteral("MILLEDUECENTOCINQUANTA");
        QTest::newRow("largest the box holds")
            << QStringLiteral("99999999")
            << QStringLiteral("NOVANTANOVEMILIONINOVECENTONOVANTANOVEMILANOVECENTONOVANTANOVE");
        QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("ZERO");
        QTest::newRow("blanks around") << QStringLiteral(" 5 ") << QStringLiteral("CINQUE");
        QTest::newRow("pasted decimals") << QStringLiteral("0,05") << QStringLiteral("ZERO E CINQUE CENTESIMI");
        QTest::newRow("pasted text keeps the words") << QStringLiteral("12a") << previous;
        QTest::newRow("too many decimals keep the words") << QStringLiteral("1,23456") << previous;
        QTest::newRow("overflow keeps the words") << QStringLiteral("99999999999999999999") << previous;
    }

    void wordsForEuroBox()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(::wordsForEuroBox(text, QStringLiteral("MILLE")), expected);
    }
};

QTEST_GUILESS_MAIN(TestAmountInWords)
#include "tst_amountinwords.moc"
