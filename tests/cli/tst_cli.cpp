#include "Json.h"
#include "KinmatchCli.h"
#include "modMayanCompatibility.h"

#include "ReadingFile.h"
#include "Report.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

namespace {

struct Outcome {
    int status;
    QString out;
    QString err;
};

Outcome RunCli(const QStringList& args)
{
    std::vector<std::string> argv;
    for (const QString& arg : args)
        argv.push_back(arg.toStdString());
    std::ostringstream out;
    std::ostringstream err;
    const int status = kinmatch_cli::Run(argv, out, err);
    return {status, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

QJsonObject RunJson(const QStringList& args)
{
    const Outcome outcome = RunCli(args);
    [&] { QCOMPARE(outcome.status, 0); }();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(outcome.out.toUtf8(), &error);
    [&] { QCOMPARE(error.error, QJsonParseError::NoError); }();
    return document.object();
}

} // namespace

class CliTest : public QObject {
    Q_OBJECT

private slots:
    void readingJson_data();
    void readingJson();
    void readingJsonKeepsTrailingBlanks();
    void matchJson_data();
    void matchJson();
    void textForms();
    void helpAndVersion();
    void badInput_data();
    void badInput();
    void jsonEscaping();
    void reportFromNameAndDate();
    void saveThenReportFromTheFile();
    void reportAsPdf();
    void refusedReportsAndSavesWriteNothing_data();
    void refusedReportsAndSavesWriteNothing();

private:
    QTemporaryDir folder;
};

void CliTest::readingJson_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("kinIndex");
    QTest::addColumn<int>("daySign");
    QTest::addColumn<int>("dayNumber");
    QTest::addColumn<QString>("englishName");
    QTest::newRow("4 July 1955") << "1955-07-04" << 80 << 20 << 9 << "Dog";
    QTest::newRow("1 January 2000") << "2000-01-01" << 58 << 18 << 13 << "Star";
    QTest::newRow("29 February 1976") << "1976-02-29" << 191 << 11 << 3 << "Crocodile";
    QTest::newRow("31 December 2016") << "2016-12-31" << 181 << 1 << 6 << "Monkey";
    QTest::newRow("21 April 1950 stays 260") << "1950-04-21" << 260 << 20 << 7 << "Dog";
}

void CliTest::readingJson()
{
    QFETCH(QString, date);
    QFETCH(int, kinIndex);
    QFETCH(int, daySign);
    QFETCH(int, dayNumber);
    QFETCH(QString, englishName);
    const QJsonObject json = RunJson({QStringLiteral("reading"), date, QStringLiteral("--json")});
    QCOMPARE(json.value(QLatin1String("KinIndex")).toInt(), kinIndex);
    QCOMPARE(json.value(QLatin1String("DaySign")).toInt(), daySign);
    QCOMPARE(json.value(QLatin1String("DayNumber")).toInt(), dayNumber);
    QCOMPARE(json.value(QLatin1String("EnglishName")).toString(), englishName);
    const QStringList keys = {
        "KinIndex",          "DaySign",         "DayNumber",          "SignName",
        "EnglishName",       "Keywords",        "Gemstone",           "Significance",
        "NumberDescription", "SignDescription", "FamousPersonalities"};
    for (const QString& key : keys)
        QVERIFY2(json.contains(key), qPrintable(key));
    QCOMPARE(json.size(), keys.size());
}

void CliTest::readingJsonKeepsTrailingBlanks()
{
    // 8 January 1935 is a Reed day, whose gemstone ends in a blank.
    const QJsonObject json = RunJson({"reading", "1935-01-08", "--json"});
    QCOMPARE(json.value(QLatin1String("Gemstone")).toString(), "Turquoise ");
    QCOMPARE(json.value(QLatin1String("SignName")).toString(), "AJ - (BEN)");
}

void CliTest::matchJson_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<int>("seal");
    QTest::addColumn<int>("tone");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("picture");
    QTest::newRow("Dog 9 and Star 13") << "1955-07-04"
                                       << "2000-01-01" << 11 << 4 << "Blue Self-Existing Monkey"
                                       << "11Chuen.jpg";
    QTest::newRow("Earth 11 and Monkey 6") << "1900-03-01"
                                           << "2016-12-31" << 8 << 8 << "Yellow Galactic Star"
                                           << "08Lamat.jpg";
    QTest::newRow("the same date twice") << "1976-02-29"
                                         << "1976-02-29" << 4 << 6 << "Yellow Rythmic Seed"
                                         << "04Kan.jpg";
}

void CliTest::matchJson()
{
    QFETCH(QString, user);
    QFETCH(QString, partner);
    QFETCH(int, seal);
    QFETCH(int, tone);
    QFETCH(QString, name);
    QFETCH(QString, picture);
    const QJsonObject json =
        RunJson({QStringLiteral("match"), user, partner, QStringLiteral("--json")});
    QCOMPARE(json.value(QLatin1String("CompositeSeal")).toInt(), seal);
    QCOMPARE(json.value(QLatin1String("CompositeTone")).toInt(), tone);
    QCOMPARE(json.value(QLatin1String("CompositeName")).toString(), name);
    QCOMPARE(json.value(QLatin1String("Picture")).toString(), picture);
    const auto description =
        modMayanCompatibility::SealTable[std::size_t(seal - 1)].SealDescription;
    QCOMPARE(json.value(QLatin1String("SealDescription")).toString(),
             QString::fromUtf8(description.data(), qsizetype(description.size())));
    const QJsonObject userJson = json.value(QLatin1String("user")).toObject();
    QCOMPARE(userJson.keys().size(), 4);
    QVERIFY(userJson.contains(QLatin1String("KinIndex")));
    QVERIFY(json.value(QLatin1String("partner")).toObject().contains(QLatin1String("EnglishName")));
}

void CliTest::textForms()
{
    const Outcome reading = RunCli({"reading", "1955-07-04"});
    QCOMPARE(reading.status, 0);
    QVERIFY(reading.out.contains(QLatin1String("July 4, 1955")));
    QVERIFY(reading.out.contains(QLatin1String("Dog, TZI - (OC)")));
    QVERIFY(reading.err.isEmpty());
    const Outcome match = RunCli({"match", "1955-07-04", "2000-01-01"});
    QCOMPARE(match.status, 0);
    QVERIFY(match.out.contains(QLatin1String("Blue Self-Existing Monkey")));
    QVERIFY(match.out.contains(QLatin1String("Star, tone 13")));
}

void CliTest::helpAndVersion()
{
    const Outcome help = RunCli({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains(QLatin1String("kinmatch-cli match USER-DATE PARTNER-DATE [--json]")));
    const Outcome version = RunCli({"--version"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, "kinmatch-cli 1.10\n");
}

void CliTest::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("named"); // what the message must name
    QTest::newRow("no command") << QStringList{} << "no command";
    QTest::newRow("unknown command") << QStringList{"horoscope"} << "horoscope";
    QTest::newRow("unknown option") << QStringList{"reading", "1955-07-04", "--xml"} << "--xml";
    QTest::newRow("unknown leading option") << QStringList{"--verbose"} << "--verbose";
    QTest::newRow("missing date") << QStringList{"reading"} << "DATE";
    QTest::newRow("one date for a match") << QStringList{"match", "1955-07-04"} << "PARTNER-DATE";
    QTest::newRow("extra argument") << QStringList{"reading", "1955-07-04", "1955-07-05"} << "DATE";
    QTest::newRow("not ISO") << QStringList{"reading", "04/07/1955"} << "YYYY-MM-DD";
    QTest::newRow("no leading zeros") << QStringList{"reading", "1955-7-4"} << "YYYY-MM-DD";
    QTest::newRow("letters") << QStringList{"reading", "1955-0a-04"} << "YYYY-MM-DD";
    QTest::newRow("year before the count") << QStringList{"reading", "1899-12-31"} << "1900..2016";
    QTest::newRow("year after the count")
        << QStringList{"match", "1955-07-04", "2017-01-01"} << "1900..2016";
    QTest::newRow("month 13") << QStringList{"reading", "1955-13-01"} << "month 13";
    QTest::newRow("month 00") << QStringList{"reading", "1955-00-01"} << "month 0";
    QTest::newRow("day 00") << QStringList{"reading", "1955-01-00"} << "no day 0";
    QTest::newRow("day 32") << QStringList{"reading", "1955-01-32"} << "no day 32";
    QTest::newRow("29 February 1900 never existed")
        << QStringList{"reading", "1900-02-29"} << "February 1900 has no day 29";
    QTest::newRow("29 February 1901") << QStringList{"reading", "1901-02-29"} << "day 29";
    QTest::newRow("31 April") << QStringList{"reading", "1980-04-31"} << "April 1980 has no day 31";
    QTest::newRow("31 November for the partner")
        << QStringList{"match", "1980-01-01", "1980-11-31"} << "November";
}

void CliTest::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QString, named);
    const Outcome outcome = RunCli(args);
    QCOMPARE(outcome.status, 2);
    QVERIFY(outcome.out.isEmpty());
    QVERIFY2(outcome.err.startsWith(QLatin1String("kinmatch-cli: ")), qPrintable(outcome.err));
    QCOMPARE(outcome.err.count(QLatin1Char('\n')), 1);
    QVERIFY2(outcome.err.endsWith(QLatin1Char('\n')), qPrintable(outcome.err));
    QVERIFY2(outcome.err.contains(named), qPrintable(outcome.err));
}

void CliTest::jsonEscaping()
{
    const QJsonObject json =
        QJsonDocument::fromJson(
            QByteArray::fromStdString(kinmatch_cli::JsonObject()
                                          .add("text", "a \"quote\", a \\ and\r\n\t\x01 end")
                                          .str()))
            .object();
    QCOMPARE(json.value(QLatin1String("text")).toString(),
             QString::fromLatin1("a \"quote\", a \\ and\r\n\t\x01 end"));
}

namespace {
QString ExpectedReport(const modMayanNumerology::BirthDetails& details)
{
    const auto reading =
        modMayanNumerology::ReadingOf(details.BirthMonth, details.BirthDay, details.BirthYear)
            .Reading;
    return QString::fromStdString(kinmatch::ReportText(
               kinmatch::ComposeReport(details, reading, "http://www.quorvane.example"))) +
           "\n";
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

void CliTest::reportFromNameAndDate()
{
    const Outcome outcome = RunCli({"report", "--name", "  Ann Lee ", "1980-02-29"});
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, ExpectedReport({"Ann Lee", 1980, "February", 29}));
    QVERIFY(outcome.err.isEmpty());
}

void CliTest::saveThenReportFromTheFile()
{
    const QString path = folder.filePath("zoe.man");
    const Outcome saved =
        RunCli({"save", path, "--name", QString::fromUtf8(" Zoë "), "1955-07-04"});
    QCOMPARE(saved.status, 0);
    QVERIFY(saved.out.isEmpty());
    const auto expected = kinmatch::EncodeReadingFile({"Zoë", 1955, "July", 4});
    QCOMPARE(Contents(path), QByteArray::fromStdString(*expected));
    const Outcome report = RunCli({"report", path});
    QCOMPARE(report.status, 0);
    QCOMPARE(report.out, ExpectedReport({"Zoë", 1955, "July", 4}));
}

void CliTest::reportAsPdf()
{
    const QString pdf = folder.filePath("report.pdf");
    const Outcome outcome = RunCli({"report", "--name", "Ann", "1955-07-04", "--pdf", pdf});
    QCOMPARE(outcome.status, 0);
    QVERIFY(outcome.out.isEmpty());
    QVERIFY(Contents(pdf).startsWith("%PDF"));
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QProcess text;
    text.start(pdftotext, {pdf, "-"});
    QVERIFY(text.waitForFinished());
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY(printed.contains("Name: Ann"));
    QVERIFY(printed.indexOf("Mayan Gemstone: Bloodstone") >
            printed.indexOf("Date of Birth: July 4, 1955"));
}

void CliTest::refusedReportsAndSavesWriteNothing_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("named");
    const QString target = folder.filePath("target.man");
    const QString existing = folder.filePath("existing.man");
    const QString garbage = folder.filePath("garbage.man");
    QTest::newRow("save without a name") << QStringList{"save", target} << "--name";
    QTest::newRow("save to a name not ending in man")
        << QStringList{"save", folder.filePath("x.txt"), "--name", "Ann", "1955-07-04"} << ".man";
    QTest::newRow("save a blank name")
        << QStringList{"save", target, "--name", "   ", "1955-07-04"} << "blank";
    QTest::newRow("save a name outside Windows-1252")
        << QStringList{"save", target, "--name", QString::fromUtf8("Ωmega"), "1955-07-04"}
        << QString::fromUtf8("Ω");
    QTest::newRow("save over a file with a bad date")
        << QStringList{"save", existing, "--name", "Ann", "1900-02-29"} << "no day 29";
    QTest::newRow("save into a missing folder")
        << QStringList{"save", folder.filePath("gone/x.man"), "--name", "Ann", "1955-07-04"}
        << "cannot write";
    QTest::newRow("report a missing file")
        << QStringList{"report", folder.filePath("missing.man")} << "cannot read";
    QTest::newRow("report a file that is no reading file")
        << QStringList{"report", garbage} << "not a reading file";
    QTest::newRow("report both a file and a name")
        << QStringList{"report", existing, "--name", "Ann", "1955-07-04"} << "either";
    QTest::newRow("report nothing") << QStringList{"report"} << "FILE.man";
    QTest::newRow("report a PDF into a missing folder")
        << QStringList{"report", existing, "--pdf", folder.filePath("gone/r.pdf")}
        << "cannot write";
    QTest::newRow("--name with one value") << QStringList{"report", "--name", "Ann"} << "--name";
}

void CliTest::refusedReportsAndSavesWriteNothing()
{
    QFETCH(QStringList, args);
    QFETCH(QString, named);
    const QString existing = folder.filePath("existing.man");
    QFile::remove(existing);
    QVERIFY(RunCli({"save", existing, "--name", "Kept", "2000-01-01"}).status == 0);
    QFile garbage(folder.filePath("garbage.man"));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("\x01\x02 binary \xff\r\nnot a year\r\n");
    garbage.close();
    const QByteArray before = Contents(existing);
    const QStringList filesBefore =
        QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    const Outcome outcome = RunCli(args);
    QCOMPARE(outcome.status, 2);
    QVERIFY(outcome.out.isEmpty());
    QCOMPARE(outcome.err.count('\n'), 1);
    QVERIFY2(outcome.err.contains(named), qPrintable(outcome.err));
    QCOMPARE(Contents(existing), before);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
}

QTEST_MAIN(CliTest)
#include "tst_cli.moc"
