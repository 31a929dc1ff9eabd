// The texts shipped with the program: their lengths, what each must name, and that every famous
// personality was really born under the sign that lists them.

#include "modMayanCompatibility.h"
#include "modMayanNumerology.h"

#include <QTest>

using namespace modMayanNumerology;
using modMayanCompatibility::SealTable;

namespace {
QString Text(std::string_view view)
{
    return QString::fromUtf8(view.data(), qsizetype(view.size()));
}
} // namespace

class ContentTest : public QObject {
    Q_OBJECT

private slots:
    void signDescriptions_data();
    void signDescriptions();
    void numberDescriptions_data();
    void numberDescriptions();
    void sealDescriptions();
    void famousPersonalities_data();
    void famousPersonalities();
};

void ContentTest::signDescriptions_data()
{
    QTest::addColumn<int>("daySign");
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("direction");
    const char* places[] = {"first",     "second",      "third",      "fourth",     "fifth",
                            "sixth",     "seventh",     "eighth",     "ninth",      "tenth",
                            "eleventh",  "twelfth",     "thirteenth", "fourteenth", "fifteenth",
                            "sixteenth", "seventeenth", "eighteenth", "nineteenth", "twentieth"};
    const char* directions[] = {"east", "north", "west", "south"};
    for (int daySign = 1; daySign <= SignCount; ++daySign) {
        // The traditional order starts at Crocodile, the program's eleventh sign.
        const int traditional = (daySign + 9) % SignCount;
        const auto english = SignTable[std::size_t(daySign - 1)].EnglishName;
        const bool hasDirection = english != "Eagle" && english != "Deer";
        QTest::addRow("%d %s", daySign, english.data())
            << daySign << QString::fromLatin1(places[traditional])
            << (hasDirection ? QString::fromLatin1(directions[traditional % 4]) : QString());
    }
}

void ContentTest::signDescriptions()
{
    QFETCH(int, daySign);
    QFETCH(QString, place);
    QFETCH(QString, direction);
    const QString description = Text(SignTable[std::size_t(daySign - 1)].SignDescription);
    QVERIFY2(description.size() >= 492 && description.size() <= 954,
             qPrintable(QString::number(description.size())));
    QVERIFY(description.contains(QLatin1String(" ") + place + QLatin1String(" ")));
    if (!direction.isEmpty())
        QVERIFY(description.contains(QLatin1String("belongs to the ") + direction));
}

void ContentTest::numberDescriptions_data()
{
    QTest::addColumn<int>("dayNumber");
    QTest::addColumn<QString>("theme");
    const char* themes[] = {"Power and great force",
                            "Balance.",
                            "Versatile and communicative",
                            "Balance again",
                            "The elevation of all creation",
                            "Imbalance",
                            "Energy to catalyze",
                            "Male authority",
                            "Female authority",
                            "Creativity",
                            "Resolution",
                            "Strong and abundant energy",
                            "Realization"};
    for (int number = 1; number <= NumberCount; ++number)
        QTest::addRow("%d", number) << number << QString::fromLatin1(themes[number - 1]);
}

void ContentTest::numberDescriptions()
{
    QFETCH(int, dayNumber);
    QFETCH(QString, theme);
    const QString description = Text(NumberTable[std::size_t(dayNumber - 1)]);
    QVERIFY2(description.size() >= 215 && description.size() <= 528,
             qPrintable(QString::number(description.size())));
    QVERIFY2(description.startsWith(theme), qPrintable(description.left(40)));
}

void ContentTest::sealDescriptions()
{
    for (const auto& seal : SealTable) {
        const QString description = Text(seal.SealDescription);
        QVERIFY2(description.size() >= 604 && description.size() <= 912,
                 qPrintable(Text(seal.SealName) + QString::number(description.size())));
        QVERIFY2(description.contains(Text(seal.SealName)), qPrintable(Text(seal.SealName)));
    }
}

void ContentTest::famousPersonalities_data()
{
    QTest::addColumn<int>("daySign");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("year");
    const struct {
        int sign;
        const char* name;
        int year, month, day;
    } people[] = {
        {1, "Neil Armstrong", 1930, 8, 5},       {1, "Taylor Swift", 1989, 12, 13},
        {2, "Stevie Wonder", 1950, 5, 13},       {2, "Mark Zuckerberg", 1984, 5, 14},
        {3, "Elvis Presley", 1935, 1, 8},        {3, "Audrey Hepburn", 1929, 5, 4},
        {4, "Alan Turing", 1912, 6, 23},         {4, "Oprah Winfrey", 1954, 1, 29},
        {5, "John F. Kennedy", 1917, 5, 29},     {5, "Bob Marley", 1945, 2, 6},
        {6, "David Bowie", 1947, 1, 8},          {6, "Bob Dylan", 1941, 5, 24},
        {7, "Jackie Chan", 1954, 4, 7},          {7, "Jimmy Carter", 1924, 10, 1},
        {8, "Bruce Lee", 1940, 11, 27},          {8, "Maya Angelou", 1928, 4, 4},
        {9, "Muhammad Ali", 1942, 1, 17},        {9, "Princess Diana", 1961, 7, 1},
        {10, "Frida Kahlo", 1907, 7, 6},         {10, "Michael Jordan", 1963, 2, 17},
        {11, "Walt Disney", 1901, 12, 5},        {11, "Tom Hanks", 1956, 7, 9},
        {12, "Michael Jackson", 1958, 8, 29},    {12, "Dolly Parton", 1946, 1, 19},
        {13, "Yuri Gagarin", 1934, 3, 9},        {13, "Gabriel García Márquez", 1927, 3, 6},
        {14, "Queen Elizabeth II", 1926, 4, 21}, {14, "Greta Garbo", 1905, 9, 18},
        {15, "Marilyn Monroe", 1926, 6, 1},      {15, "Steve Jobs", 1955, 2, 24},
        {16, "Freddie Mercury", 1946, 9, 5},     {16, "Bill Gates", 1955, 10, 28},
        {17, "Meryl Streep", 1949, 6, 22},       {17, "Elton John", 1947, 3, 25},
        {18, "Jimi Hendrix", 1942, 11, 27},      {18, "Carl Sagan", 1934, 11, 9},
        {19, "John Lennon", 1940, 10, 9},        {19, "Martin Luther King Jr.", 1929, 1, 15},
        {20, "Nelson Mandela", 1918, 7, 18},     {20, "Stephen Hawking", 1942, 1, 8},
    };
    for (const auto& person : people)
        QTest::newRow(person.name)
            << person.sign << QString::fromUtf8(person.name)
            << Text(MonthNames[std::size_t(person.month - 1)]) << person.day << person.year;
}

void ContentTest::famousPersonalities()
{
    QFETCH(int, daySign);
    QFETCH(QString, name);
    QFETCH(QString, month);
    QFETCH(int, day);
    QFETCH(int, year);
    QCOMPARE(LocateInCount(month.toStdString(), day, year).DaySign, daySign);
    const QStringList names =
        Text(SignTable[std::size_t(daySign - 1)].FamousPersonalities).split(QLatin1String(", "));
    QCOMPARE(names.size(), 2);
    QVERIFY(names.contains(name));
}

QTEST_APPLESS_MAIN(ContentTest)
#include "tst_content.moc"
