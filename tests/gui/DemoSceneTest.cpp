#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "human/Mannequin.h"
#include "view/TavroView.h"

#include <gtest/gtest.h>

// The start-up scene: a man and a woman standing side by side on the floor, zoomed to fit.
TEST(DemoScene, TwoFiguresStandingSideBySide) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    ClearSettings();
    std::unique_ptr<CTavroApp> app;
    LastMessage().clear();
    AnswerMessageBoxesFor([&] {
        app = std::make_unique<CTavroApp>();
        app->InitInstance({}, true);
    });
    EXPECT_EQ(LastMessage().toStdString(), "");
    CMainFrame* frame = app->MainFrame();
    frame->resize(1280, 900);
    Pump(300);
    Screenshot(frame, "demo-scene");
    CAppDoc* doc = frame->ActiveDocument();
    std::vector<CMannequin*> figures;
    for (CSceneObject* object : doc->Objects())
        if (object->type == kTypeMannequin)
            figures.push_back(static_cast<CMannequin*>(object));
    ASSERT_EQ(figures.size(), 2u);
    EXPECT_EQ(figures[0]->anthropometry.gender, 1);
    EXPECT_EQ(figures[1]->anthropometry.gender, 0);
    EXPECT_FALSE(doc->IsModified());
    for (CMannequin* figure : figures) {
        BoundingBox box;
        figure->CollectBounds(box);
        EXPECT_NEAR(box.min.y, 0.0, 0.5); // on the floor
    }
    // Zoomed to fit: the figures fill the view's height but stay inside it.
    const QImage picture = frame->ActiveView()->Picture();
    int top = picture.height(), bottom = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); x += 4)
            if (picture.pixelColor(x, y).saturation() > 60) { // skin and clothes, not the floor
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_GT(bottom - top, picture.height() / 2);
}
