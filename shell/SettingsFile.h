#pragma once
#include <QByteArray>
#include <QString>

namespace kx2 {

struct Settings;

// The settings file KX2_DF.INF: three lines ended by CR LF, each one value in delimited-text
// form (a number as plain digits, a text in double quotes):
//   1. ComPortNumber  - plain digits, or a quoted text once it was typed in the options dialog
//   2. BaudRate       - plain digits
//   3. LastFileName   - read, but always written as ""
// It lives in the program folder. Where that folder cannot be written the settings go to the
// user's configuration folder instead and are read from there next time.
class SettingsFile {
public:
    static inline const QString FileName = QStringLiteral("KX2_DF.INF");

    enum class ReadStatus {
        Read,        // the values came from a file
        Missing,     // no settings file: defaults
        Unreadable,  // a file that cannot be opened or whose lines do not parse: defaults
    };

    struct WriteResult {
        bool written = false;
        QString path;      // where the file was written (or was meant to go)
        // For the user: on success the one-time word that the settings now live in the
        // configuration folder, on failure why nothing could be saved. "" when all went well.
        QString notice;
    };

    // fallbackFolder "" means there is no place to fall back to.
    SettingsFile(const QString& programFolder, const QString& fallbackFolder);

    // ComPortNumber, BaudRate and LastFileName from the file; on any error the defaults
    // "3", 115200 and "". The interface flags are not in the file and stay as they are.
    ReadStatus ReadSettings(Settings& settings) const;

    // Creates or replaces the file. Ending the program is the main window's business.
    WriteResult WriteSettings(const Settings& settings);

    // The file ReadSettings would read; "" when there is none.
    QString fileToRead() const;
    bool exists() const { return !fileToRead().isEmpty(); }

    QString programFolder() const { return m_programFolder; }
    QString fallbackFolder() const { return m_fallbackFolder; }
    QString fallbackFilePath() const;

    // The file's bytes for these settings, and their reading. parse() leaves `settings` alone
    // and returns false when the bytes do not hold three readable lines.
    static QByteArray format(const Settings& settings);
    static bool parse(const QByteArray& bytes, Settings& settings);

private:
    QString existingProgramFile() const;
    QString programFileTarget() const;
    bool programLocationWritable() const;

    QString m_programFolder;
    QString m_fallbackFolder;
};

// The values the program starts with when there is no readable settings file.
void setDefaultSettings(Settings& settings);

} // namespace kx2
