// The search pickers' result list, search box, preview and comparison choice,
// and the model half of choosing a word.
#include "pickers/search_picker.h"

#include <algorithm>

#include "pickers/mapped_search.h"
#include "pickers/spelling.h"
#include "text/textops.h"

namespace lexorra {

namespace {

// The Latin form each picker shows in its rows: nominative singular noun,
// present active infinitive, nominative singular masculine positive
// adjective, the adverb.
std::string nounLatin(const Lexicon& lexicon, std::size_t index) {
  return std::string(lexicon.nounForm(index, Case::nominative, Number::singular));
}
std::string verbLatin(const Lexicon& lexicon, std::size_t index) {
  return lexicon.verbForm(index, {});
}
std::string adjectiveLatin(const Lexicon& lexicon, std::size_t index) {
  return std::string(lexicon.adjectiveForm(index, Case::nominative, Number::singular,
                                           Gender::masculine, Degree::positive));
}
std::string adverbLatin(const Lexicon& lexicon, std::size_t index) {
  return std::string(lexicon.adverbForm(index));
}

// The noun or adjective slot of each thing, in the things' order; a word
// chosen for one of the two `framed` things shows its link group's frame.
constexpr std::array<ServedSlot, kThings.size()> thingSlots(WordSlot MottoState::*ThingInfo::*slot,
                                                            ThingId framedA, ThingId framedB) {
  std::array<ServedSlot, kThings.size()> served{};
  for (std::size_t i = 0; i < kThings.size(); ++i) {
    const ThingInfo& t = kThings[i];
    const bool framed = t.id == framedA || t.id == framedB;
    served[i] = {t.*slot, framed ? kLinkGroups[t.linkGroup].frame : nullptr};
  }
  return served;
}

constexpr auto kNounSlots = thingSlots(&ThingInfo::noun, ThingId::first, ThingId::prepositional);
constexpr ServedSlot kVerbSlots[] = {{&MottoState::verbText}};
constexpr auto kAdjectiveSlots = thingSlots(&ThingInfo::adjective, ThingId::first, ThingId::second);
constexpr ServedSlot kAdverbSlots[] = {{&MottoState::adVerbText}};

}  // namespace

const std::array<SearchPickerConfig, 4> kSearchPickers = {{
    {
        .name = "nounPicker",
        .caption = "Nouns",
        .kind = "noun",
        .latinForm = nounLatin,
        .latinColumn = 20,
        .trimmedFormLength = true,
        .preview = PreviewRule::latinOfRow,
        .refillEmptiesPreview = true,
        .changeHidesHintFirst = false,
        .rowSelectedWhenLeft = 1,
        .hasComparison = false,
        .hint = "Search for a noun(thing, object, or stuff) using the singular form.",
        .served = kNounSlots,
        .chooseRender = RenderStep::sentences,
        .noWordOnlyInflux = true,
        .noWordCaption = "",
        .noWordShowsFrames = true,
        .noWordOrder = CloseOrder::enableThenHide,
        .noWordRender = RenderStep::sentences,
    },
    {
        .name = "verbPicker",
        .caption = "Verbs",
        .kind = "verb",
        .latinForm = verbLatin,
        .latinColumn = 20,
        .trimmedFormLength = true,
        .preview = PreviewRule::latinOfRow,
        .refillEmptiesPreview = true,
        .changeHidesHintFirst = false,
        .rowSelectedWhenLeft = 0,
        .hasComparison = false,
        .hint = "Search for a verb(a deed, action, something that happens) ",
        .served = kVerbSlots,
        .chooseRender = RenderStep::sentencesThenCaptions,
        .noWordOnlyInflux = false,
        .noWordCaption = "",
        .noWordShowsFrames = false,
        .noWordOrder = CloseOrder::enableThenHide,
        .noWordRender = RenderStep::none,
    },
    {
        .name = "adjPicker",
        .caption = "Adjectives",
        .kind = "adjective",
        .latinForm = adjectiveLatin,
        .latinColumn = 30,
        .trimmedFormLength = false,
        .preview = PreviewRule::neuterAdjective,
        .refillEmptiesPreview = false,
        .changeHidesHintFirst = true,
        .rowSelectedWhenLeft = 0,
        .hasComparison = true,
        .hint = "Search for an adjective(describes what a thing is like)",
        .served = kAdjectiveSlots,
        .chooseRender = RenderStep::none,
        .noWordOnlyInflux = true,
        .noWordCaption = "()",
        .noWordShowsFrames = false,
        .noWordOrder = CloseOrder::enableThenHide,
        .noWordRender = RenderStep::none,
    },
    {
        .name = "adverbPicker",
        .caption = "Adverbs",
        .kind = "adverb",
        .latinForm = adverbLatin,
        .latinColumn = 20,
        .trimmedFormLength = true,
        .preview = PreviewRule::latinOfRow,
        .refillEmptiesPreview = true,
        .changeHidesHintFirst = false,
        .rowSelectedWhenLeft = 0,
        .hasComparison = false,
        .hint = "Search for an adverb(how, when, etc, something is done).",
        .served = kAdverbSlots,
        .chooseRender = RenderStep::sentences,
        .noWordOnlyInflux = false,
        .noWordCaption = "()",
        .noWordShowsFrames = false,
        .noWordOrder = CloseOrder::hideThenEnable,
        .noWordRender = RenderStep::none,
    },
}};

const SearchPickerConfig& searchPickerConfig(SearchPickerKind kind) {
  return kSearchPickers[static_cast<std::size_t>(kind)];
}

std::string pickerRowText(std::string_view form, std::size_t formLength, std::size_t column,
                          std::string_view gloss) {
  std::size_t fill = column > formLength ? column - formLength : 0;
  std::string out;
  out.reserve(form.size() + fill + gloss.size());
  out.append(form);
  out.append(fill, ' ');
  out.append(gloss);
  return out;
}

const ComparisonStyle& comparisonStyle(Comparison comparison) {
  return kComparisonStyles[static_cast<std::size_t>(comparison)];
}

// The comparison after `comparison` in the order of kComparisonStyles; the
// first comes again after the last.
Comparison nextComparison(Comparison comparison) {
  const std::size_t next = (static_cast<std::size_t>(comparison) + 1) % kComparisonStyles.size();
  return static_cast<Comparison>(next);
}

std::string adjectiveCaption(Comparison comparison, std::string_view headword) {
  std::string caption = "(";
  caption += comparisonStyle(comparison).word;
  caption += ' ';
  caption += headword;
  caption += ')';
  return caption;
}

SearchPicker::SearchPicker(const SearchPickerConfig& config, const Lexicon& lexicon)
    : config_(&config), lexicon_(&lexicon) {
  populateList("");
}

void SearchPicker::show() {
  Visible = true;
  Form_Activate();
}

void SearchPicker::hide() {
  Visible = false;
  Form_Deactivate();
}

void SearchPicker::populateList(std::string_view filter) {
  if (config_->refillEmptiesPreview) preview_.clear();
  notice_.clear();
  selected_ = -1;
  scanTable(filter);
  std::string searched = searchText_;
  if (rows_.empty() && !filter.empty()) {
    // "honour" is "honor" in the lexicon's glosses.
    const std::string american = americanSpelling(filter);
    if (american != text::lowerCase(filter)) {
      scanTable(american);
      searched = americanSpelling(searchText_);
    }
    if (rows_.empty()) notice_ = "No word found for \"" + std::string(filter) + "\"";
  }
  selectBySearchText(searched);
}

void SearchPicker::scanTable(std::string_view filter) {
  rows_.clear();
  std::string padded = " " + std::string(filter) + " ";
  if (padded == "  ") padded.clear();
  // An entry matches when the filter occurs in one of two haystacks: one
  // space and the gloss, lower-cased, with ";" (A) or "," (B) read as a space.
  static const ByteMap semicolonAsSpace = lowerCaseMapReading(';', ' ');
  static const ByteMap commaAsSpace = lowerCaseMapReading(',', ' ');
  const std::string lowered = text::lowerCase(padded);
  const MappedSearch inAOrB(lowered, {&semicolonAsSpace, &commaAsSpace});

  // The table's end is where the first look-up fails: past the highest index,
  // or at the first entry without a meaning (the empty entries after the
  // data file's last line).
  std::string haystack;
  for (std::size_t i = 0;; ++i) {
    try {
      std::string_view gloss = lexicon_->entryGloss(config_->kind, i);
      if (!lowered.empty()) {
        haystack.assign(1, ' ');
        haystack.append(gloss);
        if (!inAOrB.foundIn(haystack)) continue;
      }
      std::string form = config_->latinForm(*lexicon_, i);
      std::size_t length = config_->trimmedFormLength ? text::trimSpaces(form).size() : form.size();
      rows_.push_back({pickerRowText(form, length, config_->latinColumn, gloss),
                       static_cast<std::uint32_t>(i)});
    } catch (const LookupOutOfRange&) {
      break;
    }
  }
}

// The last row whose gloss begins with exactly the search text followed by
// ";" or ",", behind at least five filling spaces.
void SearchPicker::selectBySearchText(std::string_view searched) {
  const std::string t = text::lowerCase(searched);
  const MappedSearch beforeSemicolon("     " + t + ";", lowerCaseMap());
  const MappedSearch beforeComma("     " + t + ",", lowerCaseMap());
  for (std::size_t k = 0; k < rows_.size(); ++k) {
    if (beforeSemicolon.foundIn(rows_[k].text)) selected_ = static_cast<int>(k);
    if (beforeComma.foundIn(rows_[k].text)) selected_ = static_cast<int>(k);
  }
}

std::string_view SearchPicker::rowGloss(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return {};
  try {
    return lexicon_->entryGloss(config_->kind,
                                std::size_t{rows_[static_cast<std::size_t>(row)].index});
  } catch (const LookupOutOfRange&) {
    return {};
  }
}

void SearchPicker::selectRow(int row) {
  selected_ = row >= 0 && static_cast<std::size_t>(row) < rows_.size() ? row : -1;
}

std::optional<std::size_t> SearchPicker::selectedIndex() const {
  if (selected_ < 0) return std::nullopt;
  return rows_[static_cast<std::size_t>(selected_)].index;
}

void SearchPicker::setSearchText(std::string_view text) {
  if (text == searchText_) return;
  searchText_ = text;
  caret_ = std::min(caret_, searchText_.size());
  if (config_->changeHidesHintFirst) hintVisible_ = false;
  populateList(searchText_);
}

void SearchPicker::keyTypedInList(char c) {
  searchHasFocus_ = true;
  std::string next = searchText_;
  if (c == '\b') {
    if (!next.empty()) next.pop_back();
  } else if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f) {
    next += c;
  }
  setSearchText(next);
  caret_ = searchText_.size();
}

void SearchPicker::Timer1_Timer() {
  hintVisible_ = searchText_.empty();
  if (selected_ < 0) return;
  const PickerRow& row = rows_[static_cast<std::size_t>(selected_)];
  if (config_->preview == PreviewRule::latinOfRow) {
    preview_ = text::firstWord(row.text);
    return;
  }
  try {
    preview_ = lexicon_->adjectiveForm(std::size_t{row.index}, Case::nominative, Number::singular,
                                       Gender::neuter, comparisonStyle(comparison_).degree);
  } catch (const LookupOutOfRange&) {
    // The preview keeps what it shows.
  }
}

void SearchPicker::Form_Activate() {
  if (Visible) searchHasFocus_ = true;
}

void SearchPicker::Form_Deactivate() {
  setSearchText("");
  selectRow(config_->rowSelectedWhenLeft);
  if (config_->hasComparison) comparison_ = Comparison::none;
}

void SearchPicker::compareButton_Click() {
  comparison_ = nextComparison(comparison_);
}

void SearchPicker::closeVisit(MottoState& state, CloseOrder order) {
  if (order == CloseOrder::enableThenHide) {
    state.Enabled = true;
    hide();
  } else {
    hide();
    state.Enabled = true;
  }
}

std::optional<RenderStep> SearchPicker::writeChoice(MottoState& state) {
  std::optional<std::size_t> index = selectedIndex();
  if (!index) return std::nullopt;
  const std::string tag = std::to_string(*index);
  std::string_view headword = lexicon_->englishHeadword(config_->kind, *index);
  const std::string caption =
      config_->hasComparison ? adjectiveCaption(comparison_, headword) : std::string(headword);
  for (const ServedSlot& served : config_->served) {
    WordSlot& slot = state.*served.slot;
    if (slot.Tag != kInflux) continue;
    slot.Tag = tag;
    slot.Caption = caption;
    if (served.frame) (state.*served.frame).Visible = true;
  }
  closeVisit(state, CloseOrder::enableThenHide);
  return config_->chooseRender;
}

RenderStep SearchPicker::writeNoWord(MottoState& state) {
  for (const ServedSlot& served : config_->served) {
    WordSlot& slot = state.*served.slot;
    if (config_->noWordOnlyInflux && slot.Tag != kInflux) continue;
    slot.Caption = config_->noWordCaption;
    slot.Tag = kBlank;
    if (config_->noWordShowsFrames && served.frame) (state.*served.frame).Visible = true;
  }
  closeVisit(state, config_->noWordOrder);
  return config_->noWordRender;
}

}  // namespace lexorra
