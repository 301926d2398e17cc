// SPDX-FileCopyrightText: Chromohm developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/x11windowsystem.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <unistd.h>
#include <utility>
#include <vector>

namespace platform {

namespace {

constexpr int MaxTreeDepth = 8;
// Far beyond any class name or title a program gives its window.
constexpr std::uint32_t NameMaxBytes = 2048;
constexpr std::uint32_t MachineMaxBytes = 256;

// ICCCM's WM_STATE values.
constexpr std::uint32_t NormalState = 1;
constexpr std::uint32_t IconicState = 3;

// xcb hands each reply over as memory of the caller's to free.
template <typename T> struct Reply {
    T *p = nullptr;
    explicit Reply(T *reply) : p(reply) {}
    ~Reply() { std::free(p); }
    Reply(const Reply &) = delete;
    Reply &operator=(const Reply &) = delete;
    Reply(Reply &&other) noexcept : p(std::exchange(other.p, nullptr)) {}
    T *operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

// A property as read: nothing when the window could not be read (it has gone),
// else its type (XCB_NONE when it has no such property), format and bytes.
struct Property {
    bool readable = false;
    xcb_atom_t type = XCB_NONE;
    int format = 0;
    std::string bytes;

    bool present() const { return readable && type != XCB_NONE; }
    std::vector<std::uint32_t> longs() const {
        std::vector<std::uint32_t> out;
        if (format != 32)
            return out;
        out.resize(bytes.size() / 4);
        std::memcpy(out.data(), bytes.data(), out.size() * 4);
        return out;
    }
};

// A name is text: it ends at the first NUL, if any.
std::string untilNul(const std::string &bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

} // namespace

struct X11WindowSystem::Private {
    xcb_connection_t *c = nullptr;
    bool ownsConnection = false;
    std::string displayName;
    xcb_window_t root = 0;

    xcb_atom_t wmState = 0, wmClass = 0, wmName = 0, wmClientMachine = 0, wmTransientFor = 0;
    xcb_atom_t netWmName = 0, utf8String = 0, netActiveWindow = 0, netSupported = 0;
    xcb_atom_t netSupportingWmCheck = 0, netWmPid = 0, claim = 0;
    struct AtomRow {
        const char *name;
        xcb_atom_t Private::*atom;
    };
    static constexpr AtomRow AtomRows[] = {
        {"WM_STATE", &Private::wmState},
        {"WM_CLASS", &Private::wmClass},
        {"WM_NAME", &Private::wmName},
        {"WM_CLIENT_MACHINE", &Private::wmClientMachine},
        {"WM_TRANSIENT_FOR", &Private::wmTransientFor},
        {"_NET_WM_NAME", &Private::netWmName},
        {"UTF8_STRING", &Private::utf8String},
        {"_NET_ACTIVE_WINDOW", &Private::netActiveWindow},
        {"_NET_SUPPORTED", &Private::netSupported},
        {"_NET_SUPPORTING_WM_CHECK", &Private::netSupportingWmCheck},
        {"_NET_WM_PID", &Private::netWmPid},
        {"_CHROMOHM_CLAIM", &Private::claim}};
    xcb_intern_atom_cookie_t atomCookies[std::size(AtomRows)] = {};
    bool atomsAsked = false;
    std::string hostName;

    // What the check reads of each window, asked for all windows at once; kept
    // until the next look at the windows.
    struct Info {
        Property wmClass, netWmName, wmName, pid, machine, wmState, claim;
        bool mapped = false;
    };
    std::map<xcb_window_t, Info> infos;

    ~Private() {
        // Replies never asked for would wait on the toolkit's connection forever.
        if (atomsAsked)
            for (const xcb_intern_atom_cookie_t &cookie : atomCookies)
                xcb_discard_reply(c, cookie.sequence);
        if (ownsConnection)
            xcb_disconnect(c);
    }

    // The atoms are asked for at once and their names waited for only when first
    // needed: meanwhile the toolkit makes its window.
    void askAtoms() {
        for (std::size_t i = 0; i < std::size(AtomRows); ++i) {
            const char *name = AtomRows[i].name;
            atomCookies[i] = xcb_intern_atom(c, 0, std::uint16_t(std::strlen(name)), name);
        }
        atomsAsked = true;
        xcb_flush(c);
    }

    void takeAtoms() {
        if (!atomsAsked)
            return;
        atomsAsked = false;
        for (std::size_t i = 0; i < std::size(AtomRows); ++i) {
            Reply reply(xcb_intern_atom_reply(c, atomCookies[i], nullptr));
            this->*AtomRows[i].atom = reply ? reply->atom : XCB_NONE;
        }
    }

    // Requests go out at once; replies are collected after, so that a batch of
    // reads costs one round trip to the server.
    xcb_get_property_cookie_t askProperty(xcb_window_t w, xcb_atom_t property, xcb_atom_t type,
                                          std::uint32_t maxBytes) {
        return xcb_get_property(c, 0, w, property, type, 0, (maxBytes + 3) / 4);
    }

    Property takeProperty(xcb_get_property_cookie_t cookie) {
        Property p;
        xcb_generic_error_t *error = nullptr;
        Reply reply(xcb_get_property_reply(c, cookie, &error));
        std::free(error);
        if (!reply)
            return p;
        p.readable = true;
        p.type = reply->type;
        p.format = reply->format;
        const auto *data = static_cast<const char *>(xcb_get_property_value(reply.p));
        p.bytes.assign(data, std::size_t(xcb_get_property_value_length(reply.p)));
        return p;
    }

    Property property(xcb_window_t w, xcb_atom_t property, xcb_atom_t type,
                      std::uint32_t maxBytes) {
        return takeProperty(askProperty(w, property, type, maxBytes));
    }

    // A request that answers nothing; an error about a window gone is dropped.
    void send(xcb_void_cookie_t cookie) { xcb_discard_reply(c, cookie.sequence); }

    // Everything sent so far, ours and the toolkit's, has been dealt with.
    void sync() { Reply reply(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); }

    // The children of a window, topmost first.
    std::vector<xcb_window_t> takeChildren(xcb_query_tree_cookie_t cookie) {
        xcb_generic_error_t *error = nullptr;
        Reply reply(xcb_query_tree_reply(c, cookie, &error));
        std::free(error);
        if (!reply)
            return {};
        const xcb_window_t *list = xcb_query_tree_children(reply.p);
        std::vector<xcb_window_t> out(list, list + xcb_query_tree_children_length(reply.p));
        std::reverse(out.begin(), out.end());
        return out;
    }

    // A window manager puts each client into a frame of its own; the client is
    // the one carrying WM_STATE. Without a window manager, before mapping, or
    // while one is taking the window into its frame, nobody has set WM_STATE
    // yet: then the windows with a class under the top-level one (itself
    // included) stand for it. The tree is read a level at a time, every window
    // of a level at once, so that each level costs one round trip.
    std::vector<xcb_window_t> topLevelClients() {
        const std::vector<xcb_window_t> tops = takeChildren(xcb_query_tree(c, root));
        std::vector<std::vector<xcb_window_t>> clients(tops.size());
        std::vector<std::vector<xcb_window_t>> classed(tops.size());
        // The windows still to look at, each with the top-level window it is under.
        std::vector<std::pair<std::size_t, xcb_window_t>> frontier;
        for (std::size_t i = 0; i < tops.size(); ++i)
            frontier.emplace_back(i, tops[i]);
        for (int level = 1; !frontier.empty(); ++level) {
            struct Asked {
                xcb_get_property_cookie_t state, wmClass;
                xcb_query_tree_cookie_t tree;
            };
            std::vector<Asked> asked;
            asked.reserve(frontier.size());
            for (const auto &[top, w] : frontier)
                asked.push_back({askProperty(w, wmState, XCB_ATOM_ANY, 0),
                                 askProperty(w, wmClass, XCB_ATOM_ANY, 0), xcb_query_tree(c, w)});
            std::vector<std::pair<std::size_t, xcb_window_t>> next;
            for (std::size_t k = 0; k < frontier.size(); ++k) {
                const auto [top, w] = frontier[k];
                const bool client = takeProperty(asked[k].state).present();
                const bool hasClass = takeProperty(asked[k].wmClass).present();
                const std::vector<xcb_window_t> children = takeChildren(asked[k].tree);
                if (client) {
                    clients[top].push_back(w);
                    continue;
                }
                if (hasClass)
                    classed[top].push_back(w);
                if (level <= MaxTreeDepth)
                    for (xcb_window_t child : children)
                        next.emplace_back(top, child);
            }
            frontier = std::move(next);
        }
        std::vector<xcb_window_t> out;
        for (std::size_t i = 0; i < tops.size(); ++i) {
            const auto &found = clients[i].empty() ? classed[i] : clients[i];
            out.insert(out.end(), found.begin(), found.end());
        }
        return out;
    }

    // Reads what the check needs of the windows, all at once.
    void readInfos(const std::vector<xcb_window_t> &windows) {
        struct Asked {
            xcb_get_property_cookie_t wmClass, netWmName, wmName, pid, machine, wmState, claim;
            xcb_get_window_attributes_cookie_t attributes;
        };
        std::vector<Asked> asked;
        asked.reserve(windows.size());
        for (xcb_window_t w : windows)
            asked.push_back({askProperty(w, wmClass, XCB_ATOM_ANY, NameMaxBytes),
                             askProperty(w, netWmName, utf8String, NameMaxBytes),
                             askProperty(w, wmName, XCB_ATOM_ANY, NameMaxBytes),
                             askProperty(w, netWmPid, XCB_ATOM_CARDINAL, 4),
                             askProperty(w, wmClientMachine, XCB_ATOM_ANY, MachineMaxBytes),
                             askProperty(w, wmState, wmState, 8),
                             askProperty(w, claim, XCB_ATOM_ANY, 0),
                             xcb_get_window_attributes(c, w)});
        for (std::size_t i = 0; i < windows.size(); ++i) {
            Info info;
            info.wmClass = takeProperty(asked[i].wmClass);
            info.netWmName = takeProperty(asked[i].netWmName);
            info.wmName = takeProperty(asked[i].wmName);
            info.pid = takeProperty(asked[i].pid);
            info.machine = takeProperty(asked[i].machine);
            info.wmState = takeProperty(asked[i].wmState);
            info.claim = takeProperty(asked[i].claim);
            xcb_generic_error_t *error = nullptr;
            Reply attributes(xcb_get_window_attributes_reply(c, asked[i].attributes, &error));
            std::free(error);
            info.mapped = attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED;
            infos[windows[i]] = std::move(info);
        }
    }

    // A new look at the windows: what was read before may have changed.
    void readAfresh(const std::vector<xcb_window_t> &windows) {
        infos.clear();
        readInfos(windows);
    }

    const Info &info(xcb_window_t w) {
        if (!infos.count(w))
            readInfos({w});
        return infos[w];
    }

    long wmStateOf(xcb_window_t w) {
        const auto state = info(w).wmState.longs();
        return state.empty() ? -1 : long(state[0]);
    }

    // Shown, or minimised along with its owner.
    bool isOpen(xcb_window_t w) {
        const long state = wmStateOf(w);
        if (state >= 0)
            return state == NormalState || state == IconicState;
        return info(w).mapped;
    }

    // A window manager that is running (its check window still exists) and
    // honours _NET_ACTIVE_WINDOW.
    bool managerActivates() {
        auto checkCookie = askProperty(root, netSupportingWmCheck, XCB_ATOM_WINDOW, 4);
        auto supportedCookie = askProperty(root, netSupported, XCB_ATOM_ATOM, 4096);
        const auto check = takeProperty(checkCookie).longs();
        const auto supported = takeProperty(supportedCookie).longs();
        if (check.empty() || check[0] == 0)
            return false;
        const auto self = property(check[0], netSupportingWmCheck, XCB_ATOM_WINDOW, 4).longs();
        if (self.empty() || self[0] != check[0])
            return false;
        return std::find(supported.begin(), supported.end(), netActiveWindow) != supported.end();
    }

    void requestActivation(xcb_window_t w) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.window = w;
        event.type = netActiveWindow;
        event.format = 32;
        // Source 2, a direct user action: the user has just asked for the program.
        event.data.data32[0] = 2;
        event.data.data32[1] = XCB_CURRENT_TIME;
        send(xcb_send_event_checked(
            c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
            reinterpret_cast<const char *>(&event)));
        // Waited for: the copy that asks ends right after, and the server drops
        // what it has not yet read from a client that has gone.
        sync();
    }

    void raise(xcb_window_t w) {
        const std::uint32_t above = XCB_STACK_MODE_ABOVE;
        send(xcb_configure_window_checked(c, w, XCB_CONFIG_WINDOW_STACK_MODE, &above));
    }

    // Raises the window and, if it is on the screen, gives it the keyboard.
    void raiseAndFocus(xcb_window_t w) {
        raise(w);
        xcb_generic_error_t *error = nullptr;
        Reply attributes(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), &error));
        std::free(error);
        if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
            send(xcb_set_input_focus_checked(c, XCB_INPUT_FOCUS_PARENT, w, XCB_CURRENT_TIME));
        sync();
    }
};

std::unique_ptr<X11WindowSystem> X11WindowSystem::open(xcb_connection_t *appConnection,
                                                       const std::string &displayName) {
    auto d = std::make_unique<Private>();
    int screen = 0;
    d->c = appConnection ? appConnection : xcb_connect(nullptr, &screen);
    d->ownsConnection = !appConnection;
    if (!d->c || xcb_connection_has_error(d->c)) {
        if (d->ownsConnection && d->c)
            xcb_disconnect(d->c);
        d->c = nullptr;
        d->ownsConnection = false;
        return nullptr;
    }
    const char *fromEnvironment = std::getenv("DISPLAY");
    d->displayName =
        !displayName.empty() ? displayName : std::string(fromEnvironment ? fromEnvironment : "");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(d->c));
    for (int i = 0; i < screen && screens.rem; ++i)
        xcb_screen_next(&screens);
    d->root = screens.data->root;
    d->askAtoms();
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) == 0)
        d->hostName = host;
    return std::unique_ptr<X11WindowSystem>(new X11WindowSystem(std::move(d)));
}

X11WindowSystem::X11WindowSystem(std::unique_ptr<Private> p) : d(std::move(p)) {}

X11WindowSystem::~X11WindowSystem() = default;

X11WindowSystem::Private &X11WindowSystem::x() {
    d->takeAtoms();
    return *d;
}

std::string X11WindowSystem::displayName() const {
    return d->displayName;
}

void X11WindowSystem::enumerateTopLevel(const std::function<bool(WindowId)> &visit) {
    // What the toolkit has just sent (our own window, its title) is in place
    // before the requests that follow on the same connection.
    Private &p = x();
    const std::vector<xcb_window_t> clients = p.topLevelClients();
    p.readAfresh(clients);
    for (xcb_window_t w : clients) {
        if (!visit(w))
            break;
    }
}

std::optional<std::string> X11WindowSystem::className(WindowId window) {
    const Property &wmClass = x().info(xcb_window_t(window)).wmClass;
    if (!wmClass.readable)
        return std::nullopt;
    // WM_CLASS holds the instance name, a NUL, the class name.
    const auto separator = wmClass.bytes.find('\0');
    if (wmClass.format != 8 || separator == std::string::npos)
        return std::string();
    return untilNul(wmClass.bytes.substr(separator + 1));
}

std::optional<std::string> X11WindowSystem::windowText(WindowId window) {
    const Private::Info &info = x().info(xcb_window_t(window));
    // Without a UTF-8 title, the legacy one.
    const Property &title =
        info.netWmName.present() && info.netWmName.format == 8 && !info.netWmName.bytes.empty()
            ? info.netWmName
            : info.wmName;
    if (!title.readable)
        return std::nullopt;
    if (!title.present() || title.format != 8)
        return std::string();
    return untilNul(title.bytes);
}

bool X11WindowSystem::belongsToThisProcess(WindowId window) {
    const Private::Info &info = x().info(xcb_window_t(window));
    const auto pid = info.pid.longs();
    if (pid.empty() || pid[0] != static_cast<std::uint32_t>(getpid()))
        return false;
    const std::string machine = info.machine.format == 8 ? info.machine.bytes : std::string();
    return !d->hostName.empty() && std::string(machine.c_str()) == d->hostName;
}

WindowId X11WindowSystem::lastActivePopup(WindowId window) {
    Private &p = x();
    const std::vector<xcb_window_t> clients = p.topLevelClients();
    std::vector<xcb_get_property_cookie_t> cookies;
    for (xcb_window_t client : clients)
        cookies.push_back(p.askProperty(client, p.wmTransientFor, XCB_ATOM_WINDOW, 4));
    std::map<xcb_window_t, xcb_window_t> ownerOf;
    for (std::size_t i = 0; i < clients.size(); ++i) {
        const auto owner = p.takeProperty(cookies[i]).longs();
        if (!owner.empty())
            ownerOf[clients[i]] = owner[0];
    }
    p.readAfresh(clients);
    xcb_window_t current = xcb_window_t(window);
    // A dialog may itself have one open; follow the chain to the end.
    for (int depth = 0; depth < MaxTreeDepth; ++depth) {
        xcb_window_t next = 0;
        for (xcb_window_t client : clients) {
            const auto owner = ownerOf.find(client);
            if (client != current && owner != ownerOf.end() && owner->second == current &&
                p.isOpen(client)) {
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
    Private &p = x();
    p.raise(xcb_window_t(window));
    xcb_flush(p.c);
}

bool X11WindowSystem::isMinimised(WindowId window) {
    return x().wmStateOf(xcb_window_t(window)) == IconicState;
}

void X11WindowSystem::restore(WindowId window) {
    Private &p = x();
    const auto w = xcb_window_t(window);
    // A manager that activates windows brings a minimised one back as it does.
    if (p.managerActivates()) {
        p.requestActivation(w);
        return;
    }
    // Otherwise the window comes back by being mapped again, which is also
    // what an older manager takes as the request to restore it.
    p.send(xcb_map_window_checked(p.c, w));
    p.raiseAndFocus(w);
}

void X11WindowSystem::activate(WindowId window) {
    Private &p = x();
    const auto w = xcb_window_t(window);
    // To the front only: a window off the screen stays off it.
    if (p.managerActivates())
        p.requestActivation(w);
    else
        p.raiseAndFocus(w);
}

// On the toolkit's own connection, what it sent goes out before our requests
// and is dealt with before them; nothing needs waiting for.
void X11WindowSystem::flush() {
    xcb_flush(x().c);
}

void X11WindowSystem::grab() {
    Private &p = x();
    p.send(xcb_grab_server_checked(p.c));
}

void X11WindowSystem::ungrab() {
    Private &p = x();
    p.send(xcb_ungrab_server_checked(p.c));
    xcb_flush(p.c);
}

bool X11WindowSystem::isShown(WindowId window) {
    // Polled while waiting for another copy's window, and what follows the
    // wait acts on that window: from here on everything is read afresh.
    Private &p = x();
    p.infos.clear();
    return p.isOpen(xcb_window_t(window));
}

void X11WindowSystem::claim(WindowId window) {
    const std::uint32_t pid = static_cast<std::uint32_t>(getpid());
    Private &p = x();
    p.send(xcb_change_property_checked(p.c, XCB_PROP_MODE_REPLACE, xcb_window_t(window), p.claim,
                                       XCB_ATOM_CARDINAL, 32, 1, &pid));
    p.infos.erase(xcb_window_t(window));
}

bool X11WindowSystem::isClaimed(WindowId window) {
    return x().info(xcb_window_t(window)).claim.present();
}

} // namespace platform
