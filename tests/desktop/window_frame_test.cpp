// Where the window opens, as a window manager frames it.
#include <QApplication>

#include "desktop/desktop_session.h"
#include "ui/window_fixture.h"

namespace zarvik3::test {
namespace {

class WindowFrame : public WindowTest {
  protected:
    void SetUp() override {
        const QVariant problem = qApp->property(kNoDesktop);
        if (problem.isValid()) GTEST_SKIP() << problem.toString().toStdString();
        OpenFramed();
    }
    void OpenFramed() {
        OpenWindow();
        ASSERT_TRUE(QTest::qWaitFor([this] { return Framed(); }, 10000));
    }
    bool Framed() { return form->frameGeometry().size() != form->geometry().size(); }
    // The frame's and the client area's corners, as the window manager placed them.
    bool StandsAt(const QPoint& frame, const QPoint& client) {
        return QTest::qWaitFor(
            [&] { return form->pos() == frame && form->geometry().topLeft() == client; }, 5000);
    }
};

TEST_F(WindowFrame, RestartsLeaveTheWindowWhereItWasClosed) {
    const QPoint frame = form->pos() + QPoint(37, 53);
    form->move(frame);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->pos() == frame; }, 5000));
    const QPoint client = form->geometry().topLeft();
    ASSERT_NE(client, frame);  // there is a frame
    for (int start = 1; start <= 100; ++start) {
        ASSERT_TRUE(form->close());
        form.reset();
        OpenFramed();
        ASSERT_TRUE(StandsAt(frame, client))
            << "start " << start << ": frame at " << form->pos().x() << "," << form->pos().y();
    }
}

}  // namespace
}  // namespace zarvik3::test
