// The window on small screens and dark desktops: its minimum size, every
// control inside it at that size, a long motto shown whole, readable colours
// under a light and a dark palette, and the screenshots that show it.
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>
#include <cmath>

#include "program_fixture.h"

namespace lexorra::testing {
namespace {

// The contrast of two colours as the web's accessibility rules measure it,
// from 1 (none) to 21.
double contrast(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto channel = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette() {
  QPalette dark;
  const QColor window(53, 53, 53), base(35, 35, 35), text(238, 238, 238);
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    dark.setColor(group, QPalette::Window, window);
    dark.setColor(group, QPalette::WindowText, text);
    dark.setColor(group, QPalette::Base, base);
    dark.setColor(group, QPalette::AlternateBase, window);
    dark.setColor(group, QPalette::Text, text);
    dark.setColor(group, QPalette::Button, window);
    dark.setColor(group, QPalette::ButtonText, text);
    dark.setColor(group, QPalette::ToolTipBase, QColor(30, 30, 30));
    dark.setColor(group, QPalette::ToolTipText, text);
    dark.setColor(group, QPalette::PlaceholderText, QColor(150, 150, 150));
  }
  return dark;
}

class Screens : public ProgramTest {
 protected:
  void TearDown() override {
    QApplication::setPalette(QPalette());
    ProgramTest::TearDown();
  }
  // Every section ticked and linked, with a preposition: every slot shows.
  void showEverything() {
    for (const char* box : {"actorTickBox", "actionTickBoc", "actedTickBox", "mannerTickBox"})
      if (!form().tickBox(box)->isChecked()) tick(box);
    for (int option : {1, 4}) click(form().optionButton(option));
    state().prepositionText = {"without", "0", true, 0};
    tick("mannerTickBox");
    tick("mannerTickBox");
    click(form().optionButton(7));
    form().showModel();
  }
  void save(QWidget& window, const char* name) {
    QCoreApplication::processEvents();
    window.grab().save(QString::fromStdString((screenshotFolder() / name).string()));
  }
  // The controls shown whose text could be hard to read, each with the
  // colours of its text and of what lies behind it.
  std::vector<std::pair<QWidget*, std::pair<QColor, QColor>>> textColours() {
    std::vector<std::pair<QWidget*, std::pair<QColor, QColor>>> out;
    for (QWidget* w : form().findChildren<QWidget*>()) {
      if (!w->isVisible()) continue;
      const QPalette& p = w->palette();
      if (qobject_cast<QTextEdit*>(w))
        out.push_back({w, {p.color(QPalette::Text), p.color(QPalette::Base)}});
      else if (qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w) ||
               qobject_cast<QRadioButton*>(w) || qobject_cast<QGroupBox*>(w))
        out.push_back({w, {p.color(w->foregroundRole()), p.color(w->backgroundRole())}});
    }
    return out;
  }
};

TEST_F(Screens, TheMinimumSizeFitsSmallScreens) {
  const QSize minimum = form().minimumSize().expandedTo(form().minimumSizeHint());
  EXPECT_LE(minimum.width(), 1024);
  EXPECT_LE(minimum.height(), 700);
  // 1280x800 at scale 1.25 leaves 1024x640 for the title bar and the window.
  EXPECT_LE(minimum.height(), 600) << "1280x800 at scale 1.25";
  EXPECT_TRUE(form().minimumSize() != form().maximumSize()) << "the window can be resized";

  // At that size, with every slot shown, every control lies inside.
  showEverything();
  form().resize(minimum);
  QCoreApplication::processEvents();
  const QRect inside = form().rect();
  for (QWidget* w : form().findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    const QRect where(w->mapTo(&form(), QPoint(0, 0)), w->size());
    EXPECT_TRUE(inside.contains(where)) << w->objectName().toStdString();
  }
  for (const SlotInfo& info : kSlots)
    EXPECT_TRUE(label(info.name.data())->isVisible()) << info.name;
  save(form(), "main_window_minimum.png");
}

// A motto too long for one line at 24 points shrinks or wraps; none of it is
// cut off.
TEST_F(Screens, ALongMottoIsShownWhole) {
  form().timer()->stop();
  form().resize(form().minimumSizeHint());
  QCoreApplication::processEvents();
  const char* cases[] = {
      "amor vincit omnia",
      "si vis pacem para bellum et semper fidelis esto in omnibus rebus tuis",
      "hodie tu et ego in libertate aeterna semper amabimus omnes homines magnos et parvos "
      "sine metu mortis et sine dolore in saecula saeculorum",
      // One word longer than the label: only a smaller face shows it whole.
      "Supercalifragilisticexpialidociousissimusquevehementissimequeincredibilitermaxime"
      "Supercalifragilisticexpialidociousissimusque",
  };
  for (const char* motto : cases) {
    SCOPED_TRACE(motto);
    state().finalLatin = motto;
    form().showModel();
    ui::LatinPreview* latin = form().finalLatinLabel();
    EXPECT_TRUE(latin->showsWhole());
    // What does not fit on one line at 24 points is made smaller or wrapped.
    const QFont full = latin->face();
    const bool tooLong =
        QFontMetrics(full).horizontalAdvance(q(motto)) > latin->contentsRect().width() - 16;
    const bool changed = latin->font().pointSize() < 24 || latin->wordWrap();
    EXPECT_EQ(changed, tooLong) << latin->font().pointSize();
    // The blackletter face at its largest cuts none of it either.
    if (!latin->wordWrap()) {
      EXPECT_LE(QFontMetrics(latin->font()).boundingRect(q(motto)).width(),
                latin->contentsRect().width());
    }
    EXPECT_EQ(latin->text(), q(motto));
  }
  EXPECT_TRUE(form().finalLatinLabel()->font().pointSize() < 24) << "the last one is shrunk";
  save(form(), "main_window_long_motto.png");
  // Wider again, the motto grows back.
  state().finalLatin = "amor vincit omnia";
  form().showModel();
  EXPECT_EQ(form().finalLatinLabel()->font().pointSize(), 24);
}

TEST_F(Screens, ColoursReadUnderALightAndADarkPalette) {
  if (!examplesDelivered()) GTEST_SKIP() << kNoExamples;
  example("examL");
  for (const char* look : {"light", "dark"}) {
    SCOPED_TRACE(look);
    if (std::string(look) == "dark") QApplication::setPalette(darkPalette());
    QCoreApplication::processEvents();
    for (const auto& [widget, colours] : textColours())
      EXPECT_GE(contrast(colours.first, colours.second), 3.0)
          << widget->objectName().toStdString() << " " << colours.first.name().toStdString()
          << " on " << colours.second.name().toStdString();
  }
  form().resize(1024, 738);
  save(form(), "main_window_dark.png");
  clickSlot("actorNounText");
  search(*program->nounPicker, "love");
  save(*program->nounPicker, "noun_picker_dark.png");
  QTest::keyClick(program->nounPicker->searchBox(), Qt::Key_Escape);
}

// A 1024x768 screen less the title bar: nothing is off screen, not even the
// main menu's button in the far corner.
TEST_F(Screens, At1024x768) {
  if (!examplesDelivered()) GTEST_SKIP() << kNoExamples;
  example("examL");
  form().resize(1024, 738);
  QCoreApplication::processEvents();
  QToolButton* menu = form().button("Command1");
  EXPECT_TRUE(form().rect().contains(QRect(menu->mapTo(&form(), QPoint(0, 0)), menu->size())));
  EXPECT_TRUE(form().finalLatinLabel()->showsWhole());
  save(form(), "main_window_1024x768.png");
}

}  // namespace
}  // namespace lexorra::testing
