#pragma once
// The window's X class (WM_CLASS), which docks and task bars use to match a
// running window to the game's menu entry.  GLUT has no call for it.

// Sets res_name and res_class of the current GLX drawable's window to
// `name`.  Does nothing when the current drawable is not an X window.
void setWindowClass(const char* name);
