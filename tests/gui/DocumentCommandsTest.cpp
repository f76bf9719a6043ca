#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/CustomizationDialog.h"
#include "app/MainFrame.h"
#include "app/PostureDialogs.h"
#include "core/GlobalSettings.h"
#include "core/UserReporter.h"
#include "document/TavroDoc.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "human/Mannequin.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"
#include "view/ViewScrollBars.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

bool Enabled(CMainFrame* frame, int id) {
    frame->UpdateCommandUI();
    return frame->Action(id)->isEnabled();
}

} // namespace

TEST(DocumentCommands, EnablingRulesFollowTheSelection) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    CAppDoc* doc = frame->ActiveDocument();

    // Empty document: nothing selected, nothing to undo.
    EXPECT_FALSE(Enabled(frame, ID_EDIT_UNDO));
    EXPECT_FALSE(Enabled(frame, ID_EDIT_CUT));
    EXPECT_FALSE(Enabled(frame, ID_EDIT_DELETE));
    EXPECT_TRUE(Enabled(frame, ID_EDIT_COPY)); // copies the picture
    EXPECT_FALSE(Enabled(frame, ID_MODE_TRANSLATE));
    EXPECT_FALSE(Enabled(frame, ID_PEOPLE_CHANGE_BODY));
    EXPECT_FALSE(Enabled(frame, ID_POSE_VIEW_INITIAL));
    EXPECT_TRUE(Enabled(frame, ID_PEOPLE_NEW_MANNEQUIN));
    EXPECT_TRUE(frame->Action(ID_MODE_SELECT)->isChecked());

    // A selected figure: rotate and translate, but no scaling.
    CMannequin* figure = AddFigure(doc, frame);
    figure->Select();
    EXPECT_TRUE(Enabled(frame, ID_MODE_TRANSLATE));
    EXPECT_TRUE(Enabled(frame, ID_MODE_ROTATE));
    EXPECT_FALSE(Enabled(frame, ID_MODE_SCALE));
    EXPECT_TRUE(Enabled(frame, ID_PEOPLE_CHANGE_BODY));
    EXPECT_TRUE(Enabled(frame, ID_VIEW_EYE));

    // A selected segment: rotate only.
    figure->Deselect();
    figure->GetSegment(kLeftArm)->Select();
    EXPECT_FALSE(Enabled(frame, ID_MODE_TRANSLATE));
    EXPECT_TRUE(Enabled(frame, ID_MODE_ROTATE));
    EXPECT_TRUE(Enabled(frame, ID_PEOPLE_ANTHROPOMETRY));

    // A selected box: scaling too; the set pose needs a figure.
    figure->GetSegment(kLeftArm)->Deselect();
    auto* box = new CPolyface;
    box->Build(kShapeBox, {Vec3(30, 0, 0), Vec3(40, 10, 10)});
    doc->AddObject(box);
    box->Select();
    EXPECT_TRUE(Enabled(frame, ID_MODE_SCALE));
    EXPECT_FALSE(Enabled(frame, ID_POSE_SET_INITIAL));

    // Toggling: Translate twice comes back to Select.
    frame->RunCommand(ID_MODE_TRANSLATE);
    EXPECT_EQ(frame->ActiveView()->Mode(), MODE_TRANSLATE);
    EXPECT_TRUE(frame->Action(ID_MODE_TRANSLATE)->isChecked());
    frame->RunCommand(ID_MODE_TRANSLATE);
    EXPECT_EQ(frame->ActiveView()->Mode(), MODE_SELECT);

    // Delete with undo.
    const int boxId = box->id;
    frame->RunCommand(ID_EDIT_DELETE); // deletes the box
    EXPECT_EQ(doc->Model().FindById(boxId), nullptr);
    EXPECT_TRUE(Enabled(frame, ID_EDIT_UNDO));
    frame->RunCommand(ID_EDIT_UNDO);
    EXPECT_EQ(doc->Objects().size(), 48u);
    EXPECT_NE(doc->Model().FindById(boxId), nullptr);
}

TEST(DocumentCommands, ViewConeAndRangeVolumeTogglesAndCheckMarks) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    const int shapeCommands[] = {ID_CONE_OPTIMUM,    ID_CONE_MAXIMUM,    ID_RANGE_LEFT_LEG,
                                 ID_RANGE_RIGHT_LEG, ID_RANGE_LEFT_HAND, ID_RANGE_RIGHT_HAND};
    // No current mannequin: all disabled.
    CMannequin* figure = AddFigure(frame->ActiveDocument(), frame);
    for (int id : shapeCommands)
        EXPECT_FALSE(Enabled(frame, id)) << id;

    figure->GetSegment(kHead)->Select();
    for (int id : shapeCommands) {
        EXPECT_TRUE(Enabled(frame, id)) << id;
        EXPECT_FALSE(frame->Action(id)->isChecked()) << id;
    }
    frame->RunCommand(ID_CONE_MAXIMUM);
    frame->RunCommand(ID_RANGE_LEFT_HAND);
    frame->UpdateCommandUI();
    EXPECT_EQ(figure->viewConeMode, kViewConeMaximum);
    EXPECT_EQ(figure->rangeVolumeShown[kRangeLeftHand], 1);
    EXPECT_TRUE(frame->Action(ID_CONE_MAXIMUM)->isChecked());
    EXPECT_FALSE(frame->Action(ID_CONE_OPTIMUM)->isChecked());
    EXPECT_TRUE(frame->Action(ID_RANGE_LEFT_HAND)->isChecked());
    EXPECT_FALSE(frame->Action(ID_RANGE_LEFT_LEG)->isChecked());
    Pump(50);
    Screenshot(frame, "view-cones-and-range-volume");

    // While walking on a path the cones cannot be switched; the volumes can.
    frame->ActiveView()->SetMode(MODE_WALK_PATH);
    EXPECT_FALSE(Enabled(frame, ID_CONE_OPTIMUM));
    EXPECT_FALSE(Enabled(frame, ID_CONE_MAXIMUM));
    EXPECT_TRUE(Enabled(frame, ID_RANGE_RIGHT_LEG));
    frame->ActiveView()->SetMode(MODE_SELECT);

    frame->RunCommand(ID_CONE_MAXIMUM);
    frame->UpdateCommandUI();
    EXPECT_EQ(figure->viewConeMode, kViewConeNone);
    EXPECT_FALSE(frame->Action(ID_CONE_MAXIMUM)->isChecked());
}

TEST(DocumentCommands, EyeViewOfTheSelectedFigure) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    frame->resize(1100, 800);
    CAppDoc* doc = frame->ActiveDocument();
    CMannequin* figure = AddFigure(doc, frame);
    auto* box = new CPolyface;
    box->Build(kShapeBox, {Vec3(-15, 20, 20), Vec3(15, 40, 30)});
    doc->AddObject(box);
    figure->Select();
    frame->RunCommand(ID_VIEW_EYE);
    Pump(150);
    CTavroView* view = frame->ActiveView();
    EXPECT_EQ(view->GetViewType(), VIEW_EYE);
    EXPECT_TRUE(frame->Action(ID_VIEW_EYE)->isChecked());
    EXPECT_FALSE(Enabled(frame, ID_ZOOM_IN)); // no zooming in the eye view
    auto* bars = qobject_cast<CViewScrollBars*>(view->parentWidget());
    ASSERT_NE(bars, nullptr);
    EXPECT_FALSE(bars->Horizontal()->isEnabled()); // nor panning
    const QImage picture = view->Picture();
    Screenshot(frame, "eye-view");
    // Outside the visual field the picture is black; the centre is not.
    EXPECT_EQ(picture.pixelColor(1, 1), QColor(Qt::black));
    EXPECT_NE(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(Qt::black));
    frame->RunCommand(ID_VIEW_FRONT);
    EXPECT_EQ(view->GetViewType(), VIEW_FRONT);
}

TEST(DocumentCommands, SceneFilesOpenFromTheCommandLine) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    const QString path = QDir::temp().filePath("tavrona-command-line.tvr");
    {
        auto app = StartApp();
        CAppDoc* doc = app->MainFrame()->ActiveDocument();
        AddFigure(doc, app->MainFrame());
        ASSERT_EQ(doc->Model().SaveTo(path.toStdString()), 1);
    }
    auto app = StartApp({path});
    CMainFrame* frame = app->MainFrame();
    ASSERT_EQ(app->Documents().size(), 1u);
    CAppDoc* doc = app->Documents()[0].get();
    EXPECT_EQ(doc->Title(), "tavrona-command-line.tvr");
    EXPECT_EQ(doc->Objects().size(), 47u);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(frame->RecentFiles().value(0), QFileInfo(path).absoluteFilePath());
    // Opening it again only brings its window forward.
    EXPECT_EQ(app->OpenDocument(path), doc);
    EXPECT_EQ(app->Documents().size(), 1u);
}

TEST(DocumentCommands, FourViewsOfTwoFigures) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    std::unique_ptr<CTavroApp> app = std::make_unique<CTavroApp>();
    app->InitInstance({}, true);
    CMainFrame* frame = app->MainFrame();
    frame->resize(1280, 900);
    Pump(100);
    frame->RunCommand(ID_WINDOW_FOUR_VIEWS);
    for (CTavroView* view : frame->ActiveDocument()->Views())
        view->RequestZoomExtents();
    Pump(300);
    Screenshot(frame, "four-views-demo");
    EXPECT_EQ(frame->ActiveDocument()->Views().size(), 4);
}

TEST(DocumentCommands, DrawingABoxWithTheMouseAndCancellingALine) {
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    frame->resize(1000, 800);
    Pump(50);
    CAppDoc* doc = frame->ActiveDocument();
    CTavroView* view = frame->ActiveView();
    frame->RunCommand(ID_DRAW_BOX);
    ASSERT_EQ(view->Mode(), MODE_BOX);
    EXPECT_EQ(frame->StatusText(0).toStdString(),
              "LEFT button to select opposite points of the box, RIGHT button to end, F3 to "
              "enter coordinates, ESC to cancel");
    const QPoint c(view->width() / 2, view->height() / 2);
    QTest::mouseClick(view, Qt::LeftButton, {}, c);
    QTest::mouseMove(view, c + QPoint(40, 30));
    QTest::mouseClick(view, Qt::LeftButton, {}, c + QPoint(60, 50));
    // The move after the second corner completes the box.
    QTest::mouseMove(view, c + QPoint(70, 60));
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    ASSERT_EQ(doc->Objects().size(), 1u);
    const auto* box = static_cast<const CPolyface*>(doc->Objects()[0]);
    EXPECT_EQ(box->type, kTypePolyface);
    EXPECT_FALSE(box->vertices.empty());
    EXPECT_TRUE(doc->IsModified());

    // A line: two clicks, then Esc removes it.
    frame->RunCommand(ID_DRAW_LINE);
    ASSERT_EQ(view->Mode(), MODE_LINE);
    QTest::mouseClick(view, Qt::LeftButton, {}, c - QPoint(100, 0));
    QTest::mouseClick(view, Qt::LeftButton, {}, c - QPoint(50, 40));
    EXPECT_EQ(doc->Objects().size(), 2u);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    EXPECT_EQ(doc->Objects().size(), 1u);
}

TEST(DocumentCommands, DroppedSceneFileOpens) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    const QString path = QDir::temp().filePath("tavrona-dropped.tvr");
    {
        auto app = StartApp();
        AddFigure(app->MainFrame()->ActiveDocument(), app->MainFrame());
        ASSERT_EQ(app->MainFrame()->ActiveDocument()->Model().SaveTo(path.toStdString()), 1);
    }
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    frame->OpenDroppedFiles(data);
    Pump(50);
    ASSERT_EQ(app->Documents().size(), 2u);
    EXPECT_EQ(app->Documents()[1]->Title(), "tavrona-dropped.tvr");
    EXPECT_EQ(app->Documents()[1]->Objects().size(), 47u);
}

TEST(DocumentCommands, PostureAndBodyDialogsOfAChosenFigure) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    CMannequin* figure = AddFigure(frame->ActiveDocument(), frame);
    figure->Select();
    // Apply New Posture keeps the placement: "Facing:" is not offered.
    bool asked = false;
    WhenModal([&asked](QWidget* modal) {
        auto* postures = qobject_cast<CBodyPostureDialog*>(modal);
        ASSERT_NE(postures, nullptr);
        for (QRadioButton* facing : postures->facings)
            EXPECT_FALSE(facing->isEnabled());
        asked = true;
        postures->reject();
    });
    frame->RunCommand(ID_PEOPLE_APPLY_POSTURE);
    EXPECT_TRUE(asked);

    // Change Body opens on a 7-year-old's own choice.
    CStderrReporter reporter;
    ASSERT_EQ(figure->anthropometry.Customize(kMale, 1, 4, 2, kAverage, 0, kSizeAutomatic,
                                              CAnthropometryContext{reporter}),
              1);
    asked = false;
    WhenModal([&asked](QWidget* modal) {
        auto* body = qobject_cast<CCustomizationDialog*>(modal);
        ASSERT_NE(body, nullptr);
        EXPECT_TRUE(body->child->isChecked());
        EXPECT_EQ(body->childAge->currentText(), "7");
        asked = true;
        body->reject();
    });
    frame->RunCommand(ID_PEOPLE_CHANGE_BODY);
    EXPECT_TRUE(asked);
}

TEST_F(ViewFixture, ConeToolPreviewsItsBaseAndBuildsTheCone) {
    const QPoint centre(view->width() / 2, view->height() / 2);
    frame->RunCommand(ID_DRAW_CONE);
    QTest::mouseClick(view, Qt::LeftButton, {}, centre);
    QTest::mouseMove(view, centre + QPoint(120, 0));
    Pump();
    QTest::mouseClick(view, Qt::LeftButton, {}, centre + QPoint(120, 0));
    QTest::mouseMove(view, centre + QPoint(120, -150));
    QTest::mouseClick(view, Qt::LeftButton, {}, centre + QPoint(120, -150));
    Pump();
    auto* cone = static_cast<CPolyface*>(doc->Model().FindById(doc->Model().DrawnObjectId()));
    ASSERT_NE(cone, nullptr);
    ASSERT_EQ(cone->vertices.size(), 80u);
    // One tip above the base centre; in the front view the picked height (150 px) is 1.25
    // times the picked radius (120 px).
    for (int i = 3; i < 80; i += 2)
        EXPECT_NEAR(Distance(cone->vertices[i], cone->vertices[1]), 0.0, 1e-9);
    const Vec3 baseCentre = (cone->vertices[0] + cone->vertices[40]) / 2.0;
    const double radius = Distance(cone->vertices[0], cone->vertices[40]) / 2.0;
    EXPECT_NEAR(Distance(baseCentre, cone->vertices[1]) / radius, 1.25, 0.02);
    frame->RunCommand(ID_VIEW_USER);
    Pump();
    Screenshot(view, "cone-built");

    // From the top the base circle lies face on: after the first click it shows filled.
    frame->RunCommand(ID_VIEW_TOP);
    frame->RunCommand(ID_MODE_SELECT);
    frame->RunCommand(ID_DRAW_CONE);
    QTest::mouseClick(view, Qt::LeftButton, {}, centre);
    QTest::mouseMove(view, centre + QPoint(90, 60));
    Pump();
    auto* preview = static_cast<CPolyface*>(doc->Model().FindById(doc->Model().DrawnObjectId()));
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(preview->faces.empty());
    Screenshot(view, "cone-preview");
}
