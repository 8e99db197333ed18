#pragma once
// Runs the drawing commands (render, cards) through the module that holds them, so that
// zuvomatic-cli links no Gui library and its other commands start fast.

#include <optional>

namespace zuvo::cli {

// The module's entry point: runs the command named by argv[1] with its own QGuiApplication on
// the offscreen platform and returns the exit code.
using PictureMainFunction = int (*)(int argc, char **argv);
inline constexpr char PictureMainSymbol[] = "zuvoPictureMain";

// When the arguments name a drawing command ("render ...", "help render"), loads the module
// and runs it; a module that cannot be loaded is reported on stderr with exit code 2. Nothing
// for any other command. Called before any QCoreApplication exists.
std::optional<int> RunPictureCommandIfAsked(int argc, char **argv);

} // namespace zuvo::cli
