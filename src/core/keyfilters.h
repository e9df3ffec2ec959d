#pragma once
// The numeric key filter profiles of the calculators' input boxes. Every profile lets the digits,
// backspace and Enter through; the profiles differ in the extra characters they accept and in the
// message (and its title) that refuses any other character.

#include <QChar>
#include <QString>
#include <Qt>

namespace keys {

enum class Profile {
    None, // no filter: every keystroke passes
    K1,
    K2,
    K3,
    K3e,
    K4,
    K5,
    K6,
    K7,
    K8,
    K9,
    K10,
    K11,
    K12,
    K13,
    K14,
    K15,
    K16,
    K17,
    K18,
    K19,
    K20,
    K21,
    K22,
    K23,
};

struct KeyProfile {
    QString extras;  // accepted besides digits, backspace (8) and Enter (13); letters match exactly
    QString message; // shown when a character is refused
    QString title;
    bool onlyWhileEnabled = false; // while the box is disabled every keystroke passes
};

const KeyProfile& keyProfile(Profile p);

// Whether the profile lets ch through into a box that is enabled or not.
bool accepts(Profile p, QChar ch, bool boxEnabled = true);

// Keys that edit or move in a box rather than type into it never reach a filter: chords with Ctrl,
// Alt or Meta (copy, paste, undo, select all, access keys), the arrows with or without Shift, Home,
// End, Delete and Backspace. What a chord puts into a box (a paste, an undo) is met by Ok, as text
// pasted with the mouse is.
bool passesUnfiltered(int key, Qt::KeyboardModifiers modifiers);

} // namespace keys
