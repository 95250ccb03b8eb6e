// Measures Quillon against the usual Linux pipeline (stty raw, a shell loop, xdotool) on private
// virtual X servers: pacing and latency of typed keys as the X server stamps them, characters the
// layout lacks, idle cost, and log-mode throughput. Prints a Markdown table.
//
// Usage: quillon_bench QUILLON_BINARY PIPELINE_SCRIPT QT_TEXT_BOX_BINARY
// Quillon opens the first serial port it lists, /dev/ttyS0 here, which is the machine's console:
// it therefore runs in a private mount namespace with the benchmark's pty bound over that path.
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <map>
#include <mutex>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

constexpr double keyIntervalMs = 40.0;

[[noreturn]] void fail(const std::string &why)
{
    std::fprintf(stderr, "quillon_bench: %s\n", why.c_str());
    std::exit(1);
}

double monotonicMs()
{
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

void sleepMs(double ms)
{
    std::this_thread::sleep_for(std::chrono::microseconds(static_cast<long>(ms * 1000)));
}

bool waitUntil(const std::function<bool()> &done, double timeoutMs)
{
    const double end = monotonicMs() + timeoutMs;
    while (!done()) {
        if (monotonicMs() > end)
            return false;
        sleepMs(2);
    }
    return true;
}

class Child
{
public:
    Child(const std::vector<std::string> &args, const std::vector<std::string> &environment)
    {
        std::vector<char *> argv;
        for (const std::string &arg : args)
            argv.push_back(const_cast<char *>(arg.c_str()));
        argv.push_back(nullptr);
        std::vector<std::string> env = environment;
        for (char **entry = environ; *entry; ++entry)
            env.emplace_back(*entry);
        std::vector<char *> envp;
        for (const std::string &entry : env)
            envp.push_back(const_cast<char *>(entry.c_str()));
        envp.push_back(nullptr);
        if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0)
            fail("cannot start " + args[0]);
    }
    ~Child() { stop(); }
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;

    pid_t id() const { return pid; }
    bool running() const { return pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0; }
    void stop()
    {
        if (pid <= 0)
            return;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        pid = -1;
    }

private:
    pid_t pid = -1;
};

// A private Xvfb at 100 % (Qt would scale the window by Xvfb's own 100 dpi); its number comes
// back through -displayfd.
class VirtualDisplay
{
public:
    VirtualDisplay()
    {
        int fds[2];
        if (pipe(fds) != 0)
            fail("pipe");
        server = std::make_unique<Child>(
            std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                     "1024x768x24", "-dpi", "96", "-nolisten", "tcp"},
            std::vector<std::string>{});
        close(fds[1]);
        char number[16] = {};
        pollfd readable{fds[0], POLLIN, 0};
        if (poll(&readable, 1, 10000) <= 0 || read(fds[0], number, sizeof number - 1) <= 0)
            fail("Xvfb did not start");
        close(fds[0]);
        name = ":" + std::to_string(std::atoi(number));
    }

    std::string name;

private:
    std::unique_ptr<Child> server;
};

struct Press
{
    Time serverTime;
    char32_t character;
};

// An X window with the input focus that records every key press with the server's timestamp.
class Receiver
{
public:
    explicit Receiver(const std::string &display)
        : events(XOpenDisplay(display.c_str())), control(XOpenDisplay(display.c_str()))
    {
        if (!events || !control)
            fail("cannot open " + display);
        window =
            XCreateSimpleWindow(events, DefaultRootWindow(events), 0, 0, 400, 200, 0, 0, 0xffffff);
        XSelectInput(events, window,
                     KeyPressMask | StructureNotifyMask | FocusChangeMask | PropertyChangeMask);
        XMapWindow(events, window);
        XEvent event;
        do
            XNextEvent(events, &event);
        while (event.type != MapNotify);
        reader = std::thread([this] { readEvents(); });
        takeFocus();
    }

    ~Receiver()
    {
        XClientMessageEvent wake = {};
        wake.type = ClientMessage;
        wake.window = window;
        wake.format = 32;
        XSendEvent(control, window, False, NoEventMask, reinterpret_cast<XEvent *>(&wake));
        XFlush(control);
        reader.join();
        XCloseDisplay(control);
        XCloseDisplay(events);
    }

    void takeFocus()
    {
        XSetInputFocus(control, window, RevertToParent, CurrentTime);
        XSync(control, False);
        if (!waitUntil([this] { return focused.load(); }, 3000))
            fail("the receiving window did not get the focus");
    }

    void clear()
    {
        std::lock_guard<std::mutex> lock(mutex);
        presses.clear();
    }

    std::vector<Press> snapshot()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return presses;
    }

    bool waitForPresses(size_t count, double timeoutMs)
    {
        return waitUntil([&] { return snapshot().size() >= count; }, timeoutMs);
    }

    // The server's clock minus the monotonic clock, in ms: a property change is stamped by the
    // server between the moment it is asked for and the moment its answer arrives.
    double clockOffsetMs()
    {
        const Atom atom = XInternAtom(control, "QUILLON_BENCH_CLOCK", False);
        propertyTime = 0;
        const double before = monotonicMs();
        XChangeProperty(control, window, atom, XA_INTEGER, 32, PropModeReplace, nullptr, 0);
        XSync(control, False);
        const double after = monotonicMs();
        if (!waitUntil([this] { return propertyTime.load() != 0; }, 2000))
            fail("no property notification");
        const double middle = std::fmod((before + after) / 2, 4294967296.0);
        return static_cast<double>(propertyTime.load()) - middle;
    }

    Display *controlConnection() const { return control; }

private:
    void readEvents()
    {
        for (;;) {
            XEvent event;
            XNextEvent(events, &event);
            switch (event.type) {
            case ClientMessage:
                return;
            case FocusIn:
                focused = true;
                break;
            case FocusOut:
                focused = false;
                break;
            case PropertyNotify:
                propertyTime = event.xproperty.time;
                break;
            case MappingNotify:
                XRefreshKeyboardMapping(&event.xmapping);
                break;
            case KeyPress:
                record(event.xkey);
                break;
            }
        }
    }

    void record(XKeyEvent &key)
    {
        char text[8] = {};
        KeySym keysym = NoSymbol;
        XLookupString(&key, text, sizeof text, &keysym, nullptr);
        if (IsModifierKey(keysym))
            return;
        char32_t character = U'?';
        if (keysym == XK_Return)
            character = U'\n';
        else if (keysym == XK_Tab)
            character = U'\t';
        else if ((keysym >= 0x20 && keysym <= 0x7E) || (keysym >= 0xA0 && keysym <= 0xFF))
            character = static_cast<char32_t>(keysym);
        std::lock_guard<std::mutex> lock(mutex);
        presses.push_back({key.time, character});
    }

    Display *events;
    Display *control;
    Window window = 0;
    std::thread reader;
    std::mutex mutex;
    std::vector<Press> presses;
    std::atomic<bool> focused{false};
    std::atomic<Time> propertyTime{0};
};

// The device: the master side of a pty whose slave the program under test opens.
class Device
{
public:
    Device()
    {
        int slave = -1;
        char name[256] = {};
        if (openpty(&master, &slave, name, nullptr, nullptr) != 0)
            fail("openpty");
        close(slave);
        // Only this process may hold the device's end, or closing it would hang nothing up.
        fcntl(master, F_SETFD, FD_CLOEXEC);
        path = name;
    }
    ~Device() { hangUp(); }

    std::string path;

    // Writes the bytes and returns the monotonic time at which the last one was handed over.
    double send(const std::string &bytes)
    {
        size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t written = write(master, bytes.data() + done, bytes.size() - done);
            if (written <= 0)
                fail("write to pty");
            done += static_cast<size_t>(written);
        }
        return monotonicMs();
    }

    // Writes `line` over and over for `seconds`, as fast as the port takes it; returns bytes.
    long long flood(const std::string &line, double seconds)
    {
        std::string block;
        while (block.size() < 16384)
            block += line;
        const int flags = fcntl(master, F_GETFL);
        fcntl(master, F_SETFL, flags | O_NONBLOCK);
        long long total = 0;
        size_t offset = 0;
        const double end = monotonicMs() + seconds * 1000;
        while (monotonicMs() < end) {
            const ssize_t written = write(master, block.data() + offset, block.size() - offset);
            if (written > 0) {
                total += written;
                offset = (offset + static_cast<size_t>(written)) % block.size();
            } else {
                pollfd writable{master, POLLOUT, 0};
                poll(&writable, 1, 50);
            }
        }
        fcntl(master, F_SETFL, flags);
        return total;
    }

    bool isRaw() const
    {
        termios settings = {};
        const int fd = open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
        const bool ok = fd >= 0 && tcgetattr(fd, &settings) == 0;
        if (fd >= 0)
            close(fd);
        return ok && !(settings.c_lflag & ICANON);
    }

    void hangUp()
    {
        if (master >= 0)
            close(master);
        master = -1;
    }

private:
    int master = -1;
};

// A Qt text box in a process of its own (the test suite's receiver): what a user's Qt
// application would get, including its handling of keymap changes.
class QtTextBox
{
public:
    QtTextBox(const std::string &binary, const std::string &display)
    {
        int toChild[2], fromChild[2];
        if (pipe2(toChild, O_CLOEXEC) != 0 || pipe2(fromChild, O_CLOEXEC) != 0)
            fail("pipe");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);
        const std::string displayVariable = "DISPLAY=" + display;
        char *argv[] = {const_cast<char *>(binary.c_str()), nullptr};
        char *envp[] = {const_cast<char *>(displayVariable.c_str()),
                        const_cast<char *>("QT_QPA_PLATFORM=xcb"), nullptr};
        if (posix_spawn(&pid, binary.c_str(), &actions, nullptr, argv, envp) != 0)
            fail("cannot start " + binary);
        posix_spawn_file_actions_destroy(&actions);
        close(toChild[0]);
        close(fromChild[1]);
        requests = toChild[1];
        answers = fdopen(fromChild[0], "r");
        if (readLine() != "ready")
            fail("the Qt text box did not get the focus");
    }

    ~QtTextBox()
    {
        close(requests);
        std::fclose(answers);
        waitpid(pid, nullptr, 0);
    }

    std::u32string text()
    {
        if (write(requests, "dump\n", 5) != 5)
            fail("Qt text box gone");
        const std::string hex = readLine();
        std::string utf8;
        for (size_t i = 0; i + 1 < hex.size(); i += 2)
            utf8 += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        return decodeUtf8(utf8);
    }

private:
    std::string readLine()
    {
        char line[65536] = {};
        if (!std::fgets(line, sizeof line, answers))
            return {};
        std::string text = line;
        while (!text.empty() && text.back() == '\n')
            text.pop_back();
        return text;
    }

    static std::u32string decodeUtf8(const std::string &utf8)
    {
        std::u32string text;
        for (size_t i = 0; i < utf8.size();) {
            const auto lead = static_cast<unsigned char>(utf8[i]);
            const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            char32_t code = length == 1 ? lead : lead & (0x7F >> length);
            for (int k = 1; k < length && i + k < utf8.size(); ++k)
                code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
            text += code;
            i += static_cast<size_t>(length);
        }
        return text;
    }

    pid_t pid = -1;
    int requests = -1;
    FILE *answers = nullptr;
};

struct Cost
{
    double cpuMs = 0;
    long long switches = 0;
    long long rssKb = 0;
};

long long fieldOf(const std::string &file, const std::string &key)
{
    FILE *in = std::fopen(file.c_str(), "r");
    if (!in)
        return 0;
    char line[256];
    long long value = 0;
    while (std::fgets(line, sizeof line, in)) {
        if (std::strncmp(line, key.c_str(), key.size()) == 0)
            value = std::atoll(line + key.size());
    }
    std::fclose(in);
    return value;
}

struct ThreadCost
{
    double cpuMs = 0;
    long long switches = 0;
};

// CPU time and context switches of each thread of a process, by thread id.
std::map<std::string, ThreadCost> threadCostsOf(pid_t pid)
{
    std::map<std::string, ThreadCost> costs;
    const std::string base = "/proc/" + std::to_string(pid) + "/task/";
    DIR *tasks = opendir(base.c_str());
    if (!tasks)
        return costs;
    while (dirent *task = readdir(tasks)) {
        if (task->d_name[0] == '.')
            continue;
        const std::string dir = base + task->d_name;
        ThreadCost &cost = costs[task->d_name];
        if (FILE *in = std::fopen((dir + "/schedstat").c_str(), "r")) {
            unsigned long long runNs = 0;
            if (std::fscanf(in, "%llu", &runNs) == 1)
                cost.cpuMs = runNs / 1e6;
            std::fclose(in);
        }
        cost.switches = fieldOf(dir + "/status", "voluntary_ctxt_switches:") +
                        fieldOf(dir + "/status", "nonvoluntary_ctxt_switches:");
    }
    closedir(tasks);
    return costs;
}

Cost costOf(pid_t pid)
{
    Cost cost;
    cost.rssKb = fieldOf("/proc/" + std::to_string(pid) + "/status", "VmRSS:");
    return cost;
}

// What the process's threads spent over the time; a thread that ends meanwhile is not counted.
Cost costOver(pid_t pid, double seconds)
{
    const auto before = threadCostsOf(pid);
    sleepMs(seconds * 1000);
    Cost cost = costOf(pid);
    for (const auto &[thread, after] : threadCostsOf(pid)) {
        const auto earlier = before.find(thread);
        const ThreadCost start = earlier == before.end() ? ThreadCost{} : earlier->second;
        cost.cpuMs += after.cpuMs - start.cpuMs;
        cost.switches += after.switches - start.switches;
    }
    return cost;
}

struct Pacing
{
    size_t presses = 0;
    double min = 0, median = 0, p99 = 0, max = 0, worstDeviation = 0;
};

Pacing pacingOf(const std::vector<Press> &presses)
{
    std::vector<double> intervals;
    for (size_t i = 1; i < presses.size(); ++i)
        intervals.push_back(static_cast<double>(presses[i].serverTime - presses[i - 1].serverTime));
    Pacing pacing;
    pacing.presses = presses.size();
    if (intervals.empty())
        return pacing;
    std::sort(intervals.begin(), intervals.end());
    const auto at = [&](double share) {
        const size_t index = static_cast<size_t>(std::ceil(share * intervals.size())) - 1;
        return intervals[std::min(index, intervals.size() - 1)];
    };
    pacing.min = intervals.front();
    pacing.median = at(0.5);
    pacing.p99 = at(0.99);
    pacing.max = intervals.back();
    pacing.worstDeviation =
        std::max(std::fabs(pacing.min - keyIntervalMs), std::fabs(pacing.max - keyIntervalMs));
    return pacing;
}

std::u32string textOf(const std::vector<Press> &presses)
{
    std::u32string text;
    for (const Press &press : presses)
        text += press.character;
    return text;
}

// What a device line should type: Latin-1 bytes as characters, CR LF as one line break.
std::u32string expectedText(const std::string &line)
{
    std::u32string text;
    for (size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (byte == '\r' && i + 1 < line.size() && line[i + 1] == '\n')
            continue;
        text += byte == '\r' ? U'\n' : static_cast<char32_t>(byte);
    }
    return text;
}

struct Results
{
    Pacing ascii, latin1;
    bool asciiExact = false;
    size_t latin1Right = 0, latin1Total = 0, latin1RightInQt = 0;
    // The 96 characters U+00A0 to U+00FF, none of which a US layout has: each needs a spare key.
    double everyLatin1Seconds = 0;
    size_t everyLatin1Right = 0;
    double latencyMedian = 0, latencyMax = 0, clockOffset = 0;
    Cost idle, gone;
    bool exitedWhenGone = false;
    double throughputBytesPerSecond = -1;
    long long rssBeforeKb = 0, rssAfterKb = 0, floodedBytes = 0;
};

size_t matchingCharacters(const std::u32string &got, const std::u32string &expected)
{
    size_t same = 0;
    for (size_t i = 0; i < std::min(got.size(), expected.size()); ++i)
        same += got[i] == expected[i];
    return same;
}

std::vector<Press> typeLine(Receiver &receiver, Device &device, const std::string &line,
                            double timeout = 0)
{
    receiver.clear();
    const std::u32string expected = expectedText(line);
    device.send(line);
    if (timeout == 0)
        timeout = line.size() * keyIntervalMs * 3 + 5000;
    receiver.waitForPresses(expected.size(), timeout);
    sleepMs(300); // anything late or extra
    return receiver.snapshot();
}

std::string latin1Line()
{
    std::string line;
    for (int i = 0; i < 10; ++i)
        line += "\xe9 \xb5 \xb0 \xdf \xff ";
    return line + "\r\n";
}

void measureTyping(Receiver &receiver, Device &device, Results &results)
{
    std::string ascii;
    while (ascii.size() < 198)
        ascii += "0123456789abcdefghijklmnopqrstuvwxyz .,-"[ascii.size() % 40];
    ascii += "\r\n";
    const std::vector<Press> asciiPresses = typeLine(receiver, device, ascii);
    results.ascii = pacingOf(asciiPresses);
    results.asciiExact = textOf(asciiPresses) == expectedText(ascii);

    const std::string latin1 = latin1Line();
    const std::vector<Press> latin1Presses = typeLine(receiver, device, latin1);
    results.latin1 = pacingOf(latin1Presses);
    const std::u32string expected = expectedText(latin1);
    results.latin1Total = expected.size();
    results.latin1Right = matchingCharacters(textOf(latin1Presses), expected);

    std::string everyLatin1;
    for (int character = 0xA0; character <= 0xFF; ++character)
        everyLatin1 += static_cast<char>(character);
    everyLatin1 += "\r";
    const std::vector<Press> everyPresses = typeLine(receiver, device, everyLatin1, 90000);
    if (everyPresses.size() > 1)
        results.everyLatin1Seconds =
            static_cast<double>(everyPresses.back().serverTime - everyPresses.front().serverTime) /
            1000;
    results.everyLatin1Right = matchingCharacters(textOf(everyPresses), expectedText(everyLatin1));

    results.clockOffset = receiver.clockOffsetMs();
    std::vector<double> latencies;
    for (int i = 0; i < 20; ++i) {
        receiver.clear();
        const double written = device.send("12.5\r\n");
        if (!receiver.waitForPresses(5, 5000))
            fail("a latency line was not typed");
        const double firstPress = static_cast<double>(receiver.snapshot().front().serverTime);
        const double writtenServerMs = std::fmod(written, 4294967296.0) + results.clockOffset;
        latencies.push_back(firstPress - writtenServerMs);
        sleepMs(100);
    }
    std::sort(latencies.begin(), latencies.end());
    results.latencyMedian = latencies[latencies.size() / 2];
    results.latencyMax = latencies.back();
}

void measureLatin1IntoQt(const std::string &textBoxBinary, const std::string &display,
                         Receiver &receiver, Device &device, Results &results)
{
    {
        QtTextBox textBox(textBoxBinary, display);
        const std::string line = latin1Line();
        const std::u32string expected = expectedText(line);
        device.send(line);
        waitUntil([&] { return textBox.text().size() >= expected.size(); },
                  line.size() * keyIntervalMs * 3 + 5000);
        sleepMs(300);
        results.latin1RightInQt = matchingCharacters(textBox.text(), expected);
    }
    receiver.takeFocus();
}

// Quillon's To Keyboard check box, relative to its window (see docs/screenshot.png).
constexpr int toKeyboardX = 317;
constexpr int toKeyboardY = 350;

Window findWindowNamed(Display *display, const char *title)
{
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count && !found; ++i) {
        char *name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::strcmp(name, title) == 0)
                found = children[i];
            XFree(name);
        }
    }
    if (children)
        XFree(children);
    return found;
}

void clickToKeyboard(Display *display)
{
    const Window quillon = findWindowNamed(display, "Quillon");
    if (!quillon)
        fail("Quillon's window was not found");
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display, quillon, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    XTestFakeMotionEvent(display, -1, x + toKeyboardX, y + toKeyboardY, CurrentTime);
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
    sleepMs(300);
}

// What both tools are measured on: typing, the Latin-1 line in a Qt window, and idling.
void measureTypingAndIdle(pid_t tool, const std::string &textBoxBinary, const std::string &display,
                          Receiver &receiver, Device &device, Results &results)
{
    receiver.takeFocus();
    typeLine(receiver, device, "ok\r\n");
    measureTyping(receiver, device, results);
    measureLatin1IntoQt(textBoxBinary, display, receiver, device, results);
    results.idle = costOver(tool, 10);
}

// Starts Quillon with the device's pty bound over the port it opens, and waits until it has.
std::unique_ptr<Child> startQuillon(const std::string &binary, const std::string &display,
                                    Device &device)
{
    // Any other serial device of the machine is covered too: listing the ports may probe them.
    const std::string bindAndRun =
        "mount --bind " + device.path +
        " /dev/ttyS0 && for port in /dev/ttyS*; do [ $port = /dev/ttyS0 ] "
        "|| mount --bind /dev/null $port || exit 1; done && exec " +
        binary;
    auto quillon =
        std::make_unique<Child>(std::vector<std::string>{"unshare", "-m", "sh", "-c", bindAndRun},
                                std::vector<std::string>{"DISPLAY=" + display});
    if (!waitUntil([&] { return device.isRaw(); }, 10000))
        fail("Quillon did not open the benchmark's port");
    sleepMs(1000);
    return quillon;
}

Results measureQuillon(const std::string &quillonBinary, const std::string &textBoxBinary)
{
    Results results;
    VirtualDisplay display;
    Receiver receiver(display.name);
    {
        Device device;
        const auto quillon = startQuillon(quillonBinary, display.name, device);
        measureTypingAndIdle(quillon->id(), textBoxBinary, display.name, receiver, device, results);
        device.hangUp();
        sleepMs(1000);
        results.gone = costOver(quillon->id(), 10);
        results.exitedWhenGone = !quillon->running();
    }

    // A fresh instance for the log: the typing above must not share its time with the flood.
    Device device;
    const auto quillon = startQuillon(quillonBinary, display.name, device);
    clickToKeyboard(receiver.controlConnection());
    receiver.takeFocus();
    if (typeLine(receiver, device, "log mode?\r\n").size() != 0)
        fail("could not switch Quillon to log mode");
    results.rssBeforeKb = costOf(quillon->id()).rssKb;
    const double seconds = 30;
    results.floodedBytes = device.flood("12.345 g\r\n", seconds);
    results.throughputBytesPerSecond = results.floodedBytes / seconds;
    results.rssAfterKb = costOf(quillon->id()).rssKb;
    return results;
}

Results measurePipeline(const std::string &script, const std::string &textBoxBinary)
{
    Results results;
    VirtualDisplay display;
    Receiver receiver(display.name);
    Device device;
    Child pipeline({"bash", script, device.path}, {"DISPLAY=" + display.name});
    if (!waitUntil([&] { return device.isRaw(); }, 10000))
        fail("the pipeline did not set up the port");
    sleepMs(500);
    measureTypingAndIdle(pipeline.id(), textBoxBinary, display.name, receiver, device, results);
    device.hangUp();
    sleepMs(1000);
    results.exitedWhenGone = !pipeline.running();
    if (!results.exitedWhenGone)
        results.gone = costOver(pipeline.id(), 10);
    return results;
}

std::string number(double value, int decimals = 1)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string ratio(double ours, double theirs)
{
    if (theirs == 0)
        return ours == 0 ? "1 : 1" : "–";
    return number(ours / theirs, 2);
}

void row(const std::string &what, double ours, double theirs, int decimals = 1)
{
    std::printf("| %s | %s | %s | %s |\n", what.c_str(), number(ours, decimals).c_str(),
                number(theirs, decimals).c_str(), ratio(ours, theirs).c_str());
}

void printPacing(const char *line, const Pacing &ours, const Pacing &theirs)
{
    const std::string prefix = std::string(line) + ": ";
    row(prefix + "key presses seen", static_cast<double>(ours.presses),
        static_cast<double>(theirs.presses), 0);
    row(prefix + "interval min (ms)", ours.min, theirs.min, 0);
    row(prefix + "interval median (ms)", ours.median, theirs.median, 0);
    row(prefix + "interval p99 (ms)", ours.p99, theirs.p99, 0);
    row(prefix + "interval max (ms)", ours.max, theirs.max, 0);
    row(prefix + "worst deviation from 40 ms (ms)", ours.worstDeviation, theirs.worstDeviation, 0);
}

void printTable(const Results &q, const Results &p)
{
    std::printf("| measure | Quillon | pipeline | Quillon : pipeline |\n|---|---|---|---|\n");
    printPacing("ASCII line, 200 bytes", q.ascii, p.ascii);
    std::printf("| ASCII line typed exactly | %s | %s | |\n", q.asciiExact ? "yes" : "no",
                p.asciiExact ? "yes" : "no");
    printPacing("Latin-1 line (é µ ° ß ÿ), 52 bytes", q.latin1, p.latin1);
    std::printf("| Latin-1 line: characters right, Xlib window | %zu of %zu | %zu of %zu | |\n",
                q.latin1Right, q.latin1Total, p.latin1Right, p.latin1Total);
    std::printf("| Latin-1 line: characters right, Qt text box | %zu of %zu | %zu of %zu | |\n",
                q.latin1RightInQt, q.latin1Total, p.latin1RightInQt, p.latin1Total);
    std::printf(
        "| all 96 Latin-1 characters, US layout: characters right | %zu of 97 | %zu of 97 | |\n",
        q.everyLatin1Right, p.everyLatin1Right);
    row("all 96 Latin-1 characters, US layout: first to last key (s)", q.everyLatin1Seconds,
        p.everyLatin1Seconds);
    row("latency, line end to first key, median (ms)", q.latencyMedian, p.latencyMedian);
    row("latency, max of 20 lines (ms)", q.latencyMax, p.latencyMax);
    row("idle 10 s, connected: CPU (ms)", q.idle.cpuMs, p.idle.cpuMs, 2);
    row("idle 10 s, connected: context switches", static_cast<double>(q.idle.switches),
        static_cast<double>(p.idle.switches), 0);
    if (p.exitedWhenGone) {
        std::printf("| 10 s after hang-up: CPU (ms) | %s | exited | |\n",
                    number(q.gone.cpuMs, 2).c_str());
        std::printf("| 10 s after hang-up: context switches | %lld | exited | |\n",
                    q.gone.switches);
    } else {
        row("10 s after hang-up: CPU (ms)", q.gone.cpuMs, p.gone.cpuMs, 2);
        row("10 s after hang-up: context switches", static_cast<double>(q.gone.switches),
            static_cast<double>(p.gone.switches), 0);
    }
    std::printf("| log mode, 30 s at full speed: bytes/s taken in and shown | %s | no log | |\n",
                number(q.throughputBytesPerSecond, 0).c_str());
    std::printf("| log mode: resident memory before → after (MiB), for %s MiB of text | "
                "%s → %s | | |\n",
                number(q.floodedBytes / 1048576.0, 1).c_str(),
                number(q.rssBeforeKb / 1024.0, 1).c_str(),
                number(q.rssAfterKb / 1024.0, 1).c_str());
    std::printf("\nClocks: the X server stamps events with CLOCK_MONOTONIC in whole ms; a "
                "property change placed between two monotonic readings gave an offset of "
                "%s ms (Quillon run) and %s ms (pipeline run), applied to the latencies.\n",
                number(q.clockOffset, 2).c_str(), number(p.clockOffset, 2).c_str());
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4)
        fail("usage: quillon_bench QUILLON_BINARY PIPELINE_SCRIPT QT_TEXT_BOX_BINARY");
    signal(SIGPIPE, SIG_IGN);
    std::fprintf(stderr, "measuring Quillon (about 90 s)...\n");
    const Results quillon = measureQuillon(argv[1], argv[3]);
    std::fprintf(stderr, "measuring the pipeline (about 50 s)...\n");
    const Results pipeline = measurePipeline(argv[2], argv[3]);
    printTable(quillon, pipeline);
    return 0;
}
