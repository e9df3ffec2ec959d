#include "ui/accessible.h"

#include <QLabel>

namespace accessible {

void labelFor(QLabel* label, QWidget* box) {
    if (label->parentWidget() != box->parentWidget())
        qFatal("The label %s cannot name the box %s: they are not in the same parent",
               qPrintable(label->objectName()), qPrintable(box->objectName()));
    label->setBuddy(box);
}

} // namespace accessible
