#pragma once
// The program's one list of calculators (calculatorlist.cpp): for each, what the program needs to know
// about it besides its declaration. registerWindows() registers every calculator from it without
// building any declaration, and the tests walk the same list.

#include <QString>

#include <vector>

namespace calc {
struct Definition;
}

struct Calculator {
    // The window class, which is also the name of the function that declares it.
    QString className;
    calc::Definition (*define)();
    // The folder under src/ of its family: its file (the class name, .cpp) is there, and the
    // family's CMakeLists.txt and calculators.h build it and declare its function.
    const char* family;
    // The node of the help viewer's tree that F1 in the window opens.
    const char* helpTopic;
    // Each control that opens it, as WINDOW.CONTROL: a button of a topic window (topics.cpp), a
    // button, menu or menu item of the main window (frmmain.cpp).
    std::vector<const char*> offeredBy;
};

// The list, in its order.
const std::vector<Calculator>& calculators();
