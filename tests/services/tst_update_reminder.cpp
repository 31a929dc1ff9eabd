#include "RecordingPlatform.h"
#include "RemindOfUpdate.h"
#include "Scrambler.h"

#include <QLocale>
#include <QTest>

using namespace kinmatch;

using Settings = QMap<QString, QString>;

namespace {
const QString Key = QStringLiteral("K|yh{pvu"); // "Duration", scrambled

QString Scrambled(const QString& text)
{
    return QString::fromStdString(modHelp::ScrambleText(text.toStdString()).value());
}
} // namespace

class UpdateReminderTest : public QObject {
    Q_OBJECT

private slots:
    void reminder_data();
    void reminder();
    void yesOpensTheDownloadPageOnce();
    void twoStartsOnOneDay();
    void twoDigitYears_data();
    void twoDigitYears();
};

void UpdateReminderTest::reminder_data()
{
    QTest::addColumn<Settings>("stored");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("rewrites");
    const QDate today(2026, 12, 7);
    auto recorded = [&](int daysFromToday) {
        return Settings{{Key, Scrambled(today.addDays(daysFromToday).toString(Qt::ISODate))}};
    };
    QTest::newRow("first start") << Settings{} << false << true;
    QTest::newRow("today") << recorded(0) << false << false;
    QTest::newRow("14 days ago") << recorded(-14) << false << false;
    QTest::newRow("15 days ago") << recorded(-15) << true << true;
    QTest::newRow("a year ago") << recorded(-365) << true << true;
    QTest::newRow("14 days ahead") << recorded(14) << false << false;
    QTest::newRow("15 days ahead, after the clock was set back") << recorded(15) << true << true;
    QTest::newRow("a plain, unscrambled key counts as a first start")
        << Settings{{"Duration", "2026-01-01"}} << false << true;
    QTest::newRow("an unreadable value counts as a first start")
        << Settings{{Key, Scrambled("not a date")}} << false << true;
    QTest::newRow("the locale's short date from 3 days ago")
        << Settings{{Key, Scrambled(
                              QLocale::system().toString(today.addDays(-3), QLocale::ShortFormat))}}
        << false << false;
    QTest::newRow("the locale's short date from 20 days ago")
        << Settings{{Key, Scrambled(QLocale::system().toString(today.addDays(-20),
                                                               QLocale::ShortFormat))}}
        << true << true;
}

void UpdateReminderTest::reminder()
{
    QFETCH(Settings, stored);
    QFETCH(bool, asks);
    QFETCH(bool, rewrites);
    RecordingPlatform platform;
    platform.settings = stored;
    platform.answer = MessageAnswer::No;
    modHelp::RemindOfUpdate(platform);

    if (asks) {
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text,
                 "There maybe an update to this software available\r"
                 "Do you want to check for an update?");
        QCOMPARE(platform.messages.first().icon, MessageIcon::Information);
        QCOMPARE(platform.messages.first().buttons, MessageButtons::YesNo);
    } else {
        QVERIFY(platform.messages.isEmpty());
    }
    QVERIFY(platform.openedAddresses.isEmpty()); // the answer was No
    if (rewrites)
        QCOMPARE(platform.settings.value(Key), Scrambled("2026-12-07"));
    else
        QCOMPARE(platform.settings.value(Key), stored.value(Key));
}

void UpdateReminderTest::yesOpensTheDownloadPageOnce()
{
    RecordingPlatform platform;
    platform.settings[Key] = Scrambled("2026-11-01");
    platform.answer = MessageAnswer::Yes;
    modHelp::RemindOfUpdate(platform);
    QCOMPARE(platform.openedAddresses,
             QStringList{"http://www.kinmatch.example/download-kinmatch.html"});
    QCOMPARE(platform.settings.value(Key), Scrambled("2026-12-07"));
}

void UpdateReminderTest::twoStartsOnOneDay()
{
    RecordingPlatform platform;
    platform.settings[Key] = Scrambled("2026-10-01");
    modHelp::RemindOfUpdate(platform);
    modHelp::RemindOfUpdate(platform);
    QCOMPARE(platform.messages.size(), 1);
    // Fifteen days later it comes back.
    platform.date = platform.date.addDays(15);
    modHelp::RemindOfUpdate(platform);
    QCOMPARE(platform.messages.size(), 2);
}

void UpdateReminderTest::twoDigitYears_data()
{
    // In a locale whose short dates have two-digit years ("11/20/26"), as older versions wrote
    // them; today is 2026-12-07.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("this year") << "11/20/26" << QDate(2026, 11, 20);
    QTest::newRow("fifty years ago") << "1/2/76" << QDate(1976, 1, 2);
    QTest::newRow("nearer in the century ahead") << "1/2/75" << QDate(2075, 1, 2);
    QTest::newRow("ISO whatever the locale") << "2026-11-20" << QDate(2026, 11, 20);
}

void UpdateReminderTest::twoDigitYears()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(modHelp::RecordedDate(text, QDate(2026, 12, 7),
                                   QLocale(QLocale::English, QLocale::UnitedStates)),
             date);
}

QTEST_GUILESS_MAIN(UpdateReminderTest)
#include "tst_update_reminder.moc"
