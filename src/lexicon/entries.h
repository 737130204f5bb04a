// Inside the lexicon library: a stored entry with its place in its table, the
// field look-up that names that place when it fails, the verb forms as a line
// gives them, and the checks that every loaded line passes.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "lexicon/grammar.h"
#include "lexicon/lexicon.h"

namespace lexorra {

struct StoredEntry {
  Table table;
  std::size_t position;  // the lexicon index; the file's line is position + 1
  std::string_view line;
};

// "pronouns.dat, line 4".
std::string entryPlace(Table table, std::size_t position);

// Field k of the entry's line. Throws LookupOutOfRange "pronouns.dat, line 4:
// no field 3" when the line has fewer fields.
std::string_view entryField(const StoredEntry& entry, long k);

// A verb form as its line gives it, without building a compound form: read
// from a field, or for a command from the stem. `field` is the position read
// (-1 for "es" and "este", which no field holds).
struct StoredVerbForm {
  std::string text;
  long field;
};
StoredVerbForm storedVerbForm(const StoredEntry& verb, const VerbQuery& query);

// Whether a form stands for one built from the participle and "to be".
bool isCompoundMarker(std::string_view form);

// Throws DataFileError naming the file and the first line that the table's
// look-ups cannot read: no "::", an empty meaning, fewer than info.fields
// fields before the "::" or an empty one among them (two spaces in a row),
// a preposition whose field 4 is not a case, a "ferre" verb without its
// two-letter command stem, or an empty entry with a word after it (the
// pickers' lists end at the first entry without a meaning, so every later
// word would be hidden). Empty entries at the end are allowed. `entries` are
// the lines after expansion and trimming; `lastLineEnded` tells whether the
// file's last line had its line end, so a cut line can be told apart.
void checkEntries(const TableInfo& info, std::span<const std::string_view> entries,
                  bool lastLineEnded);

// Throws DataFileError naming verbs.dat, line 1 and the field when verb 0,
// "to be", lacks a form that the compound forms and commands ask of it: each
// must be a form of its own, neither "tbc" (which would ask verb 0 again) nor
// "-" (except the future subjunctive, which Latin does not have).
void checkAuxiliaryVerb(const StoredEntry& verb0);

}  // namespace lexorra
