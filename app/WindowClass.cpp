#include "app/WindowClass.h"

#include <GL/glx.h>
#include <X11/Xutil.h>

void setWindowClass(const char* name)
{
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    if (display == nullptr || window == 0)
        return;
    XClassHint hint;
    hint.res_name = const_cast<char*>(name);
    hint.res_class = const_cast<char*>(name);
    XSetClassHint(display, window, &hint);
    XFlush(display);
}
