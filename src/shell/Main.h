#pragma once

// Start-up: what must hold before the application object exists (the page
// scheme, the engine's flags), then the main window in the program's folder.
namespace Main {
void prepareProcess();
void prepareApplication();
int run(int argc, char **argv);
} // namespace Main
