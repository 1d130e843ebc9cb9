// Feeds arbitrary command lines to the saver's reading of them: the argument
// string, the mode letter and the preview handle. Beyond answering safely,
// the letter is one whole character, and the handle depends on nothing
// before the fourth character.
#include "command_line.h"
#include "ansi_text.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view commandLine(reinterpret_cast<const char*>(data), size);
    const std::string_view arguments = ArgumentsOf(commandLine);
    if (commandLine.substr(commandLine.size() - arguments.size()) != arguments) std::abort();

    const std::string letter = ModeLetter(arguments);
    const std::string_view firstTwo = LeftCharacters(arguments, 2);
    if (letter != AnsiUpperCase(firstTwo.substr(LeftCharacters(arguments, 1).size()))) {
        std::abort();
    }

    const std::size_t handleStart = LeftCharacters(arguments, 3).size();
    const std::string rest(arguments.substr(handleStart));
    if (PreviewHostHandle(arguments) != PreviewHostHandle("/p " + rest)) std::abort();
    return 0;
}
