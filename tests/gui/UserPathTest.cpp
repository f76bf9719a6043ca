#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "document/TavroDoc.h"
#include "human/BodyPart.h"
#include "human/Mannequin.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QPoint ScreenPointOf(CTavroView* view, const Vec3& world) {
    const Vec3 w = view->Renderer().camera.Project(world);
    return QPoint(static_cast<int>(w.x), view->height() - static_cast<int>(w.y));
}

CMannequin* OnlyFigure(CAppDoc* doc) {
    CMannequin* found = nullptr;
    for (CSceneObject* object : doc->Objects())
        if (object->type == kTypeMannequin) {
            EXPECT_EQ(found, nullptr);
            found = static_cast<CMannequin*>(object);
        }
    return found;
}

void AcceptFileDialogWith(const QString& path) {
    // Types the file name as a user does and presses Enter.
    WhenModal([path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        QTimer::singleShot(100, dialog, [dialog, path] {
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
        });
    });
}

} // namespace

// New Mannequin with its dialogs, a click to place it, a click on a segment, a rotation with
// the mouse, undo, save, close and Import TVR give back the same scene.
TEST(UserPath, CreatePlacePoseUndoSaveAndReimport) {
    ClearSettings();
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    frame->resize(1200, 900);
    Pump(100);
    CAppDoc* doc = frame->ActiveDocument();
    CTavroView* view = frame->ActiveView();

    // The anthropometry dialog, then the posture dialog, both with their defaults.
    WhenModal([](QWidget* body) {
        EXPECT_EQ(body->windowTitle(), "Anthropometry customization");
        WhenModal([](QWidget* postures) {
            EXPECT_EQ(postures->windowTitle(), "Body Postures");
            static_cast<QDialog*>(postures)->accept();
        });
        static_cast<QDialog*>(body)->accept();
    });
    frame->RunCommand(ID_PEOPLE_NEW_MANNEQUIN);
    ASSERT_EQ(view->Mode(), MODE_PICK_POINT);
    EXPECT_FALSE(frame->Action(ID_PEOPLE_NEW_MANNEQUIN)->isEnabled());
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(view->width() / 2, view->height() / 2));
    Pump(50);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    CMannequin* figure = OnlyFigure(doc);
    ASSERT_NE(figure, nullptr);
    EXPECT_EQ(doc->Objects().size(), 47u);
    EXPECT_EQ(doc->Model().UndoDepth(), 1u);

    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(100);
    Screenshot(frame, "user-path-placed");

    // A click on the right forearm's mass centre selects that segment alone.
    CBodyPart* forearm = figure->GetSegment(kRightForearm);
    ASSERT_FALSE(forearm->worldVertices.empty());
    QTest::mouseClick(view, Qt::LeftButton, {}, ScreenPointOf(view, forearm->worldVertices.back()));
    Pump();
    ASSERT_EQ(doc->SelectedObject(), forearm);

    // Rotate mode: 40 pixels with the left button turn 10 degrees about X (to the side the
    // elbow's limits allow).
    frame->RunCommand(ID_MODE_ROTATE);
    ASSERT_EQ(view->Mode(), MODE_ROTATE);
    const Vec3 before = forearm->angles;
    const int sign = forearm->upperLimits.x - before.x >= 10.0 ? 1 : -1;
    const QPoint start(view->width() / 2, view->height() / 2);
    QTest::mousePress(view, Qt::LeftButton, {}, start);
    for (int dx = 10; dx <= 40; dx += 10) {
        QMouseEvent move(QEvent::MouseMove, QPointF(start.x() + sign * dx, start.y()),
                         QPointF(start.x() + sign * dx, start.y()), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(view, &move);
    }
    QTest::mouseRelease(view, Qt::LeftButton, {}, start + QPoint(sign * 40, 0));
    Pump(50);
    Screenshot(frame, "user-path-rotated");
    EXPECT_NEAR(forearm->angles.x, before.x + sign * 10.0, 1e-6);
    EXPECT_EQ(doc->Model().UndoDepth(), 2u);
    const Vec3 turned = forearm->angles;

    frame->RunCommand(ID_EDIT_UNDO);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    forearm = OnlyFigure(doc)->GetSegment(kRightForearm);
    EXPECT_NEAR(forearm->angles.x, before.x, 1e-9);

    // Turn it again, save, close, and import the file into a new document.
    OnlyFigure(doc)->RotateLinked(kRightForearm, 0, turned.x - before.x, 0);
    const Matrix4 placement = OnlyFigure(doc)->transform;
    const QString path = QDir::temp().filePath("tavrona-user-path.tvr");
    QFile::remove(path);
    AcceptFileDialogWith(path);
    frame->RunCommand(ID_FILE_SAVE);
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->Title(), "tavrona-user-path.tvr");
    frame->RunCommand(ID_FILE_CLOSE);
    Pump(50);
    EXPECT_TRUE(app->Documents().empty());

    frame->RunCommand(ID_FILE_NEW);
    Pump(50);
    CAppDoc* reopened = frame->ActiveDocument();
    ASSERT_NE(reopened, nullptr);
    AcceptFileDialogWith(path);
    frame->RunCommand(ID_FILE_IMPORT_TVR);
    Pump(50);
    CMannequin* back = OnlyFigure(reopened);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(reopened->Objects().size(), 47u);
    EXPECT_EQ(reopened->Title(), "tavrona-user-path.tvr");
    EXPECT_NEAR(back->GetSegment(kRightForearm)->angles.x, turned.x, 1e-3);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(back->transform.m[i], placement.m[i], 1e-3) << i;
    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(100);
    Screenshot(frame, "user-path-reimported");
}
