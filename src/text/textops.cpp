#include "text/textops.h"

#include <cstring>

namespace lexorra::text {

std::string replaceEvery(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    std::size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(text.substr(pos));
  return out;
}

void replaceEveryInPlace(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty() || text.find(from) == std::string::npos) return;
  text = replaceEvery(text, from, to);
}

std::string_view trimSpaces(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && text[b] == ' ') ++b;
  while (e > b && text[e - 1] == ' ') --e;
  return text.substr(b, e - b);
}

std::string_view firstWord(std::string_view text) {
  std::size_t sp = text.find(' ');
  return sp == std::string_view::npos ? text : text.substr(0, sp);
}

char lowerChar(char c) {
  auto u = static_cast<unsigned char>(c);
  if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
  // Windows-1252: À..Þ except × (0xD7); Š, Œ, Ž; Ÿ.
  if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
  if (u == 0x8A || u == 0x8C || u == 0x8E) return static_cast<char>(u + 16);
  if (u == 0x9F) return static_cast<char>(0xFF);
  return c;
}

char upperChar(char c) {
  auto u = static_cast<unsigned char>(c);
  if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
  if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
  if (u == 0x9A || u == 0x9C || u == 0x9E) return static_cast<char>(u - 16);
  if (u == 0xFF) return static_cast<char>(0x9F);
  return c;
}

std::string lowerCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = lowerChar(c);
  return out;
}

std::optional<std::string_view> fieldAt(std::string_view line, std::size_t k) {
  const char* p = line.data();
  const char* end = p + line.size();
  for (std::size_t i = 0; i < k; ++i) {
    const void* sp = std::memchr(p, ' ', static_cast<std::size_t>(end - p));
    if (!sp) return std::nullopt;
    p = static_cast<const char*>(sp) + 1;
  }
  const void* sp = std::memchr(p, ' ', static_cast<std::size_t>(end - p));
  const char* fieldEnd = sp ? static_cast<const char*>(sp) : end;
  return std::string_view(p, static_cast<std::size_t>(fieldEnd - p));
}

std::size_t fieldCount(std::string_view line) {
  std::size_t n = 1;
  for (char c : line)
    if (c == ' ') ++n;
  return n;
}

std::vector<std::string_view> splitFields(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t pos = 0;
  while (true) {
    std::size_t sp = line.find(' ', pos);
    if (sp == std::string_view::npos) {
      out.push_back(line.substr(pos));
      return out;
    }
    out.push_back(line.substr(pos, sp - pos));
    pos = sp + 1;
  }
}

void applyReplacements(std::string& text, std::span<const Replacement> rows) {
  for (const Replacement& r : rows) replaceEveryInPlace(text, r.from, r.to);
}

std::string withThousands(std::size_t n) {
  std::string digits = std::to_string(n);
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(',');
    out.push_back(digits[i]);
  }
  return out;
}

}  // namespace lexorra::text
