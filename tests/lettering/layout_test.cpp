// The lettering's layout: widths and formats as people type them, balanced
// lines, and the ink at exactly the width asked in every motto face.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <cmath>
#include <limits>

#include "lettering/lettering.h"
#include "lettering/lettering_fixture.h"
#include "lettering/typefaces.h"

namespace lexorra {
namespace {

using lettering::LetteringFormat;
using lettering::LetteringOptions;
using lettering::LetteringText;
using testing::guiApplication;
using testing::typicalMotto;

const char* const kMottoFaces[] = {"Old English Text MT", "informal roman", "times new roman",
                                   "high tower text"};

TEST(LetteringWidth, AsPeopleTypeIt) {
  struct Case {
    const char* text;
    std::optional<double> mm;
  };
  const Case cases[] = {
      {"12cm", 120}, {"120mm", 120},  {"4.5in", 114.3}, {"12", 120},   {" 12 cm ", 120},
      {"12CM", 120}, {"0.5in", 12.7}, {"2.5 cm", 25},   {"0", {}},     {"0cm", {}},
      {"-3cm", {}},  {"cm", {}},      {"", {}},         {"12km", {}},  {"12,5cm", {}},
      {"inf", {}},   {"nan cm", {}},  {"1e999cm", {}},  {"12cm3", {}}, {"twelve", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto mm = lettering::widthInMillimetres(c.text);
    ASSERT_EQ(mm.has_value(), c.mm.has_value());
    if (mm) {
      EXPECT_NEAR(*mm, *c.mm, 1e-9);
    }
  }
}

TEST(LetteringFormat, ByNameAndByExtension) {
  EXPECT_EQ(lettering::formatNamed("svg"), LetteringFormat::svg);
  EXPECT_EQ(lettering::formatNamed("PDF"), LetteringFormat::pdf);
  EXPECT_EQ(lettering::formatNamed("Png"), LetteringFormat::png);
  EXPECT_EQ(lettering::formatNamed("jpg"), std::nullopt);
  EXPECT_EQ(lettering::formatNamed(""), std::nullopt);
  struct Case {
    const char* path;
    std::optional<LetteringFormat> format;
  };
  const Case cases[] = {
      {"motto.svg", LetteringFormat::svg},
      {"out/Motto.PDF", LetteringFormat::pdf},
      {"a.tar.png", LetteringFormat::png},
      {"motto", std::nullopt},
      {"motto.", std::nullopt},
      {".svg", std::nullopt},
      {"motto.svg.txt", std::nullopt},
      {"dir.svg/motto", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(lettering::formatOfPath(c.path), c.format) << c.path;
  for (LetteringFormat format : {LetteringFormat::svg, LetteringFormat::pdf, LetteringFormat::png})
    EXPECT_EQ(lettering::formatNamed(lettering::formatName(format)), format);
}

TEST(LetteringProblem, WhatCannotBeLettered) {
  struct Case {
    const char* name;
    LetteringText text;
    LetteringOptions options;
    std::optional<LetteringFormat> format;
    const char* problem;  // a part of the reason, or nullptr for none
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const LetteringText motto = typicalMotto();
  const Case cases[] = {
      {"typical", motto, {}, LetteringFormat::png, nullptr},
      {"no Latin", {"", "x", "times new roman"}, {}, {}, "no Latin"},
      {"only spaces", {"   ", "x", "times new roman"}, {}, {}, "no Latin"},
      {"too narrow", motto, {.widthMm = 4}, {}, "width"},
      {"too wide", motto, {.widthMm = 6000}, {}, "width"},
      {"no width", motto, {.widthMm = nan}, {}, "width"},
      {"three lines", motto, {.lines = 3}, {}, "one line or two"},
      {"coarse PNG", motto, {.dpi = 10}, LetteringFormat::png, "resolution"},
      {"fine PNG", motto, {.dpi = 3000}, LetteringFormat::png, "resolution"},
      // The resolution is the PNG's alone.
      {"dpi of an SVG", motto, {.dpi = 10}, LetteringFormat::svg, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto problem = lettering::letteringProblem(c.text, c.options, c.format);
    if (!c.problem) {
      EXPECT_EQ(problem, std::nullopt) << *problem;
    } else {
      ASSERT_TRUE(problem.has_value());
      EXPECT_NE(problem->find(c.problem), std::string::npos) << *problem;
    }
  }
}

double advance(const std::string& line, const char* face) {
  QFont font = lettering::typefaceFont(face);
  font.setPixelSize(200);
  return QFontMetricsF(font).horizontalAdvance(QString::fromStdString(line));
}

TEST(LetteringLines, OneLineOrTwoBalanced) {
  guiApplication();
  using Lines = std::vector<std::string>;
  EXPECT_EQ(lettering::letteringLines("  amor   caecus  est ", "times new roman", 1),
            (Lines{"amor caecus est"}));
  EXPECT_EQ(lettering::letteringLines("amor", "times new roman", 2), (Lines{"amor"}));
  EXPECT_EQ(lettering::letteringLines("   ", "times new roman", 2), Lines{});
  EXPECT_EQ(lettering::letteringLines("ego te amo", "times new roman", 2).size(), 2u);

  // Two lines: no other split of the words makes the longer line shorter.
  const char* mottos[] = {"amor vincit omnia", "nemo me impune lacessit",
                          "amor pecuniae radix malorum omnium est", "sine metu", "a bcdefghij"};
  for (const char* face : kMottoFaces)
    for (const char* motto : mottos) {
      SCOPED_TRACE(std::string(face) + ": " + motto);
      const Lines lines = lettering::letteringLines(motto, face, 2);
      ASSERT_EQ(lines.size(), 2u);
      EXPECT_EQ(lines[0] + " " + lines[1], motto);
      const double chosen = std::max(advance(lines[0], face), advance(lines[1], face));
      const std::string words = motto;
      for (std::size_t space = words.find(' '); space != std::string::npos;
           space = words.find(' ', space + 1)) {
        const double other =
            std::max(advance(words.substr(0, space), face), advance(words.substr(space + 1), face));
        EXPECT_LE(chosen, other + 1e-6) << "split at " << space;
      }
    }
}

// The widest line's ink is the width asked, from the left edge; the whole
// lettering starts at the top edge.
TEST(LetteringLayout, TheInkIsTheWidthAskedInEveryFace) {
  guiApplication();
  for (const char* face : kMottoFaces)
    for (int lines : {1, 2})
      for (bool outline : {false, true})
        for (double width : {25.0, 120.0, 101.6}) {
          SCOPED_TRACE(std::string(face) + ", lines " + std::to_string(lines) +
                       (outline ? ", outline, " : ", filled, ") + std::to_string(width));
          const LetteringText text{"nemo me impune lacessit", "", face};
          const auto layout = lettering::layOutLettering(
              text, {.widthMm = width, .outlineOnly = outline, .lines = lines});
          const QRectF ink = layout.latin.boundingRect();
          const double pen = layout.outlinePenMm;
          EXPECT_EQ(pen > 0, outline);
          EXPECT_NEAR(ink.left() - pen / 2, 0, 1e-6);
          EXPECT_NEAR(ink.right() + pen / 2, width, 1e-6);
          EXPECT_NEAR(ink.top() - pen / 2, 0, 1e-6);
          EXPECT_NEAR(layout.sizeMm.width(), width, 1e-9);
          EXPECT_NEAR(layout.sizeMm.height(), ink.bottom() + pen / 2, 1e-6);
        }
}

TEST(LetteringLayout, TwoLinesAreTallerAndCentred) {
  guiApplication();
  const LetteringText text = typicalMotto();
  const auto one = lettering::layOutLettering(text, {.lines = 1});
  const auto two = lettering::layOutLettering(text, {.lines = 2});
  EXPECT_GT(two.sizeMm.height(), 1.5 * one.sizeMm.height());
  // The shorter line sits in the middle: the ink of the lower half of the
  // lettering is as far from the left edge as from the right.
  QPainterPath lowerLine;
  lowerLine.addRect(0, two.sizeMm.height() * 0.65, two.sizeMm.width(), two.sizeMm.height());
  const QRectF lower = two.latin.intersected(lowerLine).boundingRect();
  ASSERT_GT(lower.width(), 0);
  EXPECT_NEAR(lower.left(), two.sizeMm.width() - lower.right(), 0.5);
}

TEST(LetteringLayout, TheEnglishMeaningSitsBelowInSmallType) {
  guiApplication();
  LetteringText text = typicalMotto();
  const auto without = lettering::layOutLettering(text, {});
  EXPECT_TRUE(without.english.isEmpty());
  const auto with = lettering::layOutLettering(text, {.withEnglish = true});
  ASSERT_FALSE(with.english.isEmpty());
  const QRectF latin = with.latin.boundingRect();
  const QRectF english = with.english.boundingRect();
  EXPECT_GT(english.top(), latin.bottom());
  EXPECT_NEAR(english.bottom(), with.sizeMm.height(), 1e-6);
  EXPECT_LT(english.height(), latin.height() / 2);
  EXPECT_NEAR(english.center().x(), with.sizeMm.width() / 2, 1e-6);
  // The Latin is not made smaller for the English.
  EXPECT_NEAR(latin.height(), without.latin.boundingRect().height(), 1e-6);

  // A meaning longer than the Latin is made smaller still to fit the width.
  text.english = std::string(20, ' ') + "Love conquers all things, always and everywhere, " +
                 "whatever anyone may say about it.";
  const auto long_ = lettering::layOutLettering(text, {.withEnglish = true});
  EXPECT_LE(long_.english.boundingRect().right(), long_.sizeMm.width() + 1e-6);
  EXPECT_GE(long_.english.boundingRect().left(), -1e-6);

  // No meaning, no English and no gap.
  text.english = "  ";
  EXPECT_EQ(lettering::layOutLettering(text, {.withEnglish = true}).sizeMm, without.sizeMm);
}

TEST(LetteringLayout, MirroredIsTheHorizontalMirror) {
  guiApplication();
  for (bool english : {false, true}) {
    const LetteringOptions plainOptions{.widthMm = 80, .withEnglish = english};
    LetteringOptions mirroredOptions = plainOptions;
    mirroredOptions.mirrored = true;
    const auto plain = lettering::layOutLettering(typicalMotto(), plainOptions);
    const auto mirrored = lettering::layOutLettering(typicalMotto(), mirroredOptions);
    EXPECT_EQ(mirrored.sizeMm, plain.sizeMm);
    const QTransform mirror(-1, 0, 0, 1, 80, 0);
    for (const auto& [a, b] :
         {std::pair{&plain.latin, &mirrored.latin}, std::pair{&plain.english, &mirrored.english}}) {
      const QPainterPath expected = mirror.map(*a);
      ASSERT_EQ(expected.elementCount(), b->elementCount());
      for (int i = 0; i < expected.elementCount(); ++i) {
        EXPECT_NEAR(expected.elementAt(i).x, b->elementAt(i).x, 1e-9);
        EXPECT_NEAR(expected.elementAt(i).y, b->elementAt(i).y, 1e-9);
      }
    }
    // A mirror, not the same picture: the motto is not symmetric.
    EXPECT_NE(plain.latin.elementAt(0).x, mirrored.latin.elementAt(0).x);
  }
}

// The program's text is Windows-1252: a letter beyond ASCII is that letter,
// not a replacement mark.
TEST(LetteringLayout, WindowsTextBecomesItsLetters) {
  guiApplication();
  const auto outline = [](const char* latin) {
    return lettering::layOutLettering({latin, "", "times new roman"}, {.widthMm = 100}).latin;
  };
  EXPECT_GT(outline("c\xe6lum").elementCount(), 0);
  EXPECT_NE(outline("c\xe6lum"), outline("c?lum"));
  // 0x80 is the euro sign in Windows-1252, a control code without a glyph in
  // Latin-1.
  EXPECT_GT(outline("\x80").elementCount(), 0);
}

}  // namespace
}  // namespace lexorra
