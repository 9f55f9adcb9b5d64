// Where a run finds konf/ and keeps its settings, the simulated station's memory and its ISD files.
#include "shell/ProgramPlaces.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kx2;

// Each line: the files there are, the program's folder, whether it can be written, and the
// places chosen (folders below the test's root; "cfg" is the user's configuration folder, "doc"
// the folder for ISD files). Writability is handed in, so the lines hold under root as well.
TEST(ProgramPlaces, BesideAWritableProgramElseInTheUsersFoldersAndNeverBesideAnInstalledOne)
{
    const struct {
        const char* files;
        const char* program;
        bool writable;
        const char *konf, *settings, *fallback, *state, *data;
        bool installed;
    } rows[] = {
        {"p/konf/hilfe.txt", "p", true, "p", "p", "cfg", "p/KX2_SIM.STATE", "p/Daten", false},
        {"p/Konf/hilfe.txt p/DATEN/x.isd", "p", true, "p", "p", "cfg", "p/KX2_SIM.STATE", "p/DATEN", false},
        {"p/konf/hilfe.txt", "p", false, "p", "p", "cfg", "cfg/KX2_SIM.STATE", "doc", false},
        {"usr/share/kx2tool/konf/hilfe.txt usr/bin/kx2tool", "usr/bin", true, "usr/share/kx2tool", "cfg", "",
         "cfg/KX2_SIM.STATE", "doc", true},
        {"usr/share/kx2tool/konf/hilfe.txt usr/bin/kx2tool", "usr/bin", false, "usr/share/kx2tool", "cfg", "",
         "cfg/KX2_SIM.STATE", "doc", true},
        {"opt/bin/kx2tool", "opt/bin", true, "opt/bin", "cfg", "", "cfg/KX2_SIM.STATE", "doc", true},
        {"usr/share/kx2tool/konf/hilfe.txt usr/bin/konf/hilfe.txt", "usr/bin", true, "usr/bin", "usr/bin", "cfg",
         "usr/bin/KX2_SIM.STATE", "usr/bin/Daten", false},
    };
    for (const auto& row : rows) {
        QTemporaryDir dir;
        const auto at = [&dir](const char* relative) { return *relative ? dir.filePath(QString::fromLatin1(relative)) : QString(); };
        for (const QString& file : QString::fromLatin1(row.files).split(QLatin1Char(' '))) {
            QDir().mkpath(QFileInfo(dir.filePath(file)).path());
            QFile(dir.filePath(file)).open(QIODevice::WriteOnly);
        }
        const bool writable = row.writable;
        const SystemFolders system{at("cfg"), at("doc"), [writable](const QString&) { return writable; }};
        const ProgramPlaces places = chooseProgramPlaces(at(row.program), system);
        const QString line = QStringLiteral("%1 in %2").arg(QString::fromLatin1(row.files), QString::fromLatin1(row.program));
        EXPECT_EQ(places.konfBase, at(row.konf)) << line.toStdString();
        EXPECT_EQ(places.settingsFolder, at(row.settings)) << line.toStdString();
        EXPECT_EQ(places.settingsFallback, at(row.fallback)) << line.toStdString();
        EXPECT_EQ(places.simStateFile, at(row.state)) << line.toStdString();
        EXPECT_EQ(places.dataFolder, at(row.data)) << line.toStdString();
        EXPECT_EQ(places.installed, row.installed) << line.toStdString();
    }
}
