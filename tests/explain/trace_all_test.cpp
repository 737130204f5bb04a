// Every word of every Latin motto is traced: the seventeen examples and a
// thousand random mottos made as a person makes them in the window.
#include <gtest/gtest.h>

#include <sstream>

#include "editor/motto_file.h"
#include "editor/refresh.h"
#include "explain/explain.h"
#include "random_motto.h"
#include "render/delivered_motto.h"
#include "render/latin_trace.h"

namespace lexorra {
namespace {

using namespace lexorra::testing;

// What is wrong with the trace of a motto, or "" when every word is traced,
// every recorded word is used, tracing changed nothing and every row of the
// sheet is traced.
std::string traceProblems(const MottoState& state) {
  const Lexicon& lexicon = delivered().lexicon;
  const TracedLatin traced = traceLatin(state, lexicon);
  std::ostringstream problems;
  if (traced.latin != state.finalLatin)
    problems << "the traced render gives \"" << traced.latin << "\", the motto holds \""
             << state.finalLatin << "\"; ";
  for (const MatchedWord& w : traced.words)
    if (!w.traced()) problems << "\"" << w.text << "\" is not traced; ";
  if (traced.unmatched != 0) problems << traced.unmatched << " recorded words unused; ";
  const explain::Explanation sheet = explain::explainMotto(state, lexicon);
  if (!sheet.allTraced()) problems << "the sheet has untraced rows; ";
  if (sheet.rows.empty() != readLatin(state.finalLatin).empty())
    problems << "the sheet has " << sheet.rows.size() << " rows; ";
  return problems.str();
}

class TraceAll : public DeliveredMottos {};

TEST_F(TraceAll, EveryWordOfTheExamples) {
  for (const ExampleMotto& example : kExamples) {
    MottoState state;
    state.Enabled = true;
    loadExample(state, delivered().lexicon, kDataFolder, example.fileName);
    for (int tick = 0; tick < 4; ++tick)
      Timer1_Timer(state, delivered().lexicon, delivered().english);
    EXPECT_EQ(traceProblems(state), "") << example.fileName << ": " << state.finalLatin;
  }
}

TEST_F(TraceAll, EveryWordOfAThousandRandomMottos) {
  RandomMottoMaker maker(delivered().lexicon, delivered().english, 16);
  int withWords = 0;
  for (int i = 0; i < 1000; ++i) {
    const MottoState state = maker.next();
    if (!readLatin(state.finalLatin).empty()) ++withWords;
    const std::string problems = traceProblems(state);
    EXPECT_EQ(problems, "") << "motto " << i << ": \"" << state.finalLatin << "\"\n"
                            << [&] {
                                 std::string lines;
                                 for (const std::string& l : mottoFileLines(state))
                                   lines += l + "|";
                                 return lines;
                               }();
  }
  // The maker makes mottos with words, not empty ones.
  EXPECT_GT(withWords, 900);
}

}  // namespace
}  // namespace lexorra
