#pragma once

namespace marulo {

// What TForm1::openLocation made of a path.
enum class OpenResult {
    Folder,       // a folder, now open
    File,         // a file: its folder is open and the file selected
    FileNotShown, // a file: its folder is open, but the file list's mask does not show it
    Failed,       // nothing there, or a folder the program cannot enter; nothing changed
};

} // namespace marulo
