#include "Scrambler.h"
#include "Windows1252.h"

#include <QTest>

using namespace modHelp;

class ScramblerTest : public QObject {
    Q_OBJECT

private slots:
    void everyCodeRoundTrips();
    void everyWindows1252CharacterRoundTripsAsText();
    void printableAsciiMovesUpByTheShift();
    void scrambledTextHasNoLineEnds();
    void emptyTextStaysEmpty();
    void knownCharacters_data();
    void knownCharacters();
    void charactersWithoutACodeAreReported_data();
    void charactersWithoutACodeAreReported();
    void decodingIsOneToOne();
};

void ScramblerTest::everyCodeRoundTrips()
{
    for (int code = 0; code < 256; ++code) {
        const auto c = static_cast<unsigned char>(code);
        QCOMPARE(UnscrambleCode(ScrambleCode(c)), c);
        QCOMPARE(ScrambleCode(UnscrambleCode(c)), c);
    }
}

void ScramblerTest::everyWindows1252CharacterRoundTripsAsText()
{
    std::string all;
    for (int code = 0; code < 256; ++code)
        all += static_cast<char>(code);
    const std::string text = DecodeWindows1252(all);
    const auto scrambled = ScrambleText(text);
    QVERIFY(scrambled);
    QCOMPARE(QString::fromStdString(*scrambled).size(), 256);
    QCOMPARE(UnscrambleText(*scrambled), text);
    QCOMPARE(UnscrambleBytes(ScrambleBytes(all)), all);
}

void ScramblerTest::printableAsciiMovesUpByTheShift()
{
    for (int code = 32; code <= 126; ++code)
        QCOMPARE(int(ScrambleCode(static_cast<unsigned char>(code))), code + ScramblerShift);
    QCOMPARE(ScrambleText("Duration"), std::string("K|yh{pvu"));
}

void ScramblerTest::scrambledTextHasNoLineEnds()
{
    for (int code = 32; code < 256; ++code) {
        const int scrambled = ScrambleCode(static_cast<unsigned char>(code));
        QVERIFY2(scrambled >= 32, qPrintable(QString::number(code)));
    }
    QCOMPARE(int(ScrambleCode('\r')), int('\r'));
    QCOMPARE(int(ScrambleCode('\n')), int('\n'));
}

void ScramblerTest::emptyTextStaysEmpty()
{
    QCOMPARE(ScrambleText(""), std::string());
    QCOMPARE(UnscrambleText(""), std::string());
}

void ScramblerTest::knownCharacters_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("scrambled");
    QTest::newRow("a name") << "Ann"
                            << "Huu";
    QTest::newRow("digits") << "1955"
                            << "8@<<";
    QTest::newRow("the blank") << " "
                               << "'";
    QTest::newRow("the tilde reaches the top of ASCII")
        << "~" << QString(QChar(0x2026));                                               // 126->133
    QTest::newRow("the euro sign") << QString(QChar(0x20AC)) << QString(QChar(0x2021)); // 128->135
    QTest::newRow("the highest code wraps to the blank") << QString(QChar(0xFF)) << "&";
    QTest::newRow("accented letters") << QString::fromUtf8("Zoë") << QString::fromUtf8("avò");
}

void ScramblerTest::knownCharacters()
{
    QFETCH(QString, plain);
    QFETCH(QString, scrambled);
    QCOMPARE(QString::fromStdString(ScrambleText(plain.toStdString()).value()), scrambled);
    QCOMPARE(QString::fromStdString(UnscrambleText(scrambled.toStdString()).value()), plain);
}

void ScramblerTest::charactersWithoutACodeAreReported_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<uint>("character");
    QTest::newRow("Greek omega") << QString(QChar(0x3A9)).toUtf8() << uint(0x3A9);
    QTest::newRow("an emoji") << QByteArray("Ann \xF0\x9F\x98\x80") << uint(0x1F600);
    QTest::newRow("broken UTF-8") << QByteArray("A\xC3") << uint(0xFFFD);
}

void ScramblerTest::charactersWithoutACodeAreReported()
{
    QFETCH(QByteArray, text);
    QFETCH(uint, character);
    QVERIFY(!ScrambleText(text.toStdString()));
    QVERIFY(!UnscrambleText(text.toStdString()));
    QCOMPARE(uint(FirstCharacterWithoutCode(text.toStdString()).value()), character);
}

void ScramblerTest::decodingIsOneToOne()
{
    QSet<uint> characters;
    for (int code = 0; code < 256; ++code) {
        const char32_t c = Windows1252Character(static_cast<unsigned char>(code));
        characters.insert(uint(c));
        QCOMPARE(int(Windows1252Code(c).value()), code);
    }
    QCOMPARE(characters.size(), 256);
    QVERIFY(!FirstCharacterWithoutCode("Zoë €"));
}

QTEST_APPLESS_MAIN(ScramblerTest)
#include "tst_scrambler.moc"
