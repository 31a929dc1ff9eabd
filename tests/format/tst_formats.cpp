// The text formats and the languages, row by row: what a slip in a table or an escape would
// change shows as a wrong byte here.

#include "Catalog.h"
#include "Csv.h"
#include "Html.h"
#include "Json.h"
#include "Language.h"
#include "TerminalText.h"
#include "Windows1252.h"

#include <QFile>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace kinmatch;

namespace {

QByteArray Csv(const QByteArray& field)
{
    std::string out;
    AppendCsvField(out, field.toStdString());
    return QByteArray::fromStdString(out);
}

struct TsMessage {
    QString context, source, disambiguation, translation;
};

// Every finished message of a catalog as Linguist keeps it.
QList<TsMessage> TsMessages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<TsMessage> messages;
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            message = {context, {}, {}, {}};
        else if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("comment"))
            message.disambiguation = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            if (!xml.attributes().hasAttribute(QLatin1String("type"))) {
                message.translation = xml.readElementText();
                messages.append(message);
            }
    }
    return messages;
}

} // namespace

class FormatsTest : public QObject {
    Q_OBJECT

private slots:
    void csvFields_data();
    void csvFields();
    void jsonEscapes_data();
    void jsonEscapes();
    void base64Tails_data();
    void base64Tails();
    void terminalEscapes_data();
    void terminalEscapes();
    void windows1252Bytes_data();
    void windows1252Bytes();
    void catalogReadsAsQtReadsIt_data();
    void catalogReadsAsQtReadsIt();
    void choosingALanguage_data();
    void choosingALanguage();
    void environmentLanguages_data();
    void environmentLanguages();
    void arguments_data();
    void arguments();
};

void FormatsTest::csvFields_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("plain") << QByteArray("Ann Lee") << QByteArray("Ann Lee");
    QTest::newRow("a comma") << QByteArray("Lee, Ann") << QByteArray("\"Lee, Ann\"");
    QTest::newRow("a quote") << QByteArray("Ann \"Nan\"") << QByteArray("\"Ann \"\"Nan\"\"\"");
    QTest::newRow("a line feed") << QByteArray("Ann\nLee") << QByteArray("\"Ann\nLee\"");
    QTest::newRow("a carriage return") << QByteArray("Ann\rLee") << QByteArray("\"Ann\rLee\"");
    QTest::newRow("a formula") << QByteArray("=1+2") << QByteArray("'=1+2");
    QTest::newRow("a formula with a comma")
        << QByteArray("=SUM(1,2)") << QByteArray("\"'=SUM(1,2)\"");
    QTest::newRow("a plus") << QByteArray("+49 30") << QByteArray("'+49 30");
    QTest::newRow("a minus") << QByteArray("-x") << QByteArray("'-x");
    QTest::newRow("an at") << QByteArray("@here") << QByteArray("'@here");
    QTest::newRow("a tab first") << QByteArray("\tx") << QByteArray("'\tx");
    QTest::newRow("a carriage return first") << QByteArray("\rx") << QByteArray("\"'\rx\"");
    QTest::newRow("a minus inside") << QByteArray("Ann-Lee") << QByteArray("Ann-Lee");
}

void FormatsTest::csvFields()
{
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, written);
    QCOMPARE(Csv(field), written);
}

void FormatsTest::jsonEscapes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("json");
    QTest::newRow("quote and backslash") << QByteArray("a\"b\\c") << QByteArray("\"a\\\"b\\\\c\"");
    QTest::newRow("line breaks and tab") << QByteArray("a\nb\r\t") << QByteArray("\"a\\nb\\r\\t\"");
    QTest::newRow("unit separator") << QByteArray("a\x1F") << QByteArray("\"a\\u001f\"");
    QTest::newRow("escape") << QByteArray("\x1B[2J") << QByteArray("\"\\u001b[2J\"");
    QTest::newRow("a NUL byte") << QByteArray("a\0b", 3) << QByteArray("\"a\\u0000b\"");
    QTest::newRow("not UTF-8") << QByteArray("a\xFF") << QByteArray("\"a\\ufffd\"");
    QTest::newRow("accents pass") << QByteArray("Zo\xC3\xAB") << QByteArray("\"Zo\xC3\xAB\"");
}

void FormatsTest::jsonEscapes()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, json);
    QCOMPARE(QByteArray::fromStdString(JsonString(std::string_view(text.constData(), text.size()))),
             json);
}

void FormatsTest::base64Tails_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("address");
    QTest::newRow("one byte: two pads") << QByteArray("a") << QByteArray("data:x;base64,YQ==");
    QTest::newRow("two bytes: one pad") << QByteArray("ab") << QByteArray("data:x;base64,YWI=");
    QTest::newRow("three bytes: none") << QByteArray("abc") << QByteArray("data:x;base64,YWJj");
    QTest::newRow("high bits") << QByteArray("\xFF\xFE") << QByteArray("data:x;base64,//4=");
}

void FormatsTest::base64Tails()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, address);
    QCOMPARE(QByteArray::fromStdString(DataAddress("x", bytes.toStdString())), address);
    QCOMPARE(QByteArray::fromBase64(address.mid(address.indexOf(',') + 1)), bytes);
}

void FormatsTest::terminalEscapes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("shown");
    QTest::newRow("an escape sequence")
        << QByteArray("\x1B]0;x\x07") << QByteArray("\\x1B]0;x\\x07");
    QTest::newRow("DEL and a C1 control")
        << QByteArray("a\x7F\xC2\x9B") << QByteArray("a\\x7F\\u009B");
    QTest::newRow("a right-to-left override")
        << QByteArray("Ann\xE2\x80\xAEtxt.exe") << QByteArray("Ann\\u202Etxt.exe");
    QTest::newRow("a left-to-right embedding")
        << QByteArray("\xE2\x80\xAA") << QByteArray("\\u202A");
    QTest::newRow("a first-strong isolate") << QByteArray("\xE2\x81\xA8") << QByteArray("\\u2068");
    QTest::newRow("a pop directional isolate")
        << QByteArray("\xE2\x81\xA9") << QByteArray("\\u2069");
    QTest::newRow("a mark that reverses nothing")
        << QByteArray("\xE2\x80\x8F") << QByteArray("\xE2\x80\x8F");
    QTest::newRow("a literal escape") << QByteArray("Ann\\x0D") << QByteArray("Ann\\\\x0D");
    QTest::newRow("a literal unicode escape") << QByteArray("\\u202E") << QByteArray("\\\\u202E");
    QTest::newRow("two backslashes") << QByteArray("a\\\\b") << QByteArray("a\\\\\\b");
    QTest::newRow("a Windows path")
        << QByteArray("C:\\Users\\ann.csv") << QByteArray("C:\\Users\\ann.csv");
    QTest::newRow("a trailing backslash") << QByteArray("a\\") << QByteArray("a\\");
    QTest::newRow("not UTF-8") << QByteArray("a\xFF") << QByteArray("a\\xFF");
}

void FormatsTest::terminalEscapes()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, shown);
    const std::string visible = VisibleControls(text.toStdString());
    QCOMPARE(QByteArray::fromStdString(visible), shown);
    // The escape reads back.
    QCOMPARE(QByteArray::fromStdString(ShownControls(visible)), text);
}

void FormatsTest::windows1252Bytes_data()
{
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("code");
    QTest::newRow("euro") << QString(QChar(0x20AC)) << 0x80;
    QTest::newRow("left single quotation mark") << QString(QChar(0x2018)) << 0x91;
    QTest::newRow("right single quotation mark") << QString(QChar(0x2019)) << 0x92;
    QTest::newRow("left double quotation mark") << QString(QChar(0x201C)) << 0x93;
    QTest::newRow("right double quotation mark") << QString(QChar(0x201D)) << 0x94;
    QTest::newRow("en dash") << QString(QChar(0x2013)) << 0x96;
    QTest::newRow("Y with diaeresis") << QString(QChar(0x0178)) << 0x9F;
    QTest::newRow("no-break space") << QString(QChar(0xA0)) << 0xA0;
    QTest::newRow("y with diaeresis") << QString(QChar(0xFF)) << 0xFF;
    QTest::newRow("an unassigned code keeps its control") << QString(QChar(0x81)) << 0x81;
}

void FormatsTest::windows1252Bytes()
{
    QFETCH(QString, character);
    QFETCH(int, code);
    const auto bytes = modHelp::EncodeWindows1252(character.toStdString());
    QVERIFY(bytes);
    QCOMPARE(QByteArray::fromStdString(*bytes), QByteArray(1, char(code)));
    QCOMPARE(QString::fromStdString(modHelp::DecodeWindows1252(*bytes)), character);
}

void FormatsTest::catalogReadsAsQtReadsIt_data()
{
    QTest::addColumn<QString>("language");
    for (const std::string_view language : Languages())
        if (language != English)
            QTest::newRow(std::string(language).c_str())
                << QString::fromStdString(std::string(language));
}

// The core reads the catalogs without Qt; every message must read as Qt's translator reads it.
void FormatsTest::catalogReadsAsQtReadsIt()
{
    QFETCH(QString, language);
    const std::string_view bytes = CatalogOf(language.toStdString());
    const auto catalog = Catalog::Read(bytes);
    QVERIFY(catalog);
    QTranslator qt;
    QVERIFY(qt.load(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size())));
    // The pseudo-language's catalog is made in the build.
    const QString folder = language == QLatin1String("qps")
                               ? QStringLiteral(KINMATCH_BINARY_DIR "/translations")
                               : QStringLiteral(KINMATCH_SOURCE_DIR "/translations");
    const QList<TsMessage> messages =
        TsMessages(QStringLiteral("%1/kinmatch_%2.ts").arg(folder, language));
    QVERIFY(!messages.isEmpty());
    for (const TsMessage& message : messages) {
        const std::string* read =
            catalog->find(message.context.toStdString(), message.source.toStdString(),
                          message.disambiguation.toStdString());
        const QString expected = qt.translate(message.context.toUtf8(), message.source.toUtf8(),
                                              message.disambiguation.isEmpty()
                                                  ? nullptr
                                                  : message.disambiguation.toUtf8().constData());
        QVERIFY2(read, qPrintable(message.context + " / " + message.source));
        QCOMPARE(QString::fromStdString(*read), expected);
    }
    QVERIFY(!catalog->find("no such context", "no such text"));
}

void FormatsTest::choosingALanguage_data()
{
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("nothing asked") << QStringList() << "en";
    QTest::newRow("Mexican Spanish speaks Spanish") << QStringList{"es-MX"} << "es";
    QTest::newRow("a POSIX locale") << QStringList{"es_ES.UTF-8@euro"} << "es";
    QTest::newRow("Brazilian Portuguese") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portuguese of Portugal is still Portuguese") << QStringList{"pt_PT"} << "pt_BR";
    QTest::newRow("in any letter case") << QStringList{"PT_br"} << "pt_BR";
    QTest::newRow("the first that is spoken wins") << QStringList{"fr", "pt", "es"} << "pt_BR";
    QTest::newRow("English before Spanish") << QStringList{"en-GB", "es"} << "en";
    QTest::newRow("C is no language") << QStringList{"C", "es"} << "es";
    QTest::newRow("none spoken") << QStringList{"fr", "de"} << "en";
}

void FormatsTest::choosingALanguage()
{
    QFETCH(QStringList, preferred);
    QFETCH(QString, chosen);
    std::vector<std::string> wanted;
    for (const QString& language : preferred)
        wanted.push_back(language.toStdString());
    QCOMPARE(QString::fromStdString(std::string(ChooseLanguage(wanted))), chosen);
}

namespace {
QMap<QString, QString> environment;
const char* FromEnvironment(const char* name)
{
    static std::string value;
    if (!environment.contains(QString::fromLatin1(name)))
        return nullptr;
    value = environment.value(QString::fromLatin1(name)).toStdString();
    return value.c_str();
}
} // namespace

void FormatsTest::environmentLanguages_data()
{
    QTest::addColumn<QStringList>("variables"); // NAME=VALUE
    QTest::addColumn<QStringList>("languages");
    QTest::newRow("LANG alone") << QStringList{"LANG=es_MX.UTF-8"} << QStringList{"es_MX.UTF-8"};
    QTest::newRow("LC_ALL before LANG")
        << QStringList{"LANG=en_US.UTF-8", "LC_ALL=pt_BR.UTF-8"} << QStringList{"pt_BR.UTF-8"};
    QTest::newRow("LC_MESSAGES before LANG")
        << QStringList{"LANG=en_US.UTF-8", "LC_MESSAGES=es_ES.UTF-8"} << QStringList{"es_ES.UTF-8"};
    QTest::newRow("LANGUAGE first, then the locale")
        << QStringList{"LANGUAGE=pt_BR:es", "LANG=en_US.UTF-8"}
        << QStringList{"pt_BR", "es", "en_US.UTF-8"};
    QTest::newRow("LANGUAGE is not read in the C locale")
        << QStringList{"LANGUAGE=es", "LC_ALL=C"} << QStringList();
    QTest::newRow("nothing set") << QStringList() << QStringList();
}

void FormatsTest::environmentLanguages()
{
    QFETCH(QStringList, variables);
    QFETCH(QStringList, languages);
    environment.clear();
    for (const QString& variable : variables)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    QStringList got;
    for (const std::string& language : EnvironmentLanguages(FromEnvironment))
        got << QString::fromStdString(language);
    QCOMPARE(got, languages);
}

void FormatsTest::arguments_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("in order") << "%1 and %2"
                              << "Ann and Bob";
    QTest::newRow("reordered") << "%2 de %1"
                               << "Bob de Ann";
    QTest::newRow("a replacement is not read again") << "%1"
                                                     << "Ann";
    QTest::newRow("a marker without an argument stays") << "%1 %3"
                                                        << "Ann %3";
    QTest::newRow("a percent sign stays") << "100% %1"
                                          << "100% Ann";
}

void FormatsTest::arguments()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(Arg(pattern.toStdString(), {"Ann", "Bob"})), text);
    QCOMPARE(QString::fromStdString(Arg("%1", {"%2", "x"})), "%2");
}

QTEST_GUILESS_MAIN(FormatsTest)
#include "tst_formats.moc"
