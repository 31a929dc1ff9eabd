#include "modMayanNumerology.h"

#include <QTest>

using namespace modMayanNumerology;

class EngineTest : public QObject {
    Q_OBJECT

private slots:
    void yearCode_data();
    void yearCode();
    void yearCodesStayInsideTheCount();
    void monthDayValue_data();
    void monthDayValue();
    void kinTableCycles_data();
    void kinTableCycles();
    void locateInCount_data();
    void locateInCount();
    void yearsOutsideTheCountAreRefused_data();
    void yearsOutsideTheCountAreRefused();
    void computeReadingStoresUserAndPartner();
    void partnerOnlyLeavesUserSignEmpty();
    void sameDateGivesSameSignForBothPersons();
    void refusedYearLeavesRecordsUntouched();
    void signTableRows_data();
    void signTableRows();
    void dayNumberSelectsItsText();
    void checkDayOfMonth_data();
    void checkDayOfMonth();
};

void EngineTest::yearCode_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("code");
    const std::pair<int, int> rows[] = {{1900, 147}, {1901, 252}, {1902, 97},  {1903, 202},
                                        {1904, 48},  {1928, 234}, {1950, 209}, {1955, 215},
                                        {1960, 222}, {1970, 234}, {1980, 247}, {1990, 259},
                                        {1999, 166}, {2000, 12},  {2012, 235}, {2016, 136}};
    for (const auto& [year, code] : rows)
        QTest::addRow("%d", year) << year << code;
}

void EngineTest::yearCode()
{
    QFETCH(int, year);
    QFETCH(int, code);
    QCOMPARE(YearCode[static_cast<std::size_t>(year - FirstYear)], code);
    QCOMPARE(LocateInCount("March", 1, year).KinIndex, code); // 1 March adds nothing
}

void EngineTest::yearCodesStayInsideTheCount()
{
    QCOMPARE(YearCode.size(), std::size_t(117));
    for (const auto code : YearCode)
        QVERIFY2(code >= 4 && code <= 259, qPrintable(QString::number(code)));
}

void EngineTest::monthDayValue_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("value");
    const struct {
        const char* name;
        const char* month;
        int day, value;
    } rows[] = {
        {"1 March is the start", "March", 1, 0},
        {"31 March", "March", 31, 30},
        {"1 April", "April", 1, 31},
        {"31 April does not exist", "April", 31, 0},
        {"30 June", "June", 30, 121},
        {"31 June does not exist", "June", 31, 0},
        {"1 July", "July", 1, 122},
        {"31 August", "August", 31, 183},
        {"31 September does not exist", "September", 31, 0},
        {"31 October", "October", 31, 244},
        {"1 November", "November", 1, 245},
        {"16 November folds to 260", "November", 16, 260},
        {"17 November folds to 1", "November", 17, 1},
        {"30 November", "November", 30, 14},
        {"31 November does not exist", "November", 31, 0},
        {"1 December", "December", 1, 15},
        {"31 December", "December", 31, 45},
        {"1 January", "January", 1, 46},
        {"31 January", "January", 31, 76},
        {"1 February", "February", 1, 77},
        {"28 February", "February", 28, 104},
        {"29 February in any year", "February", 29, 105},
        {"30 February does not exist", "February", 30, 0},
        {"31 February does not exist", "February", 31, 0},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.month) << row.day << row.value;
}

void EngineTest::monthDayValue()
{
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(int, value);
    const auto row = std::find(MonthNames.begin(), MonthNames.end(), month.toStdString());
    QVERIFY(row != MonthNames.end());
    QCOMPARE(MonthDayValue[static_cast<std::size_t>(row - MonthNames.begin())]
                          [static_cast<std::size_t>(day - 1)],
             value);
}

void EngineTest::kinTableCycles_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("signName");
    QTest::addColumn<int>("dayNumber");
    QTest::newRow("row 1") << 1 << "BATZ - (CHUEN)" << 8;
    QTest::newRow("row 6") << 6 << "AJMAK - (CIB)" << 13;
    QTest::newRow("row 7") << 7 << "NOJ - (CABAN)" << 1;
    QTest::newRow("row 11") << 11 << "IMOSH - (IMIX)" << 5;
    QTest::newRow("row 20") << 20 << "TZI - (OC)" << 1;
    QTest::newRow("row 21 starts the signs again") << 21 << "BATZ - (CHUEN)" << 2;
    QTest::newRow("row 260") << 260 << "TZI - (OC)" << 7;
}

void EngineTest::kinTableCycles()
{
    QFETCH(int, row);
    QFETCH(QString, signName);
    QFETCH(int, dayNumber);
    const KinRow kin = KinTable(row);
    QCOMPARE(QString::fromStdString(std::string(kin.SignName)), signName);
    QCOMPARE(kin.DayNumber, dayNumber);
}

void EngineTest::locateInCount_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("kinIndex");
    QTest::addColumn<int>("daySign");
    QTest::addColumn<int>("dayNumber");
    const struct {
        const char* name;
        const char* month;
        int day, year, kin, sign, number;
    } rows[] = {
        {"1 March 1900", "March", 1, 1900, 147, 7, 11},
        {"16 November 1906", "November", 16, 1906, 258, 18, 5},
        {"4 July 1955", "July", 4, 1955, 80, 20, 9},
        {"14 February 1969", "February", 14, 1969, 219, 19, 5},
        {"29 February 1976", "February", 29, 1976, 191, 11, 3},
        {"25 December 1984", "December", 25, 1984, 187, 7, 12},
        {"1 January 2000", "January", 1, 2000, 58, 18, 13},
        {"31 December 2016", "December", 31, 2016, 181, 1, 6},
        {"a sum of exactly 260 stays 260", "April", 21, 1950, 260, 20, 7},
        {"the largest sum folds once, to 259", "November", 16, 1990, 259, 19, 6},
        {"17 November adds 1", "November", 17, 1990, 260, 20, 7},
        {"28 February 1969", "February", 28, 1969, 233, 13, 6},
        {"1 March 1969", "March", 1, 1969, 129, 9, 6},
        {"1 January adds 46, folded", "January", 1, 1990, 45, 5, 13},
        {"29 February 1900 called directly", "February", 29, 1900, 252, 12, 12},
        {"a month in lower case adds nothing", "july", 4, 1955, 215, 15, 1},
        {"an unknown month adds nothing", "Juli", 4, 1955, 215, 15, 1},
        {"day 0 adds nothing", "July", 0, 1955, 215, 15, 1},
        {"day 32 adds nothing", "July", 32, 1955, 215, 15, 1},
        {"31 February adds nothing", "February", 31, 1955, 215, 15, 1},
        {"the last year is accepted", "March", 1, 2016, 136, 16, 13},
    };
    for (const auto& row : rows)
        QTest::newRow(row.name) << QString::fromLatin1(row.month) << row.day << row.year << row.kin
                                << row.sign << row.number;
}

void EngineTest::locateInCount()
{
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QFETCH(int, kinIndex);
    QFETCH(int, daySign);
    QFETCH(int, dayNumber);
    const KinPlace place = LocateInCount(month.toStdString(), day, year);
    QCOMPARE(place.KinIndex, kinIndex);
    QCOMPARE(place.DaySign, daySign);
    QCOMPARE(place.DayNumber, dayNumber);
    QCOMPARE(place.SignName, SignTable[static_cast<std::size_t>(daySign - 1)].SignName);
}

void EngineTest::yearsOutsideTheCountAreRefused_data()
{
    QTest::addColumn<int>("year");
    QTest::newRow("1899") << 1899;
    QTest::newRow("2017") << 2017;
    QTest::newRow("0") << 0;
    QTest::newRow("-1") << -1;
}

void EngineTest::yearsOutsideTheCountAreRefused()
{
    QFETCH(int, year);
    QVERIFY_THROWS_EXCEPTION(YearOutOfRange, LocateInCount("March", 1, year));
    try {
        LocateInCount("March", 1, year);
    } catch (const YearOutOfRange& error) {
        QCOMPARE(error.year(), year);
        QVERIFY(QByteArray(error.what()).contains("1900..2016"));
    }
}

void EngineTest::computeReadingStoresUserAndPartner()
{
    ReadingRecords records;
    const PersonReading user = ComputeReading(records, "July", 4, 1955, true);
    QCOMPARE(user, records.LastReading);
    QCOMPARE(user.DayNumber, 9);
    QCOMPARE(user.SignName, "TZI - (OC)");
    QCOMPARE(user.EnglishName, "Dog");
    QCOMPARE(user.Keywords, "Helpful and loyal");
    QCOMPARE(user.Gemstone, "Bloodstone");
    QCOMPARE(user.Significance, "Patience");
    QCOMPARE(user.NumberDescription, NumberTable[8]);
    QCOMPARE(user.SignDescription, SignTable[19].SignDescription);
    QCOMPARE(user.FamousPersonalities, SignTable[19].FamousPersonalities);
    QCOMPARE(records.UserSign, (PersonSign{20, 9, "Dog"}));
    QCOMPARE(records.PartnerSign, PersonSign{});

    ComputeReading(records, "January", 1, 2000, false);
    QCOMPARE(records.PartnerSign, (PersonSign{18, 13, "Star"}));
    QCOMPARE(records.UserSign, (PersonSign{20, 9, "Dog"}));
    QCOMPARE(records.LastReading.EnglishName, "Star");
    QCOMPARE(records.LastReading.DayNumber, 13);
    QCOMPARE(records.LastReading.NumberDescription, NumberTable[12]);
    QCOMPARE(records.LastReading.Gemstone, "Hematite");
}

void EngineTest::partnerOnlyLeavesUserSignEmpty()
{
    ReadingRecords records;
    ComputeReading(records, "January", 1, 2000, false);
    QCOMPARE(records.UserSign.DaySign, 0);
    QCOMPARE(records.UserSign.DayNumber, 0);
    QVERIFY(records.UserSign.EnglishName.empty());
}

void EngineTest::sameDateGivesSameSignForBothPersons()
{
    ReadingRecords records;
    ComputeReading(records, "February", 29, 1976, true);
    ComputeReading(records, "February", 29, 1976, false);
    QCOMPARE(records.UserSign, records.PartnerSign);
    QCOMPARE(records.UserSign, (PersonSign{11, 3, "Crocodile"}));
}

void EngineTest::refusedYearLeavesRecordsUntouched()
{
    ReadingRecords records;
    ComputeReading(records, "July", 4, 1955, true);
    const ReadingRecords before = records;
    QVERIFY_THROWS_EXCEPTION(YearOutOfRange, ComputeReading(records, "July", 4, 2017, true));
    QCOMPARE(records.UserSign, before.UserSign);
    QCOMPARE(records.LastReading, before.LastReading);
}

void EngineTest::signTableRows_data()
{
    QTest::addColumn<int>("daySign");
    QTest::addColumn<QStringList>(
        "columns"); // sign name, English name, keywords, gemstone, significance
    // Every row in full, so that two swapped values cannot pass; a trailing blank belongs to
    // its value ("Turquoise ", "Unakite ").
    const struct {
        int daySign;
        const char* columns[5];
    } rows[] = {
        {1, "BATZ - (CHUEN)", "Monkey", "Witty and demonstrative", "Aventurine", "Manifestation"},
        {2, "E - (EB)", "Road", "Careful and useful", "Malachite", "Resolution"},
        {3, "AJ - (BEN)", "Reed", "Crusading and wise", "Turquoise ", "Understanding"},
        {4, "ISH - (IX)", "Jaguar", "Introvert and intelligent", "Moonstone", "Ascension"},
        {5, "TZIKIN - (MEN)", "Eagle", "Free and independent", "Unakite ", "Unity"},
        {6, "AJMAK - (CIB)", "Wisdom", "Knowledgeable and authoritative", "Smokey Quartz",
         "Duality"},
        {7, "NOJ - (CABAN)", "Earth", "Practical and intellectual", "Agate", "Action"},
        {8, "TIJASH - (ETZNAB)", "Flint", "Romantic and self sufficient", "Rhodonite", "Stability"},
        {9, "KAWOK - (CAUAC)", "Storm", "Healing and helpful", "Jade", "Empowerment"},
        {10, "AJPU - (AHUA)", "Sun", "Affectionate and creative", "Rose Quartz", "Flow"},
        {11, "IMOSH - (IMIX)", "Crocodile", "Protective and dominating", "Red Jasper", "Unity"},
        {12, "IK - (IK)", "Wind", "Clever, lively, and multifaceted", "Sodalite", "Justice"},
        {13, "AKABAL - (AKBAL)", "Night", "Conservative and thoughtful", "Snowflake Obsidian",
         "Patience"},
        {14, "KAT - (KAN)", "Seed", "Sexual, dynamic and energetic", "Dumortierite",
         "Manifestation"},
        {15, "KAN - (CHICCHAN)", "Serpent", "Forceful, powerful and charismatic", "Amethyst",
         "Resolution"},
        {16, "KAME - (CIMI)", "Transformer", "Helpful and sacrificing", "Carnelian",
         "Understanding"},
        {17, "KIEJ - (MANIK)", "Deer", "Nomadic and cooperative", "Amazonite", "Ascension"},
        {18, "KANIL - (LAMAT)", "Star", "Witty and jolly", "Hematite", "Unity"},
        {19, "TOJ - (MULUK)", "Offering", "Emotional and imaginative", "Lapis Lazuli", "Duality"},
        {20, "TZI - (OC)", "Dog", "Helpful and loyal", "Bloodstone", "Patience"},
    };
    for (const auto& row : rows)
        QTest::addRow("%d %s", row.daySign, row.columns[1])
            << row.daySign
            << QStringList{row.columns[0], row.columns[1], row.columns[2], row.columns[3],
                           row.columns[4]};
}

void EngineTest::signTableRows()
{
    QFETCH(int, daySign);
    QFETCH(QStringList, columns);
    const SignRow& row = SignTable[static_cast<std::size_t>(daySign - 1)];
    QStringList actual;
    for (const std::string_view view :
         {row.SignName, row.EnglishName, row.Keywords, row.Gemstone, row.Significance})
        actual << QString::fromUtf8(view.data(), qsizetype(view.size()));
    QCOMPARE(actual, columns);
}

void EngineTest::dayNumberSelectsItsText()
{
    // 1 January 2000 has the number 13, 4 March 1900 (kin 150) the number 1.
    QCOMPARE(ReadingOf("January", 1, 2000).Reading.NumberDescription, NumberTable[12]);
    QCOMPARE(LocateInCount("March", 4, 1900).DayNumber, 1);
    QCOMPARE(ReadingOf("March", 4, 1900).Reading.NumberDescription, NumberTable[0]);
}

void EngineTest::checkDayOfMonth_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("monthIndex");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("problem");
    const auto none = int(DateProblem::None);
    const auto february = int(DateProblem::NoSuchDayInFebruary);
    const auto thirtyFirst = int(DateProblem::NoThirtyFirst);
    QTest::newRow("29 February 1900 never existed") << 1900 << 1 << 29 << february;
    QTest::newRow("29 February 1901") << 1901 << 1 << 29 << february;
    QTest::newRow("29 February 2015") << 2015 << 1 << 29 << february;
    QTest::newRow("29 February 1904") << 1904 << 1 << 29 << none;
    QTest::newRow("29 February 1996") << 1996 << 1 << 29 << none;
    QTest::newRow("29 February 2000") << 2000 << 1 << 29 << none;
    QTest::newRow("29 February 2016") << 2016 << 1 << 29 << none;
    QTest::newRow("28 February 1900") << 1900 << 1 << 28 << none;
    QTest::newRow("30 February 2000") << 2000 << 1 << 30 << february;
    QTest::newRow("31 February 2000") << 2000 << 1 << 31 << february;
    QTest::newRow("30 February 1901") << 1901 << 1 << 30 << february;
    QTest::newRow("31 April") << 1980 << 3 << 31 << thirtyFirst;
    QTest::newRow("31 June") << 1980 << 5 << 31 << thirtyFirst;
    QTest::newRow("31 September") << 1980 << 8 << 31 << thirtyFirst;
    QTest::newRow("31 November") << 1980 << 10 << 31 << thirtyFirst;
    QTest::newRow("30 April") << 1980 << 3 << 30 << none;
    for (const int month : {0, 2, 4, 6, 7, 9, 11})
        QTest::addRow("31 %s", MonthNames[std::size_t(month)].data())
            << 1980 << month << 31 << none;
}

void EngineTest::checkDayOfMonth()
{
    QFETCH(int, year);
    QFETCH(int, monthIndex);
    QFETCH(int, day);
    QFETCH(int, problem);
    QCOMPARE(int(CheckDayOfMonth(year, monthIndex, day)), problem);
}

QTEST_APPLESS_MAIN(EngineTest)
#include "tst_engine.moc"
