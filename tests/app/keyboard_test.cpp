// The window without a mouse: Tab reaches every control in reading order,
// Enter and Space open a slot's menu or picker, the pop-up menus answer to
// arrow keys and first letters, and every control says what it is.
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>
#include <functional>
#include <memory>

#include "program_fixture.h"
#include "text/textops.h"
#include "ui/keyboard_menu.h"

namespace lexorra::testing {
namespace {

class Keyboard : public WithActiveWindow<ProgramTest> {
 protected:
  // A key to whatever has the keyboard, as a person's key press goes.
  static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QCoreApplication::processEvents();
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
  }
  static void type(const char* text) {
    QCoreApplication::processEvents();
    QTest::keyClicks(static_cast<QWidget*>(nullptr), q(text));
  }
  // Presses Tab until `target` has the focus; false when it never gets it.
  static bool tabTo(QWidget* target) {
    for (int k = 0; k < 80; ++k) {
      if (QApplication::focusWidget() == target) return true;
      press(Qt::Key_Tab);
    }
    return QApplication::focusWidget() == target;
  }
  // Runs `answer` on the next pop-up menu as soon as it is open (within two
  // seconds).
  static void onNextMenu(std::function<void(QWidget*)> answer) {
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, answer] {
      QWidget* menu = QApplication::activePopupWidget();
      if (!menu && ++*tries < 200) return;
      poll->stop();
      poll->deleteLater();
      if (menu) answer(menu);
    });
    poll->start(10);
  }
  // Keys typed into the next pop-up menu once it is open.
  static void typeIntoNextMenu(std::vector<Qt::Key> keys) {
    onNextMenu([keys](QWidget* menu) {
      for (Qt::Key key : keys) QTest::keyClick(menu, key);
    });
  }
};

// "I love you" built with key presses alone.
TEST_F(Keyboard, BuildsIloveYouWithKeysOnly) {
  ASSERT_TRUE(tabTo(form().tickBox("actorTickBox")));
  press(Qt::Key_Space);
  ASSERT_EQ(state().actorTickBox.Value, 1);

  ASSERT_TRUE(tabTo(label("actorPronounText")));
  typeIntoNextMenu({Qt::Key_I, Qt::Key_Return});  // "I" comes before "It..."
  press(Qt::Key_Return);
  EXPECT_EQ(state().actorPronounText.Caption, "I");

  ASSERT_TRUE(tabTo(form().tickBox("actionTickBoc")));
  press(Qt::Key_Space);
  ASSERT_TRUE(tabTo(label("verbText")));
  press(Qt::Key_Space);
  ASSERT_TRUE(program->verbPicker->isVisible());
  ASSERT_TRUE(QTest::qWaitForWindowActive(program->verbPicker.get()));
  type("love");
  press(Qt::Key_Return);
  EXPECT_FALSE(program->verbPicker->isVisible());
  EXPECT_NE(state().verbText.Tag, "blank");
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  EXPECT_EQ(QApplication::focusWidget(), label("verbText"))
      << "the keyboard comes back to the slot, not "
      << QApplication::focusWidget()->objectName().toStdString() << " in "
      << QApplication::activeWindow()->objectName().toStdString();

  ASSERT_TRUE(tabTo(form().tickBox("actedTickBox")));
  press(Qt::Key_Space);
  ASSERT_TRUE(tabTo(label("actedPronounText")));
  typeIntoNextMenu({Qt::Key_Y, Qt::Key_Return});
  press(Qt::Key_Enter);
  EXPECT_EQ(state().actedPronounText.Caption, "You (single)");

  ASSERT_TRUE(withinOneTick([&] { return state().finalEnglish == "I love you."; }))
      << state().finalEnglish;
  EXPECT_TRUE(text::beginsWith(state().finalLatin, "ego te ")) << state().finalLatin;
}

// Every word label can be reached and opened by the keyboard alone.
TEST_F(Keyboard, EverySlotIsReachedAndOpenedByKeys) {
  for (const char* box : {"actorTickBox", "actionTickBoc", "actedTickBox", "mannerTickBox"})
    tick(box);
  for (int option : {1, 4, 7}) click(form().optionButton(option));
  state().prepositionText.Tag = "0";  // a preposition shows its thing's slots
  tick("mannerTickBox");
  tick("mannerTickBox");
  click(form().optionButton(7));
  form().showModel();
  QCoreApplication::processEvents();
  for (const SlotInfo& info : kSlots) {
    SCOPED_TRACE(info.name);
    ui::SlotLabel* slot = label(info.name.data());
    ASSERT_TRUE(slot->isVisible());
    ASSERT_TRUE(tabTo(slot));
    if (info.kind == SlotKind::tense) {
      const std::string before = state().verbTenseText.Caption;
      press(Qt::Key_Space);
      EXPECT_NE(state().verbTenseText.Caption, before);
    } else if (info.kind == SlotKind::pronoun) {
      QString opened;
      onNextMenu([&opened](QWidget* menu) {
        opened = menu->objectName();
        QTest::keyClick(menu, Qt::Key_Escape);
      });
      press(Qt::Key_Return);
      EXPECT_EQ(opened.toStdString(),
                info.menu == PronounMenu::actor ? "PronounMenu_Actor" : "actedPronounMenu");
    } else {
      press(Qt::Key_Return);
      QWidget* picker = QApplication::activeWindow();
      ASSERT_NE(picker, &form());
      EXPECT_FALSE(form().isEnabled());
      QTest::keyClick(picker, Qt::Key_Escape);
      EXPECT_TRUE(form().isEnabled());
      ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }
  }
}

// Tab follows the motto: each section, its words and its links, then the
// options, the outputs and the buttons.
TEST_F(Keyboard, TabFollowsTheReadingOrder) {
  tick("actorTickBox");
  tick("actionTickBoc");
  form().showModel();
  std::vector<QWidget*> expected = {form().tickBox("actorTickBox"), label("actorPronounText"),
                                    label("actorAdjText"), label("actorNounText")};
  ASSERT_TRUE(tabTo(expected.front()));
  std::vector<QWidget*> seen = {expected.front()};
  for (int k = 0; k < 80 && seen.size() < 40; ++k) {
    press(Qt::Key_Tab);
    if (QApplication::focusWidget() == seen.front()) break;
    seen.push_back(QApplication::focusWidget());
  }
  auto position = [&seen](QWidget* w) {
    return static_cast<int>(std::find(seen.begin(), seen.end(), w) - seen.begin());
  };
  const QWidget* order[] = {form().tickBox("actorTickBox"),
                            label("actorPronounText"),
                            label("actorAdjText"),
                            label("actorNounText"),
                            form().tickBox("actionTickBoc"),
                            label("verbTenseText"),
                            form().checkBox("notButton"),
                            label("verbText"),
                            form().tickBox("mannerTickBox"),
                            form().checkBox("Check1"),
                            form().questionButton("whenIsItOption"),
                            form().finalLatinLabel(),
                            form().finalEnglishBox(),
                            form().button("Command3"),
                            form().button("printButton"),
                            form().button("Command2"),
                            form().button("Command1")};
  for (std::size_t k = 0; k + 1 < std::size(order); ++k) {
    const int a = position(const_cast<QWidget*>(order[k]));
    const int b = position(const_cast<QWidget*>(order[k + 1]));
    EXPECT_LT(a, static_cast<int>(seen.size())) << order[k]->objectName().toStdString();
    EXPECT_LT(a, b) << order[k]->objectName().toStdString() << " before "
                    << order[k + 1]->objectName().toStdString();
  }
}

TEST_F(Keyboard, PopUpMenusAnswerToFirstLettersAndArrows) {
  ui::KeyboardMenu menu;
  for (const char* caption : {"The (sing.)...", "They", "<other single>", "I", "It..."})
    menu.addAction(q(caption));
  menu.popup(QPoint(0, 0));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
  struct Step {
    Qt::Key key;
    const char* active;
  };
  const Step steps[] = {
      {Qt::Key_T, "The (sing.)..."},
      {Qt::Key_T, "They"},
      {Qt::Key_T, "The (sing.)..."},
      {Qt::Key_O, "<other single>"},
      {Qt::Key_I, "I"},
      {Qt::Key_I, "It..."},
      {Qt::Key_Up, "I"},
      {Qt::Key_X, "I"},  // no item: nothing moves
  };
  for (const Step& step : steps) {
    QTest::keyClick(&menu, step.key);
    ASSERT_NE(menu.activeAction(), nullptr);
    EXPECT_EQ(menu.activeAction()->text(), q(step.active)) << QTest::toString(step.key);
  }
  menu.close();
  EXPECT_EQ(ui::KeyboardMenu::initialOf(q("(plural)")), QChar('p'));
}

// Assistive technology hears what each control is and what it holds.
TEST_F(Keyboard, ControlsHaveNamesThatSayWhatTheyHold) {
  tick("actorTickBox");
  state().actorNounText = {"love", "17", true, 0};
  state().actorAdjText = {"(more good)", "3", true, 0};
  form().showModel();
  struct Case {
    QWidget* widget;
    const char* name;
  };
  const Case cases[] = {
      {label("actorNounText"), "First thing, noun: love"},
      {label("actorAdjText"), "First thing, adjective: more good"},
      {label("actorPronounText"), "First thing, pronoun: none"},
      {label("verbTenseText"), "The act, tense: do/does/dost/doth"},
      {form().button("printButton"), "Print Latin"},
      {form().button("Command1"), "Main menu"},
      {form().button("Command2"), "Examples"},
      {form().button("Command3"), "Reset all"},
      {form().optionButton(2), "Link of the first thing: of"},
      {form().checkBox("notButton"), "The act, negated: not"},
      {form().finalEnglishBox(), "Meaning in English"},
      {program->nounPicker->useWordButton(), "Use this word in motto"},
      {program->nounPicker->noWordButton(), "Use no word"},
  };
  for (const Case& c : cases) {
    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(c.widget);
    ASSERT_NE(about, nullptr) << c.name;
    EXPECT_EQ(about->text(QAccessible::Name), q(c.name));
  }
  EXPECT_TRUE(form().finalLatinLabel()->accessibleName().startsWith("Latin motto: "));
  // Every control of the window has a name.
  for (QWidget* w : form().findChildren<QWidget*>()) {
    if (!w->focusPolicy() || !w->isVisibleTo(&form())) continue;
    QAccessibleInterface* about = QAccessible::queryAccessibleInterface(w);
    if (!about) continue;
    EXPECT_FALSE(about->text(QAccessible::Name).isEmpty()) << w->objectName().toStdString();
  }
  for (const char* question :
       {"whenIsItOption", "whyOption", "isItThatOption", "notQuestionOption"})
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form().questionButton(question))->role(),
              QAccessible::RadioButton)
        << question;
}

// Ctrl+C copies the Latin wherever the keyboard is, unless the English box
// has text selected, which it copies itself.
TEST_F(Keyboard, CtrlCInTheEnglishBox) {
  form().timer()->stop();
  state().finalLatin = "amor vincit";
  state().finalEnglish = "Love conquers.";
  form().showModel();
  QTextEdit* english = form().finalEnglishBox();
  english->setFocus();
  QGuiApplication::clipboard()->clear();
  press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), q("amor vincit"));
  english->selectAll();
  press(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), q("Love conquers."));
}

}  // namespace
}  // namespace lexorra::testing
