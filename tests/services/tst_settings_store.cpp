#include "QtPlatform.h"
#include "SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

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
    // Qt's own settings of the same store: the INI file, or the registry on Windows.
    QSettings qtSettings() const
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, Program, Program);
    }
    // Stores the value as its stored form (INI text, or the registry's text), as no program of
    // ours would write it.
    static void plant(const QString& program, const QString& key, const QByteArray& stored);
    // Empties the store without reading it: Qt's settings would decode what a test planted.
    void forget() const;
    const QString Program = QStringLiteral("kinmatch-test");
    QTemporaryDir folder;
    SettingsStore store{QStringLiteral("kinmatch-test")};
};

void SettingsStoreTest::plant(const QString& program, const QString& key, const QByteArray& stored)
{
#ifdef Q_OS_WIN
    const std::wstring path =
        QStringLiteral("Software\\%1\\%1\\Settings").arg(program).toStdWString();
    const std::wstring text = QString::fromLatin1(stored).toStdWString();
    QCOMPARE(RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), key.toStdWString().c_str(), REG_SZ,
                             text.c_str(), DWORD((text.size() + 1) * sizeof(wchar_t))),
             LONG(ERROR_SUCCESS));
#else
    const SettingsStore own(program);
    QVERIFY(QDir().mkpath(QFileInfo(own.filePath()).path()));
    QFile file(own.filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nOther=" + stored + "\n" + kinmatch::IniKey(key) + "=" + stored + "\n");
#endif
}

void SettingsStoreTest::forget() const
{
#ifdef Q_OS_WIN
    RegDeleteTreeW(HKEY_CURRENT_USER,
                   QStringLiteral("Software\\%1").arg(Program).toStdWString().c_str());
#else
    QFile::remove(store.filePath());
#endif
}

void SettingsStoreTest::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    store = SettingsStore(Program);
    forget();
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
    // Only quotes keep a blank at either end.
    QTest::newRow("a blank at the end alone") << "key"
                                              << "x ";
    QTest::newRow("a blank at the start alone") << "key"
                                                << " x";
}

void SettingsStoreTest::sameTextAsQtSettings()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    forget();
    qtSettings().setValue("Settings/" + key, value);
    QCOMPARE(store.read("Settings", key), value);

    forget();
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
    forget();
    plant(Program, "Other", stored);
    plant(Program, "K|yh{pvu", stored);
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
    forget();
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
    plant(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(), "K|yh{pvu",
          "@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)");
    kinmatch::QtPlatform platform;
    QVERIFY(platform.readSetting("K|yh{pvu").startsWith("@Variant("));
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "tst_settings_store.moc"
