#include "Faults.h"
#include "ReadingFile.h"
#include "ReadingFileIO.h"
#include "Scrambler.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <future>

using namespace kinmatch;
namespace mmn = modMayanNumerology;

namespace {
QByteArray Bytes(const std::string& text)
{
    return QByteArray::fromStdString(text);
}
} // namespace

class ReadingFileTest : public QObject {
    Q_OBJECT

private slots:
    void byteLayout();
    void sizeIsTheFieldsPlusEightBytes_data();
    void sizeIsTheFieldsPlusEightBytes();
    void saveThenLoadRestoresEveryField_data();
    void saveThenLoadRestoresEveryField();
    void namesOutsideWindows1252AreNotStored();
    void decoding_data();
    void decoding();
    void hugeFileIsReadInPart();
    void unreadableFileGivesEmptyLines();
    void failedSaveLeavesTheOldFile();
    void failedSaveSaysWhy_data();
    void failedSaveSaysWhy();
    void specialFilesAreNeitherReadNorWritten();
    void namesWithControlCharactersAreNotStored_data();
    void namesWithControlCharactersAreNotStored();

private:
    QTemporaryDir folder;
};

void ReadingFileTest::byteLayout()
{
    const auto bytes = EncodeReadingFile({"Ann", 1955, "July", 4});
    QVERIFY(bytes);
    // "Ann" -> "Huu", "1955" -> "8@<<", "July" -> "Q|s" and 0x80, "4" -> ";", each with CR LF.
    QCOMPARE(Bytes(*bytes), QByteArray("Huu\r\n8@<<\r\nQ|s\x80\r\n;\r\n"));
}

void ReadingFileTest::sizeIsTheFieldsPlusEightBytes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::newRow("short") << "Ann" << 4;
    QTest::newRow("inner blanks and a two-digit day") << "Ann  Lee" << 31;
    QTest::newRow("accented letters take one byte each") << QString::fromUtf8("Zoë Ångström") << 9;
}

void ReadingFileTest::sizeIsTheFieldsPlusEightBytes()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    const QString path = folder.filePath(QStringLiteral("size.man"));
    QCOMPARE(
        SaveReadingFile(path, {name.toStdString(), 1980, "September", std::int16_t(day)}).outcome,
        SaveOutcome::Saved);
    const qsizetype fields =
        name.size() + 4 + qsizetype(std::strlen("September")) + QString::number(day).size();
    QCOMPARE(QFile(path).size(), fields + 8);
}

void ReadingFileTest::saveThenLoadRestoresEveryField_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Ann Lee";
    QTest::newRow("Windows-1252 letters") << QString::fromUtf8("Zoë € Œuvre ÿ");
    QTest::newRow("characters that scramble to the top of the code page") << "~}|{zyx";
}

void ReadingFileTest::saveThenLoadRestoresEveryField()
{
    QFETCH(QString, name);
    const QString path = folder.filePath(QStringLiteral("round.man"));
    QCOMPARE(SaveReadingFile(path, {name.toStdString(), 2016, "December", 31}).outcome,
             SaveOutcome::Saved);
    const auto lines = LoadReadingFile(path);
    QCOMPARE(lines[0], name);
    QCOMPARE(lines[1], "2016");
    QCOMPARE(lines[2], "December");
    QCOMPARE(lines[3], "31");
}

void ReadingFileTest::namesOutsideWindows1252AreNotStored()
{
    QVERIFY(!EncodeReadingFile({"Ω", 1980, "May", 5}));
    QCOMPARE(UnstorableCharacter(QString::fromUtf8("Ann 😀 Lee")), QString::fromUtf8("😀"));
    QVERIFY(UnstorableCharacter(QString::fromUtf8("Zoë")).isEmpty());
    const QString path = folder.filePath(QStringLiteral("omega.man"));
    QCOMPARE(SaveReadingFile(path, {"Ω", 1980, "May", 5}).outcome, SaveOutcome::NameNotStorable);
    QVERIFY(!QFile::exists(path));
}

void ReadingFileTest::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("four lines") << QByteArray("Huu\r\n8@<<\r\nQ|s\x80\r\n;\r\n")
                                << QStringList{"Ann", "1955", "July", "4"};
    QTest::newRow("two lines") << QByteArray("Huu\r\n8@<<\r\n")
                               << QStringList{"Ann", "1955", "", ""};
    QTest::newRow("no final line end")
        << QByteArray("Huu\r\n8@<<") << QStringList{"Ann", "1955", "", ""};
    QTest::newRow("carriage returns only")
        << QByteArray("Huu\r8@<<\r") << QStringList{"Ann", "1955", "", ""};
    QTest::newRow("line feeds only")
        << QByteArray("Huu\n8@<<\n") << QStringList{"Ann", "1955", "", ""};
    QTest::newRow("an empty line") << QByteArray("\r\n8@<<\r\n") << QStringList{"", "1955", "", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{"", "", "", ""};
    QTest::newRow("more than four lines") << QByteArray("Huu\r\n8@<<\r\nQ|s\x80\r\n;\r\nextra\r\n")
                                          << QStringList{"Ann", "1955", "July", "4"};
}

void ReadingFileTest::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const auto decoded = DecodeReadingFile(bytes.toStdString());
    QStringList texts;
    for (const std::string& line : decoded)
        texts << QString::fromStdString(line);
    QCOMPARE(texts, lines);
}

void ReadingFileTest::hugeFileIsReadInPart()
{
    const QString path = folder.filePath(QStringLiteral("huge.man"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    // One endless line: only the first ReadingFileReadLimit bytes of it are read.
    const QByteArray block(1024 * 1024, 'H');
    for (int i = 0; i < 16; ++i)
        file.write(block);
    file.close();
    const auto lines = LoadReadingFile(path);
    QCOMPARE(lines[0].size(), qsizetype(ReadingFileReadLimit));
    QVERIFY(lines[1].isEmpty());
}

void ReadingFileTest::unreadableFileGivesEmptyLines()
{
    const auto lines = LoadReadingFile(folder.filePath(QStringLiteral("missing.man")));
    for (const QString& line : lines)
        QVERIFY(line.isEmpty());
}

void ReadingFileTest::failedSaveLeavesTheOldFile()
{
    const QString path = folder.filePath(QStringLiteral("kept.man"));
    QCOMPARE(SaveReadingFile(path, {"Ann", 1955, "July", 4}).outcome, SaveOutcome::Saved);
    QFile old(path);
    QVERIFY(old.open(QIODevice::ReadOnly));
    const QByteArray before = old.readAll();
    old.close();

    SKIP_UNLESS_FAULTS_CAN_BE_MADE();
    std::optional<DiskFullAfter> full(std::in_place, 8);
    const SaveOutcome outcome =
        SaveReadingFile(path, {"A much longer name than before", 2000, "May", 5}).outcome;
    full.reset();
    QCOMPARE(outcome, SaveOutcome::WriteFailed);

    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), before);
    // A folder that does not exist fails too, and creates nothing.
    QCOMPARE(
        SaveReadingFile(folder.filePath(QStringLiteral("gone/x.man")), {"Ann", 1955, "July", 4})
            .outcome,
        SaveOutcome::WriteFailed);
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("gone"))));
}

void ReadingFileTest::failedSaveSaysWhy_data()
{
    QTest::addColumn<QString>("place"); // what is at x.man before the save
    QTest::addColumn<QString>("cause");
    QTest::newRow("a read-only file, even for root") << "read-only"
                                                     << "Permission denied";
    QTest::newRow("a folder in the way") << "folder"
                                         << "Is a directory";
    QTest::newRow("a folder removed while the dialog was open") << "gone"
                                                                << "No such file or directory";
    QTest::newRow("a FIFO") << "fifo"
                            << "not a regular file";
    QTest::newRow("a disk that fills up") << "full"
                                          << "File too large";
}

void ReadingFileTest::failedSaveSaysWhy()
{
    QFETCH(QString, place);
    QFETCH(QString, cause);
    SKIP_UNLESS_FAULTS_CAN_BE_MADE();
    const QTemporaryDir here; // a folder of the row's own
    QString path = here.filePath(QStringLiteral("x.man"));
    QByteArray before;
    if (place == "read-only" || place == "full") {
        QVERIFY(SaveReadingFile(path, {"Ann", 1955, "July", 4}).outcome == SaveOutcome::Saved);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        before = file.readAll();
        if (place == "read-only")
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    } else if (place == "folder") {
        QVERIFY(QDir(here.path()).mkdir(QStringLiteral("x.man")));
    } else if (place == "gone") {
        path = here.filePath(QStringLiteral("gone/x.man"));
    } else if (place == "fifo") {
        QVERIFY(MakeFifo(path));
    }
    std::optional<DiskFullAfter> full;
    if (place == "full")
        full.emplace(8);
    const SaveResult saved =
        SaveReadingFile(path, {"A much longer name than before", 2000, "May", 5});
    full.reset();
    QCOMPARE(saved.outcome, SaveOutcome::WriteFailed);
    QCOMPARE(saved.cause, cause);
    if (!before.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }
    // No unfinished file is left beside it.
    QCOMPARE(QDir(here.path()).entryList({QStringLiteral(".x.man*")}, QDir::Files | QDir::Hidden),
             QStringList());
}

void ReadingFileTest::specialFilesAreNeitherReadNorWritten()
{
    SKIP_UNLESS_FAULTS_CAN_BE_MADE();
    const QString fifo = folder.filePath(QStringLiteral("x.man"));
    QVERIFY(MakeFifo(fifo));
    // Opening a FIFO for reading waits for a writer that never comes; reading must not.
    auto reading = std::async(std::launch::async, [&] { return LoadReadingFile(fifo); });
    if (reading.wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
        // Let the process end despite the thread stuck in open(); the writer releases it.
        QFile writer(fifo);
        writer.open(QIODevice::WriteOnly);
        QFAIL("reading a FIFO waited");
    }
    for (const QString& line : reading.get())
        QVERIFY(line.isEmpty());
    QCOMPARE(SaveReadingFile(fifo, {"Ann", 1955, "July", 4}).outcome, SaveOutcome::WriteFailed);
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile()); // still the FIFO
    for (const QString& path :
         {folder.path(), QStringLiteral("/dev/null"), QStringLiteral("/dev/zero")})
        for (const QString& line : LoadReadingFile(path))
            QVERIFY2(line.isEmpty(), qPrintable(path));
}

void ReadingFileTest::namesWithControlCharactersAreNotStored_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown"); // how the refusal names the character
    QTest::newRow("line feeds that would add a date") << "Ann\n1999\nMarch\n3"
                                                      << "\\x0A";
    QTest::newRow("a carriage return") << "Ann\rLee"
                                       << "\\x0D";
    QTest::newRow("a tab") << "Ann\tLee"
                           << "\\x09";
    QTest::newRow("an escape") << "Ann\x1b[2J"
                               << "\\x1B";
    QTest::newRow("outside Windows-1252") << QString::fromUtf8("Ωmega") << QString::fromUtf8("Ω");
}

void ReadingFileTest::namesWithControlCharactersAreNotStored()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QCOMPARE(UnstorableCharacter(name), shown);
    QVERIFY(!EncodeReadingFile({name.toStdString(), 1955, "July", 4}));
    const QString path = folder.filePath(QStringLiteral("control.man"));
    QCOMPARE(SaveReadingFile(path, {name.toStdString(), 1955, "July", 4}).outcome,
             SaveOutcome::NameNotStorable);
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(ReadingFileTest)
#include "tst_reading_file.moc"
