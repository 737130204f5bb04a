// The independent check of the sheet by the Latin parser of the Debian
// package whitakers-words: every word of the motto goes to one run of the
// parser, and a row is confirmed when one of the parser's analyses of its
// word has the part of speech and form the row gives.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "explain/explain.h"

namespace lexorra::explain {

inline constexpr std::string_view kParserProgram = "/usr/bin/whitakers-words";
inline constexpr std::string_view kParserPackage = "whitakers-words";
inline constexpr std::string_view kParserInstall = "sudo apt-get install whitakers-words";

// One analysis line of the parser, as it reads ("amor N 3 1 NOM S M"), and
// its fields.
struct ParserAnalysis {
  std::string line;
  ParserForm form;
};

// The analysis of one line of the parser's output, or nothing for the lines
// that are not analyses (dictionary entries, meanings, "UNKNOWN").
std::optional<ParserAnalysis> parseAnalysisLine(std::string_view line);

// The word written after each word of the parser's input: one it does not
// know, so that its "UNKNOWN" ends the answers to the word before.
inline constexpr std::string_view kParserSeparator = "zzqqxx";

// The parser's answers, one list of analyses per word asked, in order.
// `words` must not hold spaces or line ends.
using ParserAnswers = std::vector<std::vector<ParserAnalysis>>;
ParserAnswers parseParserOutput(std::string_view output, std::size_t words);

// Whether an analysis has the part of speech and form asked.
bool confirms(const ParserForm& analysis, const ParserForm& expected);

enum class Verdict { confirmed, notConfirmed, notChecked };

struct RowCheck {
  Verdict verdict = Verdict::notChecked;
  std::string why;                    // for a row the parser does not confirm
  std::vector<std::string> analyses;  // the parser's analyses of its word
};

struct SheetCheck {
  enum class Status { checked, notInstalled, failed };
  Status status = Status::notInstalled;
  std::string problem;         // what went wrong, for `failed`
  std::vector<RowCheck> rows;  // one per row of the sheet when checked
  std::size_t confirmed() const;
  std::size_t checkedRows() const;  // rows with a verdict
  // One line for the sheet: "7 of 7 words confirmed by ...", or why there
  // is no check and how to install the parser.
  std::string summary() const;
};

// The verdicts of the rows from the parser's answers for their words.
SheetCheck judgeSheet(const Explanation& sheet, const std::vector<std::string>& words,
                      const ParserAnswers& answers);

// The distinct words the parser is asked about for a sheet, in order.
std::vector<std::string> parserWords(const Explanation& sheet);

struct ParserOptions {
  std::filesystem::path program{kParserProgram};
  std::chrono::milliseconds timeout{5000};
};

// Runs the parser once on `words` in a temporary folder and returns its
// output. Throws ParserError when it cannot be started, fails or runs past
// the timeout (it is then stopped).
std::string runParser(const std::vector<std::string>& words, const ParserOptions& options);

class ParserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Whether the parser program is there to run.
bool parserInstalled(const ParserOptions& options = {});

// The whole check of a sheet: not installed, failed with its problem, or
// the verdict of every row.
SheetCheck checkSheet(const Explanation& sheet, const ParserOptions& options = {});

}  // namespace lexorra::explain
