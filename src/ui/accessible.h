#pragma once
// Names for screen readers and other assistive technology. A box is announced by the label that
// prompts for it: Qt names a control after the label whose buddy it is, and the name follows the
// label's text whenever that changes. Controls without such a label are given a name of their own.

class QLabel;
class QWidget;

namespace accessible {

// The label prompts for the box: the box's accessible name is the label's text. Both must have
// the same parent (Qt looks for the label among the box's siblings); anything else is a
// programming error. A "&" in the label's text marks the access key that moves to the box.
void labelFor(QLabel* label, QWidget* box);

} // namespace accessible
