#pragma once
// The naming mistakes a calculator's declaration can make, found from the declaration alone: a
// misspelt name stops the program the first time the calculator is made, not later as an empty
// text.

#include "calc/framework/definition.h"

#include <QStringList>

#include <vector>

namespace calc {

// Every layout a calculator can show: each option's, and those its layout hook can give.
std::vector<const Layout*> possibleLayouts(const Definition& d);
// Every working a calculator can show: the window's own, each layout's and each extra button's.
std::vector<const std::vector<Step>*> possibleWorkings(const Definition& d);
// Every unit a result row can show: its own, each one a layout gives its box, and the result unit
// of each step that answers in it.
std::vector<Unit> possibleUnits(const Definition& d, const ResultRow& row);

// One line of text for each mistake; none for a sound declaration.
QStringList problems(const Definition& d);

} // namespace calc
