#pragma once

// What the register's table view asks of its owner (the register screen) to move between the
// fields of a row. The view only knows this interface, not the screen.
class RegisterNavigator
{
public:
    virtual ~RegisterNavigator() = default;

    // The next / previous visible field of the row being typed (Tab / Shift+Tab).
    virtual void tabForward() = 0;
    virtual void tabBackward() = 0;
    // Tab or Shift+Tab while the focus is inside the two-line payee/memo editor: move between
    // its two lines or leave it. Returns whether the focus was handled.
    virtual bool focusNextPrevInEditor(bool next) = 0;
};
