#pragma once
// A timing hook for measuring start-up from outside the program: with the environment variable
// QUELLORIN_QUIT_AT_FIRST_WINDOW set (to anything but empty), the program writes one line to its
// standard output the moment its first window is exposed on screen,
//
//     first window: VmHWM 31234 kB, VmRSS 30980 kB, CPU 41234 us
//
// (its peak and present resident memory at that moment, and the processor time all its threads
// have taken so far) and then quits. bench_first_window
// starts the program and a bare Qt window this way and times each from exec to that line. Without
// the variable nothing is watched and nothing changes.

// Starts watching when the environment asks for it; call once the application object exists and
// before the first window is shown. Returns whether it is watching.
bool watchFirstWindow();

// True once the first window has been exposed while watching: the entry returns instead of running
// the event loop, when the window came up before the loop started.
bool firstWindowExposed();
