#pragma once
// The program as the desktop knows it: its name, version and icon, the desktop entry it is
// started from, and its command line (--version, --help and --self-check).

#include <QIcon>
#include <QString>

class QTextStream;

// The name of the desktop entry, of the icon and of the software-centre listing.
inline const char* const ProgramId = QUELLORIN_ID;

// The version the build gives the program.
QString ProgramVersion();

// The program's icon at the sizes desktops ask for: the pictures drawn at build time.
QIcon ProgramIcon();

// Runs the program with its command line and returns its exit status.
int RunProgram(int argc, char* argv[]);

// Checks the program's folder as a real start does, without showing anything: the entry
// procedure opens the reference database, each reference list and an element's data sheet read
// their rows, and the help viewer reads every topic file. Writes what it found to out; 0 when
// everything was there, 1 otherwise. Leaves the program's windows unloaded.
int SelfCheck(QTextStream& out);
