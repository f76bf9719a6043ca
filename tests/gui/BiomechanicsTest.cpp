#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/BiomechSummaryDialog.h"
#include "app/ForceDialog.h"
#include "app/GravityAndUnitsDialogs.h"
#include "app/MainFrame.h"
#include "app/NioshDialog.h"
#include "app/SegmentPropertiesPanel.h"
#include "biomech/Force.h"
#include "biomech/Units.h"
#include "core/GlobalSettings.h"
#include "document/TavroDoc.h"
#include "human/BodyPart.h"
#include "human/Mannequin.h"
#include "view/CommandIds.h"
#include "view/PreferencesDialog.h"
#include "view/TavroView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QPoint ScreenPointOf(CTavroView* view, const Vec3& world) {
    const Vec3 w = view->Renderer().camera.Project(world);
    return QPoint(static_cast<int>(w.x), view->height() - static_cast<int>(w.y));
}

// World position of a point given in a segment's own frame (after its joint rotation).
Vec3 WorldPoint(const CMannequin& figure, int segment, const Vec3& local) {
    Matrix4 base;
    figure.GetSegmentFrame(segment, base);
    return TransformPoint(base * figure.GetSegment(segment)->jointRotation, local);
}

// The panel's value of the row called `name`, or "" when there is none.
QString PanelValue(CMainFrame* frame, const std::string& name, QString* unit = nullptr) {
    for (const SegmentPropertyRow& row : frame->SegmentPropertiesPanel()->Rows())
        if (row.name == name) {
            if (unit)
                *unit = QString::fromStdString(row.unit);
            return QString::fromStdString(row.value);
        }
    return {};
}

struct Biomechanics : ViewFixture {
    void SetUp() override {
        ViewFixture::SetUp();
        if (!HaveMeshes())
            GTEST_SKIP() << "body meshes are not in the data directory";
        figure = AddFigure(doc, frame);
        frame->RunCommand(ID_ZOOM_EXTENTS);
        Pump(100);
    }
    void Click(int segment) {
        const CBodyPart* part = figure->GetSegment(segment);
        QTest::mouseClick(view, Qt::LeftButton, {},
                          ScreenPointOf(view, WorldPoint(*figure, segment, part->massCentre)));
        Pump();
    }
    CMannequin* figure = nullptr;
};

} // namespace

// A user stretches the arms forward, picks the right hand, hangs a 20 lb load on it through
// the force dialog and reads the elbow in the panel; the moment the load adds is its lever arm
// times its weight, and the newton setting rescales the rows by the unit factors.
TEST_F(Biomechanics, LoadOnTheHandReadInThePanelInBothUnits) {
    figure->ApplyStandardPosture(2); // standing, arms forward
    figure->UpdatePosture();
    frame->RunCommand(ID_VIEW_RIGHT); // the right hand nearest
    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(100);
    CBodyPart* palm = figure->GetSegment(kRightPalm);
    CBodyPart* forearm = figure->GetSegment(kRightForearm);
    Click(kRightPalm);
    ASSERT_EQ(doc->SelectedObject(), palm);
    frame->RunCommand(ID_SEGMENT_PROPERTIES);
    ASSERT_NE(frame->SegmentPropertiesPanel(), nullptr);
    EXPECT_TRUE(frame->Action(ID_SEGMENT_PROPERTIES)->isChecked());
    EXPECT_EQ(PanelValue(frame, "Segment name"), "RPALM");
    EXPECT_EQ(PanelValue(frame, "Joint name"), "Right wrist");

    const Vec3 elbowMomentBefore = forearm->GetJointMoment(1, 1, 1);
    const std::size_t undoBefore = doc->Model().UndoDepth();
    // Loads are given in the segment's frame: 20 lbf straight down, in the palm's axes.
    const Vec3 down(0, -20, 0);
    const Vec3 palmOrigin = WorldPoint(*figure, kRightPalm, Vec3());
    Vec3 local;
    for (int i = 0; i < 3; ++i) {
        Vec3 axis;
        axis[i] = 1;
        local[i] = Dot(WorldPoint(*figure, kRightPalm, axis) - palmOrigin, down);
    }

    frame->RunCommand(ID_FORCE_ADD);
    ASSERT_EQ(view->Mode(), MODE_ADD_FORCE);
    EXPECT_EQ(frame->StatusText(0),
              "LEFT button to select body segment where to add an external force, ESC to cancel");
    QString segmentShown, unitsShown;
    bool locationLocked = false;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CForceDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        segmentShown = dialog->findChild<QLabel*>("SegmentName")->text();
        locationLocked =
            !dialog->locationFields[0]->isEnabled() && dialog->massCentreBox->isChecked();
        for (QLineEdit* unit : dialog->findChildren<QLineEdit*>())
            if (unit->isReadOnly())
                unitsShown += unit->text();
        EXPECT_FALSE(dialog->balanceButton->isEnabled()); // a new load has nothing to balance
        for (int i = 0; i < 3; ++i)
            dialog->forceFields[i]->setText(QString::number(local[i], 'g', 17));
        Screenshot(dialog, "force-dialog");
        dialog->accept();
    });
    Click(kRightPalm);
    EXPECT_EQ(segmentShown, "RPALM");
    EXPECT_TRUE(locationLocked);
    EXPECT_EQ(unitsShown, "[in][LbF][LbF.in]");
    ASSERT_EQ(figure->forces.size(), 1u);
    const CForce* load = figure->forces.front();
    EXPECT_EQ(load->segment, kRightPalm);
    EXPECT_EQ(load->location, palm->massCentre); // the check box puts it at the mass centre
    EXPECT_LT(Length(load->force - local), 1e-12);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    EXPECT_EQ(doc->Model().UndoDepth(), undoBefore + 1);
    Pump(100);
    Screenshot(frame, "load-on-hand");
    // The arrow hangs below the hand: its head (3 to 5 in down) is drawn in the arrows' red.
    const QImage picture = view->grabFramebuffer();
    const QColor head = picture.pixelColor(
        ScreenPointOf(view, WorldPoint(*figure, kRightPalm, palm->massCentre) + Vec3(0, -3.4, 0)));
    EXPECT_GT(head.red(), 100);
    EXPECT_LT(head.green() + head.blue(), 60);

    // The panel follows a click on the forearm.
    Click(kRightForearm);
    ASSERT_EQ(doc->SelectedObject(), forearm);
    EXPECT_EQ(PanelValue(frame, "Joint name"), "Right elbow");

    // The load adds d x F at the elbow, d from the elbow to the palm's mass centre, F the
    // 20 lbf straight down: both taken from the posed geometry, in the scene.
    const Vec3 elbow = WorldPoint(*figure, kRightForearm, Vec3());
    const Vec3 loadPoint = WorldPoint(*figure, kRightPalm, palm->massCentre);
    const double lever = Length(Cross(loadPoint - elbow, down));
    ASSERT_GT(lever, 100.0); // the hand is inches in front of the elbow
    const Vec3 elbowMoment = forearm->GetJointMoment(1, 1, 1);
    EXPECT_NEAR(Length(elbowMoment - elbowMomentBefore), lever, 1e-6 * lever);
    QString unit;
    for (int i = 0; i < 3; ++i) {
        const std::string row = std::string("Moment ") + "/" + "XYZ"[i];
        EXPECT_EQ(PanelValue(frame, row, &unit), QString::asprintf("%-.1f", elbowMoment[i]));
        EXPECT_EQ(unit, "[LbF.in]");
    }
    // The force row of the largest component (the others may round to zero).
    const Vec3 elbowForce = forearm->GetJointForce(1, 0);
    int axis = 0;
    for (int i = 1; i < 3; ++i)
        if (std::fabs(elbowForce[i]) > std::fabs(elbowForce[axis]))
            axis = i;
    const std::string forceRow = std::string("Force /") + "XYZ"[axis];
    const double force = elbowForce[axis];
    ASSERT_GT(std::fabs(force), 20.0);
    EXPECT_EQ(PanelValue(frame, forceRow, &unit), QString::asprintf("%-.1f", force));
    EXPECT_EQ(unit, "[LbF]");
    Screenshot(frame->SegmentPropertiesPanel(), "segment-properties");

    // Newtons through the preferences: the same loads, rescaled.
    WhenModal([](QWidget* modal) {
        auto* dialog = qobject_cast<CPreferencesDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->forceUnit->setCurrentIndex(kNewton);
        dialog->lengthUnit->setCurrentIndex(kCentimetres);
        dialog->accept();
    });
    frame->RunCommand(ID_VIEW_PREFERENCES);
    Pump();
    EXPECT_EQ(PanelValue(frame, forceRow, &unit),
              QString::asprintf("%-.1f", force * 4.44822161526));
    EXPECT_EQ(unit, "[N]");
    EXPECT_EQ(PanelValue(frame, "Moment /X", &unit),
              QString::asprintf("%-.1f", elbowMoment.x * 0.1129848));
    EXPECT_EQ(unit, "[N.m]");
    Matrix4 frameOfElbow;
    figure->GetSegmentLocalFrame(kRightForearm, frameOfElbow);
    EXPECT_EQ(PanelValue(frame, "Position /Y", &unit),
              QString::asprintf("%-.2f", TransformPoint(frameOfElbow, Vec3()).y * 2.54));
    EXPECT_EQ(unit, "[cm]");
    EXPECT_EQ(PanelValue(frame, "Moment of Inertia /X", &unit),
              QString::asprintf("%-.1f", forearm->GetInertia().x));
    EXPECT_EQ(unit, "[Lb.in^2]");

    // Copy: one tab-separated line per row.
    frame->SegmentPropertiesPanel()->copyButton->click();
    const QStringList lines = QApplication::clipboard()->text().split('\n');
    ASSERT_EQ(lines.size(), static_cast<int>(frame->SegmentPropertiesPanel()->Rows().size()) + 1);
    EXPECT_EQ(lines[0], "Segment name\tRFARM\t\t");
    EXPECT_TRUE(lines.contains(QString("%1\t%2\t[N]\t%3")
                                   .arg(QString::fromStdString(forceRow))
                                   .arg(QString::asprintf("%-.1f", force * 4.44822161526))
                                   .arg(QString::fromStdString(forearm->forceNames[axis]))));

    // The command again closes the panel.
    frame->RunCommand(ID_SEGMENT_PROPERTIES);
    EXPECT_EQ(frame->SegmentPropertiesPanel(), nullptr);
    EXPECT_FALSE(frame->Action(ID_SEGMENT_PROPERTIES)->isChecked());
}

// The add-force mode waits for a segment: a click beside the figure keeps it, Esc leaves it,
// F3 types nothing; a finger's load goes to its palm.
TEST_F(Biomechanics, AddForceModeWaitsForASegment) {
    figure->GetSegment(kRightPalm)->Select();
    frame->RunCommand(ID_FORCE_ADD);
    ASSERT_EQ(view->Mode(), MODE_ADD_FORCE);
    EXPECT_TRUE(frame->Action(ID_FORCE_ADD)->isChecked());
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(3, 3));
    Pump();
    EXPECT_EQ(view->Mode(), MODE_ADD_FORCE);
    QTest::keyClick(view, Qt::Key_F3);
    Pump();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(view->Mode(), MODE_SELECT);

    // Straight through the document: a load on a finger, cancelled, then accepted.
    CBodyPart* finger = figure->GetSegment(kFirstRightFinger + 2);
    WhenModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    doc->AddForceAt(*finger, Vec3(1, 2, 3));
    EXPECT_TRUE(figure->forces.empty());
    QString segmentShown;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CForceDialog*>(modal);
        segmentShown = dialog->findChild<QLabel*>("SegmentName")->text();
        dialog->accept();
    });
    doc->AddForceAt(*finger, Vec3(1, 2, 3));
    EXPECT_EQ(segmentShown, "RPALM");
    ASSERT_EQ(figure->forces.size(), 1u);
    EXPECT_EQ(figure->forces.front()->segment, kRightPalm);
}

// The force dialog shows the fields in their units and gives back what was typed; a
// predicted foot force is shown, never edited; "Auto balance Mannequin" refills force and
// torque only.
TEST(ForceDialog, ShowsAndReadsItsFields) {
    ForceFields fields = ForceFieldsFromModel(kLeftPalm, Vec3(10, 0, -1), Vec3(10, 0, 0),
                                              Vec3(100, 0, 0), kMillimetres, kNewton);
    fields.atMassCentre = false;
    fields.canAutoBalance = true;
    CForceDialog dialog(fields, [](ForceFields& f) {
        f.force = Vec3(1, 2, 3);
        f.torque = Vec3(4, 5, 6);
        f.location = Vec3(7, 7, 7); // not shown: the load stays where it is
    });
    EXPECT_EQ(dialog.locationFields[0]->text(), "254");
    EXPECT_EQ(dialog.locationFields[2]->text(), "-25.4");
    EXPECT_EQ(dialog.forceFields[0]->text(), "44.482216");
    EXPECT_EQ(dialog.torqueFields[0]->text(), "11.29848");
    EXPECT_TRUE(dialog.locationFields[0]->isEnabled());
    ASSERT_TRUE(dialog.balanceButton->isEnabled());
    dialog.balanceButton->click();
    EXPECT_EQ(dialog.forceFields[2]->text(), "3");
    EXPECT_EQ(dialog.torqueFields[0]->text(), "4");
    EXPECT_EQ(dialog.locationFields[0]->text(), "254");
    dialog.locationFields[1]->setText("1000");
    dialog.massCentreBox->click();
    EXPECT_FALSE(dialog.locationFields[1]->isEnabled());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Fields().location, Vec3(254, 1000, -25.4));
    EXPECT_EQ(dialog.Fields().force, Vec3(1, 2, 3));
    EXPECT_TRUE(dialog.Fields().atMassCentre);

    ForceFields foot =
        ForceFieldsFromModel(kLeftFoot, Vec3(), Vec3(0, 80, 0), Vec3(), kInches, kPoundForce);
    foot.readOnly = true;
    foot.canAutoBalance = true;
    CForceDialog shown(foot, [](ForceFields&) {});
    EXPECT_FALSE(shown.forceFields[1]->isEnabled());
    EXPECT_FALSE(shown.locationFields[1]->isEnabled());
    EXPECT_FALSE(shown.massCentreBox->isEnabled());
    EXPECT_FALSE(shown.balanceButton->isEnabled());
}

// "Set Gravity" shows and returns G; "Set Units" returns its list index and the unit code.
TEST(GravityAndUnitsDialogs, ReturnWhatWasChosen) {
    CGravityDialog gravity(Vec3(0, -9.81, 0));
    EXPECT_EQ(gravity.fields[1]->text(), "-9.81");
    gravity.fields[1]->setText("-1.62");
    gravity.fields[0]->setText("x");
    QTimer::singleShot(50, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            static_cast<QDialog*>(box)->accept();
    });
    gravity.accept(); // refused: X is not a number
    EXPECT_NE(gravity.result(), QDialog::Accepted);
    gravity.fields[0]->setText("0");
    gravity.accept();
    EXPECT_EQ(gravity.Gravity(), Vec3(0, -1.62, 0));

    CSetUnitsDialog units;
    EXPECT_EQ(units.Choice(), -1);
    auto* ok = units.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    for (QAbstractButton* b : units.findChildren<QAbstractButton*>())
        if (b->text() == "Millimeters")
            b->click();
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(units.Choice(), 2);
    EXPECT_EQ(units.LengthUnitCode(), kMillimetres);
    EXPECT_EQ(CSetUnitsDialog(4).LengthUnitCode(), kMetres);
}

// The feet commands of a standing figure: the two floor reactions carry its weight, the
// summary opens only then and reads "Balanced"; a foot force opens read-only and cannot be
// deleted alone; Delete Feet removes both.
TEST_F(Biomechanics, FootForcesAndTheSummary) {
    const auto enabled = [this](int id) {
        frame->UpdateCommandUI();
        return frame->Action(id)->isEnabled();
    };
    figure->Select();
    EXPECT_TRUE(enabled(ID_FEET_ADD));
    EXPECT_FALSE(enabled(ID_FEET_UPDATE));
    EXPECT_FALSE(enabled(ID_FEET_DELETE));
    EXPECT_FALSE(enabled(ID_BIO_SUMMARY));
    frame->RunCommand(ID_FEET_ADD);
    frame->RunCommand(ID_FEET_ADD); // a second time adds nothing
    ASSERT_EQ(figure->forces.size(), 2u);
    const CForce* left = figure->FootPredictionForce(kLeftFoot);
    const CForce* right = figure->FootPredictionForce(kRightFoot);
    ASSERT_TRUE(left && right);
    // Standing still, the floor pushes up with the body weight: kg -> lb, times the ratio of
    // the default gravity to the standard one (9.81 / 9.80665).
    const double weight = figure->anthropometry.weight * 2.2046 * 9.81 * 0.101971634;
    EXPECT_NEAR(Length(left->force) + Length(right->force), weight, 1e-3 * weight);
    EXPECT_GT(Length(left->force), 0.3 * weight);
    EXPECT_GT(Length(right->force), 0.3 * weight);
    EXPECT_TRUE(enabled(ID_FEET_UPDATE));
    EXPECT_TRUE(enabled(ID_BIO_SUMMARY));
    // The reactions push up into the soles, below the figure's box: zoom out to see them,
    // with the centre of gravity between the feet.
    frame->RunCommand(ID_BIO_CENTRE_OF_GRAVITY);
    frame->RunCommand(ID_VIEW_RIGHT);
    frame->RunCommand(ID_ZOOM_EXTENTS);
    frame->RunCommand(ID_ZOOM_OUT);
    Pump(100);
    Screenshot(frame, "foot-forces");
    frame->RunCommand(ID_RENDER_WIREFRAME); // the markers inside the body show through
    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(100);
    Screenshot(frame, "centre-of-gravity");
    frame->RunCommand(ID_RENDER_SHADED);

    QString balance, units, copied;
    int rows = 0;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CBiomechSummaryDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        Pump(50);
        Screenshot(dialog, "biomech-summary");
        balance = dialog->balanceField->text();
        rows = dialog->table->rowCount();
        units = dialog->table->item(1, 4)->text() + dialog->table->item(1, 5)->text();
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == "Copy to clipboard")
                button->click();
        copied = QApplication::clipboard()->text();
        dialog->accept();
    });
    frame->RunCommand(ID_BIO_SUMMARY);
    EXPECT_EQ(balance, "Balanced");
    EXPECT_EQ(rows, 17);
    EXPECT_EQ(units, "(LbF)(LbF.in)");
    EXPECT_EQ(copied.count('\n'), 17);
    EXPECT_TRUE(copied.startsWith("Joint\tRotation/X\tRotation/Y\tRotation/Z\tForce\tMoment\n"));

    // A foot force: shown read-only, never deleted on its own.
    figure->Deselect();
    const_cast<CForce*>(left)->Select();
    EXPECT_TRUE(enabled(ID_FORCE_EDIT));
    EXPECT_FALSE(enabled(ID_FORCE_DELETE));
    bool readOnly = false;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CForceDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        readOnly = !dialog->forceFields[1]->isEnabled() && !dialog->balanceButton->isEnabled();
        dialog->accept();
    });
    const Vec3 before = left->force;
    frame->RunCommand(ID_FORCE_EDIT);
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(left->force, before);

    const_cast<CForce*>(left)->Deselect();
    figure->Select();
    frame->RunCommand(ID_FEET_DELETE);
    EXPECT_TRUE(figure->forces.empty());
    EXPECT_FALSE(enabled(ID_BIO_SUMMARY));
}

// A lift from a stoop to a box held at the waist: the dialog measures both postures as the
// hands and ankles stand, and computes the published equation on the values typed in.
TEST_F(Biomechanics, NioshDialogOfALift) {
    figure->Select();
    AnswerMessageBoxesFor([this] { frame->RunCommand(ID_NIOSH_COMPUTE); });
    EXPECT_EQ(LastMessage(), "Please set initial and final postures first.");

    // H and V of a posture from the joint origins: hands and feet midpoints.
    const auto measure = [this](double& h, double& v) {
        Matrix4 m;
        Vec3 p[4];
        const int segments[4] = {kLeftFoot, kRightFoot, kLeftPalm, kRightPalm};
        for (int i = 0; i < 4; ++i) {
            figure->GetSegmentLocalFrame(segments[i], m);
            p[i] = TransformPoint(m, Vec3());
        }
        const Vec3 feet = (p[0] + p[1]) * 0.5, hands = (p[2] + p[3]) * 0.5;
        h = std::hypot(hands.x - feet.x, hands.z - feet.z);
        v = hands.y - feet.y;
    };
    double hOrigin, vOrigin, hDestination, vDestination;
    figure->ApplyStandardPosture(8); // stoop lift
    figure->UpdatePosture();
    measure(hOrigin, vOrigin);
    frame->RunCommand(ID_POSE_SET_INITIAL);
    figure->ApplyStandardPosture(10); // holding a box at waist height
    figure->UpdatePosture();
    measure(hDestination, vDestination);
    frame->RunCommand(ID_POSE_SET_FINAL);
    const Vec3 elbow = figure->GetSegment(kRightForearm)->angles;

    double shown[4] = {};
    QString rwl[2], index[2], raisedH, report;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<CNioshDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        shown[0] = dialog->hFields[0]->text().toDouble();
        shown[1] = dialog->vFields[0]->text().toDouble();
        shown[2] = dialog->hFields[1]->text().toDouble();
        shown[3] = dialog->vFields[1]->text().toDouble();
        // The task as a user types it.
        dialog->weightField->setText("20");
        dialog->hFields[0]->setText("15");
        dialog->vFields[0]->setText("25");
        dialog->hFields[1]->setText("6");
        dialog->vFields[1]->setText("50");
        dialog->aFields[1]->setText("30");
        dialog->frequencyField->setText("1");
        dialog->durationField->setText("1");
        dialog->couplingGroup->button(1)->click(); // Fair
        dialog->Recompute();
        raisedH = dialog->hFields[1]->text();
        for (int i = 0; i < 2; ++i) {
            rwl[i] = dialog->rwlFields[i]->text();
            index[i] = dialog->liftingIndexFields[i]->text();
        }
        Pump(50);
        Screenshot(dialog, "niosh");
        for (QPushButton* button : dialog->findChildren<QPushButton*>())
            if (button->text() == "Copy to clipboard")
                button->click();
        report = QApplication::clipboard()->text();
        dialog->accept();
    });
    frame->RunCommand(ID_NIOSH_COMPUTE);
    // The dialog shows H raised to the equation's least 10 in.
    EXPECT_NEAR(shown[0], std::max(hOrigin, 10.0), 1e-3);
    EXPECT_NEAR(shown[1], vOrigin, 1e-3);
    EXPECT_NEAR(shown[2], std::max(hDestination, 10.0), 1e-3);
    EXPECT_NEAR(shown[3], vDestination, 1e-3);
    EXPECT_EQ(figure->GetSegment(kRightForearm)->angles, elbow); // the posture is restored

    // Published equation: HM = 10/H (H raised to 10), VM = 1 - 0.0075|V - 30|,
    // DM = 0.82 + 1.8/|25 - 50|, AM = 1 - 0.0032 A, FM = 0.94 (1 lift/min, 1 h), CM fair
    // 0.95 below 30 in and 1 above.
    const double dm = 0.82 + 1.8 / 25.0;
    const double origin = 51 * (10.0 / 15) * (1 - 0.0075 * 5) * dm * 1.0 * 0.94 * 0.95;
    const double destination = 51 * 1.0 * (1 - 0.0075 * 20) * dm * (1 - 0.0032 * 30) * 0.94;
    EXPECT_EQ(raisedH, "10");
    EXPECT_NEAR(rwl[0].toDouble(), origin, 1e-3);
    EXPECT_NEAR(rwl[1].toDouble(), destination, 1e-3);
    EXPECT_NEAR(index[0].toDouble(), 20 / origin, 1e-3);
    EXPECT_NEAR(index[1].toDouble(), 20 / destination, 1e-3);
    EXPECT_TRUE(report.startsWith("NIOSH Refised Lifting Equation Report :\n"));
    EXPECT_TRUE(report.contains("Weight\tLb\t\t20\n"));
    EXPECT_TRUE(report.contains("Hand to object coupling\t\t\tFair\n"));
    EXPECT_TRUE(report.contains("Recommended weigth limits\tLb\tOrigin\t" + rwl[0] + "\n"));

    // The transition leaves the figure in the final posture after the initial one.
    frame->RunCommand(ID_POSE_VIEW_INITIAL);
    EXPECT_NE(figure->GetSegment(kRightForearm)->angles, elbow);
    frame->UpdateCommandUI();
    ASSERT_TRUE(frame->Action(ID_ANIM_PLAY)->isEnabled());
    frame->RunCommand(ID_ANIM_PLAY);
    EXPECT_LT(Length(figure->GetSegment(kRightForearm)->angles - elbow), 1e-6);
}
