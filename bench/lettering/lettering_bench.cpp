// The lettering export of a typical motto, 12 cm wide in its default face:
// the layout alone, and each file made whole in memory (SVG, PDF, PNG at
// 300 dpi), as the export dialog and lexorra-cli make them before saving.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "lettering/lettering.h"
#include "ui/qt_application.h"

namespace {

using namespace lexorra::lettering;

const LetteringText& motto() {
  lexorra::testing::offscreenApplication<QGuiApplication>("bench_lettering");
  static const LetteringText text{"nemo me impune lacessit", "No one provokes me with impunity.",
                                  "Old English Text MT"};
  return text;
}

void layout(benchmark::State& state) {
  const LetteringText& text = motto();
  for (auto _ : state) benchmark::DoNotOptimize(layOutLettering(text, {}));
}
BENCHMARK(layout)->Unit(benchmark::kMillisecond);

void exportFile(benchmark::State& state, LetteringFormat format, LetteringOptions options) {
  const LetteringText& text = motto();
  std::size_t bytes = 0;
  for (auto _ : state) {
    const QByteArray file = letteringFile(format, text, options);
    bytes = static_cast<std::size_t>(file.size());
    benchmark::DoNotOptimize(file.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK_CAPTURE(exportFile, svg, LetteringFormat::svg, {})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportFile, pdf, LetteringFormat::pdf, {})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(exportFile, png_300dpi, LetteringFormat::png, {})->Unit(benchmark::kMillisecond);
// The heaviest the dialog offers at once: two lines, the English, outlines.
BENCHMARK_CAPTURE(exportFile, png_300dpi_two_lines_english_outline, LetteringFormat::png,
                  {.outlineOnly = true, .lines = 2, .withEnglish = true})
    ->Unit(benchmark::kMillisecond);

}  // namespace
