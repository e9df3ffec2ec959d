#pragma once
// The topic windows: small menus of buttons, each opening a calculator or another topic window.
// One class interprets the declarations of all ten.

#include "ui/form.h"

#include <vector>

// What a button does with its own window before opening its target.
enum class Leave {
    Stay,        // stays open beside the target
    UnloadFirst, // unloads itself, then shows the target
    HideFirst,   // hides itself (stays loaded), then shows the target
    Close,       // the close button: unloads itself, then shows the target if it names one
};

// A button: its object name, caption, the window class it opens (or nullptr) and what it does with
// its own window first.
struct TopicButton {
    const char* name;
    const char* caption;
    const char* opens;
    Leave leave = Leave::Stay;
};

struct TopicDefinition {
    const char* className;
    const char* caption;
    const char* helpTopic;              // the node of the help viewer's tree that F1 opens
    const char* frameCaption = nullptr; // nullptr: the buttons sit on the window itself
    std::vector<TopicButton> buttons;   // in tab order
    int columns = 1;                    // the buttons other than the close button, row by row
    const char* defaultButton = nullptr;
    const char* cancelButton = nullptr;
    bool helpKey = true; // F1 opens the help viewer
    bool minimizeButton = true;
};

class TopicWindow : public Form {
    Q_OBJECT
  public:
    explicit TopicWindow(const TopicDefinition& definition);
    void click(const TopicButton& button);

  private:
    const TopicDefinition& m_def;
};

const std::vector<TopicDefinition>& topicDefinitions();
void registerTopicWindows();
