#pragma once

struct AppContext;
class Form1;

// Start-up: what must hold before the application object exists (the page
// scheme, the engine's flags), then the main window in the program's folder.
namespace Main {
void prepareProcess();
void prepareApplication();
// What a start does once the main window is up: leftovers of runs that ended
// in the middle of a save are removed, and their unsaved pages offered back.
void resumeEndedRuns(AppContext &app, Form1 &form);
int run(int argc, char **argv);
} // namespace Main
