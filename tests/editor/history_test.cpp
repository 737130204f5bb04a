// Undo and redo on the motto record.
#include "editor/history.h"

#include <gtest/gtest.h>

#include <functional>

#include "editor/menus.h"
#include "editor/motto_file.h"
#include "editor/options.h"
#include "motto_states.h"

namespace lexorra {
namespace {

using editortest::enabledMotto;
using M = MottoState;

// Runs `act` on `state` as the window does: one step per act.
void act(MottoHistory& history, MottoState& state, const std::function<void(MottoState&)>& f) {
  const MottoState before = state;
  f(state);
  history.record(before, state);
}

void choose(MottoState& s, PronounMenu menu, WordSlot M::*slot, std::string_view item) {
  (s.*slot).Tag = kInflux;
  choosePronoun(s, menu, *findPronounMenuItem(menu, item));
}

TEST(History, EveryKindOfActIsUndoneAndRedoneWhole) {
  struct Case {
    const char* name;
    std::function<void(MottoState&)> change;
  };
  const Case cases[] = {
      {"tick a section", [](MottoState& s) { setTickBox(s, &M::mannerTickBox, 1); }},
      {"a link", [](MottoState& s) { selectOption(s, 1); }},
      {"a pronoun",
       [](MottoState& s) { choose(s, PronounMenu::actor, &M::actorPronounText, "he_option"); }},
      {"the tense", [](MottoState& s) { verbTenseText_Click(s); }},
      {"a Latin option", [](MottoState& s) { s.wordOrderBox.Value = 1; }},
      {"a question", [](MottoState& s) { selectQuestion(s, &M::whyOption); }},
      {"a word from a picker",
       [](MottoState& s) {
         s.actorNounText = {"love", "17", true, 0};
       }},
      {"reset all", [](MottoState& s) { resetTheForm(s); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MottoHistory history;
    MottoState s = enabledMotto();
    setTickBox(s, &M::actorTickBox, 1);
    setTickBox(s, &M::actionTickBoc, 1);
    s.verbTenseText.Caption = "will";
    s.finalLatin = "before";
    const MottoState before = s;
    act(history, s, c.change);
    ASSERT_FALSE(sameMotto(s, before)) << "the act changed nothing";
    s.finalLatin = "after";
    const MottoState after = s;
    ASSERT_TRUE(history.undo(s));
    EXPECT_TRUE(sameMotto(s, before));
    EXPECT_EQ(s.finalLatin, "before");  // the outputs shown for that motto
    EXPECT_FALSE(history.canUndo());
    ASSERT_TRUE(history.redo(s));
    EXPECT_TRUE(sameMotto(s, after));
    EXPECT_FALSE(history.canRedo());
  }
}

TEST(History, AnActThatChangesNothingIsNoStep) {
  MottoHistory history;
  MottoState s = enabledMotto();
  act(history, s, [](MottoState& m) { selectOption(m, 3); });  // already selected
  act(history, s, [](MottoState& m) { m.finalLatin = "rendered"; });
  act(history, s, [](MottoState& m) { m.actorNounText.BorderStyle = 1; });
  EXPECT_FALSE(history.canUndo());
}

TEST(History, KeepsTheLastStepsAndANewActForgetsTheRedo) {
  MottoHistory history;
  MottoState s = enabledMotto();
  setTickBox(s, &M::actorTickBox, 1);
  setTickBox(s, &M::actionTickBoc, 1);
  std::vector<std::string> tenses;
  for (std::size_t k = 0; k < kUndoSteps + 50; ++k) {
    tenses.push_back(s.verbTenseText.Caption);
    act(history, s, verbTenseText_Click);
  }
  EXPECT_EQ(history.undoCount(), kUndoSteps);
  EXPECT_GE(kUndoSteps, 100u);
  for (std::size_t k = 0; k < kUndoSteps; ++k) ASSERT_TRUE(history.undo(s));
  EXPECT_FALSE(history.undo(s));
  EXPECT_EQ(s.verbTenseText.Caption, tenses[50]);  // the oldest steps are forgotten

  ASSERT_TRUE(history.redo(s));
  act(history, s, [](MottoState& m) { m.femaleBox.Value = 1; });
  EXPECT_FALSE(history.canRedo());
  ASSERT_TRUE(history.undo(s));
  EXPECT_EQ(s.femaleBox.Value, 0);
  EXPECT_EQ(s.verbTenseText.Caption, tenses[51]);
}

// Undo belongs to an enabled window: a picker visit is never undone halfway,
// and what belongs to the window stays as it is.
TEST(History, UndoKeepsTheWindowsOwnState) {
  MottoHistory history;
  MottoState s = enabledMotto();
  act(history, s, [](MottoState& m) { setTickBox(m, &M::actorTickBox, 1); });
  s.Enabled = false;
  EXPECT_FALSE(history.undo(s));
  EXPECT_EQ(s.actorTickBox.Value, 1);
  s.Enabled = true;
  s.finalLatinFont = "high tower text";
  s.actorNounText.BorderStyle = 1;
  ASSERT_TRUE(history.undo(s));
  EXPECT_EQ(s.actorTickBox.Value, 0);
  EXPECT_TRUE(s.Enabled);
  EXPECT_EQ(s.finalLatinFont, "high tower text");
  EXPECT_EQ(s.actorNounText.BorderStyle, 1);
  s.Enabled = false;
  EXPECT_FALSE(history.redo(s));
}

TEST(History, SameMottoLooksAtTheMottoOnly) {
  MottoState a = enabledMotto();
  MottoState b;
  b.finalEnglish = "other";
  b.finalLatinFont = "informal roman";
  b.verbText.BorderStyle = 1;
  EXPECT_TRUE(sameMotto(a, b));
  for (const std::function<void(MottoState&)>& change :
       std::initializer_list<std::function<void(MottoState&)>>{
           [](MottoState& m) { m.verbText.Tag = "3"; },
           [](MottoState& m) { m.verbText.Visible = true; },
           [](MottoState& m) { m.Option5.Visible = true; },
           [](MottoState& m) { m.Frame3.Visible = true; },
           [](MottoState& m) { m.actedTickBox.Enabled = true; },
           [](MottoState& m) { m.notButton.Visible = true; },
           [](MottoState& m) { m.isItThatOption = true; }}) {
    MottoState c = a;
    change(c);
    EXPECT_FALSE(sameMotto(a, c));
  }
}

}  // namespace
}  // namespace lexorra
