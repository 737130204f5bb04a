#include "editor/motto_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "motto_file_fixture.h"

namespace lexorra::editortest {
namespace {

TEST_F(MottoFileTest, ResetEmptiesAndHidesEverything) {
  MottoState s = richMotto();
  s.verbTenseText.Caption = "should";
  selectQuestion(s, &M::whyOption);
  resetTheForm(s);
  for (const SlotInfo& info : kSlots) {
    const WordSlot& slot = s.*info.slot;
    EXPECT_EQ(slot.Tag, "blank") << info.name;
    std::string_view caption = info.slot == &M::verbText        ? ""
                               : info.slot == &M::verbTenseText ? "do/does/dost/doth"
                                                                : "()";
    EXPECT_EQ(slot.Caption, caption) << info.name;
    // Unticking the four sections hides every slot.
    EXPECT_FALSE(slot.Visible) << info.name;
  }
  EXPECT_TRUE(s.Option3.Value && s.Option6.Value && s.Option9.Value);
  EXPECT_FALSE(s.Option1.Value || s.Option5.Value || s.Option8.Value);
  EXPECT_EQ(
      s.actorTickBox.Value + s.actionTickBoc.Value + s.actedTickBox.Value + s.mannerTickBox.Value,
      0);
  EXPECT_FALSE(s.actionTickBoc.Enabled);
  EXPECT_FALSE(s.actedTickBox.Enabled);
  EXPECT_EQ(s.Check1.Value, 1);
  EXPECT_EQ(s.isCheckBox.Value + s.femaleBox.Value + s.notButton.Value, 0);
  EXPECT_FALSE(s.notButton.Visible);
  EXPECT_TRUE(s.notQuestionOption);
  EXPECT_FALSE(s.whyOption);
  EXPECT_FALSE(s.Frame2.Visible || s.Frame3.Visible || s.Frame4.Visible);
}

TEST_F(MottoFileTest, SaveAndLoadRestoreTheMotto) {
  MottoState saved = richMotto();
  writeMottoFile(saved, folder_ / "motto");

  MottoState loaded = enabledMotto();
  loadMottoFile(loaded, lexicon_, folder_ / "motto");

  for (const SlotInfo& info : kSlots) {
    const WordSlot& a = saved.*info.slot;
    const WordSlot& b = loaded.*info.slot;
    EXPECT_EQ(a.Visible, b.Visible) << info.name;
    if (info.kind == SlotKind::pronoun || info.kind == SlotKind::tense)
      EXPECT_EQ(a.Caption, b.Caption) << info.name;
    else
      EXPECT_EQ(a.Tag, b.Tag) << info.name;
  }
  // An adjective comes back with its comparison, the others as bare headwords.
  EXPECT_EQ(loaded.actorAdjText.Caption, "(most good)");
  EXPECT_EQ(loaded.secondPrepositionAdjText.Caption, "my");
  EXPECT_EQ(loaded.adVerbText.Caption, "always");
  EXPECT_EQ(loaded.prepositionText.Caption, "without");
  EXPECT_EQ(loaded.actorNounText.Caption, "()");  // the refresh captions nouns
  for (int n = 1; n <= 9; ++n) {
    EXPECT_EQ((saved.*linkOption(n)).Value, (loaded.*linkOption(n)).Value) << n;
    EXPECT_EQ((saved.*linkOption(n)).Visible, (loaded.*linkOption(n)).Visible) << n;
  }
  for (TickBox M::*t : {&M::actorTickBox, &M::actionTickBoc, &M::actedTickBox, &M::mannerTickBox}) {
    EXPECT_EQ((saved.*t).Value, (loaded.*t).Value);
    EXPECT_EQ((saved.*t).Enabled, (loaded.*t).Enabled);
  }
  for (CheckBox M::*c : {&M::Check1, &M::isCheckBox, &M::wordOrderBox, &M::femaleBox,
                         &M::youFemaleBox, &M::notButton})
    EXPECT_EQ((saved.*c).Value, (loaded.*c).Value);
  EXPECT_TRUE(loaded.notButton.Visible);
  EXPECT_TRUE(loaded.Frame2.Visible && loaded.Frame3.Visible && loaded.Frame4.Visible);
  // Writing the loaded motto again gives the same file.
  EXPECT_EQ(mottoFileLines(loaded), mottoFileLines(saved));
}

TEST_F(MottoFileTest, FileLayout) {
  std::vector<std::string> lines = mottoFileLines(richMotto());
  ASSERT_EQ(lines.size(), 88u);
  EXPECT_EQ(mottoFileLines(richMotto(), MottoFileFormat::lines81),
            std::vector<std::string>(lines.begin(), lines.begin() + 81));
  // A pronoun caption, a tag, the tense, Option1, actorTickBox, Check1.
  for (auto [line, text] : {std::pair{2, "The (single)"},
                            {3, "5"},  // kBonus
                            {14, "will have"},
                            {23, "True"},
                            {32, " 1 "},
                            {36, " 0 "},
                            {82, "notQuestionOption"},
                            {83, " 2 "},  // actorAdjText "(most good)"
                            {88, " 0 "}})
    EXPECT_EQ(lines[line - 1], text) << "line " << line;
  writeMottoFile(richMotto(), folder_ / "motto");
  std::ifstream in(folder_ / "motto", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), joinLines(lines));
}

TEST_F(MottoFileTest, ReaderIsLenient) {
  struct Case {
    std::size_t line;
    std::string text;
    bool optionVisible;  // Option1.Visible after loading
  };
  // Line 73 is the visibility of Option1 that wins.
  const Case cases[] = {{73, "true", true},   {73, "TRUE", true}, {73, "False", false},
                        {73, "fAlSe", false}, {73, " 1 ", true},  {73, "-1", true},
                        {73, "0", false},     {73, "  0", false}, {73, "7", true}};
  for (const Case& c : cases) {
    std::vector<std::string> lines = mottoFileLines(MottoState{});
    lines[c.line - 1] = c.text;
    MottoState s;
    applyMottoFile(s, lexicon_, parseMottoFile(joinLines(lines), lexicon_, "f"));
    EXPECT_EQ(s.Option1.Visible, c.optionVisible) << c.text;
  }
  // Spaces around numbers, lone line feeds, and the check boxes' word forms.
  std::vector<std::string> lines = mottoFileLines(MottoState{});
  lines[0] = " 1 ";
  lines[31] = "1";
  lines[35] = "True";
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  MottoState s;
  applyMottoFile(s, lexicon_, parseMottoFile(text + "\n\n", lexicon_, "f"));
  EXPECT_EQ(s.actorNounText.Tag, "1");
  EXPECT_EQ(s.actorTickBox.Value, 1);
  EXPECT_EQ(s.Check1.Value, 1);
}

TEST_F(MottoFileTest, BadLinesAreRejectedWithFileLineAndReason) {
  const Refusal cases[] = {
      {1, "abc", "actorNounText must be \"blank\" or a noun index"},
      {1, "-1", "noun index"},
      {1, "1.5", "noun index"},
      {1, "influx", "noun index"},
      {1, "19491", "outside the lexicon"},
      {3, "abc", "actorAdjText must be \"blank\" or an adjective index"},
      {15, "x", "adVerbText must be \"blank\" or an adverb index"},
      {1, std::string(200, 'x'), "not \"" + std::string(80, 'x') + "...\""},
      {1, "15", "is not a word of nouns.dat"},  // past the file's end
      {1, "19490", "is not a word of nouns.dat"},
      {3, "11", "is not a word of adjectives.dat"},
      {13, "7546", "is not a word of verbs.dat"},
      {16, "8", "is not a word of prepositions.dat"},
      {2, "him", "is not a choice of the Pronouns menu"},
      {5, "A", "is not a choice of the Pronouns menu"},  // "A" is the first slot's
      {8, "The (single)", "ActedPronouns"},
      {20, "Her", "ActedPronouns"},
      {14, "shall", "is not one of the tense phrases"},
      {14, "Will", "is not one of the tense phrases"},
      {23, "yes", "Option1 must be \"True\" or \"False\""},
      {32, "2", "actorTickBox must be 0 or 1"},
      {41, "", "notButton must be 0 or 1"},
      {33, " 1 ", "The Act is ticked but The first thing(s) is not"},
      {55, "maybe", "visibility of secondActorPronoun"},
      {81, "", "visibility of Option9"},
  };
  for (const Refusal& c : cases) expectRefused(c);
}

TEST_F(MottoFileTest, LinkOptionsAreSelectedInFileOrder) {
  std::vector<std::string> lines = mottoFileLines(MottoState{});
  lines[22] = "True";   // Option1, with Option3 also true: the later one wins
  lines[27] = "False";  // Option6, and no other option of its group: the reset's stays
  std::string text = joinLines(lines);
  text.pop_back();  // cut off between the CR and the LF of the last line
  writeFile("options", text);
  MottoState s;
  loadExample(s, lexicon_, folder_, "options");
  EXPECT_FALSE(s.Option1.Value);
  EXPECT_TRUE(s.Option3.Value);
  EXPECT_TRUE(s.Option6.Value);
}

TEST_F(MottoFileTest, OnlyRegularFilesAreRead) {
  // A pipe would block the window for ever.
  ASSERT_EQ(::mkfifo((folder_ / "pipe").c_str(), 0600), 0);
  MottoState s = richMotto();
  std::string before = everything(s);
  try {
    loadExample(s, lexicon_, folder_, "pipe");
    ADD_FAILURE() << "a pipe was read";
  } catch (const MottoFileError& e) {
    EXPECT_NE(e.reason().find("not a regular file"), std::string::npos) << e.what();
  }
  EXPECT_EQ(everything(s), before);
}

TEST_F(MottoFileTest, BrokenFilesLeaveTheMottoAlone) {
  std::vector<std::string> lines = mottoFileLines(MottoState{});
  struct Case {
    std::string name;
    std::string text;
    std::size_t line;
    std::string_view reason;
  };
  const Case cases[] = {
      {"empty", "", 0, "is empty"},
      {"short", joinLines({lines.begin(), lines.begin() + 40}), 41, "the file ends after 40"},
      {"long", joinLines(lines) + "extra\r\n", 89, "one too many"},
      {"81 and one", joinLines({lines.begin(), lines.begin() + 82}), 83, "ends after 82 lines"},
      {"one line", "blank\r\n", 2, "the file ends after 1 line;"},
  };
  for (const Case& c : cases) {
    writeFile(c.name, c.text);
    MottoState s = richMotto();
    std::string before = everything(s);
    try {
      loadExample(s, lexicon_, folder_, c.name);
      ADD_FAILURE() << c.name;
    } catch (const MottoFileError& e) {
      EXPECT_EQ(e.line(), c.line) << e.what();
      EXPECT_NE(e.reason().find(c.reason), std::string::npos) << e.what();
    }
    EXPECT_EQ(everything(s), before) << c.name;
  }

  MottoState s = richMotto();
  std::string before = everything(s);
  EXPECT_THROW(loadButton_Click(s, lexicon_, folder_), MottoFileError);  // no save.txt
  EXPECT_THROW(loadExample(s, lexicon_, folder_, ""), MottoFileError);   // the folder
  writeFile("huge", std::string(100000, 'x'));
  EXPECT_THROW(loadExample(s, lexicon_, folder_, "huge"), MottoFileError);
  EXPECT_EQ(everything(s), before);
}

TEST_F(MottoFileTest, LoadingRebuildsFromAReset) {
  // Every slot hidden, the first thing and the manner ticked: the sections
  // are ticked, but the visibility lines have the last word.
  std::vector<std::string> lines = mottoFileLines(MottoState{});
  lines[31] = " 1 ";
  lines[33] = " 1 ";
  lines[41] = "True";  // Option1 visible, then hidden by the later block
  lines[80] = "True";  // Option9 visible in the later block only
  MottoState s = richMotto();
  applyMottoFile(s, lexicon_, parseMottoFile(joinLines(lines), lexicon_, "f"));
  for (const SlotInfo& info : kSlots) {
    EXPECT_FALSE((s.*info.slot).Visible) << info.name;
    EXPECT_EQ((s.*info.slot).Caption, info.slot == &M::verbText        ? ""
                                      : info.slot == &M::verbTenseText ? "do/does/dost/doth"
                                                                       : "()");
  }
  EXPECT_EQ(s.actorTickBox.Value, 1);
  EXPECT_EQ(s.mannerTickBox.Value, 1);
  EXPECT_EQ(s.actionTickBoc.Value, 0);
  EXPECT_TRUE(s.actionTickBoc.Enabled);
  EXPECT_TRUE(s.Frame2.Visible && s.Frame3.Visible);
  EXPECT_FALSE(s.Option1.Visible);
  EXPECT_TRUE(s.Option9.Visible);
  EXPECT_EQ(s.isCheckBox.Value, 0);
}

TEST_F(MottoFileTest, SaveNamesTheFileAfterTheMeaning) {
  struct Case {
    std::string_view english;
    std::string_view name;
  };
  const Case cases[] = {
      {"Dog eat/consume/devours dog", "Ex_Dog_eatconsumedevours_dog"},
      {"Why is it that you love me?", "Ex_Why_is_it_that_you_love_me?"},
      {" Love conquers every things! ", "Ex__Love_conquers_every_things_"},
      {"No. 1", "Ex_No_1"},
      {"", "Ex_"},
  };
  for (const Case& c : cases) EXPECT_EQ(savedFileName(c.english), c.name);

  MottoState s = richMotto();
  s.finalEnglish = "I will love you always.";
  writeFile("Ex_I_will_love_you_always", "an older file\r\n");
  fs::path path = saveButton_Click(s, folder_);
  EXPECT_EQ(path, folder_ / "Ex_I_will_love_you_always");
  MottoState loaded;
  loadMottoFile(loaded, lexicon_, path);
  EXPECT_EQ(mottoFileLines(loaded), mottoFileLines(s));
  // Nothing but the saved file is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(MottoFileTest, RefusedNameWritesNothing) {
  MottoState s = richMotto();
  s.finalEnglish = std::string(300, 'a');  // longer than a file name may be
  try {
    saveButton_Click(s, folder_);
    ADD_FAILURE() << "a 303-character name was accepted";
  } catch (const MottoFileError& e) {
    EXPECT_NE(e.reason().find("cannot be saved under this name"), std::string::npos) << e.what();
  }
  EXPECT_THROW(writeMottoFile(s, folder_ / "no-such-folder" / "motto"), MottoFileError);
  EXPECT_TRUE(fs::is_empty(folder_));
}

}  // namespace
}  // namespace lexorra::editortest
