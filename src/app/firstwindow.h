#pragma once
// What waits for the program's first window to be on screen.
//
// Work that the first window does not need is done once it has been painted: afterFirstPaint.
//
// And a hook for measuring start-up: with the environment variable QUELLORIN_QUIT_AT_FIRST_WINDOW
// set (to anything but empty), the program writes one line to its standard output the moment its
// first window is exposed on screen,
//
//     first window: VmHWM 31234 kB, VmRSS 30980 kB, CPU 41234 us
//
// (its peak and present resident memory at that moment, and the processor time all its threads
// have taken so far) and then quits: a profiler run (valgrind, perf) then covers the start alone.
// bench_first_window times the program from outside and does not need it. Without the variable
// nothing is reported and nothing changes.

#include <functional>

// Starts watching when the environment asks for it; call once the application object exists and
// before the first window is shown. Returns whether it is watching.
bool watchFirstWindow();

// True once the first window has been exposed while watching: the entry returns instead of running
// the event loop, when the window came up before the loop started.
bool firstWindowExposed();

// Runs the work once the first window of the program has been exposed and painted (from the event
// loop, after the paint); at once when that has already happened.
void afterFirstPaint(std::function<void()> work);
