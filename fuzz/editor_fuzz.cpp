// A person at the window, from any bytes: each act is one byte (and the
// bytes it needs after it), done only where the window allows it: a hidden
// label takes no click, a disabled tick box no tick, and while a picker is
// open only the picker takes acts (and the main window's timer still ticks).
// The delivered data, the real pickers and a folder of its own for saving.
#include <unistd.h>

#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "editor/interaction.h"
#include "editor/menus.h"
#include "editor/motto_file.h"
#include "editor/options.h"
#include "editor/refresh.h"
#include "fuzz_entries.h"
#include "fuzz_support.h"
#include "pickers/pickers.h"

namespace lexorra::fuzz {

namespace {

using M = MottoState;

constexpr TickBox M::*kTickBoxes[] = {&M::actorTickBox, &M::actionTickBoc, &M::actedTickBox,
                                      &M::mannerTickBox};
constexpr CheckBox M::*kCheckBoxes[] = {&M::Check1,    &M::isCheckBox,   &M::wordOrderBox,
                                        &M::femaleBox, &M::youFemaleBox, &M::notButton};
constexpr bool M::*kQuestions[] = {&M::whenIsItOption, &M::whyOption, &M::isItThatOption,
                                   &M::notQuestionOption};

// What a person types into a picker's search box.
constexpr std::string_view kSearches[] = {
    "",     "love", "god",  "war",  "be",    "fear", "good", "always", "with",  "of",
    "dog",  "all",  "true", "free", "great", "lov",  "LOVE", "eat",    "know",  "money",
    "evil", "root", "mine", "you",  "i",     "a",    "more", "most",   "never", "e"};

struct Pickers {
  WordPickers pickers{deliveredData().lexicon};
  std::filesystem::path saveFolder;

  Pickers() {
    char pattern[] = "/tmp/lexorra-fuzz-editor-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    require(made != nullptr, "a folder to save into");
    saveFolder = made;
  }
  ~Pickers() {
    std::error_code ec;
    std::filesystem::remove_all(saveFolder, ec);
  }

  // Back to how start-up leaves them: the full lists, nothing selected.
  void reset() {
    for (SearchPicker* p :
         {&pickers.nounPicker, &pickers.verbPicker, &pickers.adjPicker, &pickers.adverbPicker}) {
      p->hide();
      p->selectRow(-1);
      while (p->comparison() != Comparison::none) p->compareButton_Click();
    }
    pickers.prepositionPicker.hide();
    pickers.prepositionPicker.selectRow(-1);
  }
};

Pickers& sharedPickers() {
  static Pickers pickers;
  return pickers;
}

class Session {
 public:
  explicit Session(ByteReader& in) : in_(in), data_(deliveredData()), shared_(sharedPickers()) {
    shared_.reset();
    state_.Enabled = true;  // as start-up leaves the window
  }

  void run() {
    while (!in_.done()) {
      if (open_)
        pickerAct(in_.byte());
      else
        windowAct(in_.byte());
    }
    if (open_) closePicker();
    refresh();
    refresh();
  }

 private:
  void refresh() { Timer1_Timer(state_, data_.lexicon, data_.english); }

  void windowAct(std::uint8_t act) {
    switch (act % 11) {
      case 0:
        clickLabel(kSlots[in_.below(kSlots.size())].slot);
        break;
      case 1: {
        TickBox M::*box = kTickBoxes[in_.below(std::size(kTickBoxes))];
        if ((state_.*box).Enabled && state_.Enabled)
          setTickBox(state_, box, (state_.*box).Value == 1 ? 0 : 1);
        break;
      }
      case 2: {
        CheckBox& box = state_.*kCheckBoxes[in_.below(std::size(kCheckBoxes))];
        if (box.Visible && state_.Enabled) box.Value = box.Value == 1 ? 0 : 1;
        break;
      }
      case 3: {
        const int n = static_cast<int>(in_.below(9)) + 1;
        if ((state_.*linkOption(n)).Visible && state_.Enabled) selectOption(state_, n);
        break;
      }
      case 4:
        if (state_.Enabled) selectQuestion(state_, kQuestions[in_.below(std::size(kQuestions))]);
        break;
      case 5: {
        const ExampleMotto& example = kExamples[in_.below(kExamples.size())];
        loadExample(state_, data_.lexicon, programFolder(), example.fileName);
        break;
      }
      case 6:
        saveAndReload();
        break;
      case 7:
        resetTheForm(state_);
        break;
      case 8:
        hoverSlot(state_, kSlots[in_.below(kSlots.size())].slot);
        break;
      case 9:
        raiseAllButtons(state_);
        break;
      default:
        refresh();
        break;
    }
  }

  void clickLabel(WordSlot M::*slot) {
    const std::optional<SlotClick> click = clickSlot(state_, slot);
    if (!click) return;
    switch (click->tool) {
      case SlotTool::actorPronounMenu:
      case SlotTool::actedPronounMenu: {
        // The menu is modal: an item is chosen, or it is closed without one.
        const PronounMenu menu =
            click->tool == SlotTool::actorPronounMenu ? PronounMenu::actor : PronounMenu::acted;
        const auto items = pronounMenuItems(menu);
        const std::size_t pick = in_.below(items.size() + 1);
        if (pick < items.size())
          choosePronoun(state_, menu, items[pick]);
        else
          cancelSlotEdit(state_, click->edit);
        return;
      }
      case SlotTool::tenseRing:
        return;
      default:
        edit_ = click->edit;
        kind_ = slotTool(slot);
        open_ = true;
        if (SearchPicker* picker = searchPicker())
          picker->show();
        else
          shared_.pickers.prepositionPicker.show();
    }
  }

  SearchPicker* searchPicker() {
    WordPickers& p = shared_.pickers;
    switch (kind_) {
      case SlotTool::nounPicker:
        return &p.nounPicker;
      case SlotTool::verbPicker:
        return &p.verbPicker;
      case SlotTool::adjPicker:
        return &p.adjPicker;
      case SlotTool::adverbPicker:
        return &p.adverbPicker;
      default:
        return nullptr;
    }
  }

  void pickerAct(std::uint8_t act) {
    SearchPicker* search = searchPicker();
    PrepositionPicker& prepositions = shared_.pickers.prepositionPicker;
    switch (act % 10) {
      case 0:
        if (search) search->setSearchText(kSearches[in_.below(std::size(kSearches))]);
        break;
      case 1: {
        const char typed = static_cast<char>(in_.byte());
        if (search) search->keyTypedInList(typed);
        break;
      }
      case 2: {
        const std::size_t rows = search ? search->rows().size() : prepositions.rows().size();
        const int row = static_cast<int>(in_.below(rows + 1)) - 1;
        if (search)
          search->selectRow(row);
        else
          prepositions.selectRow(row);
        break;
      }
      case 3:
        if (search && search->config().hasComparison) search->compareButton_Click();
        break;
      case 4:
        // "Use this word in motto": the visit ends once a row was selected.
        if (search ? search->choose(state_, data_.english) : prepositions.choose(state_))
          open_ = false;
        break;
      case 5:
        if (search)
          search->chooseNoWord(state_, data_.english);
        else
          prepositions.chooseNoWord(state_);
        open_ = false;
        break;
      case 6:
        closePicker();
        break;
      case 7:
        if (search)
          search->Timer1_Timer();
        else
          prepositions.Timer1_Timer();
        break;
      case 8:
        // Another window of the program became active, then the picker again.
        if (search) {
          search->Form_Deactivate();
          search->Form_Activate();
        }
        break;
      default:
        refresh();  // the main window's timer runs on; disabled, it only tidies
        break;
    }
  }

  // The picker closed by its title bar or Escape: the slot gets its tag back.
  void closePicker() {
    if (SearchPicker* search = searchPicker())
      search->hide();
    else
      shared_.pickers.prepositionPicker.hide();
    cancelSlotEdit(state_, edit_);
    open_ = false;
  }

  // The save button, then the saved file loaded: the motto is what it was.
  void saveAndReload() {
    if (!state_.Enabled) return;
    std::filesystem::path written;
    try {
      written = saveButton_Click(state_, shared_.saveFolder);
    } catch (const MottoFileError&) {
      return;  // a name the file system refuses
    }
    const std::vector<std::string> saved = mottoFileLines(state_);
    try {
      loadMottoFile(state_, data_.lexicon, written);
    } catch (const MottoFileError& e) {
      brokenPromise(std::string("a saved motto does not load: ") + e.what());
    }
    require(mottoFileLines(state_) == saved, "a saved motto loads back as it was");
    std::error_code ec;
    std::filesystem::remove(written, ec);
  }

  ByteReader& in_;
  const DeliveredData& data_;
  Pickers& shared_;
  MottoState state_;
  bool open_ = false;
  SlotTool kind_ = SlotTool::nounPicker;
  SlotEdit edit_;
};

}  // namespace

void editorInput(std::string_view bytes) {
  ByteReader in(bytes);
  Session(in).run();
}

}  // namespace lexorra::fuzz
