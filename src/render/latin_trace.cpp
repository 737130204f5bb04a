// Pairing the words of the finished Latin sentence with the words the
// renderer recorded while it built the pieces.
#include "render/latin_trace.h"

#include <algorithm>

#include "render/latin_render.h"
#include "text/textops.h"

namespace lexorra {

namespace {

// The words of the marker " (word form not in historical record!) ".
std::vector<std::string_view> markerWords() {
  return text::splitFields(kMissingFormMarker);
}

std::vector<std::string_view> wordsOf(std::string_view sentence) {
  std::vector<std::string_view> words;
  for (std::string_view w : text::splitFields(sentence))
    if (!w.empty()) words.push_back(w);
  return words;
}

// The recorded words of one piece grouped into the words of its text: a
// word written onto the one before it (an enclitic) joins that word.
// Nothing when the recorded words do not spell the text exactly.
std::optional<std::vector<MatchedWord>> writtenWords(std::string_view text,
                                                     const TracedWords& recorded) {
  std::vector<MatchedWord> out;
  std::size_t at = 0;
  for (const TracedWord& w : recorded) {
    if (w.text.empty()) continue;  // a look-up of "blank", or "(dative)"
    const std::size_t before = at;
    while (at < text.size() && text[at] == ' ') ++at;
    if (text.substr(at, w.text.size()) != w.text) return std::nullopt;
    // Two words without a space between them are one word only when the
    // second is written onto the first.
    const bool joined = at == before && !out.empty();
    if (joined && !w.enclitic) return std::nullopt;
    if (joined) {
      out.back().text += w.text;
      out.back().words.push_back(w);
    } else {
      out.push_back({w.text, {w}, false});
    }
    at += w.text.size();
  }
  while (at < text.size() && text[at] == ' ') ++at;
  if (at != text.size()) return std::nullopt;
  return out;
}

bool isOnly(const MatchedWord& w, FixedWord fixed) {
  return w.words.size() == 1 && w.words.front().fixed == fixed;
}

// "ex" and "ab" shortened before a consonant, "e" and "a" lengthened before
// a vowel or "h" (adjustExAb).
bool isExAbSpelling(const MatchedWord& w, std::string_view written) {
  if (w.words.size() != 1 || w.words.front().source != WordSource::preposition) return false;
  static constexpr std::pair<std::string_view, std::string_view> kForms[] = {
      {"ex", "e"}, {"e", "ex"}, {"ab", "a"}, {"a", "ab"}};
  for (auto [built, spelled] : kForms)
    if (w.text == built && written == spelled) return true;
  return false;
}

// "noli numquam" reads "noli umquam", "nolite numquam" "nolite umquam"
// (kNoliUmquam).
bool isUmquamAfterNoli(const MatchedWord& w, const std::vector<std::string_view>& sentence,
                       std::size_t i) {
  return w.words.size() == 1 && w.words.front().source == WordSource::adverb &&
         w.text == "numquam" && sentence[i] == "umquam" && i > 0 &&
         (sentence[i - 1] == "noli" || sentence[i - 1] == "nolite");
}

bool markerAt(const std::vector<std::string_view>& sentence, std::size_t i) {
  const std::vector<std::string_view> marker = markerWords();
  if (i + marker.size() > sentence.size()) return false;
  return std::equal(marker.begin(), marker.end(), sentence.begin() + static_cast<long>(i));
}

// The words of the ordered pieces as the clean-ups leave them, before the
// spelling changes: a forbidding loses its "non", its command becomes the
// infinitive, and the words put before the sentence come first.
std::vector<MatchedWord> expectedWords(const LatinTrace& trace, const LatinPieces& pieces,
                                       const MottoState& state) {
  std::vector<MatchedWord> words;
  std::size_t verbStart = 0, verbCount = 0;
  for (LatinPiece piece : latinPieceOrder(state)) {
    std::optional<std::vector<MatchedWord>> written =
        writtenWords(pieces.of(piece), trace.of(piece));
    if (!written) {
      // The record does not spell the piece: its words stay untraced.
      written.emplace();
      for (std::string_view w : wordsOf(pieces.of(piece)))
        written->push_back({std::string(w), {}, false});
    }
    if (piece == LatinPiece::verb) {
      verbStart = words.size();
      verbCount = written->size();
    }
    words.insert(words.end(), written->begin(), written->end());
  }
  if (trace.forbiddingInfinitive) {
    std::vector<MatchedWord> forbidding;
    for (std::size_t i = 0; i < words.size(); ++i) {
      if (i >= verbStart && i < verbStart + verbCount) {
        if (i == verbStart && !trace.forbiddingInfinitive->text.empty())
          forbidding.push_back(
              {trace.forbiddingInfinitive->text, {*trace.forbiddingInfinitive}, false});
        continue;
      }
      if (isOnly(words[i], FixedWord::non)) continue;
      forbidding.push_back(words[i]);
    }
    words = std::move(forbidding);
  }
  std::vector<MatchedWord> leading;
  for (const TracedWord& w : trace.leading) leading.push_back({w.text, {w}, false});
  words.insert(words.begin(), leading.begin(), leading.end());
  return words;
}

}  // namespace

TracedWord fixedWord(FixedWord which, std::string_view text, MottoPart part, ThingId thing) {
  TracedWord w;
  w.text = text;
  w.fixed = which;
  w.part = part;
  w.thing = thing;
  return w;
}

TracedWord adverbWord(std::string_view text, std::string_view entry) {
  TracedWord w;
  w.text = text;
  w.source = WordSource::adverb;
  w.entry = entry;
  w.part = MottoPart::manner;
  return w;
}

void addVerbWords(TracedWords& out, const VerbFormMaking& made, std::string_view entry,
                  const VerbQuery& query, MottoPart part) {
  using Kind = VerbFormMaking::Kind;
  if (made.kind == Kind::none) return;
  TracedWord w;
  w.text = made.word;
  w.source = WordSource::verb;
  w.entry = entry;
  w.part = part;
  w.verb = query;
  w.verbKind = made.kind;
  if (made.kind != Kind::compound) {
    out.push_back(w);
    return;
  }
  // The participle agrees with the subject; "to be" carries the tense.
  w.verbWord = VerbWord::participle;
  w.compoundTense = query.tense;
  w.compoundMood = query.mood;
  w.caseCode = Case::nominative;
  w.number = query.number;
  w.gender = query.participleGender;
  out.push_back(w);
  TracedWord auxiliary = w;
  auxiliary.text = made.auxiliaryForm;
  auxiliary.entry = "0";
  auxiliary.verb = made.auxiliary;
  auxiliary.verbKind = made.auxiliaryKind;
  auxiliary.verbWord = VerbWord::auxiliary;
  auxiliary.caseCode = Case::none;
  out.push_back(auxiliary);
}

TracedLatin matchLatinWords(std::string sentence, const LatinTrace& trace,
                            const LatinPieces& pieces, const MottoState& state) {
  TracedLatin result;
  result.latin = std::move(sentence);
  const std::vector<MatchedWord> expected = expectedWords(trace, pieces, state);
  const std::vector<std::string_view> written = wordsOf(result.latin);
  const std::size_t markerLength = markerWords().size();
  auto matches = [&](const MatchedWord& e, std::size_t i) {
    return e.text == written[i] || (e.text == "-" && markerAt(written, i)) ||
           isExAbSpelling(e, written[i]) || isUmquamAfterNoli(e, written, i);
  };

  std::vector<MatchedWord>& out = result.words;
  std::size_t j = 0;
  for (std::size_t i = 0; i < written.size();) {
    if (j < expected.size() && matches(expected[j], i)) {
      MatchedWord m = expected[j++];
      // A form "-" is one the lexicon lacks; the marker says so, except at
      // either end of the sentence, where "-" stays.
      m.missingForm = m.text == "-";
      if (m.text == "-" && markerAt(written, i)) {
        m.text = kMissingFormMarker;
        i += markerLength;
      } else {
        m.text = written[i++];
      }
      out.push_back(std::move(m));
      continue;
    }
    // A recorded word the sentence does not have: pass over it.
    if (j + 1 < expected.size() && matches(expected[j + 1], i)) {
      ++j;
      ++result.unmatched;
      continue;
    }
    // A word the record does not hold; when the next word is the recorded
    // one, this word was put in, else it stands for the recorded one.
    const bool putIn = j < expected.size() && i + 1 < written.size() && matches(expected[j], i + 1);
    out.push_back({std::string(written[i++]), {}, false});
    if (j < expected.size() && !putIn) {
      ++j;
      ++result.unmatched;
    }
  }
  result.unmatched += expected.size() - std::min(j, expected.size());
  return result;
}

bool TracedLatin::allTraced() const {
  return std::all_of(words.begin(), words.end(), [](const MatchedWord& w) { return w.traced(); });
}

TracedLatin traceLatin(const MottoState& state, const Lexicon& lexicon) {
  return traceLatin(state, readRenderValues(state, lexicon), lexicon);
}

TracedLatin traceLatin(const MottoState& state, const RenderValues& values,
                       const Lexicon& lexicon) {
  // The renderer's own steps (renderLatin), with a trace.
  LatinTrace trace;
  LatinPieces pieces = buildLatinPieces(state, values, lexicon, &trace);
  std::string latin =
      tidyLatinSentence(orderLatinPieces(pieces, state), pieces, state, values, lexicon, &trace);
  return matchLatinWords(std::move(latin), trace, pieces, state);
}

}  // namespace lexorra
