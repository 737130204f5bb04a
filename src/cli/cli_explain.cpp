// lexorra-cli explain: the word-by-word sheet of a motto file, "Why this
// Latin?", as the window shows it.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/motto_input.h"
#include "explain/explain.h"
#include "explain/parser_check.h"
#include "text/codepage.h"
#include "text/datafile.h"

namespace lexorra::cli {
namespace {

namespace fs = std::filesystem;
using explain::Explanation;
using explain::SheetCheck;

constexpr const char* kUsage =
    "  lexorra-cli explain [--json] [--check] [--data DIR] FILE\n"
    "      Load the motto file as render does and print its word-by-word sheet,\n"
    "      \"Why this Latin?\": for every word of the Latin motto, in order, the\n"
    "      word, its dictionary form, part of speech, form, part in the motto\n"
    "      and the English meaning of its lexicon entry. With --check, the Latin\n"
    "      parser of the Debian package whitakers-words checks every word, and\n"
    "      each row says whether the parser confirms its form; without the\n"
    "      parser the sheet says how to install it. With --json, print one JSON\n"
    "      object with the same content. The exit status is 1 when the file\n"
    "      cannot be loaded or a word cannot be traced.";

std::optional<std::string> parseArgs(const std::vector<std::string>& args, MottoArgs& out) {
  if (auto problem = parseMottoArgs(args, {"--json", "--check"}, out)) return problem;
  if (out.files.empty()) return "no motto file given";
  if (out.files.size() > 1) return "one motto file at a time";
  return std::nullopt;
}

std::string_view verdictKey(explain::Verdict verdict) {
  switch (verdict) {
    case explain::Verdict::confirmed:
      return "confirmed";
    case explain::Verdict::notConfirmed:
      return "not confirmed";
    case explain::Verdict::notChecked:
      break;
  }
  return "not checked";
}

std::string jsonList(const std::vector<std::string>& items) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + jsonString(items[i]);
  return out + "]";
}

std::string sheetJson(const std::string& file, const Explanation& sheet, const SheetCheck* check) {
  const bool checked = check && check->status == SheetCheck::Status::checked;
  std::string out = "{\"file\": " + jsonFileName(file) + ", \"latin\": " + jsonString(sheet.latin) +
                    ", \"english\": " + jsonString(sheet.english) + ", \"words\": [";
  for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
    const explain::WordRow& row = sheet.rows[i];
    out += i ? ", " : "";
    out += "{\"word\": " + jsonString(row.word);
    if (!row.writtenIn.empty()) out += ", \"writtenIn\": " + jsonString(row.writtenIn);
    out += ", \"dictionaryForm\": " + jsonString(row.dictionaryForm) +
           ", \"partOfSpeech\": " + jsonString(row.partOfSpeech) +
           ", \"form\": " + jsonString(row.form) + ", \"meaning\": " + jsonString(row.meaning) +
           ", \"part\": " + jsonString(row.part) +
           ", \"traced\": " + (row.traced ? "true" : "false") +
           ", \"fixed\": " + (row.fixed ? "true" : "false");
    if (checked) {
      const explain::RowCheck& verdict = check->rows[i];
      out += ", \"check\": " + jsonString(verdictKey(verdict.verdict));
      if (!verdict.why.empty()) out += ", \"why\": " + jsonString(verdict.why);
      out += ", \"analyses\": " + jsonList(verdict.analyses);
    }
    out += "}";
  }
  out += "]";
  if (check) out += ", \"check\": " + jsonString(check->summary());
  return out + "}";
}

int runExplain(const MottoArgs& options, const fs::path& dataFolder, const MottoData& data,
               std::ostream& out, std::ostream& err) {
  const std::string& file = options.files.front();
  const std::optional<MottoState> state =
      settledMottoOrReport(file, dataFolder, data, "explain", err);
  if (!state) return 1;

  const Explanation sheet = explain::explainMotto(*state, data.lexicon);
  std::optional<SheetCheck> check;
  if (options.has("--check")) check = explain::checkSheet(sheet);
  const SheetCheck* checkResult = check ? &*check : nullptr;
  if (options.has("--json"))
    out << sheetJson(file, sheet, checkResult) << "\n";
  else
    out << text::cp1252ToUtf8(explain::sheetText(sheet, checkResult));
  if (!sheet.allTraced()) {
    err << "lexorra-cli explain: " << file << ": some words of the Latin cannot be traced\n";
    return 1;
  }
  return 0;
}

const CliCommandRegistration registration{mottoCommand("explain", kUsage, parseArgs, runExplain)};

}  // namespace
}  // namespace lexorra::cli
