// write-examples: writes the example motto files from their descriptions.
//
//   write-examples DATA_DIR [OUT_DIR]
//
// Reads the lexicon from DATA_DIR, looks up every word of every example and
// writes the seventeen 81-line files into OUT_DIR (DATA_DIR when omitted).
// Run it from the source tree after the lexicon changes:
//   build/bin/write-examples data
#include <filesystem>
#include <iostream>

#include "editor/motto_file.h"
#include "example_builder.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: write-examples DATA_DIR [OUT_DIR]\n";
    return 2;
  }
  std::filesystem::path data = argv[1];
  std::filesystem::path out = argc == 3 ? argv[2] : argv[1];
  try {
    lexorra::Lexicon lexicon = lexorra::loadDictionaries(data);
    for (const auto& example : lexorra::examples::exampleDescriptions()) {
      lexorra::MottoState state = lexorra::examples::buildExample(lexicon, example);
      lexorra::writeMottoFile(state, out / std::string(example.fileName),
                              lexorra::MottoFileFormat::lines81);
    }
  } catch (const std::exception& e) {
    std::cerr << "write-examples: " << e.what() << "\n";
    return 1;
  }
  std::cout << "wrote " << lexorra::examples::exampleDescriptions().size() << " example files to "
            << out.string() << "\n";
  return 0;
}
