#include "shell/AskFileName.h"
#include "shell/Settings.h"
#include "support/FakeFileDialog.h"

#include <gtest/gtest.h>

using namespace kx2;

// Each line: the mode (0 opens, anything else saves), the last file name of the settings, and what
// the dialog is asked with. The name chosen is not offered next time, and a cancel gives "".
TEST(AskFileName, AsksWithTheProgramsTitleFilterAndInitialName)
{
    const struct {
        int mode;
        const char* last;
        const char* extension;
        bool save;
        const char* title;
        const char* initial;
    } rows[] = {
        {0, "C:\\Daten\\alt.ISD", "ISD", false, "Sicherungsdatei öffnen...", "C:\\Daten\\alt.ISD"},
        {1, "", "LOK", true, "Sicherungsdatei speichern...", ""},
        {2, "start.ISD", "ISD", true, "Sicherungsdatei speichern...", "start.ISD"},
        {-1, "", "ISD", true, "Sicherungsdatei speichern...", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.mode);
        FakeFileDialog dialog;
        Settings settings;
        settings.LastFileName = QString::fromUtf8(row.last);
        dialog.chooseNext(QStringLiteral("gewaehlt.ISD"));
        const QString ext = QString::fromLatin1(row.extension);
        EXPECT_EQ(AskFileName(dialog, settings, row.mode, ext), QStringLiteral("gewaehlt.ISD"));
        EXPECT_EQ(AskFileName(dialog, settings, row.mode, ext), QString()) << "cancelled";
        ASSERT_EQ(dialog.calls.size(), 2u);
        EXPECT_EQ(std::tuple(dialog.calls[0].save, dialog.calls[0].title, dialog.calls[0].initialName, dialog.calls[0].filter),
                  std::tuple(row.save, QString::fromUtf8(row.title), QString::fromUtf8(row.initial),
                             QStringLiteral("KX2 Datenflash (*.%1)|*.%1|").arg(ext)));
        EXPECT_EQ(settings.LastFileName, QString::fromUtf8(row.last));
    }
}
