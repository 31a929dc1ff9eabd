// Every text the program ships, in every language it speaks: the catalogs complete and in step
// with the code, their placeholders and access keys kept, and everything a reader sees held to
// a reviewed snapshot (tests/snapshots), so that an accidental edit fails here. After a
// deliberate change, KINMATCH_WRITE_SNAPSHOTS=1 writes the snapshots anew, to be reviewed.

#include "Language.h"
#include "Localized.h"
#include "Report.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace kinmatch;
namespace mmn = modMayanNumerology;
namespace mmc = modMayanCompatibility;

namespace {

struct Message {
    QString context, source, disambiguation, translation;
    bool finished = false;
};

// An element's text, with the control characters lupdate writes as <byte value="xd"/> put back.
QString ElementText(QXmlStreamReader& xml)
{
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text +=
                QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
        else if (xml.isEndElement() && xml.name() != QLatin1String("byte"))
            break;
    }
    return text;
}

QList<Message> Messages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append({context, {}, {}, {}, false});
        } else if (xml.name() == QLatin1String("source")) {
            messages.back().source = ElementText(xml);
        } else if (xml.name() == QLatin1String("comment")) {
            messages.back().disambiguation = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            messages.back().finished = !xml.attributes().hasAttribute(QLatin1String("type"));
            messages.back().translation = ElementText(xml);
        }
    }
    return messages;
}

QString Catalog(const QString& language)
{
    return QStringLiteral(KINMATCH_SOURCE_DIR "/translations/kinmatch_%1.ts").arg(language);
}

QStringList CatalogLanguages()
{
    QStringList languages;
    for (const QString& file :
         QDir(QStringLiteral(KINMATCH_SOURCE_DIR "/translations")).entryList({"kinmatch_*.ts"}))
        languages << file.mid(9, file.size() - 12);
    return languages;
}

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Everything the reader sees of the content, in the current language, in a fixed order.
QString ContentAsRead()
{
    QString text;
    for (int sign = 1; sign <= mmn::SignCount; ++sign) {
        const mmn::SignRow& row = mmn::SignTable[std::size_t(sign - 1)];
        const mmn::PersonReading english{0,
                                         {},
                                         row.SignName,
                                         row.EnglishName,
                                         row.SignDescription,
                                         row.Keywords,
                                         row.Gemstone,
                                         row.Significance,
                                         row.FamousPersonalities};
        const mmn::PersonReading shown = Localized(english);
        text +=
            QStringLiteral("== sign %1: %2 | %3 | [%4] | %5 | %6\n%7\n")
                .arg(sign)
                .arg(Q(shown.EnglishName), Q(shown.Keywords), Q(shown.Gemstone),
                     Q(shown.Significance), Q(shown.FamousPersonalities), Q(shown.SignDescription));
    }
    for (int number = 1; number <= mmn::NumberCount; ++number) {
        mmn::PersonReading english;
        english.NumberDescription = mmn::NumberTable[std::size_t(number - 1)];
        text += QStringLiteral("== tone %1: %2\n%3\n")
                    .arg(number)
                    .arg(Q(ToneName(number)), Q(Localized(english).NumberDescription));
    }
    for (int seal = 1; seal <= mmc::SealCount; ++seal)
        text += QStringLiteral("== seal %1: %2\n%3\n")
                    .arg(seal)
                    .arg(Q(SealName(seal)), Q(SealDescription(seal)));
    for (const char* name : mmc::CompositeNames)
        text +=
            QStringLiteral("== composite %1: %2\n")
                .arg(QString::fromUtf8(name), Q(CompositeName(mmc::CompositeReading{0, 0, name})));
    for (int month = 1; month <= 12; ++month)
        text += QStringLiteral("== month %1: %2 | %3\n")
                    .arg(month)
                    .arg(Q(MonthName(month)), QString::fromStdString(DateText(1955, month, 4)));
    text +=
        QStringLiteral("== no such day: %1\n").arg(QString::fromStdString(NoSuchDay(1901, 2, 29)));
    text += QStringLiteral("== report\n") +
            QString::fromStdString(ReportText(ComposeReport(
                {"Ann", 1955, "July", 4}, mmn::ReadingOf("July", 4, 1955).Reading, "HOME"))) +
            "\n";
    return text;
}

// Every message of the catalogs, as the code holds it and, elsewhere, as the language has it.
QString MessagesAsRead(const QString& language)
{
    QString text;
    for (const Message& message : Messages(Catalog(CatalogLanguages().first()))) {
        text +=
            QStringLiteral("== %1 | %2%3\n")
                .arg(message.context, message.source,
                     message.disambiguation.isEmpty() ? QString() : " | " + message.disambiguation);
        if (language != QLatin1String("en"))
            text += Q(TrIn(language.toStdString(), message.context.toStdString(),
                           message.source.toStdString(), message.disambiguation.toStdString())) +
                    "\n";
    }
    return text;
}

QSet<QString> Placeholders(const QString& text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& match : marker.globalMatch(text))
        found.insert(match.captured());
    return found;
}

// The access keys of a text: "&&" is a plain ampersand.
// An ampersand before a blank is the word "and", not an access key.
int AccessKeys(QString text)
{
    static const QRegularExpression key(QStringLiteral("&\\S"));
    return int(text.remove(QStringLiteral("&&")).count(key));
}

} // namespace

class TextsTest : public QObject {
    Q_OBJECT

private slots:
    void catalogsAreComplete_data();
    void catalogsAreComplete();
    void catalogsAreInStepWithTheCode();
    void contentIsCompleteInEveryLanguage_data();
    void contentIsCompleteInEveryLanguage();
    void shippedTextsMatchTheSnapshot_data();
    void shippedTextsMatchTheSnapshot();
    void glossaryNamesAreTheCatalogs();
};

void TextsTest::catalogsAreComplete_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : CatalogLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void TextsTest::catalogsAreComplete()
{
    QFETCH(QString, language);
    const QList<Message> messages = Messages(Catalog(language));
    QVERIFY(messages.size() > 500);
    QStringList problems;
    for (const Message& message : messages) {
        const QString where = message.context + " | " + message.source;
        if (!message.finished || message.translation.isEmpty())
            problems << "unfinished: " + where;
        else if (Placeholders(message.source) != Placeholders(message.translation))
            problems << "placeholders differ: " + where;
        else if (AccessKeys(message.source) != AccessKeys(message.translation))
            problems << "access keys differ: " + where;
        // Trailing blanks are part of a label: "Name: ".
        else if (message.source.endsWith(' ') != message.translation.endsWith(' '))
            problems << "trailing blank differs: " + where;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void TextsTest::catalogsAreInStepWithTheCode()
{
    const QString lupdate = QStandardPaths::findExecutable(QStringLiteral("lupdate"),
                                                           {QStringLiteral("/usr/lib/qt6/bin")});
    if (lupdate.isEmpty())
        QSKIP("lupdate (qt6-l10n-tools) is not installed");
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("kinmatch_es.ts"));
    QVERIFY(QFile::copy(Catalog(QStringLiteral("es")), copy));
    QProcess collect;
    collect.setWorkingDirectory(QStringLiteral(KINMATCH_SOURCE_DIR));
    collect.start(lupdate, {"-silent", "-no-obsolete", "-locations", "none", "-tr-function-alias",
                            "translate+=Tr,QT_TRANSLATE_NOOP+=Marked", "-extensions", "cpp,h",
                            "translations", "files", "engine", "compat", "format", "services", "ui",
                            "cli", "-ts", copy});
    QVERIFY(collect.waitForFinished(120000));
    QCOMPARE(collect.exitCode(), 0);
    QStringList before, after;
    for (const Message& message : Messages(Catalog(QStringLiteral("es"))))
        before << message.context + " | " + message.source + " | " + message.disambiguation;
    for (const Message& message : Messages(copy))
        after << message.context + " | " + message.source + " | " + message.disambiguation;
    // The code's texts as lupdate collects them now; a difference is a text changed in the code
    // and not in translations/ (cmake --build BUILD --target update_translations).
    QCOMPARE(after, before);
}

void TextsTest::contentIsCompleteInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : CatalogLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void TextsTest::contentIsCompleteInEveryLanguage()
{
    QFETCH(QString, language);
    const std::string code = language.toStdString();
    QStringList missing;
    const auto check = [&](const char* context, std::string_view english) {
        if (!CatalogOf(code).empty() && TrIn(code, context, english).data() == english.data())
            missing << QString::fromLatin1(context) + " | " + Q(english);
    };
    for (const mmn::SignRow& row : mmn::SignTable)
        for (const std::string_view text :
             {row.EnglishName, row.Keywords, row.Gemstone, row.Significance, row.SignDescription})
            check("SignTable", text);
    for (const std::string_view text : mmn::NumberTable)
        check("NumberTable", text);
    for (const mmc::SealRow& row : mmc::SealTable) {
        check("SealTable", row.SealName);
        check("SealTable", row.SealDescription);
    }
    for (const std::string_view text : mmc::ToneTable)
        check("ToneTable", text);
    for (const char* name : mmc::CompositeNames)
        check("Composite", name);
    for (const std::string_view month : mmn::MonthNames)
        check("Months", month);
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
}

// The glossary's tables of names (a column per language, headed with the language's own name)
// say what the catalogs say, for every language the program speaks.
void TextsTest::glossaryNamesAreTheCatalogs()
{
    QFile file(QStringLiteral(KINMATCH_SOURCE_DIR "/docs/glossary.md"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QHash<QString, QStringList> rows;
    QStringList header;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (!line.startsWith(QLatin1String("| ")))
            continue;
        const QStringList cells = line.mid(2, line.size() - 4).split(QStringLiteral(" | "));
        if (cells.first() == QLatin1String("English"))
            header = cells;
        else
            rows.insert(cells.first(), cells);
    }
    QStringList problems;
    const auto check = [&](const char* context, std::string_view english) {
        const QStringList row = rows.value(Q(english));
        if (row.isEmpty())
            problems << QStringLiteral("missing: ") + Q(english);
        for (const QString& language : CatalogLanguages()) {
            const std::string code = language.toStdString();
            const qsizetype column = header.indexOf(Q(LanguageName(code)));
            if (row.isEmpty())
                continue;
            if (column < 0 || column >= row.size())
                problems << QStringLiteral("no column for ") + language;
            else if (row[column] != Q(TrIn(code, context, english)))
                problems << Q(english) + " in " + language + ": " + row[column];
        }
    };
    for (const mmn::SignRow& row : mmn::SignTable)
        check("SignTable", row.EnglishName);
    for (const mmc::SealRow& row : mmc::SealTable)
        check("SealTable", row.SealName);
    for (const std::string_view tone : mmc::ToneTable)
        check("ToneTable", tone);
    problems.removeDuplicates();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void TextsTest::shippedTextsMatchTheSnapshot_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    for (const QString& language : CatalogLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void TextsTest::shippedTextsMatchTheSnapshot()
{
    QFETCH(QString, language);
    SetLanguage(language.toStdString());
    const QString texts = ContentAsRead() + MessagesAsRead(language);
    SetLanguage(English);
    const QString path =
        QStringLiteral(KINMATCH_SOURCE_DIR "/tests/snapshots/texts.%1.txt").arg(language);
    if (qEnvironmentVariableIsSet("KINMATCH_WRITE_SNAPSHOTS")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(texts.toUtf8());
        return;
    }
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QStringList expected = QString::fromUtf8(file.readAll()).split('\n');
    const QStringList actual = texts.split('\n');
    for (qsizetype i = 0; i < std::min(expected.size(), actual.size()); ++i)
        QVERIFY2(actual[i] == expected[i],
                 qPrintable(QStringLiteral("line %1 of %2:\n  now:      %3\n  reviewed: %4")
                                .arg(i + 1)
                                .arg(path, actual[i], expected[i])));
    QCOMPARE(actual.size(), expected.size());
}

QTEST_GUILESS_MAIN(TextsTest)
#include "tst_texts.moc"
