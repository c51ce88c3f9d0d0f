// What assistive technology is told about the main window and its tool
// windows: that each is a window (a frame), not a filler inside one, and
// that the picture is one.
#pragma once

namespace app {

// Installs the accessibility factory that presents TForm1 and the tool
// windows as windows and the picture as a graphic;
// call once, after the application is made.
void InstallWindowAccessibility();

}  // namespace app
