// The windows in every language they speak give the same readings and write the same files: a
// month picked by keyboard is the same month whatever its name, and a reading file saved in one
// language is the English one byte for byte and opens in any other.

#include "Language.h"
#include "Translators.h"
#include "WindowTest.h"
#include "frmMain.h"
#include "frmMayanCompatibilityResult.h"
#include "frmSave.h"
#include "modMayanNumerology.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace kinmatch::testing;
namespace mmn = modMayanNumerology;

namespace {

QStringList SpokenLanguages()
{
    QStringList languages;
    for (const std::string_view code : kinmatch::Languages())
        languages << QString::fromLatin1(code.data(), qsizetype(code.size()));
    return languages;
}

// Picks the month by its place in the list, as a keyboard user does: the first, then down.
void PickMonth(QComboBox* list, int month)
{
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 1; i < month; ++i)
        QTest::keyClick(list, Qt::Key_Down);
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void monthsPickedByKeyboardGiveTheSameReading_data();
    void monthsPickedByKeyboardGiveTheSameReading();
    void readingFileIsTheSameInEveryLanguage_data();
    void readingFileIsTheSameInEveryLanguage();

private:
    void startIn(const QString& language);
    void generate(const QString& user, int year, int month, int day);

    RunningProgram running;
    QTemporaryDir folder;
};

void LanguagesTest::startIn(const QString& language)
{
    kinmatch::InstallLanguage(language.toStdString());
    running.start();
}

void LanguagesTest::cleanup()
{
    running.end();
    kinmatch::InstallLanguage(std::string(kinmatch::English));
}

void LanguagesTest::generate(const QString& user, int year, int month, int day)
{
    frmMain* window = running.program->mainWindow();
    Child<QLineEdit>(window, "txtNameM")->setText(user);
    Child<QLineEdit>(window, "txtNameF")->setText(QStringLiteral("Bob"));
    Choose(Child<QComboBox>(window, "cboYearM"), QString::number(year));
    PickMonth(Child<QComboBox>(window, "cboMonthM"), month);
    Choose(Child<QComboBox>(window, "cboDateM"), QString::number(day));
    Click(window, "cmdCalculate");
    Settle();
}

void LanguagesTest::monthsPickedByKeyboardGiveTheSameReading_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("month");
    for (const QString& language : SpokenLanguages())
        for (int month = 1; month <= 12; ++month)
            QTest::addRow("%s %d", qPrintable(language), month) << language << month;
}

void LanguagesTest::monthsPickedByKeyboardGiveTheSameReading()
{
    QFETCH(QString, language);
    QFETCH(int, month);
    startIn(language);
    generate(QStringLiteral("Ann"), 1990, month, 12);
    QVERIFY(running.program->resultWindow());
    const std::string_view key = mmn::MonthNames[std::size_t(month - 1)];
    const auto& records = running.program->session().records();
    QCOMPARE(records.UserDetails.BirthMonth, std::string(key));
    QCOMPARE(records.UserSign, mmn::ReadingOf(key, 12, 1990).Sign);
}

void LanguagesTest::readingFileIsTheSameInEveryLanguage_data()
{
    QTest::addColumn<QString>("savedIn");
    QTest::addColumn<QString>("openedIn");
    const QStringList languages = SpokenLanguages();
    for (qsizetype i = 0; i < languages.size(); ++i) {
        const QString other = languages[(i + 1) % languages.size()];
        QTest::addRow("%s, then %s", qPrintable(languages[i]), qPrintable(other))
            << languages[i] << other;
    }
}

void LanguagesTest::readingFileIsTheSameInEveryLanguage()
{
    QFETCH(QString, savedIn);
    QFETCH(QString, openedIn);
    const QString path = folder.filePath(savedIn + QStringLiteral(".man"));
    startIn(savedIn);
    generate(QStringLiteral(" Ann "), 1955, 7, 4);
    running.platform->fileToSave = path;
    bool saved = false;
    const ModalAnswer answer([&](QWidget* modal) {
        if (auto* report = qobject_cast<frmSave*>(modal)) {
            Click(report, "cmdSave");
            saved = true;
        }
        modal->close();
    });
    Click(running.program->resultWindow(), "cmdSave");
    QVERIFY(saved);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    // The name, the year scrambled, the English month's key, the day: as every version wrote it.
    QCOMPARE(file.readAll(), QByteArray("Huu\r\n8@<<\r\nQ|s\x80\r\n;\r\n"));
    const auto written = running.program->session().records();
    running.end();

    startIn(openedIn);
    frmMain* window = running.program->mainWindow();
    Child<QLineEdit>(window, "txtNameF")->setText(QStringLiteral("Bob"));
    running.platform->fileToOpen = path;
    Click(window, "cmdOpen");
    Settle();
    QVERIFY(running.program->resultWindow());
    const auto opened = running.program->session().records();
    QCOMPARE(opened.UserDetails, written.UserDetails);
    QCOMPARE(opened.UserSign, written.UserSign);
}

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"
