#include "platform/x11windowsystem.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

// Windows of other programs may go away between two requests; their errors are
// expected and must not end the process (Xlib's default handler would).
int ignoreXError(Display *, XErrorEvent *) {
    return 0;
}

constexpr int MaxTreeDepth = 8;
constexpr long WmClassMaxBytes = 2048;

// One window property as the server hands it over, freed on every way out.
class Property {
public:
    Property(Display *dpy, Window w, Atom name, long length, Atom type) {
        unsigned long after = 0;
        m_ok = XGetWindowProperty(dpy, w, name, 0, length, False, type, &m_type, &m_format,
                                  &m_count, &after, &m_data) == Success;
    }
    ~Property() {
        if (m_data)
            XFree(m_data);
    }
    Property(const Property &) = delete;
    Property &operator=(const Property &) = delete;

    // False when the window cannot be read, for one that has gone.
    bool readable() const { return m_ok; }
    bool present() const { return m_ok && m_type != None; }
    bool hasItemsOf(int format) const { return m_ok && m_format == format && m_data; }
    const unsigned char *data() const { return m_data; }
    unsigned long count() const { return m_count; }

private:
    bool m_ok = false;
    Atom m_type = None;
    int m_format = 0;
    unsigned long m_count = 0;
    unsigned char *m_data = nullptr;
};

int copyText(const std::string &text, char *buffer, int size) {
    if (!buffer || size <= 0)
        return 0;
    const auto length = std::min<std::size_t>(std::strlen(text.c_str()), std::size_t(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return int(length);
}

} // namespace

struct X11WindowSystem::Private {
    Display *dpy = nullptr;
    Display *app = nullptr;
    Window root = 0;
    XErrorHandler previousHandler = nullptr;

    Atom wmState = 0;
    Atom netWmName = 0;
    Atom utf8String = 0;
    Atom netActiveWindow = 0;
    Atom netSupported = 0;
    Atom netSupportingWmCheck = 0;
    Atom netWmPid = 0;
    Atom claim = 0;
    std::string hostName;
    bool grabbed = false;

    // The toolkit's requests would wait behind our grab, and we for them.
    void syncApp() {
        if (app && !grabbed)
            XSync(app, False);
    }

    ~Private() {
        XSync(dpy, False);
        XSetErrorHandler(previousHandler);
        XCloseDisplay(dpy);
    }

    void internAtoms() {
        struct Row {
            const char *name;
            Atom Private::*atom;
        };
        const Row rows[] = {{"WM_STATE", &Private::wmState},
                            {"_NET_WM_NAME", &Private::netWmName},
                            {"UTF8_STRING", &Private::utf8String},
                            {"_NET_ACTIVE_WINDOW", &Private::netActiveWindow},
                            {"_NET_SUPPORTED", &Private::netSupported},
                            {"_NET_SUPPORTING_WM_CHECK", &Private::netSupportingWmCheck},
                            {"_NET_WM_PID", &Private::netWmPid},
                            {"_CHROMOHM_CLAIM", &Private::claim}};
        char *names[std::size(rows)];
        for (std::size_t i = 0; i < std::size(rows); ++i)
            names[i] = const_cast<char *>(rows[i].name);
        Atom atoms[std::size(rows)] = {};
        XInternAtoms(dpy, names, int(std::size(rows)), False, atoms);
        for (std::size_t i = 0; i < std::size(rows); ++i)
            this->*rows[i].atom = atoms[i];
    }

    // Up to maxBytes of a property of 8-bit items: empty when the window has none,
    // nothing when the window cannot be read.
    std::optional<std::string> bytes(Window w, Atom property, Atom type, long maxBytes) {
        const Property p(dpy, w, property, (maxBytes + 3) / 4, type);
        if (!p.readable())
            return std::nullopt;
        if (!p.present() || !p.hasItemsOf(8))
            return std::string();
        return std::string(reinterpret_cast<const char *>(p.data()), p.count());
    }

    // Reads a property of 32-bit items (windows, atoms, cardinals).
    std::vector<unsigned long> longs(Window w, Atom property, Atom type, long maxItems = 1024) {
        const Property p(dpy, w, property, maxItems, type);
        if (!p.hasItemsOf(32))
            return {};
        // Xlib hands 32-bit items over as longs.
        const auto *items = reinterpret_cast<const unsigned long *>(p.data());
        return {items, items + p.count()};
    }

    bool hasProperty(Window w, Atom property) {
        return Property(dpy, w, property, 0, AnyPropertyType).present();
    }

    // Children in stacking order, topmost first.
    std::vector<Window> children(Window w) {
        Window rootReturn = 0, parent = 0;
        Window *list = nullptr;
        unsigned int count = 0;
        std::vector<Window> out;
        if (XQueryTree(dpy, w, &rootReturn, &parent, &list, &count) && list)
            out.assign(list, list + count);
        if (list)
            XFree(list);
        std::reverse(out.begin(), out.end());
        return out;
    }

    // A window manager puts each client into a frame of its own; the client is
    // the one carrying WM_STATE. level counts from the root's children, at 1.
    void clientsFrom(Window w, int level, std::vector<Window> &out) {
        if (hasProperty(w, wmState)) {
            out.push_back(w);
            return;
        }
        if (level > MaxTreeDepth)
            return;
        for (Window child : children(w))
            clientsFrom(child, level + 1, out);
    }

    std::vector<Window> topLevelClients() {
        std::vector<Window> out;
        for (Window child : children(root)) {
            const std::size_t found = out.size();
            clientsFrom(child, 1, out);
            // Without a window manager, or not yet mapped: nobody has set WM_STATE.
            if (out.size() == found && hasProperty(child, XA_WM_CLASS))
                out.push_back(child);
        }
        return out;
    }

    long wmStateOf(Window w) {
        const auto state = longs(w, wmState, wmState, 2);
        return state.empty() ? -1 : long(state[0]);
    }

    // Shown, or minimised along with its owner.
    bool isOpen(Window w) {
        const long state = wmStateOf(w);
        if (state >= 0)
            return state == NormalState || state == IconicState;
        XWindowAttributes attributes{};
        return XGetWindowAttributes(dpy, w, &attributes) && attributes.map_state != IsUnmapped;
    }

    // A window manager that is running (its check window still exists) and
    // honours _NET_ACTIVE_WINDOW.
    bool managerActivates() {
        const auto check = longs(root, netSupportingWmCheck, XA_WINDOW, 1);
        if (check.empty() || check[0] == 0)
            return false;
        const auto self = longs(Window(check[0]), netSupportingWmCheck, XA_WINDOW, 1);
        if (self.empty() || self[0] != check[0])
            return false;
        const auto supported = longs(root, netSupported, XA_ATOM);
        return std::find(supported.begin(), supported.end(), netActiveWindow) != supported.end();
    }

    void requestActivation(Window w) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = w;
        event.xclient.message_type = netActiveWindow;
        event.xclient.format = 32;
        // Source 2, a direct user action: the user has just asked for the program.
        event.xclient.data.l[0] = 2;
        event.xclient.data.l[1] = CurrentTime;
        event.xclient.data.l[2] = 0;
        XSendEvent(dpy, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XFlush(dpy);
    }

    void activate(Window w) {
        if (managerActivates())
            requestActivation(w);
        else
            raiseAndFocus(w);
    }

    void raiseAndFocus(Window w) {
        // Maps a minimised window again and raises it, shown or not.
        XMapRaised(dpy, w);
        XSync(dpy, False);
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(dpy, w, &attributes) && attributes.map_state == IsViewable)
            XSetInputFocus(dpy, w, RevertToParent, CurrentTime);
        XSync(dpy, False);
    }
};

std::unique_ptr<X11WindowSystem> X11WindowSystem::open(_XDisplay *appDisplay) {
    Display *dpy = XOpenDisplay(appDisplay ? DisplayString(appDisplay) : nullptr);
    if (!dpy)
        return nullptr;
    auto d = std::make_unique<Private>();
    d->dpy = dpy;
    d->app = appDisplay;
    d->root = DefaultRootWindow(dpy);
    d->previousHandler = XSetErrorHandler(ignoreXError);
    d->internAtoms();
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0)
        d->hostName = host;
    return std::unique_ptr<X11WindowSystem>(new X11WindowSystem(std::move(d)));
}

X11WindowSystem::X11WindowSystem(std::unique_ptr<Private> p) : d(std::move(p)) {}

X11WindowSystem::~X11WindowSystem() = default;

std::string X11WindowSystem::displayName() const {
    return DisplayString(d->dpy);
}

void X11WindowSystem::enumerateTopLevel(const std::function<bool(WindowId)> &visit) {
    d->syncApp();
    for (Window w : d->topLevelClients()) {
        if (!visit(w))
            break;
    }
}

int X11WindowSystem::className(WindowId window, char *buffer, int size) {
    copyText({}, buffer, size);
    const auto wmClass = d->bytes(window, XA_WM_CLASS, AnyPropertyType, WmClassMaxBytes);
    if (!wmClass)
        return -1;
    // WM_CLASS holds the instance name, a NUL, the class name.
    const auto separator = wmClass->find('\0');
    if (separator == std::string::npos)
        return 0;
    return copyText(wmClass->substr(separator + 1), buffer, size);
}

int X11WindowSystem::windowText(WindowId window, char *buffer, int size) {
    copyText({}, buffer, size);
    const long maxBytes = std::max(size - 1, 0);
    auto title = d->bytes(window, d->netWmName, d->utf8String, maxBytes);
    // Without a UTF-8 title, the legacy one.
    if (title && title->empty())
        title = d->bytes(window, XA_WM_NAME, AnyPropertyType, maxBytes);
    return title ? copyText(*title, buffer, size) : -1;
}

bool X11WindowSystem::belongsToThisProcess(WindowId window) {
    const auto pid = d->longs(window, d->netWmPid, XA_CARDINAL, 1);
    if (pid.empty() || pid[0] != static_cast<unsigned long>(getpid()))
        return false;
    const std::string machine =
        d->bytes(window, XA_WM_CLIENT_MACHINE, AnyPropertyType, 256).value_or(std::string());
    return !d->hostName.empty() && std::string(machine.c_str()) == d->hostName;
}

WindowId X11WindowSystem::lastActivePopup(WindowId window) {
    const std::vector<Window> clients = d->topLevelClients();
    Window current = window;
    // A dialog may itself have one open; follow the chain to the end.
    for (int depth = 0; depth < MaxTreeDepth; ++depth) {
        Window next = 0;
        for (Window client : clients) {
            Window owner = 0;
            if (client != current && XGetTransientForHint(d->dpy, client, &owner) &&
                owner == current && d->isOpen(client)) {
                next = client;
                break;
            }
        }
        if (!next)
            break;
        current = next;
    }
    return current;
}

void X11WindowSystem::bringToTop(WindowId window) {
    XRaiseWindow(d->dpy, window);
    XFlush(d->dpy);
}

bool X11WindowSystem::isMinimised(WindowId window) {
    return d->wmStateOf(window) == IconicState;
}

void X11WindowSystem::restore(WindowId window) {
    // The window manager restores a minimised window it is asked to activate,
    // and mapping it again does the same without one.
    d->activate(window);
}

void X11WindowSystem::activate(WindowId window) {
    d->activate(window);
}

void X11WindowSystem::flush() {
    d->syncApp();
    XSync(d->dpy, False);
}

void X11WindowSystem::grab() {
    d->syncApp();
    XGrabServer(d->dpy);
    XSync(d->dpy, False);
    d->grabbed = true;
}

void X11WindowSystem::ungrab() {
    XUngrabServer(d->dpy);
    XSync(d->dpy, False);
    d->grabbed = false;
}

bool X11WindowSystem::isShown(WindowId window) {
    return d->isOpen(window);
}

void X11WindowSystem::claim(WindowId window) {
    const unsigned long pid = static_cast<unsigned long>(getpid());
    XChangeProperty(d->dpy, window, d->claim, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(&pid), 1);
    XSync(d->dpy, False);
}

bool X11WindowSystem::isClaimed(WindowId window) {
    return d->hasProperty(window, d->claim);
}

} // namespace platform
