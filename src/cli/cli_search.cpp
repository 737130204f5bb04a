// lexorra-cli search: the rows a word picker lists for a search text, and the
// row it selects.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "lexicon/lexicon.h"
#include "pickers/preposition_picker.h"
#include "pickers/search_picker.h"
#include "text/codepage.h"

namespace lexorra::cli {
namespace {

constexpr const char* kUsage =
    "  lexorra-cli search [--json] [--data DIR] KIND [WORDS...]\n"
    "      List the rows the word picker of KIND (noun, verb, adjective, adverb or\n"
    "      preposition) shows for the search text WORDS (joined by single spaces;\n"
    "      none lists the whole table; the preposition picker has no search): the\n"
    "      lexicon index, a tab and the row's text, then \"selected: R\" (the zero-based\n"
    "      selected row) or \"selected: none\". --json prints one JSON object instead.";

struct ListedRow {
  std::size_t index;
  std::string_view text;
};

struct SearchResult {
  std::string search;  // the text the picker searched with
  std::vector<ListedRow> rows;
  int selected = -1;
};

std::optional<SearchPickerKind> searchKind(std::string_view kind) {
  for (std::size_t k = 0; k < kSearchPickers.size(); ++k)
    if (kSearchPickers[k].kind == kind) return static_cast<SearchPickerKind>(k);
  return std::nullopt;
}

void printResult(const std::string& kind, const SearchResult& result, bool json,
                 std::ostream& out) {
  if (!json) {
    for (const ListedRow& row : result.rows)
      out << row.index << '\t' << text::cp1252ToUtf8(row.text) << '\n';
    if (result.selected < 0)
      out << "selected: none\n";
    else
      out << "selected: " << result.selected << '\n';
    return;
  }
  out << "{\"kind\":" << jsonString(kind) << ",\"search\":" << jsonString(result.search)
      << ",\"rows\":[";
  for (std::size_t k = 0; k < result.rows.size(); ++k) {
    if (k > 0) out << ',';
    out << "{\"index\":" << result.rows[k].index << ",\"text\":" << jsonString(result.rows[k].text)
        << '}';
  }
  out << "],\"selected\":";
  if (result.selected < 0)
    out << "null";
  else
    out << result.selected;
  out << "}\n";
}

int usageError(const std::string& message, std::ostream& err) {
  err << "lexorra-cli search: " << message << "\nUsage:\n" << kUsage << '\n';
  return 2;
}

int runSearch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool json = false;
  std::optional<std::filesystem::path> dataFolder;
  std::vector<std::string> positional;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (arg == "--help" || arg == "-h") {
      out << "Usage:\n" << kUsage << '\n';
      return 0;
    } else if (arg == "--json") {
      json = true;
    } else if (arg == "--data") {
      if (k + 1 == args.size()) return usageError("--data needs a folder", err);
      dataFolder = args[++k];
    } else if (arg.size() > 2 && arg.starts_with("--")) {
      return usageError("unknown option \"" + arg + "\"", err);
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.empty()) return usageError("no KIND given", err);
  const std::string kind = positional[0];
  std::optional<SearchPickerKind> searchPicker = searchKind(kind);
  if (!searchPicker && kind != "preposition")
    return usageError(
        "unknown KIND \"" + kind + "\" (noun, verb, adjective, adverb or preposition)", err);

  std::string words;
  for (std::size_t k = 1; k < positional.size(); ++k) {
    if (k > 1) words += ' ';
    words += positional[k];
  }

  Lexicon lexicon;
  try {
    lexicon = dataFolder ? loadDictionaries(*dataFolder) : loadDictionaries();
  } catch (const DataFileError& e) {
    err << "lexorra-cli search: " << e.what() << '\n';
    return 1;
  }

  SearchResult result;
  if (searchPicker) {
    SearchPicker picker(*searchPicker, lexicon);
    picker.setSearchText(text::utf8ToCp1252(words));
    result.search = picker.searchText();
    for (const PickerRow& row : picker.rows()) result.rows.push_back({row.index, row.text});
    result.selected = picker.selectedRow();
    printResult(kind, result, json, out);
  } else {
    PrepositionPicker picker(lexicon);
    for (std::size_t k = 0; k < picker.rows().size(); ++k)
      result.rows.push_back({k, picker.rows()[k]});
    result.selected = picker.selectedRow();
    printResult(kind, result, json, out);
  }
  return 0;
}

const CliCommandRegistration registration{{"search", kUsage, runSearch}};

}  // namespace
}  // namespace lexorra::cli
