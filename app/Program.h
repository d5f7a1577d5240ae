#pragma once

#include <functional>

namespace marulo {

class TForm1;

// The whole program from the command line to the end of the window's event
// loop; main() is this call. onWindow, when given, sees the window once it
// exists and before it is shown (the hand-over tests watch it from there).
int RunProgram(int argc, char* argv[], const std::function<void(TForm1&)>& onWindow = {});

} // namespace marulo
