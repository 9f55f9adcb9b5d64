// The Qt message, input and file dialogs behind the program's dialog interface, and the progress
// window.
#include "link/gui/ComWin.h"
#include "shell/gui/QtUserDialogs.h"
#include "shell/gui/TitleFit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kx2;

TEST(QtUserDialogs, TextsTitlesAndFiltersBecomeWhatQtShows)
{
    EXPECT_EQ(toQtLineBreaks(QStringLiteral("\r ComPort Kann\r\nnicht\r")), QStringLiteral("\n ComPort Kann\nnicht\n"));
    EXPECT_EQ(toQtLineBreaks(QStringLiteral("ohne")), QStringLiteral("ohne"));
    QtUserDialogs withDefault(nullptr, QStringLiteral("TQ7 - Tool"));
    EXPECT_EQ(std::pair(withDefault.titleFor(QString()), withDefault.titleFor(QStringLiteral("Fehler"))),
              std::pair(QString("TQ7 - Tool"), QString("Fehler")));
    EXPECT_EQ(QtUserDialogs().titleFor(QString()), QCoreApplication::applicationName());
    const std::pair<const char*, QStringList> filters[] = {
        {"KX2 Datenflash (*.ISD)|*.ISD|", {"KX2 Datenflash (*.ISD)"}},
        {"Lokdaten|*.LOK|Alle Dateien (*.*)|*.*", {"Lokdaten (*.LOK)", "Alle Dateien (*.*)"}},
        {"Bilder|*.bmp;*.png|", {"Bilder (*.bmp *.png)"}},
        {"", {}}};
    for (const auto& [filter, names] : filters)
        EXPECT_EQ(toQtNameFilters(QString::fromLatin1(filter)), names) << filter;
    EXPECT_EQ(firstFilterSuffix(QStringLiteral("KX2 Datenflash (*.ISD)|*.ISD|")), QStringLiteral("ISD"));
    EXPECT_EQ(firstFilterSuffix(QStringLiteral("Alle|*.*|")), QString());
    EXPECT_EQ(firstFilterSuffix(QString()), QString());
}

TEST(QtUserDialogs, ButtonsSpeakGermanAndTheAnswerComesBack)
{
    QtUserDialogs dialogs(nullptr, QStringLiteral("TQ7 - Tool"));
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons())
            seen << b->text();
        // Wide enough for its title over the short question, the icon laid out.
        EXPECT_GE(box->width(), titleBarWidth(box->windowTitle()));
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(dialogs.messageBox(QStringLiteral("Frage?"), MsgButtons::YesNo, MsgIcon::Question, QStringLiteral("Lokdatensätze")), MsgAnswer::No);
    seen.sort();
    EXPECT_EQ(seen, QStringList({"Ja", "Nein"}));
    QTimer::singleShot(0, [&] {
        auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(std::pair(input->cancelButtonText(), input->textValue()), std::pair(QString("Abbrechen"), QString(" ")));
        input->setTextValue(QStringLiteral("62"));
        input->accept();
    });
    EXPECT_EQ(dialogs.inputBox(QStringLiteral("Lokadresse:"), QStringLiteral("Neuer Datensatz"), QStringLiteral(" ")),
              std::optional<QString>(QStringLiteral("62")));
}

TEST(ComWin, ShowsEachStepAlsoWhileHidden)
{
    ComWin win;
    Progress& progress = win;
    progress.show();
    EXPECT_TRUE(win.isVisible());
    progress.setText(QStringLiteral(" Datenbank öffnen"));
    EXPECT_EQ(win.findChild<QLabel*>(QStringLiteral("ComTxt"))->text(), QStringLiteral(" Datenbank öffnen"));
    progress.hide();
    EXPECT_FALSE(win.isVisible());
    progress.setText(QStringLiteral(" fertig!"));
    EXPECT_EQ(win.text(), QStringLiteral(" fertig!"));
}
