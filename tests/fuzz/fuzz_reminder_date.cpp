// The update reminder's stored date: any text read back is a valid date or none, and every date
// the reminder writes reads back as itself.

#include "FuzzCheck.h"
#include "RemindOfUpdate.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    const QDate today(2026, 12, 8);
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QDate recorded = modHelp::RecordedDate(text, today);
    FUZZ_CHECK(recorded.isNull() || recorded.isValid());
    if (size >= 4) {
        const qint64 day = qint64(data[0]) | qint64(data[1]) << 8 | qint64(data[2]) << 16 |
                           qint64(data[3] & 0x7f) << 24;
        const QDate written = QDate::fromJulianDay(day);
        if (written.isValid() && written.year() > 0 && written.year() < 10000)
            FUZZ_CHECK(modHelp::RecordedDate(written.toString(Qt::ISODate), today) == written);
    }
    return 0;
}
