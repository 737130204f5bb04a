// Loading the seven lexicon tables.
#include "lexicon/lexicon.h"

#include <array>
#include <charconv>

#include "lexicon/entries.h"
#include "text/textops.h"

namespace lexorra {

const std::array<TableInfo, 7> kTables = {{
    // Fields: conjunctives only have a meaning; a preposition's case is field
    // 4, the last noun form field 16, the last adjective and pronoun forms
    // fields 107 and 35, the verb's participle field 156.
    {Table::conjunctive, "conjunctives.dat", 102, false, "conjunctive", 0},
    {Table::preposition, "prepositions.dat", 93, false, "preposition", 5},
    {Table::adjective, "adjectives.dat", 8729, true, "adjective", 108},
    {Table::adverb, "adverbs.dat", 2133, false, "adverb", 1},
    {Table::verb, "verbs.dat", 7547, true, "verb", 157},
    {Table::noun, "nouns.dat", 19491, true, "noun", 17},
    {Table::pronoun, "pronouns.dat", 30, false, "pronoun", 36},
}};

const TableInfo& tableInfo(Table table) {
  return kTables[static_cast<std::size_t>(table)];
}

namespace {

// Byte map of the abbreviation codes. Every code maps to one plain ASCII
// character, so expansion never changes a line's length.
constexpr std::array<unsigned char, 256> makeExpansionMap() {
  std::array<unsigned char, 256> map{};
  for (std::size_t i = 0; i < map.size(); ++i) map[i] = static_cast<unsigned char>(i);
  map['%'] = ' ';
  map[0xE6] = 'a';
  map['*'] = 'e';
  map['@'] = 'i';
  map[0xA3] = 'o';
  map['$'] = 'u';
  return map;
}
constexpr std::array<unsigned char, 256> kExpansion = makeExpansionMap();

void expandInPlace(char* p, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    p[i] = static_cast<char>(kExpansion[static_cast<unsigned char>(p[i])]);
}

}  // namespace

std::string expandLine(std::string_view line) {
  std::string out(line);
  expandInPlace(out.data(), out.size());
  return out;
}

std::size_t LexIndex::position(std::size_t capacity, std::string_view tableName) const {
  long n = number_;
  if (!isNumber_) {
    std::string_view t = text_;
    const char* end = t.data() + t.size();
    auto [ptr, ec] = std::from_chars(t.data(), end, n);
    if (t.empty() || ec != std::errc() || ptr != end)
      throw LookupOutOfRange("\"" + std::string(t) + "\" is not a " + std::string(tableName) +
                             " index");
  }
  if (n < 0 || static_cast<std::size_t>(n) >= capacity)
    throw LookupOutOfRange(std::string(tableName) + " index " + std::to_string(n) +
                           " is outside the table (0 to " + std::to_string(capacity - 1) + ")");
  return static_cast<std::size_t>(n);
}

Lexicon::Lexicon() {
  for (const TableInfo& info : kTables)
    tables_[static_cast<std::size_t>(info.table)].entries.assign(info.capacity, {});
}

void Lexicon::loadTable(Table table, std::istream& in) {
  storeTable(table, readWholeStream(in, tableInfo(table).fileName));
}

// Cuts the bytes into lines, checks the count and the bytes, expands the
// abbreviations (a byte map, so the line positions do not move), trims every
// line and checks it against what the table's look-ups read. Nothing is
// stored unless every check passes.
void Lexicon::storeTable(Table table, std::string bytes) {
  const TableInfo& info = tableInfo(table);
  auto buffer = std::make_shared<std::string>(std::move(bytes));
  std::vector<std::string_view> lines = splitLines(*buffer);
  checkLineCount(lines.size(), info.fileName, info.capacity);
  checkTextLines(*buffer, info.fileName);
  if (info.expanded) expandInPlace(buffer->data(), buffer->size());
  Lines fresh;
  fresh.entries.assign(info.capacity, {});
  for (std::size_t i = 0; i < lines.size(); ++i) fresh.entries[i] = text::trimSpaces(lines[i]);
  checkEntries(info, std::span(fresh.entries).first(lines.size()), text::endsWith(*buffer, "\n"));
  if (table == Table::verb) checkAuxiliaryVerb({Table::verb, 0, fresh.entries[0]});
  fresh.buffer = std::move(buffer);
  tables_[static_cast<std::size_t>(table)] = std::move(fresh);
}

std::string_view Lexicon::line(Table table, std::size_t position) const {
  const auto& entries = tables_[static_cast<std::size_t>(table)].entries;
  return position < entries.size() ? entries[position] : std::string_view{};
}

StoredEntry Lexicon::entry(Table table, LexIndex index) const {
  const TableInfo& info = tableInfo(table);
  std::size_t pos = index.position(info.capacity, info.kind);
  return {table, pos, tables_[static_cast<std::size_t>(table)].entries[pos]};
}

std::string entryPlace(Table table, std::size_t position) {
  return std::string(tableInfo(table).fileName) + ", line " + std::to_string(position + 1);
}

std::string_view entryField(const StoredEntry& entry, long k) {
  if (k >= 0) {
    if (auto f = text::fieldAt(entry.line, static_cast<std::size_t>(k))) return *f;
  }
  throw LookupOutOfRange(entryPlace(entry.table, entry.position) + ": no field " +
                         std::to_string(k));
}

Lexicon loadDictionaries(const std::filesystem::path& folder) {
  Lexicon lexicon;
  for (const TableInfo& info : kTables)
    lexicon.storeTable(info.table, readWholeFile(folder / info.fileName, info.fileName));
  return lexicon;
}

Lexicon loadDictionaries() {
  return loadDictionaries(programFolder());
}

}  // namespace lexorra
