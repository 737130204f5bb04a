// The window on a screen scaled by 2 (a 2048x1536 screen showing 1024x768):
// a test program of its own, since the scale is fixed for a whole run.
#include <QToolButton>
#include <cstdlib>

#include "program_fixture.h"

namespace {
// Before the one QApplication of the run is made.
const bool kScaled = [] { return setenv("QT_SCALE_FACTOR", "2", 1) == 0; }();
}  // namespace

namespace lexorra::testing {
namespace {

using Scaled = ProgramTest;

TEST_F(Scaled, TheWindowFitsA2048x1536ScreenAtScale2) {
  ASSERT_TRUE(kScaled);
  EXPECT_DOUBLE_EQ(form().devicePixelRatioF(), 2.0);
  const QSize minimum = form().minimumSize().expandedTo(form().minimumSizeHint());
  EXPECT_LE(minimum.width(), 1024);
  EXPECT_LE(minimum.height(), 700);

  if (examplesDelivered()) example("examL");
  form().resize(1024, 738);  // 2048x1536 less a title bar, in pixels of the scale
  QCoreApplication::processEvents();
  QToolButton* menu = form().button("Command1");
  EXPECT_TRUE(form().rect().contains(QRect(menu->mapTo(&form(), QPoint(0, 0)), menu->size())));
  EXPECT_TRUE(form().finalLatinLabel()->showsWhole());
  const QPixmap shot = form().grab();
  EXPECT_EQ(shot.width(), 2048);
  shot.save(QString::fromStdString((screenshotFolder() / "main_window_scale2.png").string()));
}

}  // namespace
}  // namespace lexorra::testing
