#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

// Xlib's types, without Xlib's macros in every file that includes this.
struct _XDisplay;
union _XEvent;

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

    // The services keep what they know of the server (the keyboard layout,
    // the window manager) up to date from events instead of asking on every
    // use, since each question waits for the server. Each service selects
    // only the few events it follows; all of them arrive on this one
    // connection and are handed to every listener.
    using EventListener = std::function<void(const _XEvent&)>;
    // The number to remove the listener with when its owner goes.
    int AddEventListener(EventListener listener);
    void RemoveEventListener(int number);
    // Takes the events that have arrived, without waiting for the server.
    void ReadEvents();

private:
    _XDisplay* display_ = nullptr;
    unsigned long root_ = 0;
    std::vector<std::pair<int, EventListener>> listeners_;
    int lastListener_ = 0;
};

// True under a Wayland session, where synthetic keys reach X11 programs only.
bool IsWaylandSession();

}  // namespace pultara::linux_x11
