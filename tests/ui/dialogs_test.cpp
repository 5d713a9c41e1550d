// The two small dialogs: how many opponents (a list "1" to "5" showing "5",
// OK, no close box, Escape reads nothing) and About.
#include "AboutDlg.h"
#include "GameDriver.h"
#include "NoOfOpponentsDlg.h"

#include <QComboBox>
#include <QLabel>

#include <gtest/gtest.h>

using namespace gamedriver;

namespace {

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

TEST(OpponentsDialog, OffersOneToFiveShowingFive)
{
    CNoOfOpponentsDlg dialog;
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Quintara");
    EXPECT_EQ(Items(dialog.m_comboOpponents), QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_EQ(dialog.m_comboOpponents->currentText().toStdString(), "5");
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text().toStdString(), "Number of opponents:");
}

TEST(OpponentsDialog, IndexIsZeroUntilConfirmed)
{
    CNoOfOpponentsDlg dialog;
    EXPECT_EQ(dialog.m_nIndex, 0);
}

TEST(OpponentsDialog, HasNoCloseBox)
{
    CNoOfOpponentsDlg dialog;
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowSystemMenuHint));
}

TEST(OpponentsDialog, OkWithoutTouchingTheListChoosesFive)
{
    CNoOfOpponentsDlg dialog;
    WhenModalShown([](QWidget* shown) {
        QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.DoModal(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_nIndex, 4);
}

TEST(OpponentsDialog, OkTakesTheChosenEntry)
{
    CNoOfOpponentsDlg dialog;
    AnswerOpponentsDialog(0);
    EXPECT_EQ(dialog.DoModal(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_nIndex, 0);
}

TEST(OpponentsDialog, ReturnKeyConfirmsLikeOk)
{
    CNoOfOpponentsDlg dialog;
    WhenModalShown([](QWidget* shown) {
        QTest::keyClick(shown->findChild<QWidget*>(QStringLiteral("opponentsCombo")), Qt::Key_Up);
        QTest::keyClick(shown, Qt::Key_Return);
    });
    EXPECT_EQ(dialog.DoModal(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_nIndex, 3);
}

TEST(OpponentsDialog, EscapeCancelsWithoutReadingTheList)
{
    CNoOfOpponentsDlg dialog;
    WhenModalShown([](QWidget* shown) {
        QTest::keyClick(shown->findChild<QWidget*>(QStringLiteral("opponentsCombo")), Qt::Key_Up);
        QTest::keyClick(shown, Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.DoModal(), QDialog::Rejected);
    EXPECT_EQ(dialog.m_nIndex, 0);
}

TEST(OpponentsDialog, EveryControlLiesInsideTheDialog)
{
    CNoOfOpponentsDlg dialog;
    const QRect inside = dialog.rect();
    for (const QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        EXPECT_TRUE(inside.contains(child->geometry())) << child->metaObject()->className();
}

TEST(AboutDialog, ShowsTheNameAndVersion)
{
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle().toStdString(), "About Quintara");
    const QLabel* version = dialog.findChild<QLabel*>(QStringLiteral("versionLabel"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text().toStdString(), "Quintara Version 1.1");
    EXPECT_EQ(version->textFormat(), Qt::PlainText);
}

TEST(AboutDialog, OkCloses)
{
    CAboutDlg dialog;
    WhenModalShown([](QWidget* shown) {
        QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.DoModal(), QDialog::Accepted);
}

}  // namespace
