// The main window and its dialogs on a screen of the size and scale the
// environment names: they lie within the screen's available area, and a view
// whose fixed layout is larger than the window scrolls, following the focus.
#include "support/gui.h"

#include "access/userregistry.h"
#include "platform/codec.h"
#include "platform/textfile.h"
#include "shell/form3.h"
#include "testing/testfile.h"

#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

class ScreenFit : public GuiTest {
protected:
    QRect area() const { return form1->screen()->availableGeometry(); }
    void expectWithin(QWidget *window, const char *name) const
    {
        const QRect frame = window->frameGeometry();
        EXPECT_TRUE(area().contains(frame)) << name << ": " << frame.x() << "," << frame.y() << " " << frame.width()
                                            << "x" << frame.height() << " on " << area().width() << "x"
                                            << area().height();
    }
    QScrollArea *scroller() const { return form1->findChild<QScrollArea *>(QStringLiteral("ClientScroller")); }
    // The views' fixed layout fits the screen as designed.
    bool designFits() const
    {
        return area().height() >= 780 + 40 && area().width() >= 940 + 12;
    }
};

TEST_F(ScreenFit, WindowsLieWithinTheScreen)
{
    start();
    expectWithin(form1.get(), "main window");
    if (designFits()) { // nothing changes where the window fits as it was drawn
        EXPECT_EQ(form1->centralWidget()->size(), QSize(924, 722));
        EXPECT_EQ(scroller()->verticalScrollBar()->maximum(), 0);
        EXPECT_EQ(scroller()->horizontalScrollBar()->maximum(), 0);
    }
    if (area().width() >= 924 + 40) { // a window too low for its views scrolls them up and down only
        EXPECT_EQ(scroller()->horizontalScrollBar()->maximum(), 0);
    }
    QTimer::singleShot(0, about.get(), [&] {
        expectWithin(about.get(), "about");
        about->close();
    });
    trigger("N26");
    trigger("N15");
    expectWithin(form5.get(), "author");
    form5->showMinimized();
    trigger("N15"); // brought back, not left minimised
    EXPECT_FALSE(form5->isMinimized());
    TForm3 title(form1.get());
    title.show();
    expectWithin(&title, "title screen");
    title.close();
}

TEST_F(ScreenFit, AViewLargerThanTheWindowScrollsAfterTheFocus)
{
    QDir().mkpath(path(QStringLiteral("data/tests")));
    QList<QByteArray> lines;
    for (int k = 1; k <= 2; ++k)
        lines << "Q" << "A) a*" << "B) b" << "C) c" << "D) d" << "E) e" << "********";
    ASSERT_TRUE(larendo::quiz::buildTestFile(lines, larendo::quiz::testFileOf("test1")).ok);
    larendo::access::RegisterUser("s", "pw");
    start();
    form1->activateWindow(); // the arrow keys move the focus within the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    QWidget *viewport = scroller()->viewport();
    if (!designFits()) {
        EXPECT_GT(scroller()->verticalScrollBar()->maximum(), 0); // the sign-in view scrolls
    }
    EXPECT_EQ(scroller()->verticalScrollBar()->maximum(), std::max(0, 722 - viewport->height()));

    control<QLineEdit>("Edit2")->setText(QStringLiteral("s"));
    control<QLineEdit>("MaskEdit1")->setText(QStringLiteral("pw"));
    click("SpeedButton3");
    // Every top-level item of a signed-in user is in sight on the menu bar.
    for (QAction *top : form1->menuBar()->actions()) {
        if (!top->isVisible())
            continue;
        const QRect place = form1->menuBar()->actionGeometry(top);
        EXPECT_TRUE(!place.isEmpty() && form1->menuBar()->rect().contains(place)) << top->text().toStdString();
    }
    // The browser fits any window.
    EXPECT_TRUE(QTest::qWaitFor([&] { return scroller()->verticalScrollBar()->maximum() == 0; }, 2000));
    trigger("test1");
    for (int i = 1; i <= 4; ++i)
        QTest::keyClick(form1->focusWidget(), Qt::Key_Down);
    QWidget *last = control<QWidget>("RadioButton5");
    ASSERT_EQ(form1->focusWidget(), last);
    // Its beginning (the mark and the caption's start) is in sight, all of it where the window allows.
    const QRect inViewport(last->mapTo(viewport, QPoint(0, 0)), last->size());
    EXPECT_TRUE(viewport->rect().contains(inViewport.topLeft())) << inViewport.x() << "," << inViewport.y();
    if (viewport->width() >= last->width()) {
        EXPECT_TRUE(viewport->rect().contains(inViewport));
    }
}
