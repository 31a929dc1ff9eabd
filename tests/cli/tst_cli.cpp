#include "Csv.h"
#include "Faults.h"
#include "Json.h"
#include "KinmatchCli.h"
#include "Language.h"
#include "StringConsole.h"
#include "modMayanCompatibility.h"

#include "ReadingFile.h"
#include "Report.h"
#include "Scrambler.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <QThread>

#include <future>
#include <sstream>

namespace {

struct Outcome {
    int status;
    QString out;
    QString err;
};

Outcome RunCli(const QStringList& args, const QByteArray& input = {})
{
    std::vector<std::string> argv;
    for (const QString& arg : args)
        argv.push_back(arg.toStdString());
    StringConsole console;
    console.input = input.toStdString();
    const int status = kinmatch_cli::Run(argv, console);
    return {status, QString::fromStdString(console.output), QString::fromStdString(console.error)};
}

// The real program, as scripts meet it (the PDF module is found beside it).
Outcome RunProgram(const QStringList& args, const QByteArray& input = {})
{
    QProcess program;
    program.start(QStringLiteral(KINMATCH_CLI), args);
    program.write(input);
    program.closeWriteChannel();
    if (!program.waitForFinished(60000))
        return {-1, {}, QStringLiteral("did not finish")};
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

// An error line as expected: where the system gives a cause in its own words, the tables hold
// POSIX's, and elsewhere a cause of any words stands in its place.
void CompareErrorLine(const QString& actual, const QString& expected)
{
#ifdef Q_OS_UNIX
    QCOMPARE(actual, expected);
#else
    static const QRegularExpression cause(QStringLiteral("(cannot (?:read|write)): .+\n$"));
    QCOMPARE(QString(actual).replace(cause, "\\1: CAUSE\n"),
             QString(expected).replace(cause, "\\1: CAUSE\n"));
#endif
}

// Windows hands a program at most 32,767 characters of command line.
// Windows command lines hold at most 32,767 characters. (A QSKIP here would end only this
// function, not the test.)
bool CommandLineCannotHold(const QStringList& args)
{
#ifdef Q_OS_WIN
    return args.join(' ').size() > 32000;
#else
    Q_UNUSED(args);
    return false;
#endif
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

    void severalDates_data();
    void severalDates();
    void workingOfTheWorkedExamples_data();
    void workingOfTheWorkedExamples();
    void matchWorking_data();
    void matchWorking();
    void groupKeepsNamesAndPairOrder();
    void groupTextListsPeopleThenPairs();
    void badGroups_data();
    void badGroups();
    void coupleReport();
    void documentsAsHtml_data();
    void documentsAsHtml();
    void documentsAsPdf_data();
    void documentsAsPdf();
    void terminalNeverGetsControlCharacters();
    void failedWritesKeepTheOldFile_data();
    void failedWritesKeepTheOldFile();
    void inputFaults_data();
    void inputFaults();
    void outputFaults_data();
    void outputFaults();
    void conventions_data();
    void conventions();
    void fullStandardOutputIsAFailure_data();
    void fullStandardOutputIsAFailure();
    void readingFileExtensionInAnyCase();
    void pipesAreRead_data();
    void pipesAreRead();
    void machineOutputIsTheSameInEveryLanguage_data();
    void machineOutputIsTheSameInEveryLanguage();

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
    QCOMPARE(json.value(QLatin1String("Date")).toString(), date);
    const QStringList keys = {
        "Date",         "KinIndex",          "DaySign",         "DayNumber",
        "SignName",     "EnglishName",       "Keywords",        "Gemstone",
        "Significance", "NumberDescription", "SignDescription", "FamousPersonalities"};
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
    QCOMPARE(userJson.keys(),
             (QStringList{"Date", "DayNumber", "DaySign", "EnglishName", "KinIndex"}));
    QCOMPARE(userJson.value(QLatin1String("Date")).toString(), user);
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
    QVERIFY(
        help.out.contains(QLatin1String("kinmatch-cli reading - [--json | --csv] [--explain]")));
    QVERIFY(help.out.contains(QLatin1String("  -h, --help ")));
    // Each command's help words its options for that command.
    const Outcome group = RunCli({"group", "--help"});
    QVERIFY2(group.out.contains(QLatin1String("\"pairs\"")), qPrintable(group.out));
    QVERIFY2(!group.out.contains(QLatin1String("several dates")), qPrintable(group.out));
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
    QTest::newRow("a bad second date")
        << QStringList{"reading", "1955-07-04", "1955-02-30"} << "'1955-02-30'";
    QTest::newRow("a third date for a match")
        << QStringList{"match", "1955-07-04", "1955-07-05", "2000-01-01"} << "PARTNER-DATE";
    QTest::newRow("JSON and CSV at once")
        << QStringList{"reading", "1955-07-04", "--json", "--csv"} << "--csv";
    QTest::newRow("a missing option value") << QStringList{"group", "x.csv", "--html"} << "--html";
    QTest::newRow("a couple of one")
        << QStringList{"couple", "--name", "Ann", "1955-07-04"} << "two persons";
    QTest::newRow("a couple with a bad date")
        << QStringList{"couple", "--name", "Ann", "1955-07-04", "--name", "Bob", "2001-02-29"}
        << "February 2001 has no day 29";
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
            QByteArray::fromStdString(
                kinmatch::JsonObject().add("text", "a \"quote\", a \\ and\r\n\t\x01 end").str()))
            .object();
    QCOMPARE(json.value(QLatin1String("text")).toString(),
             QString::fromLatin1("a \"quote\", a \\ and\r\n\t\x01 end"));
}

namespace {
// A reviewed output of the tool, kept in tests/cli/expected.
QString ExpectedOutput(const QString& name)
{
    QFile file(QStringLiteral(KINMATCH_SOURCE_DIR "/tests/cli/expected/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
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
    QCOMPARE(outcome.out, ExpectedOutput("report-ann-lee-1980-02-29.txt"));
    QVERIFY(outcome.err.isEmpty());
}

void CliTest::saveThenReportFromTheFile()
{
    const QString path = folder.filePath("zoe.man");
    const Outcome saved =
        RunCli({"save", path, "--name", QString::fromUtf8(" Zoë "), "1955-07-04"});
    QCOMPARE(saved.status, 0);
    QVERIFY(saved.out.isEmpty());
    // Windows-1252, every byte moved up by 7, lines ended by CR LF.
    QCOMPARE(Contents(path), QByteArray("\x61\x76\xF2\r\n"
                                        "\x38\x40\x3C\x3C\r\n"
                                        "\x51\x7C\x73\x80\r\n"
                                        "\x3B\r\n"));
    const Outcome report = RunCli({"report", path});
    QCOMPARE(report.status, 0);
    QCOMPARE(report.out, ExpectedOutput("report-zoe-1955-07-04.txt"));
}

void CliTest::reportAsPdf()
{
    const QString pdf = folder.filePath("report.pdf");
    const Outcome outcome = RunProgram({"report", "--name", "Ann", "1955-07-04", "--pdf", pdf});
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
    QTest::newRow("report a missing file")
        << QStringList{"report", folder.filePath("missing.man")} << "cannot read";
    QTest::newRow("report a file that is no reading file")
        << QStringList{"report", garbage} << "not a reading file";
    QTest::newRow("report both a file and a name")
        << QStringList{"report", existing, "--name", "Ann", "1955-07-04"} << "either";
    QTest::newRow("report nothing") << QStringList{"report"} << "FILE.man";
    QTest::newRow("save a name with a line feed")
        << QStringList{"save", target, "--name", "Ann\n1999", "1955-07-04"} << "\\x0A";
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

namespace {
QList<QStringList> CsvRows(const QString& text)
{
    const auto parsed = kinmatch::ParseCsv(text.toStdString());
    QList<QStringList> rows;
    for (const kinmatch::CsvRow& row : std::get<std::vector<kinmatch::CsvRow>>(parsed)) {
        QStringList fields;
        for (const std::string& field : row.fields)
            fields << QString::fromStdString(field);
        rows << fields;
    }
    return rows;
}

// Runs a Python 3 check on a file; an empty result means it passed.
QString PythonCheck(const QString& script, const QString& path)
{
    QProcess python;
    python.start("python3", {"-c", script, path});
    if (!python.waitForFinished(20000))
        return "python3 did not finish";
    return QString::fromUtf8(python.readAllStandardOutput() + python.readAllStandardError())
        .trimmed();
}

// Parses the HTML with Python's parser: one doctype, balanced elements, nothing fetched from
// elsewhere, no script; prints what it found wrong.
const char* const HtmlChecker = R"(
import sys, html.parser
text = open(sys.argv[1], encoding='utf-8').read()
problems = []
if not text.startswith('<!DOCTYPE html>'): problems.append('no doctype')
void = {'meta', 'img', 'br', 'link', 'hr', 'input'}
class Check(html.parser.HTMLParser):
    stack = []
    def handle_starttag(self, tag, attrs):
        if tag == 'script': problems.append('script')
        for name, value in attrs:
            if name in ('src', 'href') and not value.startswith('data:'): problems.append('fetches ' + value)
            if name.startswith('on'): problems.append('handler ' + name)
        if tag not in void: self.stack.append(tag)
    def handle_endtag(self, tag):
        if not self.stack or self.stack.pop() != tag: problems.append('unbalanced ' + tag)
check = Check(); check.feed(text); check.close()
if check.stack: problems.append('unclosed ' + ' '.join(check.stack))
print('; '.join(problems))
)";

QString PdfText(const QString& pdf)
{
    QProcess text;
    text.start("pdftotext", {"-layout", pdf, "-"});
    text.waitForFinished();
    return QString::fromUtf8(text.readAllStandardOutput());
}
} // namespace

void CliTest::severalDates_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    const QStringList dates = {"1955-07-04", "1935-01-08", "2016-12-31"};
    QTest::newRow("arguments") << (QStringList{"reading"} + dates) << QByteArray();
    QTest::newRow("standard input, blanks and CR LF around the dates")
        << QStringList{"reading", "-"} << QByteArray(" 1955-07-04\t\n1935-01-08\r\n2016-12-31");
}

void CliTest::severalDates()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    const QStringList englishNames = {"Dog", "Reed", "Monkey"};

    const Outcome text = RunCli(args, input);
    QCOMPARE(text.status, 0);
    QStringList single;
    for (const char* date : {"1955-07-04", "1935-01-08", "2016-12-31"})
        single << RunCli({"reading", date}).out;
    QCOMPARE(text.out, single.join("\n")); // the single texts, a blank line between

    const Outcome json = RunCli(args + QStringList{"--json"}, input);
    const QStringList lines = json.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(
            QJsonDocument::fromJson(lines[i].toUtf8()).object().value("EnglishName").toString(),
            englishNames[i]);

    const Outcome csv = RunCli(args + QStringList{"--csv"}, input);
    const QList<QStringList> rows = CsvRows(csv.out);
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0].join(','), "Date,KinIndex,DaySign,DayNumber,SignName,EnglishName,Keywords,"
                                "Gemstone,Significance");
    QCOMPARE(rows[1], (QStringList{"1955-07-04", "80", "20", "9", "TZI - (OC)", "Dog",
                                   "Helpful and loyal", "Bloodstone", "Patience"}));
    QCOMPARE(rows[2][7], "Turquoise "); // trailing blank kept
    QCOMPARE(rows[3][5], "Monkey");
}

void CliTest::workingOfTheWorkedExamples_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QList<int>>("working"); // year code, month-day value, sum, place
    QTest::newRow("1 March 1900") << "1900-03-01" << QList<int>{147, 0, 147, 147};
    QTest::newRow("16 November 1906") << "1906-11-16" << QList<int>{258, 260, 518, 258};
    QTest::newRow("4 July 1955") << "1955-07-04" << QList<int>{215, 125, 340, 80};
    QTest::newRow("14 February 1969") << "1969-02-14" << QList<int>{129, 90, 219, 219};
    QTest::newRow("29 February 1976") << "1976-02-29" << QList<int>{86, 105, 191, 191};
    QTest::newRow("25 December 1984") << "1984-12-25" << QList<int>{148, 39, 187, 187};
    QTest::newRow("1 January 2000") << "2000-01-01" << QList<int>{12, 46, 58, 58};
    QTest::newRow("21 April 1950 stays 260") << "1950-04-21" << QList<int>{209, 51, 260, 260};
}

void CliTest::workingOfTheWorkedExamples()
{
    QFETCH(QString, date);
    QFETCH(QList<int>, working);
    const QJsonObject json = RunJson({"reading", date, "--json", "--explain"});
    const QJsonObject shown = json.value("Working").toObject();
    QCOMPARE(shown.keys().size(), 4);
    QCOMPARE((QList<int>{shown.value("YearCode").toInt(), shown.value("MonthDayValue").toInt(),
                         shown.value("Sum").toInt(), shown.value("KinIndex").toInt()}),
             working);
    QCOMPARE(json.value("KinIndex").toInt(), working[3]);
    const Outcome text = RunCli({"reading", date, "--explain"});
    QVERIFY(text.out.contains(
        QString("Sum: %1 + %2 = %3").arg(working[0]).arg(working[1]).arg(working[2])));
    QVERIFY(text.out.contains(working[2] > 260 ? "above 260, so" : "not above 260"));
    QVERIFY(text.out.contains(QString("Place in the count: %1\n").arg(working[3])));
}

void CliTest::matchWorking_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<int>("sealSum");
    QTest::addColumn<int>("toneSum");
    QTest::addColumn<QString>("reduction");
    QTest::newRow("38 and 22 both reduce")
        << "1955-07-04"
        << "2000-01-01" << 38 << 22 << "Seal sum: 20 + 18 = 38, above 20, so 3 + 8 = 11";
    QTest::newRow("8 and 17") << "1900-03-01"
                              << "2016-12-31" << 8 << 17
                              << "Seal sum: 7 + 1 = 8, not above 20, so it stays 8";
}

void CliTest::matchWorking()
{
    QFETCH(QString, user);
    QFETCH(QString, partner);
    QFETCH(int, sealSum);
    QFETCH(int, toneSum);
    QFETCH(QString, reduction);
    const QJsonObject json = RunJson({"match", user, partner, "--json", "--explain"});
    QCOMPARE(json.value("Working").toObject().value("SealSum").toInt(), sealSum);
    QCOMPARE(json.value("Working").toObject().value("ToneSum").toInt(), toneSum);
    QVERIFY(json.value("user").toObject().value("Working").toObject().contains("YearCode"));
    QVERIFY(json.value("partner").toObject().value("Working").toObject().contains("Sum"));
    const Outcome text = RunCli({"match", user, partner, "--explain"});
    QVERIFY2(text.out.contains(reduction), qPrintable(text.out));
    QVERIFY(text.out.contains(": " + json.value("CompositeName").toString() + "\n"));
}

void CliTest::groupKeepsNamesAndPairOrder()
{
    const QByteArray csv = "Name,DATE\r\n"
                           "\"Lee, \"\"Bo\"\"\",1955-07-04\r\n"
                           "Zoë Ångström,2000-01-01\r\n"
                           " Ann ,1976-02-29\r\n"
                           "\"Two\nLines\",2016-12-31\r\n";
    const QString path = folder.filePath("group.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(csv);
    file.close();
    // Names are trimmed of blanks, as every name is.
    const QStringList names = {"Lee, \"Bo\"", "Zoë Ångström", "Ann", "Two\nLines"};

    const QJsonObject json = RunJson({"group", path, "--json"});
    const QJsonArray people = json.value("people").toArray();
    QCOMPARE(people.size(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(people[i].toObject().value("Name").toString(), names[i]);
    QCOMPARE(people[1].toObject().value("EnglishName").toString(), "Star");
    const QJsonArray pairs = json.value("pairs").toArray();
    QCOMPARE(pairs.size(), 6);
    const QList<QPair<int, int>> order = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(pairs[i].toObject().value("A").toInt(), order[i].first);
        QCOMPARE(pairs[i].toObject().value("B").toInt(), order[i].second);
    }
    // The same composite as a match of the two dates.
    QCOMPARE(
        pairs[0].toObject().value("CompositeName").toString(),
        RunJson({"match", "1955-07-04", "2000-01-01", "--json"}).value("CompositeName").toString());

    const QList<QStringList> rows = CsvRows(RunCli({"group", "-", "--csv"}, csv).out);
    QCOMPARE(rows.size(), 7);
    QCOMPARE(rows[0].join(','), "A,B,CompositeSeal,CompositeTone,CompositeName");
    QCOMPARE(rows[1], (QStringList{names[0], names[1], "11", "4", "Blue Self-Existing Monkey"}));
    QCOMPARE(rows[6][0], names[2]);
    QCOMPARE(rows[6][1], "Two\\x0ALines"); // CSV shows control characters, as text does
}

void CliTest::groupTextListsPeopleThenPairs()
{
    const Outcome text = RunCli({"group", "-"}, "Ann,1955-07-04\nBob,2000-01-01\nCy,1976-02-29\n");
    QCOMPARE(text.status, 0);
    QCOMPARE(text.out, "Ann: Dog, tone 9\nBob: Star, tone 13\nCy: Crocodile, tone 3\n\n"
                       "Ann and Bob: Blue Self-Existing Monkey\nAnn and Cy: Yellow Crystal Seed\n"
                       "Bob and Cy: Blue Resonant Monkey\n");
}

void CliTest::badGroups_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("named");
    QTest::newRow("three fields") << QByteArray("Ann,1955-07-04\nBob,2000-01-01,x\n") << "row 2";
    QTest::newRow("one field") << QByteArray("name,date\nAnn,1955-07-04\nBob\n") << "row 3";
    QTest::newRow("a blank name") << QByteArray("Ann,1955-07-04\n   ,2000-01-01\n")
                                  << "row 2: the name is blank";
    QTest::newRow("a bad date") << QByteArray("Ann,1955-07-04\nBob,2001-02-29\n")
                                << "row 2: '2001-02-29'";
    QTest::newRow("a date not ISO") << QByteArray("Ann,4/7/1955\nBob,2000-01-01\n") << "row 1";
    QTest::newRow("one person") << QByteArray("name,date\nAnn,1955-07-04\n") << "1 person";
    QTest::newRow("nobody") << QByteArray("") << "0 persons";
    QByteArray many = "name,date\n";
    for (int i = 0; i < 1001; ++i)
        many += "P" + QByteArray::number(i) + ",1955-07-04\n";
    QTest::newRow("1001 persons") << many << "more than 1000";
    QTest::newRow("a quote left open")
        << QByteArray("Ann,1955-07-04\n\"Bob,2000-01-01\n") << "row 2";
}

void CliTest::badGroups()
{
    QFETCH(QByteArray, csv);
    QFETCH(QString, named);
    const QString html = folder.filePath("bad-group.html");
    for (const QStringList& form :
         {QStringList{}, QStringList{"--json"}, QStringList{"--html", html}}) {
        const Outcome outcome = RunCli(QStringList{"group", "-"} + form, csv);
        QCOMPARE(outcome.status, 2);
        QVERIFY(outcome.out.isEmpty());
        QCOMPARE(outcome.err.count('\n'), 1);
        QVERIFY2(outcome.err.contains(named), qPrintable(outcome.err));
        QVERIFY(!QFile::exists(html));
    }
}

void CliTest::coupleReport()
{
    const Outcome text =
        RunCli({"couple", "--name", "Ann", "1955-07-04", "--name", "Bob", "2000-01-01"});
    QCOMPARE(text.status, 0);
    // The composite first, the reason the report exists; then each person's reading.
    const QStringList inOrder = {"Kinmatch: Ann and Bob\n",
                                 "Together:        Blue Self-Existing Monkey (seal 11, tone 4)",
                                 "11Chuen.jpg",
                                 "\nAnn\nDate of birth:   July 4, 1955\n",
                                 "Day sign:        Dog, TZI - (OC)",
                                 "Bloodstone",
                                 "\nBob\nDate of birth:   January 1, 2000\n",
                                 "Star"};
    qsizetype at = 0;
    for (const QString& part : inOrder) {
        const qsizetype found = text.out.indexOf(part, at);
        QVERIFY2(found >= 0, qPrintable(part));
        at = found;
    }
    const auto description = modMayanCompatibility::SealTable[10].SealDescription;
    QVERIFY(
        text.out.contains(QString::fromUtf8(description.data(), qsizetype(description.size()))));
}

void CliTest::documentsAsHtml_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("contains");
    QTest::newRow("report") << QStringList{"report", "--name", "Ann <b>", "1955-07-04"}
                            << QStringList{"color: #800080; font-weight: bold\">Name: ",
                                           "Ann &lt;b&gt;", "color: #008000",
                                           "Report Generated By http://www.quorvane.example"};
    QTest::newRow("couple") << QStringList{"couple", "--name",   "Ann",       "1955-07-04",
                                           "--name", "Bob & Co", "2000-01-01"}
                            << QStringList{"Bob &amp; Co", "Blue Self-Existing Monkey",
                                           "data:image/jpeg;base64,"};
    QTest::newRow("group") << QStringList{"group", "-"}
                           << QStringList{"<table",
                                          "title=\"Blue Self-Existing Monkey\">11B\u00B74<",
                                          "position: sticky"};
}

void CliTest::documentsAsHtml()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, contains);
    const QString html = folder.filePath("document.html");
    QFile::remove(html);
    const Outcome outcome =
        RunCli(args + QStringList{"--html", html}, "Ann,1955-07-04\nBob,2000-01-01\n");
    QCOMPARE(outcome.status, 0);
    QVERIFY(outcome.out.isEmpty());
    const QString written = QString::fromUtf8(Contents(html));
    for (const QString& part : contains)
        QVERIFY2(written.contains(part), qPrintable(part));
    if (QStandardPaths::findExecutable("python3").isEmpty())
        QSKIP("python3 is not installed to parse the HTML");
    QCOMPARE(PythonCheck(HtmlChecker, html), QString());
}

void CliTest::documentsAsPdf_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QStringList>("inOrder");
    QTest::newRow("report without a page number")
        << QStringList{"report", "--name", "Ann", "1955-07-04"}
        << QStringList{"Name: Ann", "Date of Birth: July 4, 1955", "Mayan Gemstone: Bloodstone"};
    QTest::newRow("couple") << QStringList{"couple", "--name", "Ann",       "1955-07-04",
                                           "--name", "Bob",    "2000-01-01"}
                            << QStringList{"Ann and Bob", "Blue Self-Existing Monkey", "Ann",
                                           "Bob"};
    QTest::newRow("group") << QStringList{"group", "-"} << QStringList{"Ann", "Bob", "11B\u00B74"};
}

void CliTest::documentsAsPdf()
{
    QFETCH(QStringList, args);
    QFETCH(QStringList, inOrder);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString pdf = folder.filePath("document.pdf");
    const Outcome outcome =
        RunProgram(args + QStringList{"--pdf", pdf}, "Ann,1955-07-04\nBob,2000-01-01\n");
    QCOMPARE(outcome.status, 0);
    const QString text = PdfText(pdf);
    qsizetype at = 0;
    for (const QString& part : inOrder) {
        const qsizetype found = text.indexOf(part, at);
        QVERIFY2(found >= 0, qPrintable(part + " in " + text));
        at = found;
    }
    // The report keeps the report window's pages: no line that is a page number.
    if (args.first() == "report")
        for (const QString& line : text.split('\n'))
            QVERIFY2(!QRegularExpression("^\\s*\\d+( / \\d+)?\\s*$").match(line).hasMatch(),
                     qPrintable(line));
}

void CliTest::terminalNeverGetsControlCharacters()
{
    // A crafted reading file whose name sets the terminal's title and clears the screen.
    const QString path = folder.filePath("crafted.man");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(modHelp::ScrambleBytes("Ann\x1b]0;owned\x07\x1b[2J") +
                                         "\r\n" + modHelp::ScrambleBytes("1955") + "\r\n" +
                                         modHelp::ScrambleBytes("July") + "\r\n" +
                                         modHelp::ScrambleBytes("4") + "\r\n"));
    file.close();
    const Outcome report = RunCli({"report", path});
    QCOMPARE(report.status, 0);
    QVERIFY(!report.out.contains(QChar(0x1b)) && !report.out.contains(QChar(0x07)));
    QVERIFY2(report.out.contains("Name: Ann\\x1B]0;owned\\x07\\x1B[2J\n"), qPrintable(report.out));
    const Outcome group = RunCli({"group", "-"}, "\"Ann\x1b[2J\",1955-07-04\nBob,2000-01-01\n");
    QVERIFY(!group.out.contains(QChar(0x1b)));
    // An argument holding a line feed still gives one error line.
    const Outcome error = RunCli({"reading", "1955-07-04\n1955-02-30"});
    QCOMPARE(error.status, 2);
    QCOMPARE(error.err.count('\n'), 1);
}

void CliTest::failedWritesKeepTheOldFile_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>(
        "target"); // "folder", "missing folder", "full disk", "read-only file"
    for (const char* command : {"report-pdf", "report-html", "couple-pdf", "group-html", "save"})
        for (const char* target : {"folder", "missing folder", "full disk", "read-only file"})
            QTest::addRow("%s to a %s", command, target) << command << target;
}

void CliTest::failedWritesKeepTheOldFile()
{
    QFETCH(QString, command);
    QFETCH(QString, target);
    const QString suffix = command == "save" ? ".man" : command.endsWith("pdf") ? ".pdf" : ".html";
    QString path = folder.filePath("kept" + suffix);
    const QByteArray old(4096, 'k'); // larger than the limit below, so a write could cut it
    if (target == "folder") {
        path = folder.filePath("a folder" + suffix);
        QVERIFY(QDir().mkpath(path));
    } else if (target == "missing folder") {
        path = folder.filePath("missing/x" + suffix);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
        // As the shell and cp refuse it, even to root.
        if (target == "read-only file")
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    }
    QStringList args;
    if (command.startsWith("report"))
        args = {
            "report", "--name", "Ann", "1955-07-04", command.endsWith("pdf") ? "--pdf" : "--html",
            path};
    else if (command == "couple-pdf")
        args = {"couple", "--name",     "Ann",   "1955-07-04", "--name",
                "Bob",    "2000-01-01", "--pdf", path};
    else if (command == "group-html")
        args = {"group", "-", "--html", path};
    else
        args = {"save", path, "--name", "A name long enough to pass the limit", "1955-07-04"};

    std::optional<DiskFullAfter> full;
    if (target == "full disk") {
        SKIP_UNLESS_FAULTS_CAN_BE_MADE();
        full.emplace(command == "save" ? 8 : 512);
    }
    const Outcome outcome = RunProgram(args, "Ann,1955-07-04\nBob,2000-01-01\n");
    full.reset();

    QCOMPARE(outcome.status, 1);
    QVERIFY(outcome.out.isEmpty());
    QCOMPARE(outcome.err.count('\n'), 1);
    QVERIFY2(outcome.err.contains("cannot write"), qPrintable(outcome.err));
    if (target == "read-only file")
        QVERIFY2(outcome.err.endsWith(": cannot write: Permission denied\n"),
                 qPrintable(outcome.err));
    if (target == "full disk" || target == "read-only file") {
        QCOMPARE(Contents(path), old);
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    } else
        QVERIFY(!QFileInfo(path).isFile());
    QCOMPARE(QDir(folder.path()).entryList({"*.tmp", ".*"}, QDir::Files | QDir::Hidden),
             QStringList());
}

void CliTest::inputFaults_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("error"); // what the one error line holds
    const QByteArray huge(10 * 1024 * 1024, '9');
    QTest::newRow("a huge date line is quoted short")
        << QStringList{"reading", "-"} << QByteArray("1955-07-04\n" + huge + "\n")
        << "kinmatch-cli: standard input, line 2: '999999999999999999999999999999999999999999999999"
           "999999999999...': not a date of the form YYYY-MM-DD\n";
    QTest::newRow("a NUL byte in a date line is named")
        << QStringList{"reading", "-"} << QByteArray("1955-07-04\n1955-07-04\0 and more\n", 33)
        << "kinmatch-cli: standard input, line 2: it holds a NUL byte, which text never holds\n";
    QTest::newRow("a NUL byte in a name is named")
        << QStringList{"group", "-", "--csv"} << QByteArray("Ann,1955-07-04\nB\0b,2000-01-01\n", 30)
        << "kinmatch-cli: standard input, row 2: it holds a NUL byte, which text never holds\n";
    QTest::newRow("a blank line is named, not skipped")
        << QStringList{"reading", "-", "--json"} << QByteArray("1955-07-04\n \r\n2000-01-01\n")
        << "kinmatch-cli: standard input, line 2: the line is blank; give one date a line\n";
    QTest::newRow("standard input beyond 16 MB")
        << QStringList{"group", "-"} << QByteArray(16 * 1024 * 1024 + 1, '\n')
        << "kinmatch-cli: standard input: holds more than 16 MB, more than any batch of dates "
           "or group needs\n";
    QTest::newRow("a missing file with its cause")
        << QStringList{"group", "/nonexistent/group.csv"} << QByteArray()
        << "kinmatch-cli: '/nonexistent/group.csv': cannot read: No such file or directory\n";
    QTest::newRow("a name longer than the program keeps")
        << QStringList{"save", "/tmp/long.man", "--name", QString(40000, 'a'), "1955-07-04"}
        << QByteArray() << "kinmatch-cli: save: the name is longer than 32767 characters\n";
    QTest::newRow("a group name longer than the program keeps")
        << QStringList{"group", "-"}
        << ("Ann,1955-07-04\n" + QByteArray(32768, 'b') + ",2000-01-01\n")
        << "kinmatch-cli: standard input, row 2: the name is longer than 32767 characters\n";
    QTest::newRow("a folder with its cause") << QStringList{"group", "/"} << QByteArray()
                                             << "kinmatch-cli: '/': cannot read: Is a directory\n";
    // Standard input of exactly the limit is read whole: it holds no person, rather than too
    // much.
    QTest::newRow("standard input of exactly 16 MiB")
        << QStringList{"group", "-"} << QByteArray(16 * 1024 * 1024, '\n')
        << "kinmatch-cli: standard input: holds 0 persons; a group needs 2 to 1000\n";
#ifdef Q_OS_UNIX
    QTest::newRow("an endless device is read to the limit only")
        << QStringList{"group", "/dev/zero"} << QByteArray()
        << "kinmatch-cli: '/dev/zero': holds more than 16 MB, more than any batch of dates or "
           "group needs\n";
#endif
}

void CliTest::inputFaults()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QString, error);
    if (CommandLineCannotHold(args))
        QSKIP("this system's command lines are too short for these arguments");
    const Outcome outcome = RunProgram(args, input);
    QCOMPARE(outcome.status, 2);
    QCOMPARE(outcome.out, QString());
    CompareErrorLine(outcome.err, error);
}

void CliTest::outputFaults_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("shown");    // what the output holds
    QTest::addColumn<QString>("notShown"); // what it must not hold
    QTest::newRow("group CSV shows control characters")
        << QStringList{"group", "-", "--csv"}
        << QByteArray("\"Ann\x1b]0;owned\x07\",1955-07-04\nBob\x7f,2000-01-01\n")
        << "Ann\\x1B]0;owned\\x07,Bob\\x7F,11,4,Blue Self-Existing Monkey\r\n"
        << "\x1b";
    QTest::newRow("group text shows DEL")
        << QStringList{"group", "-"} << QByteArray("Ann\x7f,1955-07-04\nBob,2000-01-01\n")
        << "Ann\\x7F and Bob: Blue Self-Existing Monkey\n"
        << "\x7f";
    QTest::newRow("group names trimmed of blanks")
        << QStringList{"group", "-", "--csv"} << QByteArray("  Ann ,1955-07-04\n Bob,2000-01-01\n")
        << "\r\nAnn,Bob,11,"
        << " Ann";
    QTest::newRow("group page escapes markup and shows controls")
        << QStringList{"group", "-", "--html", "OUT"}
        << QByteArray("\"<b onmouseover='x'>&\",1955-07-04\nBob\x7f\x1b,2000-01-01\n")
        << "&lt;b onmouseover=&#39;x&#39;&gt;&amp;|Bob\\x7F\\x1B"
        << "<b onmouseover";
    QTest::newRow("CSV keeps names from running as formulas")
        << QStringList{"group", "-", "--csv"}
        << QByteArray(
               "\"=HYPERLINK(\"\"http://x\"\")\",1955-07-04\n@SUM(1),2000-01-01\n+1,2000-01-01\n"
               "-2,2000-01-01\n")
        << "\"'=HYPERLINK(\"\"http://x\"\")\",'@SUM(1),11,4,|\r\n'+1,'-2,"
        << "\r\n=HYPERLINK";
    QTest::newRow("text shows a right-to-left override escaped")
        << QStringList{"group", "-"}
        << QByteArray("\"Ann\xE2\x80\xAEgnp.exe\",1955-07-04\nBob\xE2\x81\xA6,2000-01-01\n")
        << "Ann\\u202Egnp.exe and Bob\\u2066: "
        << "\xE2\x80\xAE";
    // A name that holds a backslash escape as its text is told from one that holds the
    // character: the text's backslash is doubled.
    QTest::newRow("text escapes a literal escape apart")
        << QStringList{"group", "-"} << QByteArray("Ann\\x0D,1955-07-04\nBob,2000-01-01\n")
        << "Ann\\\\x0D and Bob: "
        << "Ann\\x0D and";
    QTest::newRow("report page keeps its line breaks")
        << QStringList{"report", "--name", "Ann", "1955-07-04", "--html", "OUT"} << QByteArray()
        << "Ann<br>"
        << "\\x0A";
}

void CliTest::outputFaults()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QString, shown);
    QFETCH(QString, notShown);
    const QString file = folder.filePath("output.html");
    QFile::remove(file);
    args.replaceInStrings(QRegularExpression("^OUT$"), file);
    const Outcome outcome = RunProgram(args, input);
    QCOMPARE(outcome.status, 0);
    const QString written = args.contains(file) ? QString::fromUtf8(Contents(file)) : outcome.out;
    for (const QString& part : shown.split('|'))
        QVERIFY2(written.contains(part), qPrintable(written.left(2000)));
    QVERIFY2(!written.contains(notShown), qPrintable(written.left(2000)));
}

void CliTest::conventions_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // what standard output starts with
    QTest::addColumn<QString>("err"); // standard error, whole
    QTest::newRow("-- ends the options")
        << QStringList{"reading", "--", "1955-07-04"} << 0 << "Date of birth:   July 4, 1955\n"
        << "";
    QTest::newRow("after --, an option is a date")
        << QStringList{"reading", "--", "--json"} << 2 << ""
        << "kinmatch-cli: reading: '--json': not a date of the form YYYY-MM-DD\n";
    QTest::newRow("after --, a file may start with -")
        << QStringList{"group", "--", "-x.csv"} << 2 << ""
        << "kinmatch-cli: '-x.csv': cannot read: No such file or directory\n";
    QTest::newRow("a command's own help") << QStringList{"group", "--help"} << 0
                                          << "Usage:\n  kinmatch-cli group FILE.csv [--json | "
                                             "--csv | --html OUT.html | --pdf OUT.pdf]\n"
                                          << "";
    QTest::newRow("help wins over the rest")
        << QStringList{"match", "1955-07-04", "--help"} << 0 << "Usage:\n  kinmatch-cli match "
        << "";
    QTest::newRow("an unknown option points to the command's help")
        << QStringList{"match", "--xml"} << 2 << ""
        << "kinmatch-cli: match: unknown option '--xml' (try 'kinmatch-cli match --help')\n";
    QTest::newRow("an unwritable file says why")
        << QStringList{"save", "/proc/kinmatch.man", "--name", "Ann", "1955-07-04"} << 1 << ""
        << "kinmatch-cli: '/proc/kinmatch.man': cannot write: No such file or directory\n";
    QTest::newRow("help after --version is the help")
        << QStringList{"--version", "--help"} << 0 << "Usage:\n"
        << "";
    QTest::newRow("help twice is the help") << QStringList{"--help", "--help"} << 0 << "Usage:\n"
                                            << "";
    QTest::newRow("-h twice is the help") << QStringList{"-h", "-h"} << 0 << "Usage:\n"
                                          << "";
    QTest::newRow("--version with anything else points to the help")
        << QStringList{"--version", "x"} << 2 << ""
        << "kinmatch-cli: '--version': takes no arguments (try 'kinmatch-cli --help')\n";
    QTest::newRow("-h asks a command for its help")
        << QStringList{"save", "-h"} << 0 << "Usage:\n  kinmatch-cli save FILE.man"
        << "";
    QTest::newRow("a reading file needs its extension, not three letters")
        << QStringList{"save", "human", "--name", "Ann", "1955-07-04"} << 2 << ""
        << "kinmatch-cli: 'human': does not end in .man\n";
    QTest::newRow("save - writes the reading file to standard output")
        << QStringList{"save", "-", "--name", "Ann", "1955-07-04"} << 0 << ""
        << "";
    QTest::newRow("--html - writes to standard output")
        << QStringList{"couple", "--name",     "Ann",    "1955-07-04", "--name",
                       "Bob",    "2000-01-01", "--html", "-"}
        << 0 << "<!DOCTYPE html>"
        << "";
    QTest::newRow("--pdf - writes to standard output")
        << QStringList{"report", "--name", "Ann", "1955-07-04", "--pdf", "-"} << 0 << "%PDF-"
        << "";
    QTest::newRow("a folder in the way says why")
        << QStringList{"report", "--name", "Ann", "1955-07-04", "--html", "/tmp"} << 1 << ""
        << "kinmatch-cli: '/tmp': cannot write: Is a directory\n";
}

void CliTest::conventions()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Outcome outcome = RunProgram(args);
    QCOMPARE(outcome.status, status);
    QCOMPARE(outcome.out.left(out.size()), out);
    CompareErrorLine(outcome.err, err);
}

void CliTest::fullStandardOutputIsAFailure_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("one reading") << QStringList{"reading", "2016-01-01"} << QByteArray();
    QByteArray group;
    for (int i = 0; i < 300; ++i) // 44,850 pairs: more than one piece of output
        group += "Person " + QByteArray::number(i) + ",1955-07-04\n";
    QTest::newRow("a group as CSV") << QStringList{"group", "-", "--csv"} << group;
}

void CliTest::fullStandardOutputIsAFailure()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    if (!QFileInfo::exists("/dev/full"))
        QSKIP("this system has no /dev/full");
    QProcess program;
    program.setStandardOutputFile("/dev/full");
    program.start(QStringLiteral(KINMATCH_CLI), args);
    program.write(input);
    program.closeWriteChannel();
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()),
             "kinmatch-cli: standard output: cannot write: No space left on device\n");
}

void CliTest::readingFileExtensionInAnyCase()
{
    const QString file = folder.filePath("ANN.MAN");
    const Outcome outcome = RunProgram({"save", file, "--name", "Ann", "1955-07-04"});
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.err, QString());
    QVERIFY(QFileInfo(file).isFile());
}

void CliTest::pipesAreRead_data()
{
    QTest::addColumn<QString>("source"); // "stdin" for /dev/stdin, "fifo" for a named pipe
    QTest::newRow("/dev/stdin") << "stdin";
    QTest::newRow("a FIFO with its writer") << "fifo";
}

void CliTest::pipesAreRead()
{
    QFETCH(QString, source);
    SKIP_UNLESS_FAULTS_CAN_BE_MADE();
    const QByteArray group = "Ann,1955-07-04\nBob,2000-01-01\n";
    QString path = QStringLiteral("/dev/stdin");
    std::future<void> writer;
    if (source == "fifo") {
        path = folder.filePath("group.fifo");
        QVERIFY(MakeFifo(path));
        // The writer comes after the reader has opened the pipe, as a shell's <(...) may.
        writer = std::async(std::launch::async, [path, group] {
            QThread::msleep(300);
            QFile pipe(path);
            if (pipe.open(QIODevice::WriteOnly))
                pipe.write(group);
        });
    }
    const Outcome outcome = RunProgram({"group", path, "--csv"}, source == "stdin" ? group : "");
    QCOMPARE(outcome.err, QString());
    QCOMPARE(outcome.status, 0);
    QCOMPARE(outcome.out, "A,B,CompositeSeal,CompositeTone,CompositeName\r\n"
                          "Ann,Bob,11,4,Blue Self-Existing Monkey\r\n");
}

void CliTest::machineOutputIsTheSameInEveryLanguage_data()
{
    QTest::addColumn<QStringList>("args");
    QStringList everyMonth{"reading"};
    for (int month = 1; month <= 12; ++month)
        everyMonth << QStringLiteral("1990-%1-12").arg(month, 2, 10, QLatin1Char('0'));
    QTest::newRow("reading --json, every month") << (everyMonth + QStringList{"--json"});
    QTest::newRow("reading --csv, every month") << (everyMonth + QStringList{"--csv"});
    QTest::newRow("match --json --explain")
        << QStringList{"match", "1955-07-04", "2000-01-01", "--json", "--explain"};
    QTest::newRow("group --json") << QStringList{"group", "-", "--json"};
    QTest::newRow("group --csv") << QStringList{"group", "-", "--csv"};
    QTest::newRow("save") << QStringList{"save", "-", "--name", "Zoë", "1980-02-29"};
}

// JSON, CSV and the reading file are read by programs: the reader's language changes none of
// their bytes, while the lines people read are in it.
void CliTest::machineOutputIsTheSameInEveryLanguage()
{
#ifdef Q_OS_WIN
    QSKIP("here the language is the user's interface language, not the environment's (the wine "
          "test runs the tool in each)");
#endif
    QFETCH(QStringList, args);
    const auto run = [](const QStringList& arguments, std::string_view language) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"),
                           QString::fromLatin1(language.data(), qsizetype(language.size())));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KINMATCH_CLI), arguments);
        program.write("name,date\nAnn,1955-07-04\nBob,2000-01-01\nCy,1990-09-12\n");
        program.closeWriteChannel();
        program.waitForFinished(60000);
        return program.readAllStandardOutput();
    };
    const QByteArray english = run(args, kinmatch::English);
    QVERIFY(!english.isEmpty());
    for (const std::string_view language : kinmatch::Languages()) {
        QCOMPARE(run(args, language), english);
        if (language != kinmatch::English)
            QVERIFY(run({"reading", "1990-09-12"}, language) !=
                    run({"reading", "1990-09-12"}, kinmatch::English));
    }
}

QTEST_MAIN(CliTest)
#include "tst_cli.moc"
