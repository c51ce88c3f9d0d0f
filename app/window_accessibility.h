// What assistive technology is told about the main window: that it is a
// window (a frame), not a filler inside one.
#pragma once

namespace app {

// Installs the accessibility factory that presents TForm1 as a window;
// call once, after the application is made.
void InstallWindowAccessibility();

}  // namespace app
