#pragma once

// The per-user settings store, kept where and as Qt's settings keep it (an INI file under the
// user's configuration folder, the registry on Windows), but read and written as plain text:
// a stored value is never decoded as a Qt variant, so a crafted "@Variant(...)" cannot make the
// program allocate or build whatever it describes.

#include <QString>

namespace kinmatch {

class SettingsStore {
public:
    // Addressed by the program's name, as both organisation and application.
    explicit SettingsStore(const QString& program);

    // The value's text, or an empty text when it is missing or cannot be read.
    QString read(const QString& section, const QString& key) const;
    // False when the store cannot be written.
    bool write(const QString& section, const QString& key, const QString& value);

    // The INI file (not on Windows).
    QString filePath() const { return filePath_; }

private:
    QString program_;
    QString filePath_;
};

// The INI text forms of Qt's settings, for a plain text value: how a key and a value are written
// in a line "key=value", and read back. A value that Qt would read as a variant ("@Variant(",
// "@ByteArray(") is read as the text it is.
QByteArray IniKey(const QString& key);
QString IniKeyText(QByteArrayView key);
QByteArray IniValue(const QString& value);
QString IniValueText(QByteArrayView value);

} // namespace kinmatch
