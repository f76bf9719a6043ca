#include "GuiTestSupport.h"

#include "anthro/Anthropometry.h"
#include "app/CustomizationDialog.h"
#include "app/SizeDialogs.h"
#include "biomech/Units.h"
#include "human/SegmentTable.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

CAnthropometry ReferenceMale() {
    CAnthropometry record;
    for (Vec3& s : record.scale)
        s = Vec3(1.0, 1.0, 1.0);
    record.gender = kMale;
    record.sizeRow = 2;
    record.stature = 174.8f;
    record.weight = 78.0f;
    return record;
}

} // namespace

TEST(CustomizationDialog, DefaultsAndEnablingRules) {
    CCustomizationDialog dialog;
    dialog.show();
    Pump();
    Screenshot(&dialog, "customization");
    const CustomizationChoice c = dialog.Choice();
    EXPECT_EQ(c.ageGroup, 0);
    EXPECT_EQ(c.bodyType, 1);
    EXPECT_EQ(c.childAge, 4);
    EXPECT_EQ(c.database, 0);
    EXPECT_EQ(c.size, 2);
    EXPECT_EQ(c.sex, 1);
    EXPECT_EQ(c.sizeMode, 0);
    EXPECT_EQ(dialog.database->itemText(0), "USA (1988 US Army) ");
    EXPECT_EQ(dialog.database->count(), 13);
    EXPECT_EQ(dialog.bodyPart->count(), 11);
    EXPECT_EQ(dialog.figure->count(), 5);
    EXPECT_FALSE(dialog.childAge->isEnabled());

    // A child: the age list opens, women are out.
    dialog.child->click();
    EXPECT_TRUE(dialog.childAge->isEnabled());
    EXPECT_FALSE(dialog.female->isEnabled());
    EXPECT_EQ(dialog.Choice().ChildTable(), 4);
    dialog.adult->click();
    EXPECT_TRUE(dialog.female->isEnabled());
    EXPECT_EQ(dialog.Choice().ChildTable(), -1);

    // A woman: three figures, no child choice; the figure goes back to the first item.
    dialog.figure->setCurrentIndex(4);
    dialog.female->click();
    EXPECT_EQ(dialog.figure->count(), 3);
    EXPECT_EQ(dialog.figure->currentIndex(), 0);
    EXPECT_FALSE(dialog.child->isEnabled());
    EXPECT_FALSE(dialog.childAge->isEnabled());
    dialog.male->click();
    EXPECT_EQ(dialog.figure->count(), 5);
    EXPECT_TRUE(dialog.child->isEnabled());

    // Outside Automatic the database choices are off.
    dialog.sizeMode->setCurrentIndex(1);
    EXPECT_FALSE(dialog.database->isEnabled());
    EXPECT_FALSE(dialog.sizes[0]->isEnabled());
    EXPECT_FALSE(dialog.bodyPart->isEnabled());
    EXPECT_TRUE(dialog.male->isEnabled());
    dialog.sizeMode->setCurrentIndex(0);
    EXPECT_TRUE(dialog.database->isEnabled());
    dialog.database->setCurrentIndex(12);
    EXPECT_EQ(dialog.Choice().Population(), 13);
}

TEST(SemiAutomaticDialog, RefusesZeroStature) {
    CSemiAutomaticDialog dialog(68.82, 171.96, kInches);
    dialog.show();
    Pump();
    Screenshot(&dialog, "semi-automatic");
    dialog.heightField->setText("0");
    AnswerMessageBoxesFor([&] { dialog.accept(); });
    EXPECT_TRUE(dialog.isVisible());
    dialog.heightField->setText("70");
    dialog.weightField->setText("180");
    dialog.accept();
    EXPECT_EQ(dialog.Stature(), 70.0);
    EXPECT_EQ(dialog.WeightPounds(), 180.0);
}

TEST(ManualDialog, LengthOfAThighChangesOnlyItAndTheHeight) {
    CAnthropometry record = ReferenceMale();
    CManualDialog dialog(record, kCentimetres);
    dialog.show();
    Pump();
    Screenshot(&dialog, "manual");
    EXPECT_EQ(dialog.CellText(kLeftLeg, 1), "42.4");
    EXPECT_EQ(dialog.segmentName->text(), "--");
    dialog.SelectSegment(kLeftLeg);
    EXPECT_EQ(dialog.segmentName->text(), "LLEG");
    EXPECT_EQ(dialog.fields[1]->text(), "42.4");

    const Vec3 rightBefore = record.GetSegmentDimensions(kRightLeg);
    dialog.fields[1]->setText("50");
    Q_EMIT dialog.fields[1]->editingFinished();
    EXPECT_NEAR(record.GetSegmentDimensions(kLeftLeg).y, 50.0, 1e-4);
    EXPECT_NEAR(record.GetSegmentDimensions(kLeftLeg).x, 19.3, 1e-4);
    EXPECT_EQ(record.GetSegmentDimensions(kRightLeg), rightBefore);
    EXPECT_EQ(dialog.CellText(kLeftLeg, 1), "50");
    // Left chain: 19.7 + 7 + 36.6 + 18.5 + 50 + 41.1 + 9.3 = 182.2 cm.
    EXPECT_NEAR(record.stature, 182.2, 1e-3);
    EXPECT_TRUE(dialog.HeightText().startsWith("182.2"));

    // A new width of an arm leaves the stature alone.
    dialog.SelectSegment(kLeftArm);
    dialog.fields[0]->setText("12");
    Q_EMIT dialog.fields[0]->editingFinished();
    EXPECT_NEAR(record.GetSegmentDimensions(kLeftArm).x, 12.0, 1e-4);
    EXPECT_NEAR(record.stature, 182.2, 1e-3);
}

TEST(ManualDialog, UneditedDimensionsStayExactInCoarseUnits) {
    // A left palm 7.52 cm wide and 6.08 cm deep shows "0.08" and "0.06" in metres.
    CAnthropometry record = ReferenceMale();
    record.scale[kLeftPalm] = Vec3(7.52 / 7.55, 1.0, 6.08 / 6.1);
    CManualDialog dialog(record, kMetres);
    dialog.SelectSegment(kLeftPalm);
    EXPECT_EQ(dialog.fields[0]->text(), "0.08");
    dialog.fields[1]->setText("0.2");
    Q_EMIT dialog.fields[1]->editingFinished();
    const Vec3 palm = record.GetSegmentDimensions(kLeftPalm);
    EXPECT_NEAR(palm.y, 20.0, 1e-4);
    EXPECT_NEAR(palm.x, 7.52, 1e-6);
    EXPECT_NEAR(palm.z, 6.08, 1e-6);
}

TEST(SummaryDialog, CopiesTheReportToTheClipboard) {
    const CAnthropometry record = ReferenceMale();
    CSummaryDialog dialog(record);
    dialog.show();
    Pump();
    Screenshot(&dialog, "summary");
    QApplication::clipboard()->clear();
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == "Copy to clipboard")
            b->click();
    EXPECT_EQ(QApplication::clipboard()->text(), dialog.ReportText());
    EXPECT_TRUE(dialog.ReportText().startsWith("Gender: \tMale\nPercentile: \t50%\n"));
}
