#include "QtPlatform.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using kinmatch::SettingsStore;

// The settings store against Qt's own settings, which wrote every store before it: each reads
// what the other writes; and a stored value is only ever text.
class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameTextAsQtSettings_data();
    void sameTextAsQtSettings();
    void variantsAreReadAsText_data();
    void variantsAreReadAsText();
    void otherKeysAndSectionsAreKept();
    void thePlatformReadsACraftedValueAsText();

private:
    QSettings qtSettings() const { return QSettings(store.filePath(), QSettings::IniFormat); }
    QTemporaryDir folder;
    SettingsStore store{QStringLiteral("kinmatch-test")};
};

void SettingsStoreTest::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    store = SettingsStore(QStringLiteral("kinmatch-test"));
    QVERIFY(store.filePath().startsWith(folder.path()));
}

void SettingsStoreTest::sameTextAsQtSettings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("a scrambled date") << "K|yh{pvu"
                                      << "9795=4:=8<";
    QTest::newRow("separators, quotes and blanks") << "a/b c"
                                                   << " x, \"y\"; z = w ";
    QTest::newRow("a leading @") << "key"
                                 << "@Variant(not one)";
    QTest::newRow("a doubled @") << "key"
                                 << "@@";
    QTest::newRow("escapes and digits after them") << "key"
                                                   << QString::fromUtf8("\t\x01"
                                                                        "1\\n\r");
    QTest::newRow("accents and Greek")
        << QString::fromUtf8("Dür") << QString::fromUtf8("Zoë Ωmega");
    QTest::newRow("empty") << "key"
                           << "";
}

void SettingsStoreTest::sameTextAsQtSettings()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFile::remove(store.filePath());
    qtSettings().setValue("Settings/" + key, value);
    QCOMPARE(store.read("Settings", key), value);

    QFile::remove(store.filePath());
    QVERIFY(store.write("Settings", key, value));
    QCOMPARE(qtSettings().value("Settings/" + key).toString(), value);
    QCOMPARE(store.read("Settings", key), value);
}

void SettingsStoreTest::variantsAreReadAsText_data()
{
    QTest::addColumn<QByteArray>("stored");
    // A list whose count says 2^31 items: decoded, Qt would reserve 64 GB for it.
    QTest::newRow("a huge list") << QByteArray("@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)");
    QTest::newRow("a huge byte array") << QByteArray("@ByteArray(\\xff\\xff\\xff\\xff)");
    QTest::newRow("a list") << QByteArray("a, b, c");
}

void SettingsStoreTest::variantsAreReadAsText()
{
    QFETCH(QByteArray, stored);
    QFile file(store.filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nOther=" + stored + "\nK%7Cyh%7Bpvu=" + stored + "\n");
    file.close();
    const QString read = store.read("Settings", "K|yh{pvu");
    QVERIFY(!read.isEmpty());
    QVERIFY(read.size() < 64);
    // Writing the store never decodes the other values either.
    QVERIFY(store.write("Settings", "K|yh{pvu", "9795=4:=8<"));
    QCOMPARE(store.read("Settings", "K|yh{pvu"), "9795=4:=8<");
    QCOMPARE(store.read("Settings", "Other"), read);
}

void SettingsStoreTest::otherKeysAndSectionsAreKept()
{
    QFile::remove(store.filePath());
    {
        QSettings settings = qtSettings();
        settings.setValue("General/first", "one");
        settings.setValue("Settings/kept", "two");
    }
    QVERIFY(store.write("Settings", "new", "three"));
    QVERIFY(store.write("Settings", "kept", "four"));
    QSettings settings = qtSettings();
    QCOMPARE(settings.value("General/first").toString(), "one");
    QCOMPARE(settings.value("Settings/kept").toString(), "four");
    QCOMPARE(settings.value("Settings/new").toString(), "three");
}

void SettingsStoreTest::thePlatformReadsACraftedValueAsText()
{
    // The store the program itself reads at every start, under its own file's name.
    const SettingsStore own(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    QVERIFY(QDir().mkpath(QFileInfo(own.filePath()).path()));
    QFile file(own.filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nK%7Cyh%7Bpvu=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n");
    file.close();
    kinmatch::QtPlatform platform;
    QVERIFY(platform.readSetting("K|yh{pvu").startsWith("@Variant("));
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settings_store.moc"
