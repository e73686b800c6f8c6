#pragma once
#include <string>

// Xlib's types, without Xlib's macros in every file that includes this.
struct _XDisplay;

namespace pultara::linux_x11 {

// The back end's own connection to the X server, shared by keyboard, mouse
// and windows. Without a display (a Wayland session without XWayland, or
// no display at all) `display()` is null and every service does nothing.
//
// A window can vanish between the moment it is looked up and the moment it
// is used; X reports that as an error, and Xlib's default handler would end
// the program. The handler installed here counts errors instead, and
// `ErrorsSince` tells a caller whether its requests failed.
class XConnection {
public:
    XConnection();
    ~XConnection();
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    _XDisplay* display() const { return display_; }
    unsigned long root() const { return root_; }  // a Window
    unsigned long AtomNamed(const char* name) const;

    // Number of X errors reported so far (on any connection of the process).
    static unsigned long ErrorCount();

private:
    _XDisplay* display_ = nullptr;
    unsigned long root_ = 0;
};

// True under a Wayland session, where synthetic keys reach X11 programs only.
bool IsWaylandSession();

}  // namespace pultara::linux_x11
