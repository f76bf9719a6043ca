#include "GuiTestSupport.h"

#include "app/KeyIndicators.h"
#include "app/MainFrame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QStatusBar>
#include <gtest/gtest.h>

#include <X11/XKBlib.h>

// The status bar ends with the CAP, NUM and SCRL indicators, right of the coordinate panes.
TEST(KeyIndicators, FollowTheCoordinatePanes) {
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    Pump(100);
    QStatusBar* bar = frame->statusBar();
    int x = bar->findChild<QLabel*>("CoordinatePane3")->x();
    for (const char* name : {"IndicatorCAP", "IndicatorNUM", "IndicatorSCRL"}) {
        auto* pane = bar->findChild<QLabel*>(name);
        ASSERT_NE(pane, nullptr) << name;
        EXPECT_TRUE(pane->isVisible());
        EXPECT_GT(pane->x(), x) << name;
        x = pane->x();
    }
}

TEST(KeyIndicators, ShowTheCapsLockOfTheDisplay) {
    if (!CKeyIndicators::ReadsSystemState())
        GTEST_SKIP() << "not on an X11 display";
    auto app = StartApp();
    CKeyIndicators* indicators = app->MainFrame()->KeyIndicators();
    Display* display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask, LockMask);
    XSync(display, False);
    indicators->Refresh();
    EXPECT_TRUE(indicators->IsOn(CKeyIndicators::CapsLock));
    EXPECT_EQ(indicators->PaneText(CKeyIndicators::CapsLock), "CAP");
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask, 0);
    XSync(display, False);
    indicators->Refresh();
    EXPECT_EQ(indicators->PaneText(CKeyIndicators::CapsLock), "");
}
