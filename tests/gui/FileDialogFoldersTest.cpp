// Where the file dialogs of the whole program start.
#include "AppRig.h"

#include "accessory/gui/MagDatenFrm.h"
#include "feedback/gui/RMDatenFrm.h"
#include "routes/gui/FSDatenFrm.h"

#include <QAction>

using namespace kx2;
using namespace kx2::test;

// Each line: a window's first file dialog and the kind its folder is remembered as. With nothing
// remembered it opens in the data folder (never the working folder); a folder remembered for its
// kind wins.
TEST(FileDialogFolders, TheFirstDialogOpensInTheDataFolderUnlessAFolderIsRemembered)
{
    const auto load = [](GridEditor& editor) { editor.menuItem(QStringLiteral("LadenMenu"))->trigger(); };
    const struct {
        const char* kind;
        std::function<void(AppRig&)> open;
    } rows[] = {
        {"ISD/LokdatenFrm", [&](AppRig& rig) {
             rig.windows.LokDaten_But_Click();
             load(rig.windows.lokdatenFrm());
         }},
        {"ISD/MagDatenFrm", [&](AppRig& rig) {
             rig.windows.MagDatenBut_Click({1, 4});
             load(rig.windows.magDatenFrm());
         }},
        {"ISD/RMDatenFrm", [&](AppRig& rig) {
             rig.windows.RckmDatenBut_Click({1, 4});
             load(rig.windows.rmDatenFrm());
         }},
        {"ISD/FSDatenFrm", [&](AppRig& rig) {
             rig.windows.FSDatenBut_Click();
             load(rig.windows.fsDatenFrm());
         }},
        {"Sicherung", [](AppRig& rig) { rig.windows.backupStation(); }},
        {"Sicherung", [](AppRig& rig) { rig.windows.restoreStation(); }},
    };
    for (const auto& row : rows)
        for (const bool remembered : {false, true}) {
            SCOPED_TRACE(std::string(row.kind) + (remembered ? ", remembered" : ""));
            AppRig rig;
            const QString folder = rig.dir.filePath(remembered ? QStringLiteral("gemerkt") : QStringLiteral("Daten"));
            if (remembered) {
                QDir().mkpath(folder);
                rig.places.setFolder(QString::fromLatin1(row.kind), folder);
            }
            row.open(rig);
            ASSERT_FALSE(rig.files.calls.empty());
            const FakeFileDialog::Call& first = rig.files.calls.front();
            EXPECT_EQ(first.folder ? first.initialName : folderOfPath(first.initialName), folder);
        }
}
