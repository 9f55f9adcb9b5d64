// The Qt dialogs' text and filter conversions, and the progress window.
#include "link/gui/ComWin.h"
#include "shell/gui/QtUserDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <QLabel>
#include <gtest/gtest.h>

using namespace kx2;

TEST(QtUserDialogs, CarriageReturnsBecomeLineBreaks)
{
    EXPECT_EQ(ToQtLineBreaks(QStringLiteral("\r ComPort Kann\r\nnicht\r")), QStringLiteral("\n ComPort Kann\nnicht\n"));
    EXPECT_EQ(ToQtLineBreaks(QStringLiteral("\r\r")), QStringLiteral("\n\n"));
    EXPECT_EQ(ToQtLineBreaks(QStringLiteral("ohne")), QStringLiteral("ohne"));
}

TEST(QtUserDialogs, EmptyTitleMeansTheDefaultTitle)
{
    QtUserDialogs withDefault(nullptr, QStringLiteral("TQ7 - Tool"));
    EXPECT_EQ(withDefault.titleFor(QString()), QStringLiteral("TQ7 - Tool"));
    EXPECT_EQ(withDefault.titleFor(QStringLiteral("Fehler")), QStringLiteral("Fehler"));
    QtUserDialogs plain;
    EXPECT_EQ(plain.titleFor(QString()), QCoreApplication::applicationName());
}

TEST(QtFileDialog, ProgramFilterBecomesQtNameFilters)
{
    EXPECT_EQ(ToQtNameFilters(QStringLiteral("KX2 Datenflash (*.ISD)|*.ISD|")),
              QStringList{QStringLiteral("KX2 Datenflash (*.ISD)")});
    EXPECT_EQ(ToQtNameFilters(QStringLiteral("Lokdaten|*.LOK|Alle Dateien (*.*)|*.*")),
              (QStringList{QStringLiteral("Lokdaten (*.LOK)"), QStringLiteral("Alle Dateien (*.*)")}));
    EXPECT_EQ(ToQtNameFilters(QStringLiteral("Bilder|*.bmp;*.png|")), QStringList{QStringLiteral("Bilder (*.bmp *.png)")});
    EXPECT_TRUE(ToQtNameFilters(QString()).isEmpty());
    EXPECT_EQ(FirstFilterSuffix(QStringLiteral("KX2 Datenflash (*.ISD)|*.ISD|")), QStringLiteral("ISD"));
    EXPECT_EQ(FirstFilterSuffix(QStringLiteral("Alle|*.*|")), QString());
    EXPECT_EQ(FirstFilterSuffix(QString()), QString());
}

TEST(ComWin, StartsWithItsCaptionAndShowsEachStep)
{
    ComWin win;
    EXPECT_EQ(win.windowTitle(), QStringLiteral("Fortschritt:"));
    auto* label = win.findChild<QLabel*>(QStringLiteral("ComTxt"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("- "));

    Progress& progress = win;
    progress.show();
    EXPECT_TRUE(win.isVisible());
    progress.setText(QStringLiteral(" Datenbank öffnen"));
    EXPECT_EQ(label->text(), QStringLiteral(" Datenbank öffnen"));
    progress.setText(QStringLiteral(" fertig!"));
    EXPECT_EQ(win.text(), QStringLiteral(" fertig!"));
    progress.hide();
    EXPECT_FALSE(win.isVisible());
    progress.setText(QStringLiteral("- "));  // also while hidden
    EXPECT_EQ(win.text(), QStringLiteral("- "));
}

TEST(QtUserDialogs, ButtonsSpeakGermanAndTheAnswerComesBack)
{
    kx2::QtUserDialogs dialogs(nullptr, QStringLiteral("TQ7 - Tool"));
    QStringList seen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons())
            seen << b->text();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(dialogs.messageBox(QStringLiteral("Frage?"), kx2::MsgButtons::YesNo, kx2::MsgIcon::Question,
                                 QStringLiteral("Lokomotiven")),
              kx2::MsgAnswer::No);
    seen.sort();
    EXPECT_EQ(seen, QStringList({"Ja", "Nein"}));

    QTimer::singleShot(0, [&] {
        auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->cancelButtonText(), "Abbrechen");
        EXPECT_EQ(input->textValue(), " ");
        input->setTextValue(QStringLiteral("62"));
        input->accept();
    });
    EXPECT_EQ(dialogs.inputBox(QStringLiteral("Lokadresse:"), QStringLiteral("Neuer Datensatz"), QStringLiteral(" ")),
              std::optional<QString>(QStringLiteral("62")));
}
