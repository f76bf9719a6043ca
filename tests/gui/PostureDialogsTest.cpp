#include "GuiTestSupport.h"

#include "app/PostureDialogs.h"
#include "app/PosturePictures.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(BodyPostureDialog, PicturesWithNamesDefaultsAndSavedPostures) {
    CPosturePictures pictures;
    CBodyPostureDialog dialog(pictures);
    dialog.show();
    Pump(50);
    Screenshot(&dialog, "body-postures");
    EXPECT_EQ(dialog.Posture(), 1);
    EXPECT_EQ(dialog.Facing(), 2);
    EXPECT_TRUE(dialog.facings[2]->isChecked());
    EXPECT_TRUE(dialog.Button(1)->isChecked());
    EXPECT_EQ(dialog.Button(1)->toolTip(), "Standing, arms at the sides");
    EXPECT_EQ(dialog.Button(38)->toolTip(), "Seated in a wheelchair");
    EXPECT_EQ(dialog.Button(5)->iconSize(), CPosturePictures::kBodySize);

    QTest::mouseClick(dialog.Button(9), Qt::LeftButton);
    EXPECT_EQ(dialog.Posture(), 9);
    EXPECT_TRUE(dialog.Button(9)->isChecked());
    EXPECT_FALSE(dialog.Button(1)->isChecked());
    dialog.facings[3]->click();
    EXPECT_EQ(dialog.Facing(), 3);

    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == "Saved Postures")
            b->click();
    EXPECT_EQ(dialog.result(), CBodyPostureDialog::kLoadFromFile);
}

TEST(BodyPostureDialog, WheelchairCanBeHidden) {
    CPosturePictures pictures;
    CBodyPostureDialog dialog(pictures, 38, 2, true);
    EXPECT_TRUE(dialog.Button(38)->isHidden());
    EXPECT_EQ(dialog.Posture(), 1);
    dialog.SelectPosture(38);
    EXPECT_EQ(dialog.Posture(), 1);
}

TEST(HandPostureDialog, NinePicturesAndBothHandsByDefault) {
    CPosturePictures pictures;
    CHandPostureDialog dialog(pictures);
    dialog.show();
    Pump(50);
    Screenshot(&dialog, "hand-postures");
    EXPECT_EQ(dialog.Posture(), 1);
    EXPECT_EQ(dialog.Hand(), 2);
    EXPECT_EQ(dialog.Button(3)->toolTip(), "Fist");
    QTest::mouseClick(dialog.Button(4), Qt::LeftButton);
    EXPECT_EQ(dialog.Posture(), 4);
    dialog.hands[0]->click();
    EXPECT_EQ(dialog.Hand(), 0);
}
