// An X tool of the end-to-end tests for what xwininfo and xdotool cannot do:
//   xwin tree          every window with its place, size and map state, and the focus
//   xwin managed       maps a probe window and ends once a window manager has framed it
//   xwin maximize ID   asks the window manager to maximise the window
//   xwin restore ID    asks the window manager to take a maximised window back to its normal size
//   xwin close ID      asks the window manager to close the window
//   xwin state ID      the window's _NET_WM_STATE, the atoms' names on one line
//   xwin frame ID      the outer corner of the top-level window holding ID, then ID's own
// A tool of its own rather than Xlib in the tests: Xlib ends the process when
// the display goes away, and a window that vanishes mid-query is an error.
#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <unistd.h>

namespace {

int s_ignore(Display*, XErrorEvent*) { return 0; }

std::string s_name(Display* d, Window w)
{
    char* name = nullptr;
    if (!XFetchName(d, w, &name) || !name) return "";
    std::string s = std::string(" \"") + name + "\"";
    XFree(name);
    return s;
}

void s_tree(Display* d, Window root, Window w, int depth)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, w, &a)) return;
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(d, w, root, 0, 0, &x, &y, &child);
    static const char* const kStates[] = {"unmapped", "unviewable", "viewable"};
    std::printf("%*s0x%lx%s %dx%d%+d%+d %s\n", 2 * depth, "", w, s_name(d, w).c_str(), a.width, a.height, x, y,
                kStates[a.map_state % 3]);
    Window r = 0, parent = 0, *children = nullptr;
    unsigned n = 0;
    if (!XQueryTree(d, w, &r, &parent, &children, &n)) return;
    for (unsigned i = 0; i < n; ++i) s_tree(d, root, children[i], depth + 1);
    if (children) XFree(children);
}

bool s_framedAndViewable(Display* d, Window root, Window w)
{
    Window r = 0, parent = 0, *children = nullptr;
    unsigned n = 0;
    if (!XQueryTree(d, w, &r, &parent, &children, &n)) return false;
    if (children) XFree(children);
    XWindowAttributes a;
    return parent != root && XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable;
}

// Runs until framed; the caller's time limit ends it otherwise.
void s_managed(Display* d, Window root)
{
    const Window w = XCreateSimpleWindow(d, root, 0, 0, 64, 64, 0, 0, 0);
    XStoreName(d, w, "probe");
    for (;;) {
        // Asked again each second: a window manager still starting up may
        // drop a request that comes before its event loop runs.
        XMapWindow(d, w);
        XSync(d, False);
        for (int i = 0; i < 20; ++i) {
            if (s_framedAndViewable(d, root, w)) {
                XDestroyWindow(d, w);
                XSync(d, False);
                return;
            }
            usleep(50000);
        }
    }
}

// A frame's border, when the window manager draws one with X, lies outside
// the frame's inside origin, so the frame's corner is its outer one.
bool s_frame(Display* d, Window root, Window w)
{
    int cx = 0, cy = 0;
    Window child = 0;
    if (!XTranslateCoordinates(d, w, root, 0, 0, &cx, &cy, &child)) return false;
    Window top = w;
    for (;;) {
        Window r = 0, parent = 0, *children = nullptr;
        unsigned n = 0;
        if (!XQueryTree(d, top, &r, &parent, &children, &n)) return false;
        if (children) XFree(children);
        if (parent == root || parent == 0) break;
        top = parent;
    }
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, top, &a)) return false;
    std::printf("%d %d %d %d\n", a.x, a.y, cx, cy);
    return true;
}

// A request to the window manager about w, as pagers and taskbars send them.
void s_ask(Display* d, Window root, Window w, const char* type, std::initializer_list<long> data)
{
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, type, False);
    e.xclient.format = 32;
    int i = 0;
    for (long v : data) e.xclient.data.l[i++] = v;
    XSendEvent(d, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
    XSync(d, False);
}

// _NET_WM_STATE add (1) or remove (0), both directions, from a pager (source 2).
void s_maximize(Display* d, Window root, Window w, long add)
{
    s_ask(d, root, w, "_NET_WM_STATE",
          {add, static_cast<long>(XInternAtom(d, "_NET_WM_STATE_MAXIMIZED_VERT", False)),
           static_cast<long>(XInternAtom(d, "_NET_WM_STATE_MAXIMIZED_HORZ", False)), 2});
}

// What a taskbar's Close sends (source 2).
void s_close(Display* d, Window root, Window w) { s_ask(d, root, w, "_NET_CLOSE_WINDOW", {CurrentTime, 2}); }

// The state as the window manager last wrote it, which is what SDL reads
// when told the property changed.
bool s_state(Display* d, Window w)
{
    Atom type = 0;
    int format = 0;
    unsigned long n = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(d, w, XInternAtom(d, "_NET_WM_STATE", False), 0, 64, False, XA_ATOM, &type,
                           &format, &n, &after, &data) != Success)
        return false;
    const auto* atoms = reinterpret_cast<const Atom*>(data);
    for (unsigned long i = 0; i < n && format == 32; ++i) {
        char* name = XGetAtomName(d, atoms[i]);
        std::printf("%s%s", i ? " " : "", name ? name : "?");
        if (name) XFree(name);
    }
    std::printf("\n");
    if (data) XFree(data);
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::string cmd = argc > 1 ? argv[1] : "";
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::printf("no display\n");
        return 1;
    }
    XSetErrorHandler(s_ignore);
    const Window root = DefaultRootWindow(d);
    int rc = 0;
    if (cmd == "tree") {
        s_tree(d, root, root, 0);
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(d, &focus, &revert);
        std::printf("focus: 0x%lx%s\n", focus, focus > PointerRoot ? s_name(d, focus).c_str() : "");
    }
    else if (cmd == "managed") {
        s_managed(d, root);
    }
    else if (cmd == "maximize" && argc > 2) {
        s_maximize(d, root, std::strtoul(argv[2], nullptr, 0), 1);
    }
    else if (cmd == "restore" && argc > 2) {
        s_maximize(d, root, std::strtoul(argv[2], nullptr, 0), 0);
    }
    else if (cmd == "close" && argc > 2) {
        s_close(d, root, std::strtoul(argv[2], nullptr, 0));
    }
    else if (cmd == "state" && argc > 2) {
        if (!s_state(d, std::strtoul(argv[2], nullptr, 0))) rc = 1;
    }
    else if (cmd == "frame" && argc > 2) {
        if (!s_frame(d, root, std::strtoul(argv[2], nullptr, 0))) rc = 1;
    }
    else {
        std::fprintf(stderr, "usage: xwin tree | managed | maximize ID | restore ID | close ID | state ID |"
                             " frame ID\n");
        rc = 2;
    }
    XCloseDisplay(d);
    return rc;
}
