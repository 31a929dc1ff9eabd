#pragma once

// Where the keyboard's focus is, as the display server has it now.

namespace look {

// True when one of the program's windows has the keyboard's focus. On X the display server is
// asked: Qt hears that another program took the focus only some time after it did.
bool KeyboardInProgram();

} // namespace look
