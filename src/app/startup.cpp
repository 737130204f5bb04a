#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <exception>
#include <iostream>

#include "app/program.h"
#include "text/codepage.h"
#include "ui/messages.h"
#include "ui/shell.h"

namespace lexorra::app {

namespace {

void setCaption(Program& program, const char* caption) {
  program.splash->setCaption(QString::fromLatin1(caption));
}

void repaint(Program& program) {
  program.splash->repaint();
}

// A window paints only once the windowing system has put it on screen, which
// it reports through the event loop: wait for that (briefly) once, before the
// first caption, so that the repaints of the start-up show their captions.
void showSplash(Program& program) {
  program.splash->show();
  QElapsedTimer waited;
  waited.start();
  while (program.splash->windowHandle() && !program.splash->windowHandle()->isExposed() &&
         waited.elapsed() < 500)
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
}

ui::PickerWindowBase* pickerFor(Program& program, SlotKind kind) {
  switch (kind) {
    case SlotKind::noun:
      return program.nounPicker.get();
    case SlotKind::verb:
      return program.verbPicker.get();
    case SlotKind::adjective:
      return program.adjPicker.get();
    case SlotKind::adverb:
      return program.adverbPicker.get();
    case SlotKind::preposition:
      return program.prepositionPicker.get();
    default:
      return nullptr;
  }
}

void connectPicker(Program& program, ui::PickerWindowBase& picker) {
  Program* p = &program;
  picker.setHooks({
      .changed = [p] { p->form->pickerVisitEnded(); },
      .cancelled = [p] { p->form->cancelSlotEdit(); },
      .failed = [p](const QString& problem) { p->form->reportRenderProblem(problem); },
  });
}

}  // namespace

std::unique_ptr<Program> createProgram() {
  auto program = std::make_unique<Program>();
  Program* p = program.get();
  program->form = std::make_unique<ui::Form1>(program->state, program->lexicon, program->english);
  program->form->setHooks({
      .openPicker =
          [p](SlotKind kind) {
            if (ui::PickerWindowBase* picker = pickerFor(*p, kind)) picker->openPicker();
          },
      .openWebsite = &ui::openWebsite,
      .showAbout = [p] { showAbout(*p); },
      .openHelp = &ui::openHelp,
      .exitProgram = [] { QCoreApplication::exit(0); },
  });
  program->splash = std::make_unique<ui::SplashScreen>();
  return program;
}

void Form_Load(Program& program, const std::filesystem::path& dataFolder) {
  MottoState& state = program.state;
  ui::Form1& form = *program.form;
  auto searchPicker = [&program](SearchPickerKind kind) {
    auto picker = std::make_unique<ui::SearchPickerWindow>(program.state, program.lexicon,
                                                           program.english, kind);
    connectPicker(program, *picker);
    return picker;
  };

  form.setDataFolder(dataFolder);
  state.Enabled = false;  // 1
  form.showModel();
  showSplash(program);                                // 2
  setCaption(program, "Loading principle parts...");  // 3
  repaint(program);
  program.lexicon = loadDictionaries(dataFolder);           // 4
  setCaption(program, "Building from principle parts...");  // 5
  repaint(program);
  loadIrregularVerbs(program.english, dataFolder);  // 6
  setCaption(program, "Loading nouns...");          // 7
  repaint(program);
  loadIrregularNouns(program.english, dataFolder);  // 8
  setCaption(program, "Loading meanings...");       // 9
  repaint(program);
  program.nounPicker = searchPicker(SearchPickerKind::noun);  // 10
  setCaption(program, "Conjugating verbs...");                // 11
  repaint(program);
  program.verbPicker = searchPicker(SearchPickerKind::verb);  // 12
  program.adjPicker = searchPicker(SearchPickerKind::adjective);
  repaint(program);                                               // 13
  setCaption(program, "Decompressing Latin from parts...");       // 14
  program.adverbPicker = searchPicker(SearchPickerKind::adverb);  // 15
  repaint(program);
  setCaption(program, "Medieval vocab...");  // 16
  program.prepositionPicker =
      std::make_unique<ui::PrepositionPickerWindow>(program.state, program.lexicon);  // 17
  connectPicker(program, *program.prepositionPicker);
  repaint(program);
  setCaption(program, "Prepositions...");  // 18
  program.splash->hide();                  // 19
  state.Enabled = true;                    // 20
  form.showModel();
  form.show();  // 21
  form.raise();
  form.activateWindow();
}

bool startUp(Program& program, const std::filesystem::path& dataFolder,
             const std::optional<std::filesystem::path>& mottoFile) {
  try {
    Form_Load(program, dataFolder);
    if (mottoFile) program.form->openMottoFile(*mottoFile);
    return true;
  } catch (const std::exception& failure) {
    program.splash->hide();
    // The terminal hears of it at once, while the box waits for its OK.
    std::cerr << "lexorra: cannot start: " << text::cp1252ToUtf8(failure.what()) << std::endl;
    ui::showMessage(nullptr, ui::MessageKind::critical, "Lexorra",
                    QString("Lexorra cannot start.\n\n%1").arg(ui::failureText(failure)));
    return false;
  }
}

int runProgram(const StartOptions& options) {
  auto program = createProgram();
  if (!startUp(*program, options.dataFolder, options.mottoFile)) return 1;
  return QApplication::exec();
}

int runProgram(const std::filesystem::path& dataFolder) {
  return runProgram(StartOptions{.dataFolder = dataFolder, .mottoFile = std::nullopt});
}

void showAbout(Program& program) {
  if (!program.about) {
    Program* p = &program;
    program.about = std::make_unique<ui::AboutBox>([p] {
      p->state.Enabled = true;
      p->form->showModel();
    });
  }
  program.state.Enabled = false;
  program.form->showModel();
  program.about->show();
  program.about->raise();
  program.about->activateWindow();
}

}  // namespace lexorra::app
