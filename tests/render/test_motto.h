// A builder for motto states on the hand-made lexicon (hand_lexicon.h),
// shared by the renderer, refresh and editor tests.
#pragma once

#include <array>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "english/english.h"
#include "hand_lexicon.h"
#include "lexicon/lexicon.h"
#include "motto/motto_state.h"
#include "render/render.h"
#include "text/textops.h"

namespace lexorra::testing {

// The pronoun captions after which a thing's noun and adjective are hidden
// (personal pronouns stand alone).
inline bool standsAlone(std::string_view caption) {
  for (std::string_view alone :
       {"They",         "I",        "He",   "She", "It",   "We", "You (single)",
        "You (plural)", "Somebody", "What", "Who", "them", "me", "him",
        "Her",          "us",       "he",   "she", "it",   "we", "you (single)",
        "you (plural)", "somebody", "what", "who", "her"})
    if (caption == alone) return true;
  return false;
}

// Fills one thing as the menus and pickers would: the pronoun caption, and
// the noun and adjective shown unless the pronoun stands alone.
inline void setThing(WordSlot& pronoun, WordSlot& noun, WordSlot& adjective,
                     std::string_view pronounCaption, int nounIndex = -1, int adjIndex = -1,
                     std::string_view adjCaption = "") {
  pronoun.Caption = pronounCaption;
  pronoun.Tag = "";
  pronoun.Visible = true;
  noun.Visible = adjective.Visible = !standsAlone(pronounCaption);
  noun.Tag = nounIndex < 0 ? "blank" : tag(nounIndex);
  noun.Caption = "()";
  adjective.Tag = adjIndex < 0 ? "blank" : tag(adjIndex);
  adjective.Caption = adjIndex < 0 ? "()" : std::string(adjCaption);
}

// A motto built step by step; `settle()` runs the refresh twice, so the
// captions are adapted and the outputs rendered from them.
struct MottoBuilder {
  MottoState s;
  MottoBuilder() { s.Enabled = true; }

  MottoBuilder& actor(std::string_view pronoun, int noun = -1, int adj = -1,
                      std::string_view adjCaption = "") {
    s.actorTickBox.Value = 1;
    s.actionTickBoc.Enabled = true;
    setThing(s.actorPronounText, s.actorNounText, s.actorAdjText, pronoun, noun, adj, adjCaption);
    return *this;
  }
  MottoBuilder& linkActor(bool andLink, std::string_view pronoun, int noun = -1, int adj = -1,
                          std::string_view adjCaption = "") {
    return link(ThingId::first, andLink, pronoun, noun, adj, adjCaption);
  }
  MottoBuilder& act(std::string_view tense, int verb) {
    s.actionTickBoc.Value = 1;
    s.actedTickBox.Enabled = true;
    s.verbTenseText.Caption = tense;
    s.verbTenseText.Visible = true;
    s.verbText.Tag = verb < 0 ? "blank" : tag(verb);
    s.verbText.Caption = "()";
    s.verbText.Visible = true;
    s.notButton.Visible = true;
    return *this;
  }
  MottoBuilder& negated() {
    s.notButton.Value = 1;
    return *this;
  }
  MottoBuilder& acted(std::string_view pronoun, int noun = -1, int adj = -1,
                      std::string_view adjCaption = "") {
    s.actedTickBox.Value = 1;
    setThing(s.actedPronounText, s.actedNounText, s.actedAdjText, pronoun, noun, adj, adjCaption);
    return *this;
  }
  MottoBuilder& linkActed(bool andLink, std::string_view pronoun, int noun = -1, int adj = -1,
                          std::string_view adjCaption = "") {
    return link(ThingId::second, andLink, pronoun, noun, adj, adjCaption);
  }
  MottoBuilder& manner(int adverb, std::string_view adverbCaption = "()") {
    s.mannerTickBox.Value = 1;
    s.adVerbText.Visible = true;
    s.adVerbText.Tag = adverb < 0 ? "blank" : tag(adverb);
    s.adVerbText.Caption = adverbCaption;
    s.prepositionText.Visible = true;
    return *this;
  }
  MottoBuilder& preposition(int prep, std::string_view caption, std::string_view pronoun,
                            int noun = -1, int adj = -1, std::string_view adjCaption = "") {
    s.mannerTickBox.Value = 1;
    s.adVerbText.Visible = true;
    s.prepositionText.Visible = true;
    s.prepositionText.Tag = tag(prep);
    s.prepositionText.Caption = caption;
    setThing(s.prepositionPronounText, s.prepositionNounText, s.prepositionAdjText, pronoun, noun,
             adj, adjCaption);
    return *this;
  }
  MottoBuilder& linkPreposition(bool andLink, std::string_view pronoun, int noun = -1, int adj = -1,
                                std::string_view adjCaption = "") {
    return link(ThingId::prepositional, andLink, pronoun, noun, adj, adjCaption);
  }
  MottoBuilder& question(bool MottoState::*option) {
    s.notQuestionOption = false;
    s.*option = true;
    return *this;
  }

 private:
  // Links the thing that `id`'s group attaches to `id`, by "and" or "of".
  MottoBuilder& link(ThingId id, bool andLink, std::string_view pronoun, int noun, int adj,
                     std::string_view adjCaption) {
    const LinkGroup& group = linkGroupOf(id);
    (s.*group.andOption).Value = andLink;
    (s.*group.ofOption).Value = !andLink;
    (s.*group.blankOption).Value = false;
    const ThingInfo& linked = linkedThing(id);
    setThing(s.*linked.pronoun, s.*linked.noun, s.*linked.adjective, pronoun, noun, adj,
             adjCaption);
    return *this;
  }
};

// Captions adapted as the previous tick would leave them, then one render.
inline MottoState rendered(MottoBuilder b) {
  participaliseForm(b.s, lexicon(), englishTables());
  renderSentences(b.s, lexicon());
  return b.s;
}
inline std::string latin(MottoBuilder b) {
  return rendered(std::move(b)).finalLatin;
}
inline std::string english(MottoBuilder b) {
  return rendered(std::move(b)).finalEnglish;
}

}  // namespace lexorra::testing
