// Motto-file tests' common ground: a folder of their own, a motto that uses
// every kind of line, and the motto as text to see whether anything changed.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editor/menus.h"
#include "editor/motto_file.h"
#include "editor/options.h"
#include "hand_lexicon.h"
#include "motto_states.h"
#include "scratch_folder.h"

namespace lexorra::editortest {

using M = MottoState;
using namespace lexorra::testing;
namespace fs = std::filesystem;

// Every field of the motto as text, to see whether anything changed.
inline std::string everything(const MottoState& s) {
  std::string out;
  for (const SlotInfo& info : kSlots) {
    const WordSlot& slot = s.*info.slot;
    out += std::string(info.name) + "=" + slot.Caption + "|" + slot.Tag + "|" +
           (slot.Visible ? "v" : "h") + "\n";
  }
  for (int n = 1; n <= 9; ++n)
    out += std::to_string((s.*linkOption(n)).Value) + std::to_string((s.*linkOption(n)).Visible);
  for (const TickBox* t : {&s.actorTickBox, &s.actionTickBoc, &s.actedTickBox, &s.mannerTickBox})
    out += " t" + std::to_string(t->Value) + std::to_string(t->Enabled);
  for (const CheckBox* c :
       {&s.Check1, &s.isCheckBox, &s.wordOrderBox, &s.femaleBox, &s.youFemaleBox, &s.notButton})
    out += " c" + std::to_string(c->Value) + std::to_string(c->Visible);
  out += " f" + std::to_string(s.Frame2.Visible) + std::to_string(s.Frame4.Visible) +
         std::to_string(s.Frame3.Visible);
  out += " q" + std::to_string(s.whenIsItOption) + std::to_string(s.whyOption) +
         std::to_string(s.isItThatOption) + std::to_string(s.notQuestionOption);
  return out + "\n" + s.finalLatin + "\n" + s.finalEnglish;
}

inline std::string joinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// A motto file whose line `line` reads `text`, and what refusing it says.
struct Refusal {
  std::size_t line;
  std::string text;
  std::string reason;            // part of the message
  std::size_t reportedLine = 0;  // when not the changed line
};

class MottoFileTest : public ScratchFolderTest {
 protected:
  // The motto file of `refusal` is refused, naming the file, the reported
  // line (the changed line when 0) and the reason, with no line quoted longer
  // than 80 characters; the motto stays as it was.
  void expectRefused(const Refusal& refusal) {
    const auto& [line, text, reason, reportedLine] = refusal;
    std::vector<std::string> lines = mottoFileLines(MottoState{});
    lines[line - 1] = text;
    writeFile("bad", joinLines(lines));
    MottoState s = richMotto();
    const std::string before = everything(s);
    try {
      loadExample(s, lexicon_, folder_, "bad");
      ADD_FAILURE() << "accepted line " << line << " " << text;
    } catch (const MottoFileError& e) {
      EXPECT_EQ(e.file(), "bad");
      EXPECT_EQ(e.reason().find(std::string(81, 'x')), std::string::npos) << "uncut";
      EXPECT_EQ(e.line(), reportedLine ? reportedLine : line) << e.what();
      EXPECT_NE(e.reason().find(reason), std::string::npos) << e.what();
    }
    EXPECT_EQ(everything(s), before) << "line " << line;
  }

  // A motto that uses every kind of line: sections, links, pronouns, words.
  MottoState richMotto() {
    MottoState s = allSectionsTicked();
    s.actorPronounText.Tag = kInflux;
    choosePronoun(s, PronounMenu::actor, *findPronounMenuItem(PronounMenu::actor, "the_option"));
    s.actorNounText.Tag = tag(kMetus);
    s.actorAdjText = {"(most good)", tag(kBonus), true, 0};
    selectOption(s, 1);
    s.secondActorPronoun.Tag = kInflux;
    choosePronoun(s, PronounMenu::actor, *findPronounMenuItem(PronounMenu::actor, "i_option"));
    s.verbText.Tag = "1";
    s.verbTenseText.Caption = "will have";
    s.actedPronounText.Tag = kInflux;
    choosePronoun(s, PronounMenu::acted, *findPronounMenuItem(PronounMenu::acted, "she_acted"));
    selectOption(s, 5);
    s.secondActedNounText.Tag = tag(kAmor);
    s.adVerbText = {"always", tag(kSemper), true, 0};
    s.prepositionText = {"without", tag(kSine), true, 0};
    s.prepositionNounText = {"fear", tag(kMetus), true, 0};
    selectOption(s, 8);
    s.secondPrepositionAdjText.Tag = "0";
    s.isCheckBox.Value = 1;
    s.femaleBox.Value = 1;
    s.notButton.Value = 1;
    s.Check1.Value = 0;
    s.prepositionAdjText.Visible = false;  // visibility the operations would not give
    s.Option2.Visible = true;
    s.Option9.Visible = true;
    return s;
  }

  Lexicon lexicon_ = smallLexicon();
};

}  // namespace lexorra::editortest
