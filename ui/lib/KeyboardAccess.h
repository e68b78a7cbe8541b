#pragma once
// What the keyboard and screen readers need from every window, in one place: Tab leaves every list
// and table (the arrow keys move inside them), and a control with no name of its own gets one a
// screen reader can read: its hint, else the caption of the group or tab it sits in.

class QWidget;

namespace tv {

// Applies both to root and everything in it.
void MakeKeyboardFriendly(QWidget* root);

// Applies them to every window of the program as it is shown, dialogs included. Once is enough.
void MakeEveryWindowKeyboardFriendly();

} // namespace tv
