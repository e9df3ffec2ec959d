#pragma once
// The help viewer: a tree of topics; double-clicking a topic shows its plain-text file from the
// program's folder.

#include "ui/form.h"

#include <vector>

class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

// The pictures of the tree's nodes, numbered as the window's image list holds them.
enum class NodePicture { OpenBook = 1, ClosedBook, Page, Question, Folder };

struct HelpNode {
    const char* text;
    const char* key;    // unique: a level prefix ("r", "s" or "t"), a blank, a name
    const char* parent; // the parent's key; nullptr for the root
    NodePicture picture;
    NodePicture selectedPicture;
    const char* file; // the topic file, or nullptr for a node that only groups others
};

// The nodes in the order they are added: every parent before its children.
const std::vector<HelpNode>& helpNodes();

// F1 in a window: the help viewer shown, at the window's own topic (the text of a node of the tree,
// registered with the window: windows::helpTopic). A window without one of its own (the main
// window) opens the viewer at the root of the tree.
void showHelpFor(const Form* from);

class frmHelp : public Form {
    Q_OBJECT
  public:
    frmHelp();
    void Form_Load() override;
    void TreeView1_DblClick(QTreeWidgetItem* item);
    // Opens the tree at the topic: its node made visible and current, with the keyboard focus in
    // the tree, and its file shown where it has one (a section is unfolded instead). An empty or
    // unknown topic changes nothing.
    void showTopic(const QString& topic);
    // Shows the topic file of that name from the program's folder; on failure says why and keeps
    // what was shown.
    void GetHelp(const QString& file);
    void cmdClear_Click();
    void cmdPrint_Click();
    void cmdCancel_Click();

  private:
    QTreeWidget* m_tree;
    QTextEdit* m_text;
};

void registerHelpWindow();
