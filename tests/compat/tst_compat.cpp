#include "modMayanCompatibility.h"

#include <QTest>

using namespace modMayanCompatibility;
using modMayanNumerology::PersonSign;

namespace {
PersonSign Sign(int daySign, int dayNumber)
{
    const auto english = modMayanNumerology::SignTable[std::size_t(daySign - 1)].EnglishName;
    return {static_cast<std::int16_t>(daySign), static_cast<std::int16_t>(dayNumber),
            std::string(english)};
}
QString Text(std::string_view view)
{
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}
} // namespace

class CompatTest : public QObject {
    Q_OBJECT

private slots:
    void sealReduction_data();
    void sealReduction();
    void toneReduction_data();
    void toneReduction();
    void workedExamples_data();
    void workedExamples();
    void compositeIsSymmetric();
    void sealOneAndToneOneNeverResult();
    void resultDisplayInTheWindowsOrder();
    void computeCompositeStoresTheComposite();
    void sealNamesAndPictures_data();
    void sealNamesAndPictures();
};

void CompatTest::sealReduction_data()
{
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("seal");
    const int reduced[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 4};
    QTest::newRow("20 stays 20") << 20 << 20;
    QTest::newRow("2 stays 2") << 2 << 2;
    for (int sum = 21; sum <= 40; ++sum)
        QTest::addRow("%d", sum) << sum << reduced[sum - 21];
}

void CompatTest::sealReduction()
{
    QFETCH(int, sum);
    QFETCH(int, seal);
    QCOMPARE(ReduceSum(sum, SealCount), seal);
    // Reached through two real signs as well as the bare arithmetic.
    const int user = std::min(sum - 1, 20);
    QCOMPARE(CompositeOf(Sign(user, 1), Sign(sum - user, 1)).CompositeSeal, seal);
}

void CompatTest::toneReduction_data()
{
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("tone");
    const int reduced[] = {5, 6, 7, 8, 9, 10, 2, 3, 4, 5, 6, 7, 8};
    QTest::newRow("13 stays 13") << 13 << 13;
    for (int sum = 14; sum <= 26; ++sum)
        QTest::addRow("%d", sum) << sum << reduced[sum - 14];
}

void CompatTest::toneReduction()
{
    QFETCH(int, sum);
    QFETCH(int, tone);
    QCOMPARE(ReduceSum(sum, ToneCount), tone);
    const int user = std::min(sum - 1, 13);
    QCOMPARE(CompositeOf(Sign(1, user), Sign(1, sum - user)).CompositeTone, tone);
}

void CompatTest::workedExamples_data()
{
    QTest::addColumn<int>("userSign");
    QTest::addColumn<int>("userNumber");
    QTest::addColumn<int>("partnerSign");
    QTest::addColumn<int>("partnerNumber");
    QTest::addColumn<int>("seal");
    QTest::addColumn<int>("tone");
    QTest::addColumn<QString>("name");
    QTest::newRow("Dog 9 and Star 13")
        << 20 << 9 << 18 << 13 << 11 << 4 << "Blue Self-Existing Monkey";
    QTest::newRow("Earth 11 and Monkey 6") << 7 << 11 << 1 << 6 << 8 << 8 << "Yellow Galactic Star";
    QTest::newRow("Crocodile 3 twice") << 11 << 3 << 11 << 3 << 4 << 6 << "Yellow Rythmic Seed";
    QTest::newRow("Monkey 1 twice, the smallest sums")
        << 1 << 1 << 1 << 1 << 2 << 2 << "White Lunar Wind";
    QTest::newRow("Sun 12 and Sun 7") << 10 << 12 << 10 << 7 << 20 << 10 << "Yellow Planetary Sun";
    QTest::newRow("tone sum 13 is Cosmic") << 1 << 6 << 1 << 7 << 2 << 13 << "White Cosmic Wind";
    QTest::newRow("tone sum 14 is Overtone") << 1 << 7 << 1 << 7 << 2 << 5 << "White Overtone Wind";
    QTest::newRow("WorldBridger keeps its capital B")
        << 3 << 2 << 3 << 3 << 6 << 5 << "White Overtone WorldBridger";
    QTest::newRow("39 gives the largest reduced seal")
        << 20 << 1 << 19 << 1 << 12 << 2 << "Yellow Lunar Human";
    QTest::newRow("40 gives 4") << 20 << 13 << 20 << 13 << 4 << 8 << "Yellow Galactic Seed";
}

void CompatTest::workedExamples()
{
    QFETCH(int, userSign);
    QFETCH(int, userNumber);
    QFETCH(int, partnerSign);
    QFETCH(int, partnerNumber);
    QFETCH(int, seal);
    QFETCH(int, tone);
    QFETCH(QString, name);
    const CompositeReading composite =
        CompositeOf(Sign(userSign, userNumber), Sign(partnerSign, partnerNumber));
    QCOMPARE(composite.CompositeSeal, seal);
    QCOMPARE(composite.CompositeTone, tone);
    QCOMPARE(QString::fromStdString(composite.CompositeName), name);
}

void CompatTest::compositeIsSymmetric()
{
    for (int a = 1; a <= 20; ++a)
        for (int b = 1; b <= 20; ++b)
            for (int n = 1; n <= 13; ++n)
                for (int m = 1; m <= 13; ++m)
                    QCOMPARE(CompositeOf(Sign(a, n), Sign(b, m)),
                             CompositeOf(Sign(b, m), Sign(a, n)));
}

void CompatTest::sealOneAndToneOneNeverResult()
{
    QSet<int> seals;
    QSet<int> tones;
    for (int a = 1; a <= 20; ++a)
        for (int b = 1; b <= 20; ++b)
            for (int n = 1; n <= 13; ++n)
                for (int m = 1; m <= 13; ++m) {
                    const CompositeReading composite = CompositeOf(Sign(a, n), Sign(b, m));
                    seals.insert(composite.CompositeSeal);
                    tones.insert(composite.CompositeTone);
                }
    QVERIFY(!seals.contains(1));
    QVERIFY(!tones.contains(1));
    QCOMPARE(seals.size(), 19); // 2..20
    QCOMPARE(tones.size(), 12); // 2..13
}

void CompatTest::resultDisplayInTheWindowsOrder()
{
    const ResultDisplay display =
        ResultDisplayOf(CompositeOf(Sign(20, 9), Sign(18, 13)), Sign(20, 9), Sign(18, 13));
    QCOMPARE(display.lblResult[0], "Blue Self-Existing Monkey");
    QCOMPARE(display.lblResult[1], SealTable[10].SealDescription);
    QCOMPARE(display.lblResult[2], "Dog");
    QCOMPARE(display.lblResult[3], "9");
    QCOMPARE(display.lblResult[4], "Star");
    QCOMPARE(display.lblResult[5], "13");
    QCOMPARE(display.picture, 11);

    // Swapping the persons swaps only their own texts.
    const ResultDisplay swapped =
        ResultDisplayOf(CompositeOf(Sign(18, 13), Sign(20, 9)), Sign(18, 13), Sign(20, 9));
    QCOMPARE(swapped.lblResult[0], display.lblResult[0]);
    QCOMPARE(swapped.lblResult[2], display.lblResult[4]);
    QCOMPARE(swapped.lblResult[3], display.lblResult[5]);
}

void CompatTest::computeCompositeStoresTheComposite()
{
    SharedRecords records;
    modMayanNumerology::ComputeReading(records, "July", 4, 1955, true);
    modMayanNumerology::ComputeReading(records, "January", 1, 2000, false);
    const ResultDisplay display = ComputeComposite(records);
    QCOMPARE(records.Composite.CompositeName, "Blue Self-Existing Monkey");
    QCOMPARE(records.Composite.CompositeSeal, 11);
    QCOMPARE(records.Composite.CompositeTone, 4);
    QCOMPARE(display.picture, 11);
    QCOMPARE(display.lblResult[2], "Dog");
}

void CompatTest::sealNamesAndPictures_data()
{
    QTest::addColumn<int>("seal");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("picture");
    const char* names[] = {"Red Dragon",    "White Wind",         "Blue Night",  "Yellow Seed",
                           "Red Serpent",   "White WorldBridger", "Blue Hand",   "Yellow Star",
                           "Red Moon",      "White Dog",          "Blue Monkey", "Yellow Human",
                           "Red Skywalker", "White Wizard",       "Blue Eagle",  "Yellow Warrior",
                           "Red Earth",     "White Mirror",       "Blue Storm",  "Yellow Sun"};
    const char* pictures[] = {"01Imix.jpg",    "02Ik.jpg",     "03Akbal.jpg", "04Kan.jpg",
                              "05Chiccan.jpg", "06Cimi.jpg",   "07Manik.jpg", "08Lamat.jpg",
                              "09Muluc.jpg",   "10Oc.jpg",     "11Chuen.jpg", "12Eb.jpg",
                              "13Ben.jpg",     "14Ix.jpg",     "15Men.jpg",   "16Cib.jpg",
                              "17Caban.jpg",   "18Etznab.jpg", "19Cauac.jpg", "20Ahau.jpg"};
    for (int seal = 1; seal <= SealCount; ++seal)
        QTest::addRow("%d", seal) << seal << QString::fromLatin1(names[seal - 1])
                                  << QString::fromLatin1(pictures[seal - 1]);
}

void CompatTest::sealNamesAndPictures()
{
    QFETCH(int, seal);
    QFETCH(QString, name);
    QFETCH(QString, picture);
    QCOMPARE(Text(SealTable[std::size_t(seal - 1)].SealName), name);
    QCOMPARE(Text(SealTable[std::size_t(seal - 1)].PictureKey), picture);
}

QTEST_APPLESS_MAIN(CompatTest)
#include "tst_compat.moc"
