#include "RemindOfUpdate.h"

#include "QtText.h"
#include "Scrambler.h"
#include "modHelp.h"

#include <QCoreApplication>
#include <QLocale>

namespace modHelp {
namespace {

QString Scrambled(const QString& text)
{
    return kinmatch::ToQString(ScrambleText(kinmatch::ToUtf8(text)).value_or(std::string()));
}

QString Unscrambled(const QString& text)
{
    return kinmatch::ToQString(UnscrambleText(kinmatch::ToUtf8(text)).value_or(std::string()));
}

} // namespace

QDate RecordedDate(const QString& text, const QDate& today, const QLocale& locale)
{
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    if (iso.isValid())
        return iso;
    const QDate local = locale.toDate(text, QLocale::ShortFormat);
    const bool lastCentury = local.year() < today.year() - 50 && local.year() >= today.year() - 150;
    return lastCentury ? local.addYears(100) : local;
}

QString UpdateQuestion()
{
    return QCoreApplication::translate(
        "modHelp",
        "There maybe an update to this software available\rDo you want to check for an update?");
}

void RemindOfUpdate(kinmatch::Platform& platform)
{
    const QString key = Scrambled(QStringLiteral("Duration"));
    const QDate today = platform.today();
    // A store that cannot keep the date only brings the question back sooner: nothing to say.
    const auto recordToday = [&] {
        platform.writeSetting(key, Scrambled(today.toString(Qt::ISODate)));
    };

    const QDate recorded = RecordedDate(Unscrambled(platform.readSetting(key)), today);
    // A first start, a removed value, or one that cannot be read: start counting from today.
    if (!recorded.isValid()) {
        recordToday();
        return;
    }
    const qint64 days = today.daysTo(recorded);
    if (days >= -ReminderQuietDays && days <= ReminderQuietDays)
        return;
    const kinmatch::MessageAnswer answer = platform.showMessage(
        UpdateQuestion(), kinmatch::MessageIcon::Information, kinmatch::MessageButtons::YesNo);
    recordToday();
    if (answer == kinmatch::MessageAnswer::Yes)
        OpenDownloadPage(platform);
}

} // namespace modHelp
