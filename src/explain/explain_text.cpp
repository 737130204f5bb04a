// The sheet as text, for the command line and the stored sheets of the
// examples.
#include <algorithm>
#include <array>

#include "explain/explain.h"
#include "explain/parser_check.h"

namespace lexorra::explain {

namespace {

// The verdict column in the order of Verdict: "-" for a row not checked.
std::string_view verdictName(Verdict verdict) {
  static constexpr std::array<std::string_view, 3> kNames = {"confirmed", "not confirmed", "-"};
  const auto i = static_cast<std::size_t>(verdict);
  return i < kNames.size() ? kNames[i] : "-";
}

std::string padded(std::string_view cell, std::size_t width) {
  std::string out(cell);
  out.resize(std::max(width, cell.size()), ' ');
  return out;
}

}  // namespace

std::array<std::string, 6> rowCells(const WordRow& row) {
  return {row.word, row.dictionaryForm, row.partOfSpeech, row.form, row.part, row.meaning};
}

std::string sheetText(const Explanation& sheet, const SheetCheck* check) {
  const bool checked = check && check->status == SheetCheck::Status::checked &&
                       check->rows.size() == sheet.rows.size();
  // The table: the columns before the meaning padded to their widest cell,
  // the verdict before the meaning when there is a check.
  std::vector<std::vector<std::string>> table;
  auto addLine = [&](std::vector<std::string> cells, std::string_view verdict) {
    if (checked) cells.insert(cells.end() - 1, std::string(verdict));
    table.push_back(std::move(cells));
  };
  addLine({kSheetColumns.begin(), kSheetColumns.end()}, "Check");
  for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
    const std::array<std::string, 6> cells = rowCells(sheet.rows[i]);
    addLine({cells.begin(), cells.end()}, checked ? verdictName(check->rows[i].verdict) : "");
  }
  std::vector<std::size_t> widths(table.front().size(), 0);
  for (const auto& line : table)
    for (std::size_t k = 0; k + 1 < line.size(); ++k)
      widths[k] = std::max(widths[k], line[k].size());

  std::string out = "Latin:   " + sheet.latin + "\nEnglish: " + sheet.english + "\n\n";
  for (const auto& line : table) {
    std::string text;
    for (std::size_t k = 0; k < line.size(); ++k)
      text += k + 1 < line.size() ? padded(line[k], widths[k]) + "  " : line[k];
    out += text + "\n";
  }
  if (checked) {
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
      const RowCheck& row = check->rows[i];
      if (row.verdict != Verdict::notConfirmed) continue;
      out += "\n" + sheet.rows[i].word + ": not confirmed: " + row.why + "\n";
      for (const std::string& analysis : row.analyses) out += "    " + analysis + "\n";
    }
  }
  if (check) out += "\n" + check->summary() + "\n";
  return out;
}

}  // namespace lexorra::explain
