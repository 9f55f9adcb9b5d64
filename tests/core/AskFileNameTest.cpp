#include "shell/AskFileName.h"
#include "shell/Settings.h"
#include "support/FakeFileDialog.h"

#include <gtest/gtest.h>

using namespace kx2;

TEST(AskFileName, OpenModeAsksToOpenWithTitleInitialNameAndFilter)
{
    FakeFileDialog dialog;
    Settings settings;
    settings.LastFileName = QStringLiteral("C:\\Daten\\alt.ISD");
    dialog.chooseNext(QStringLiteral("/home/u/loks.ISD"));
    EXPECT_EQ(AskFileName(dialog, settings, 0, QStringLiteral("ISD")), QStringLiteral("/home/u/loks.ISD"));
    ASSERT_EQ(dialog.calls.size(), 1u);
    EXPECT_FALSE(dialog.calls[0].save);
    EXPECT_EQ(dialog.calls[0].title, QStringLiteral("Sicherungsdatei öffnen..."));
    EXPECT_EQ(dialog.calls[0].initialName, QStringLiteral("C:\\Daten\\alt.ISD"));
    EXPECT_EQ(dialog.calls[0].filter, QStringLiteral("KX2 Datenflash (*.ISD)|*.ISD|"));
}

TEST(AskFileName, EveryOtherModeAsksToSave)
{
    for (int mode : {1, 2, -1}) {
        FakeFileDialog dialog;
        Settings settings;
        dialog.chooseNext(QStringLiteral("neu.LOK"));
        EXPECT_EQ(AskFileName(dialog, settings, mode, QStringLiteral("LOK")), QStringLiteral("neu.LOK"));
        ASSERT_EQ(dialog.calls.size(), 1u);
        EXPECT_TRUE(dialog.calls[0].save);
        EXPECT_EQ(dialog.calls[0].title, QStringLiteral("Sicherungsdatei speichern..."));
        EXPECT_EQ(dialog.calls[0].initialName, QString());
        EXPECT_EQ(dialog.calls[0].filter, QStringLiteral("KX2 Datenflash (*.LOK)|*.LOK|"));
    }
}

TEST(AskFileName, CancelGivesAnEmptyName)
{
    FakeFileDialog dialog;
    Settings settings;
    dialog.cancelNext();
    EXPECT_EQ(AskFileName(dialog, settings, 0, QStringLiteral("ISD")), QString());
    EXPECT_EQ(AskFileName(dialog, settings, 1, QStringLiteral("ISD")), QString());  // nothing queued
    EXPECT_EQ(dialog.calls.size(), 2u);
}

TEST(AskFileName, ChosenNameIsNotOfferedNextTime)
{
    FakeFileDialog dialog;
    Settings settings;
    settings.LastFileName = QStringLiteral("start.ISD");
    dialog.chooseNext(QStringLiteral("gewaehlt.ISD"));
    AskFileName(dialog, settings, 1, QStringLiteral("ISD"));
    AskFileName(dialog, settings, 0, QStringLiteral("ISD"));
    ASSERT_EQ(dialog.calls.size(), 2u);
    EXPECT_EQ(dialog.calls[1].initialName, QStringLiteral("start.ISD"));
    EXPECT_EQ(settings.LastFileName, QStringLiteral("start.ISD"));
}

TEST(AskFileName, AStartFolderKeepsOnlyTheFileNameOfLastFileName)
{
    FakeFileDialog dialog;
    Settings settings;
    const char* const rows[][2] = {
        {"C:\\Daten\\alt.ISD", "/p/Daten/alt.ISD"}, {"/home/u/fs.ISD", "/p/Daten/fs.ISD"}, {"", "/p/Daten/"}};
    for (const auto& row : rows) {
        settings.LastFileName = QString::fromUtf8(row[0]);
        AskFileName(dialog, settings, 1, QStringLiteral("ISD"), QStringLiteral("/p/Daten"));
        EXPECT_EQ(dialog.calls.back().initialName, QString::fromUtf8(row[1]));
    }
}
