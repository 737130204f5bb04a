// The window's two timings, on the real program under the offscreen platform:
//
// - StartUpToMainWindowShown: from the first line of main() to the main window
//   on screen, in a fresh process each time (this executable started again as
//   a child that runs the program's start-up and reports). The child's peak
//   memory is reported as a counter.
// - NounPickerKeystroke: one key typed in the noun picker's search box, from
//   the key to the refilled list drawn.
// - MainWindowRefresh: one tick of the main window's refresh, shown.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "app/program.h"
#include "editor/motto_file.h"
#include "ui/slot_label.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

const char* const kChildFlag = "--startup-child";

// Runs in the child: the program's own start-up, then waits until the main
// window is really on screen and prints the nanoseconds since main() began.
int startupChild(Clock::time_point mainStarted, int argc, char** argv) {
  QApplication application(argc, argv);
  auto program = lexorra::app::createProgram();
  if (!lexorra::app::startUp(*program, LEXORRA_BIN_DIR)) return 1;
  QWindow* window = program->form->windowHandle();
  while (!window || !window->isExposed()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    window = program->form->windowHandle();
  }
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - mainStarted);
  std::printf("%lld\n", static_cast<long long>(elapsed.count()));
  std::fflush(stdout);
  std::_Exit(0);  // the timing is taken; tearing the windows down is not part of it
}

struct ChildResult {
  double seconds = 0;
  double peakMegabytes = 0;
  bool ok = false;
};

ChildResult runChild() {
  int out[2];
  if (pipe(out) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char self[] = "/proc/self/exe";
  char flag[64];
  std::strcpy(flag, kChildFlag);
  char* argv[] = {self, flag, nullptr};
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, self, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return {};
  }
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
  close(out[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  ChildResult result;
  result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0 && !text.empty();
  if (result.ok) result.seconds = std::stod(text) / 1e9;
  result.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
  return result;
}

void StartUpToMainWindowShown(benchmark::State& state) {
  double peak = 0;
  for (auto _ : state) {
    const ChildResult child = runChild();
    if (!child.ok) {
      state.SkipWithError("the program did not start (are the data files beside it?)");
      return;
    }
    state.SetIterationTime(child.seconds);
    peak = std::max(peak, child.peakMegabytes);
  }
  state.counters["peak_MB"] = peak;
}
BENCHMARK(StartUpToMainWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

QApplication& application() {
  static int argc = 1;
  static char name[] = "bench_ui";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

// The program, started once, with the noun picker open for the first thing.
lexorra::ui::SearchPickerWindow* openNounPicker() {
  application();
  static std::unique_ptr<lexorra::app::Program> program = [] {
    auto p = lexorra::app::createProgram();
    return lexorra::app::startUp(*p, LEXORRA_BIN_DIR) ? std::move(p) : nullptr;
  }();
  if (!program) return nullptr;
  auto& picker = *program->nounPicker;
  if (!picker.isVisible()) {
    program->state.actorTickBox.Value = 1;
    program->state.actorNounText.Visible = true;
    program->form->showModel();
    QTest::mouseClick(program->form->slotLabel("actorNounText"), Qt::LeftButton);
    if (!QTest::qWaitForWindowExposed(&picker)) return nullptr;
  }
  picker.searchBox()->clear();
  return &picker;
}

// One key in the noun picker, timed from the key to the refilled list drawn:
// `typed` then `key`. A second key, outside the timing, undoes it.
void keystroke(benchmark::State& state, const char* typed, Qt::Key key, Qt::Key undo) {
  lexorra::ui::SearchPickerWindow* picker = openNounPicker();
  if (!picker) {
    state.SkipWithError("the program did not start (are the data files beside it?)");
    return;
  }
  QTest::keyClicks(picker->searchBox(), typed);
  std::size_t rows = 0;
  for (auto _ : state) {
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(picker->searchBox(), key);
    picker->list()->viewport()->repaint();
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    rows = picker->model().rows().size();
    QTest::keyClick(picker->searchBox(), undo);
  }
  state.counters["rows"] = static_cast<double>(rows);
}

// "lov" becomes "love": the whole noun table is scanned, 45 rows listed.
void NounPickerKeystroke(benchmark::State& state) {
  keystroke(state, "lov", Qt::Key_E, Qt::Key_Backspace);
}
BENCHMARK(NounPickerKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond);

// "l" becomes "": every noun comes back, 19,000 rows.
void NounPickerKeystrokeToFullList(benchmark::State& state) {
  keystroke(state, "l", Qt::Key_Backspace, Qt::Key_L);
}
BENCHMARK(NounPickerKeystrokeToFullList)->UseManualTime()->Unit(benchmark::kMillisecond);

// One refresh of the main window with an example loaded: the render, the
// captions, the tidy step and showModel (widgets, title and unsaved mark,
// undo and redo commands, names for assistive technology), four times a
// second while the window is shown.
void MainWindowRefresh(benchmark::State& state) {
  application();
  auto program = lexorra::app::createProgram();
  if (!lexorra::app::startUp(*program, LEXORRA_BIN_DIR)) {
    state.SkipWithError("the program did not start (are the data files beside it?)");
    return;
  }
  program->form->timer()->stop();
  program->form->loadExampleCommand(lexorra::kExamples[15]);  // "Love of money ..."
  for (auto _ : state) program->form->Timer1_Timer();
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
}
BENCHMARK(MainWindowRefresh)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  const Clock::time_point mainStarted = Clock::now();
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (argc >= 2 && std::strcmp(argv[1], kChildFlag) == 0) return startupChild(mainStarted, 1, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
