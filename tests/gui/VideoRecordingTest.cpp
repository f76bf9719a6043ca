// Record AVI from the menu: the file and codec dialogs, then a video of the view that ffprobe
// reads with the view's size rounded down to multiples of 4.
#include "../VideoProbe.h"
#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "document/TavroDoc.h"
#include "human/Mannequin.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace {

using VideoRecording = ViewFixture;

TEST_F(VideoRecording, RecordAviWritesTheTransitionAsTheViewShowsIt) {
    if (!HaveMeshes())
        GTEST_SKIP() << "no body meshes";
    CMannequin* figure = AddFigure(doc, frame);
    figure->Select();
    frame->UpdateCommandUI();
    EXPECT_FALSE(frame->Action(ID_ANIM_RECORD_AVI)->isEnabled()); // no postures yet
    frame->RunCommand(ID_POSE_SET_INITIAL);
    figure->ApplyStandardPosture(10);
    figure->UpdatePosture();
    frame->RunCommand(ID_POSE_SET_FINAL);
    frame->UpdateCommandUI();
    ASSERT_TRUE(frame->Action(ID_ANIM_RECORD_AVI)->isEnabled());

    view->resize(403, 301);
    Pump(100);
    const QString path = QDir::temp().filePath("tavrona-record-gui");
    QFile::remove(path + ".avi");
    WhenModal([path](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(files, nullptr);
        QTimer::singleShot(100, files, [files, path] {
            auto* name = files->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
            WhenModal([](QWidget* codecs) {
                EXPECT_EQ(codecs->windowTitle(), "Video Compression");
                auto* list = codecs->findChild<QComboBox*>("codecList");
                ASSERT_NE(list, nullptr);
                list->setCurrentIndex(list->findText("FFV1 lossless (AVI)"));
                Screenshot(codecs, "video-codec-dialog");
                static_cast<QDialog*>(codecs)->accept();
            });
        });
    });
    frame->RunCommand(ID_ANIM_RECORD_AVI);
    Pump(100);
    const int w = static_cast<int>(view->width() * view->devicePixelRatioF()) / 4 * 4;
    const int h = static_cast<int>(view->height() * view->devicePixelRatioF()) / 4 * 4;
    EXPECT_EQ(ProbeVideo((path + ".avi").toStdString()),
              "ffv1," + std::to_string(w) + "," + std::to_string(h) + ",10/1,11\n");
    // The choice is remembered, and the figure ends in the final posture.
    EXPECT_EQ(QSettings().value("Video/Codec").toString(), "ffv1");
    EXPECT_NEAR(figure->GetSegment(7)->angles.x, doc->Model().FinalPosture()->angles[7].x, 1e-9);
    QFile::remove(path + ".avi");
}

} // namespace
