#include "example_builder.h"

#include <utility>
#include <vector>

#include "editor/menus.h"
#include "editor/motto_file.h"
#include "editor/options.h"
#include "text/textops.h"

namespace lexorra::examples {

namespace {

using M = MottoState;

std::vector<std::string_view> formsOf(std::string_view form) {
  std::vector<std::string_view> parts;
  while (!form.empty()) {
    std::size_t comma = form.find(',');
    parts.push_back(text::trimSpaces(form.substr(0, comma)));
    form = comma == std::string_view::npos ? std::string_view{} : form.substr(comma + 1);
  }
  return parts;
}

// The lexicon table of each kind of word an example names.
constexpr std::pair<SlotKind, Table> kWordTables[] = {
    {SlotKind::noun, Table::noun},
    {SlotKind::verb, Table::verb},
    {SlotKind::adjective, Table::adjective},
    {SlotKind::adverb, Table::adverb},
    {SlotKind::preposition, Table::preposition},
};

Table tableOf(SlotKind kind) {
  for (auto [slotKind, table] : kWordTables)
    if (slotKind == kind) return table;
  throw ExampleError("a word of no lexicon table");
}

// The fields of a line that hold the dictionary forms, in the order they are
// written: nouns nominative and genitive singular, verbs first person and
// infinitive, adjectives the masculine, feminine and neuter nominative.
std::vector<std::size_t> formFields(SlotKind kind, std::size_t count) {
  switch (kind) {
    case SlotKind::noun:
    case SlotKind::verb:
      return {0, 1};
    case SlotKind::adjective:
      if (count == 3) return {0, 12, 24};
      if (count == 2) return {0, 24};
      return {0};
    default:
      return {0};
  }
}

bool matches(const Lexicon& lexicon, const Word& word, std::size_t position) {
  Table table = tableOf(word.kind);
  std::string_view line = lexicon.line(table, position);
  std::vector<std::string_view> forms = formsOf(word.form);
  std::vector<std::size_t> fields = formFields(word.kind, forms.size());
  if (forms.size() != fields.size()) return false;
  for (std::size_t i = 0; i < forms.size(); ++i)
    if (text::fieldAt(line, fields[i]) != forms[i]) return false;
  if (!word.governedCase.empty() && text::fieldAt(line, 4) != word.governedCase) return false;
  if (!word.hint.empty() &&
      !text::contains(lexicon.entryGloss(tableInfo(table).kind, position), word.hint))
    return false;
  return true;
}

bool given(const Word& word) {
  return word.kind != SlotKind::tense;
}
bool given(const Thing& thing) {
  return !thing.pronoun.empty() || given(thing.noun) || given(thing.adjective);
}

class Builder {
 public:
  Builder(const Lexicon& lexicon, MottoState& state) : lexicon_(lexicon), state_(state) {}

  void place(WordSlot M::*slot, const Word& word) {
    if (!given(word)) return;
    std::size_t index = findWord(lexicon_, word);
    WordSlot& target = state_.*slot;
    target.Tag = std::to_string(index);
    std::string headword(lexicon_.englishHeadword(tableInfo(tableOf(word.kind)).kind, index));
    // The adjective picker shows the degree with the word: "( good)".
    target.Caption = word.kind == SlotKind::adjective ? "( " + headword + ")" : headword;
  }

  void place(const ThingInfo& slots, const Thing& thing) {
    if (!thing.pronoun.empty()) {
      const PronounMenuItem* item = findPronounMenuItem(slots.menu, thing.pronoun);
      if (!item)
        throw ExampleError("no item \"" + std::string(thing.pronoun) + "\" in " +
                           std::string(pronounMenuName(slots.menu)));
      (state_.*slots.pronoun).Tag = kInflux;
      choosePronoun(state_, slots.menu, *item);
    }
    place(slots.noun, thing.noun);
    place(slots.adjective, thing.adjective);
  }

  // Links `linked` to the thing `id` by "and" or "of".
  void link(ThingId id, Link link, const Thing& linked) {
    if (link == Link::none) return;
    selectOption(state_, linkGroupOf(id).firstOption + (link == Link::ofLink ? 1 : 0));
    place(linkedThing(id), linked);
  }

  void setTense(std::string_view tense) {
    for (std::size_t clicks = 0; state_.verbTenseText.Caption != tense; ++clicks) {
      if (clicks == kTensePhrases.size())
        throw ExampleError("\"" + std::string(tense) + "\" is not a tense phrase");
      verbTenseText_Click(state_);
    }
  }

 private:
  const Lexicon& lexicon_;
  MottoState& state_;
};

}  // namespace

std::size_t findWord(const Lexicon& lexicon, const Word& word) {
  Table table = tableOf(word.kind);
  for (std::size_t position = 0; position < lexicon.capacity(table); ++position)
    if (matches(lexicon, word, position)) return position;
  std::string what = std::string(tableInfo(table).kind) + " \"" + std::string(word.form) + "\"";
  if (!word.governedCase.empty()) what += " with " + std::string(word.governedCase);
  if (!word.hint.empty()) what += " meaning \"" + std::string(word.hint) + "\"";
  throw ExampleError("no " + what + " in " + std::string(tableInfo(table).fileName));
}

MottoState buildExample(const Lexicon& lexicon, const ExampleDescription& example) {
  MottoState state;
  state.Enabled = true;
  resetTheForm(state);
  Builder builder(lexicon, state);

  if (given(example.first)) {
    setTickBox(state, &M::actorTickBox, 1);
    builder.place(thing(ThingId::first), example.first);
    builder.link(ThingId::first, example.firstLink, example.firstLinked);
  }
  if (given(example.verb) || example.negated || given(example.second)) {
    if (state.actorTickBox.Value == 0)
      throw ExampleError(std::string(example.fileName) + ": the act needs a first thing");
    setTickBox(state, &M::actionTickBoc, 1);
    builder.place(&M::verbText, example.verb);
    builder.setTense(example.tense);
    state.notButton.Value = example.negated ? 1 : 0;
  }
  if (given(example.second)) {
    setTickBox(state, &M::actedTickBox, 1);
    builder.place(thing(ThingId::second), example.second);
    builder.link(ThingId::second, example.secondLink, example.secondLinked);
  }
  if (given(example.adverb) || given(example.preposition)) {
    // The preposition picker shows the prepositional slots; choosing the
    // preposition before ticking the section does the same.
    builder.place(&M::prepositionText, example.preposition);
    setTickBox(state, &M::mannerTickBox, 1);
    builder.place(&M::adVerbText, example.adverb);
    builder.place(thing(ThingId::prepositional), example.prepositionThing);
    builder.link(ThingId::prepositional, example.prepositionLink, example.prepositionLinked);
  }
  state.Check1.Value = example.includePronouns ? 1 : 0;
  state.isCheckBox.Value = example.includeAllBe ? 1 : 0;
  state.wordOrderBox.Value = example.alternativeOrder ? 1 : 0;
  state.femaleBox.Value = example.speakerFemale ? 1 : 0;
  state.youFemaleBox.Value = example.youFemale ? 1 : 0;

  // The link options that the window shows for nouns on screen: the refresh
  // shows those of the first thing and of the preposition's noun, a click on
  // the second thing's noun those of the second thing.
  auto showGroup = [&](int first, bool visible) {
    for (int n = first; n < first + 3; ++n) (state.*linkOption(n)).Visible |= visible;
  };
  showGroup(1, state.actorNounText.Visible);
  showGroup(4, given(example.second.noun));
  showGroup(7, state.prepositionNounText.Visible);
  return state;
}

}  // namespace lexorra::examples
