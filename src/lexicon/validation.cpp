// The checks every loaded lexicon line passes, so that a damaged data file is
// refused at start-up, naming its first bad line, instead of hiding words or
// failing later during a render.
#include <array>

#include "lexicon/entries.h"
#include "text/textops.h"

namespace lexorra {

namespace {

[[noreturn]] void refuse(const TableInfo& info, std::size_t position, std::string reason) {
  throw DataFileError(std::string(info.fileName), position + 1, std::move(reason));
}

std::string fieldsText(std::size_t n) {
  return n == 1 ? "1 field" : text::withThousands(n) + " fields";
}

// "a noun line", "an adverb line".
std::string aLineOf(std::string_view kind) {
  const bool vowel = std::string_view("aeiou").find(kind.front()) != std::string_view::npos;
  return (vowel ? "an " : "a ") + std::string(kind) + " line";
}

std::string inQuotes(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

// The Latin part of a line must hold info.fields fields, each ended by a
// space before the "::" and none empty: a form glued to the "::" or a field
// lost or doubled would move every later form to a wrong position.
void checkFields(const TableInfo& info, std::string_view latin, std::size_t position,
                 bool cutShort) {
  if (info.fields == 0) return;
  const text::FieldShape shape = text::fieldShape(latin);
  const std::size_t ended = shape.count - 1;  // the fields followed by a space
  if (ended < info.fields) {
    std::string reason = "has " + fieldsText(ended) + " before \"::\"; " + aLineOf(info.kind) +
                         " needs " + fieldsText(info.fields);
    if (!latin.empty() && latin.back() != ' ') reason += ", each followed by a space";
    if (cutShort) reason += " (the file ends in the middle of this line)";
    refuse(info, position, std::move(reason));
  }
  // Empty fields after the ones the look-ups read do no harm.
  if (shape.firstEmpty && *shape.firstEmpty < info.fields)
    refuse(info, position,
           "field " + std::to_string(*shape.firstEmpty) + " is empty (two spaces in a row)");
}

void checkPreposition(const TableInfo& info, std::string_view line, std::size_t position) {
  const std::string_view governed = *text::fieldAt(line, 4);
  if (governedCase(governed)) return;
  refuse(info, position,
         "field 4 reads " + inQuotes(governed) +
             "; it must name the case the preposition governs: ACC, ABL, GEN, NOM or DAT");
}

void checkVerb(const TableInfo& info, std::string_view line, std::size_t position) {
  // The "ferre" family stores its plural command, from which the singular
  // is cut by two letters.
  if (text::contains(line, "ferre ") && text::fieldAt(line, 151)->size() < 2)
    refuse(info, position,
           "contains \"ferre \", so field 151 must hold the plural command (two letters or "
           "more)");
}

void checkEntry(const TableInfo& info, std::string_view line, std::size_t position, bool cutShort) {
  const std::size_t marker = line.find("::");
  if (marker == std::string_view::npos) {
    refuse(info, position,
           std::string("has no \"::\" before its meaning") +
               (cutShort ? " (the file ends in the middle of this line)" : ""));
  }
  const std::string_view rest = line.substr(marker + 2);
  if (text::trimSpaces(rest.substr(0, rest.find("::"))).empty())
    refuse(info, position, "has an empty meaning after \"::\"");
  checkFields(info, line.substr(0, marker), position, cutShort);
  if (info.table == Table::preposition) checkPreposition(info, line, position);
  if (info.table == Table::verb) checkVerb(info, line, position);
}

}  // namespace

void checkEntries(const TableInfo& info, std::span<const std::string_view> entries,
                  bool lastLineEnded) {
  if (!entries.empty() && entries.front().empty())
    refuse(info, 0, "is empty; the table starts with its first word");
  std::size_t firstEmpty = 0;
  bool inGap = false;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].empty()) {
      if (!inGap) firstEmpty = i;
      inGap = true;
      continue;
    }
    if (inGap)
      refuse(info, firstEmpty,
             "is empty, but line " + std::to_string(i + 1) +
                 " is not; the lists of words would end here and hide every later word");
    checkEntry(info, entries[i], i, !lastLineEnded && i + 1 == entries.size());
  }
}

void checkAuxiliaryVerb(const StoredEntry& verb0) {
  const TableInfo& info = tableInfo(Table::verb);
  if (verb0.line.empty()) refuse(info, 0, "is empty; verb 0 must be \"to be\"");
  // Every form of verb 0 that a compound form or a command can ask for: the
  // auxiliary tenses and the commands, in every person, number and mood.
  for (Tense tense : {Tense::present, Tense::imperfect, Tense::future, Tense::command}) {
    for (Person person : {Person::none, Person::first, Person::second, Person::third}) {
      for (Number number : {Number::singular, Number::plural}) {
        for (Mood mood : {Mood::indicative, Mood::subjunctive}) {
          const VerbQuery query{.tense = tense, .person = person, .number = number, .mood = mood};
          const StoredVerbForm form = storedVerbForm(verb0, query);
          const bool latinHasNone = tense == Tense::future && mood == Mood::subjunctive;
          if (!isCompoundMarker(form.text) && (form.text != "-" || latinHasNone)) continue;
          std::string what = std::string(codeWords(tense));
          if (tense != Tense::command) what += " " + std::string(codeWords(mood));
          if (person != Person::none)
            what += ", " + std::string(codeWords(person)) + " " + std::string(codeWords(number));
          refuse(info, 0,
                 "field " + std::to_string(form.field) + " reads " + inQuotes(form.text) +
                     ", but \"to be\" must have a form of its own there (the " + what +
                     "), which the compound forms and commands are built with");
        }
      }
    }
  }
}

}  // namespace lexorra
