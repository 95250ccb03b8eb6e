// Typing into a real window on a real X server: the device's bytes go in through a
// pseudo-terminal and come out as the text of a focused window in another process.
#include "childprocess.h"
#include "harness.h"
#include "receiverprocess.h"
#include "stderrcapture.h"
#include "typing/keyinjector.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QProcess>
#include <QTest>

#include <X11/extensions/XInput.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <csignal>
#include <thread>
#include <vector>

namespace {

class Receiver : public ReceiverProcess
{
public:
    Receiver() : ReceiverProcess(xcbEnvironment()) {}
    bool waitUntilFocused() { return waitUntilReady(); }

private:
    static QProcessEnvironment xcbEnvironment()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        return environment;
    }
};

// Characters from À on, none of which a US layout has: the bytes the device sends, and the text.
struct LatinRun
{
    QByteArray bytes;
    QString text;
};

LatinRun latinRunFromAGrave(int count)
{
    LatinRun run;
    for (int character = 0xC0; character < 0xC0 + count; ++character) {
        run.bytes += static_cast<char>(character);
        run.text += QChar(character);
    }
    return run;
}

Window inputFocus()
{
    Display *display = XOpenDisplay(nullptr);
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(display, &focus, &revertTo);
    XCloseDisplay(display);
    return focus;
}

bool anyKeyDown()
{
    Display *display = XOpenDisplay(nullptr);
    char keys[32] = {};
    XQueryKeymap(display, keys);
    XCloseDisplay(display);
    return std::any_of(std::begin(keys), std::end(keys), [](char bits) { return bits != 0; });
}

// The test's own connection, playing the user at the physical keyboard.
class UserKeyboard
{
public:
    UserKeyboard() : display(XOpenDisplay(nullptr)) {}
    ~UserKeyboard() { XCloseDisplay(display); }
    UserKeyboard(const UserKeyboard &) = delete;
    UserKeyboard &operator=(const UserKeyboard &) = delete;

    void setCapsLock(bool on)
    {
        XkbLockModifiers(display, XkbUseCoreKbd, LockMask, on ? LockMask : 0);
        XSync(display, False);
    }

    bool capsLocked()
    {
        XkbStateRec state = {};
        XkbGetState(display, XkbUseCoreKbd, &state);
        return state.locked_mods & LockMask;
    }

    void holdShift(bool down) { hold(XK_Shift_L, down); }

    void hold(KeySym key, bool down)
    {
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), down, CurrentTime);
        XSync(display, False);
    }

    bool holds(KeySym key)
    {
        char keys[32] = {};
        XQueryKeymap(display, keys);
        const KeyCode code = XKeysymToKeycode(display, key);
        return keys[code / 8] & (1 << (code % 8));
    }

    void lockGroup(unsigned group)
    {
        XkbLockGroup(display, XkbUseCoreKbd, group);
        XSync(display, False);
    }

    int group()
    {
        XkbStateRec state = {};
        XkbGetState(display, XkbUseCoreKbd, &state);
        return state.group;
    }

    // Gives the key that carries `from` the symbol `to` instead, as xmodmap does.
    void bind(KeySym from, KeySym to)
    {
        const KeyCode code = XKeysymToKeycode(display, from);
        int perCode = 0;
        KeySym *old = XGetKeyboardMapping(display, code, 1, &perCode);
        XFree(old);
        std::vector<KeySym> levels(static_cast<size_t>(perCode), to);
        XChangeKeyboardMapping(display, code, perCode, levels.data(), 1);
        XSync(display, False);
    }

    // Leaves no key without a symbol on its first level: no spare key, and no key for NoSymbol.
    void giveEveryKeyASymbol(KeySym keysym)
    {
        int lowest = 0, highest = 0;
        XDisplayKeycodes(display, &lowest, &highest);
        for (int code = lowest; code <= highest; ++code) {
            if (XkbKeycodeToKeysym(display, static_cast<KeyCode>(code), 0, 0) == NoSymbol)
                XChangeKeyboardMapping(display, code, 1, &keysym, 1);
        }
        XSync(display, False);
    }

    bool hasKeyFor(KeySym keysym)
    {
        XSync(display, False);
        int minCode = 0, maxCode = 0, perCode = 0;
        XDisplayKeycodes(display, &minCode, &maxCode);
        KeySym *map = XGetKeyboardMapping(display, static_cast<KeyCode>(minCode),
                                          maxCode - minCode + 1, &perCode);
        const bool found = std::find(map, map + (maxCode - minCode + 1) * perCode, keysym) !=
                           map + (maxCode - minCode + 1) * perCode;
        XFree(map);
        return found;
    }

private:
    Display *display;
};

// The keyboard itself (the server's own keyboard device, not the XTEST one), as the user's hand
// holds its keys.
class KeyboardDevice
{
public:
    KeyboardDevice() : display(XOpenDisplay(nullptr))
    {
        int count = 0;
        XDeviceInfo *devices = XListInputDevices(display, &count);
        for (int i = 0; i < count && !device; ++i) {
            if (devices[i].use == IsXExtensionKeyboard &&
                qstrcmp(devices[i].name, "Xvfb keyboard") == 0)
                device = XOpenDevice(display, devices[i].id);
        }
        XFreeDeviceList(devices);
    }
    ~KeyboardDevice()
    {
        if (device)
            XCloseDevice(display, device);
        XCloseDisplay(display);
    }
    KeyboardDevice(const KeyboardDevice &) = delete;
    KeyboardDevice &operator=(const KeyboardDevice &) = delete;

    bool found() const { return device; }
    KeyCode code(KeySym keysym) { return XKeysymToKeycode(display, keysym); }

    void hold(KeyCode code, bool down)
    {
        XTestFakeDeviceKeyEvent(display, device, code, down, nullptr, 0, CurrentTime);
        XSync(display, False);
    }

    // From another thread, since typing blocks the test's own.
    std::thread letGoAfter(KeyCode code, std::chrono::milliseconds delay)
    {
        return std::thread([this, code, delay] {
            std::this_thread::sleep_for(delay);
            hold(code, false);
        });
    }

    unsigned modifiersInForce()
    {
        XkbStateRec state = {};
        XkbGetState(display, XkbUseCoreKbd, &state);
        return state.base_mods | state.latched_mods;
    }

    // Makes an empty keycode a second Control key, which a release of the usual one cannot end.
    KeyCode addControlKeyOnSpareKeycode()
    {
        int lowest = 0, highest = 0, perCode = 0;
        XDisplayKeycodes(display, &lowest, &highest);
        KeySym *map = XGetKeyboardMapping(display, static_cast<KeyCode>(lowest),
                                          highest - lowest + 1, &perCode);
        int spareCode = highest;
        while (spareCode > lowest && map[(spareCode - lowest) * perCode] != NoSymbol)
            --spareCode;
        XFree(map);
        if (spareCode == lowest)
            return 0;
        const auto spare = static_cast<KeyCode>(spareCode);
        KeySym control = XK_Control_R;
        XChangeKeyboardMapping(display, spare, 1, &control, 1);
        XModifierKeymap *modifiers = XGetModifierMapping(display);
        modifiers = XInsertModifiermapEntry(modifiers, spare, ControlMapIndex);
        const bool set = XSetModifierMapping(display, modifiers) == MappingSuccess;
        XFreeModifiermap(modifiers);
        XSync(display, False);
        return set ? spare : 0;
    }

private:
    Display *display;
    XDevice *device = nullptr;
};

// The program listing one pty, typing with the real X11 backend into whatever has the focus.
struct TypingProgram
{
    explicit TypingProgram(
        std::chrono::milliseconds modifierWait = KeyInjector::defaultModifierWait)
        : harness({device.slavePath()})
    {
        std::unique_ptr<KeyInjector> injector = createKeyInjector("xcb");
        injector->setModifierWait(modifierWait);
        harness.window->setKeyInjector(std::move(injector));
    }

    PseudoTerminal device;
    Harness harness;
};

} // namespace

class X11TypingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "needs an X server"); }

    void typedTextFollowsTheByteMapping()
    {
        Receiver receiver;
        QVERIFY(receiver.waitUntilFocused());
        TypingProgram program;
        PseudoTerminal &device = program.device;
        program.harness.get<QComboBox>("comboBox_ExportMode")->setCurrentIndex(1); // Standard

        // Latin-1 letters that a US map lacks, shifted characters, CR LF, a lone LF, and control
        // bytes (Escape, Backspace, Delete, C1) that must type nothing.
        device.send("12.5\t\xe9 \xb5 \xb0 \xdf \xff\r\nAZ:{\n\x1b\x08\x7f\x01\x80\x9fok\r");
        const QString expected = QString::fromUtf8("12.5\t\u00e9 \u00b5 \u00b0 \u00df \u00ff\n"
                                                   "AZ:{\nok\n");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), expected, 8000);

        // The LF completing a CR from the previous line gives no second Return.
        device.send("\n\xe9\r");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), expected + QString::fromUtf8("\u00e9\n"), 4000);
        QVERIFY(!anyKeyDown());
    }

    void layoutSwitchWhileRunningIsFollowed()
    {
        Receiver receiver;
        QVERIFY(receiver.waitUntilFocused());
        TypingProgram program;
        PseudoTerminal &device = program.device;
        device.send("yz@\r");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), QStringLiteral("yz@\n"), 4000);

        // The German layout swaps Y and Z and moves @; the keymap must be read again.
        QCOMPARE(QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("de")}), 0);
        device.send("yz@\r");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), QStringLiteral("yz@\nyz@\n"), 4000);
        QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("us")});
        QVERIFY(!anyKeyDown());
    }

    void capsLockOnChangesNothingAndStaysOn()
    {
        Receiver receiver;
        QVERIFY(receiver.waitUntilFocused());
        UserKeyboard user;
        user.setCapsLock(true);
        TypingProgram program;
        program.device.send("aZ1\xe9!\r");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), QString::fromUtf8("aZ1\u00e9!\n"), 4000);
        QVERIFY(user.capsLocked());
        user.setCapsLock(false);
    }

    // With "us,de" and the German group switched to, keys are looked up in that group.
    void secondLayoutGroupInForceIsFollowed()
    {
        Receiver receiver;
        QVERIFY(receiver.waitUntilFocused());
        UserKeyboard user; // keeps the server's keymap while setxkbmap runs
        QCOMPARE(QProcess::execute(QStringLiteral("setxkbmap"),
                                   {QStringLiteral("-layout"), QStringLiteral("us,de"),
                                    QStringLiteral("-option"), QStringLiteral("grp:caps_toggle")}),
                 0);
        user.hold(XK_ISO_Next_Group, true); // the user's layout switch key
        user.hold(XK_ISO_Next_Group, false);
        QCOMPARE(user.group(), 1);
        TypingProgram program;
        program.device.send("zy:@{\xe9\xb5zy\t\r");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), QString::fromUtf8("zy:@{\u00e9\u00b5zy\t\n"),
                                  4000);
        QCOMPARE(user.group(), 1);
        QProcess::execute(
            QStringLiteral("setxkbmap"),
            {QStringLiteral("-layout"), QStringLiteral("us"), QStringLiteral("-option")});
    }

    // Ctrl, Shift, and Ctrl on a keycode of its own, held on the keyboard itself: nothing is
    // typed until the user lets go, then the line exactly, no key combined with the modifier,
    // and the user's modifier never let go or pressed by the program.
    void heldModifierIsWaitedForNeverCombined()
    {
        Receiver receiver;
        QVERIFY(receiver.waitUntilFocused());
        KeyboardDevice keyboard;
        QVERIFY2(keyboard.found(), "the X server has no keyboard device of its own");
        TypingProgram program;
        const KeyCode spareControl = keyboard.addControlKeyOnSpareKeycode();
        QVERIFY(spareControl != 0);
        QString expected;
        for (KeyCode modifier :
             {keyboard.code(XK_Control_L), keyboard.code(XK_Shift_L), spareControl}) {
            const int pressesBefore = receiver.keyPresses().size();
            keyboard.hold(modifier, true);
            QVERIFY(keyboard.modifiersInForce() != 0);
            std::thread letGo = keyboard.letGoAfter(modifier, std::chrono::milliseconds(600));
            program.device.send("as\tZ\r");
            expected += QStringLiteral("as\tZ\n");
            QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), expected, 8000);
            letGo.join();
            // Besides the line's keys, only the user's own press and the Shift that Z needs.
            const QStringList presses = receiver.keyPresses().mid(pressesBefore);
            const QStringList typedKeys{"A", "S", "Z", "Tab", "Backtab", "Return"};
            QStringList typed;
            for (const QString &press : presses) {
                if (typedKeys.contains(press.section(QLatin1Char('+'), -1)))
                    typed << press;
            }
            QCOMPARE(typed.join(' '), QStringLiteral("A S Tab Shift+Z Return"));
            QCOMPARE(presses.size(), typed.size() + 2);
        }
        QCOMPARE(keyboard.modifiersInForce(), 0u);
        QVERIFY(!anyKeyDown());
    }

    // A modifier that stays down: the line is not typed but kept in the log, said once.
    void modifierHeldPastTheBoundLeavesTheLineInTheLog()
    {
        Receiver receiver;
        QVERIFY(receiver.waitUntilFocused());
        KeyboardDevice keyboard;
        QVERIFY(keyboard.found());
        TypingProgram program(std::chrono::milliseconds(300));
        const KeyCode control = keyboard.code(XK_Control_L);
        keyboard.hold(control, true);
        const QByteArray said = capturedStderr([&] {
            program.device.send("12.5\r\n13.");
            QTRY_VERIFY(program.harness.logText().contains(QLatin1String("Not typed: 12.5\n")));
            program.device.send("7\r\n14.");
            QTRY_VERIFY(program.harness.logText().contains(QLatin1String("Not typed: 13.7\n")));
        });
        QCOMPARE(said.count("did not type"), 1);
        keyboard.hold(control, false);
        program.device.send("2\r\n"); // the rest of a reading that came while it was held
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), QStringLiteral("14.2\n"), 4000);
    }

    // With no spare key (nor one for NoSymbol), a character the layout lacks is not typed: the
    // rest of its line is logged, said once. A byte that gives no key asks for no key.
    void characterWithoutAKeyLeavesTheRestInTheLog()
    {
        Receiver receiver;
        QVERIFY(receiver.waitUntilFocused());
        UserKeyboard user;
        user.giveEveryKeyASymbol(XK_F35);
        TypingProgram program;
        const auto saidFor = [&program](const QByteArray &line) {
            return capturedStderr([&] { program.harness.deliver(program.device, line); });
        };
        QCOMPARE(saidFor("1\x1b\r\n"), QByteArray());
        QCOMPARE(saidFor(QByteArray("2 \xb0") + "C\r").count("quillon:"), 1);
        QCOMPARE(saidFor("3\r"), QByteArray()); // typed in full: the map still has no spare key
        QCOMPARE(saidFor("\xb5\r"), QByteArray());
        QCOMPARE(program.harness.logText(),
                 QString::fromUtf8("Not typed: 2 \u00b0C (only \"2 \" of it was typed)\n"
                                   "Not typed: \u00b5\n"));
        QTRY_COMPARE(receiver.text(), QStringLiteral("1\n2 3\n"));
        QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("us")});
    }

    // An application that applies a keymap change only after the key events already queued gets
    // every character a spare key carries, however many the spare keys are reused for.
    void mappingChangeComesAPauseBeforeItsKey()
    {
        ReceiverProcess receiver(QProcessEnvironment::systemEnvironment(), {}, false,
                                 QStringLiteral(X11_LAZY_RECEIVER));
        QVERIFY(receiver.waitUntilReady());
        TypingProgram program;
        const LatinRun line = latinRunFromAGrave(12);
        program.device.send(line.bytes + "\r");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), line.text + QLatin1Char('\n'), 8000);
    }

    // The user gives a key Quillon had bound a meaning of their own: Quillon leaves it to them,
    // and at exit it is still there.
    void spareKeyTheUserRemapsStaysTheirs()
    {
        Receiver receiver;
        QVERIFY(receiver.waitUntilFocused());
        UserKeyboard user;
        auto program = std::make_unique<TypingProgram>();
        program->device.send("\xe9\r");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), QString::fromUtf8("\u00e9\n"), 4000);
        QVERIFY(user.hasKeyFor(XK_eacute));
        user.bind(XK_eacute, XK_F20);
        program->device.send("\xb5\r");
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), QString::fromUtf8("\u00e9\n\u00b5\n"), 4000);
        QVERIFY(user.hasKeyFor(XK_F20));
        program.reset();
        QVERIFY(user.hasKeyFor(XK_F20));
        QVERIFY(!user.hasKeyFor(XK_mu));
        user.bind(XK_F20, NoSymbol);
    }

    // The receiving application is stopped while more characters than there are spare keys are
    // typed: each is still there when it reads the keymap for it.
    void applicationThatLagsGetsEveryCharacter()
    {
        Receiver receiver;
        QVERIFY(receiver.waitUntilFocused());
        TypingProgram program;
        const LatinRun line = latinRunFromAGrave(25);
        // Typing blocks this thread, so the receiver is woken from another one.
        const auto receiverPid = static_cast<pid_t>(receiver.pid());
        QCOMPARE(::kill(receiverPid, SIGSTOP), 0);
        std::thread wakeUp([receiverPid] {
            std::this_thread::sleep_for(std::chrono::seconds(2));
            ::kill(receiverPid, SIGCONT);
        });
        program.device.send(line.bytes + "\r");
        QTest::qWait(500);
        wakeUp.join();
        QTRY_COMPARE_WITH_TIMEOUT(receiver.text(), line.text + QLatin1Char('\n'), 15000);
    }

    // The X server goes away under a running program: said once, no crash, nothing typed.
    void lostXServerIsReportedOnce()
    {
        QProcess server;
        startTiedToTest(server, QStringLiteral("Xvfb"),
                        {QStringLiteral("-displayfd"), QStringLiteral("1"),
                         QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QVERIFY(server.waitForReadyRead(10000));
        const QByteArray display = ":" + server.readLine().trimmed();
        const QByteArray ownDisplay = qgetenv("DISPLAY");
        qputenv("DISPLAY", display);
        TypingProgram program;
        qputenv("DISPLAY", ownDisplay);
        program.device.send("a\r");
        QTest::qWait(300);
        const QByteArray said = capturedStderr([&] {
            server.kill();
            server.waitForFinished(3000);
            program.device.send("b\r");
            QTest::qWait(500);
            program.device.send("c\r");
            QTest::qWait(300);
        });
        QVERIFY2(said.contains("connection to the X server is lost"), said.constData());
        QCOMPARE(said.count("quillon:"), 1);
    }

    // The user clicks into Quillon in the middle of a line: the rest stops there and goes to the
    // log. Its window keeps the focus: the next line is not typed at all. Its controls stay as
    // they were.
    void ownWindowIsNeverTypedInto()
    {
        Receiver receiver;
        QVERIFY(receiver.waitUntilFocused());
        const Window receiverWindow = inputFocus();
        TypingProgram program;
        Widget *window = program.harness.window.get();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const Window own = window->winId();
        std::thread click([own] {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            Display *display = XOpenDisplay(nullptr);
            XSetInputFocus(display, own, RevertToParent, CurrentTime);
            XCloseDisplay(display);
        });
        const QString reading = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
        program.device.send(reading.toLatin1() + "\r");
        const QString notTyped = QStringLiteral("Not typed: ");
        QTRY_VERIFY_WITH_TIMEOUT(program.harness.logText().startsWith(notTyped), 4000);
        click.join();
        QVERIFY(!receiver.text().isEmpty());
        QVERIFY(reading.startsWith(receiver.text()));
        QCOMPARE(program.harness.logText(),
                 notTyped + reading + " (only \"" + receiver.text() + "\" of it was typed)\n");

        QTRY_VERIFY(window->isActiveWindow());
        QWidget *focused = QApplication::focusWidget();
        const QString before = program.harness.logText();
        program.device.send("W4 \tW5 \r");
        QTRY_COMPARE(program.harness.logText(), before + notTyped + QStringLiteral("W4 \tW5 \n"));
        QCOMPARE(QApplication::focusWidget(), focused);
        QVERIFY(program.harness.get<QCheckBox>("checkBox_ToKeyboard")->isChecked());
        QCOMPARE(program.harness.get<QComboBox>("comboBox_Baud")->currentText(),
                 QStringLiteral("9600"));

        // A focus on the root window sends keys to the window under the pointer, here Quillon's.
        Display *display = XOpenDisplay(nullptr);
        XSetInputFocus(display, DefaultRootWindow(display), RevertToParent, CurrentTime);
        XWarpPointer(display, None, own, 0, 0, 0, 0, 10, 10);
        XSync(display, False);
        program.device.send("16\r");
        QTRY_VERIFY(program.harness.logText().endsWith(notTyped + "16\n"));
        XSetInputFocus(display, own, RevertToParent, CurrentTime);
        XSync(display, False);
        QTRY_VERIFY(window->isActiveWindow());

        // The user clicks back into their application and a reading follows at once, before
        // Quillon's window has heard that it lost the focus: the X server knows, and is asked.
        const QString typedBefore = receiver.text();
        XSetInputFocus(display, receiverWindow, RevertToParent, CurrentTime);
        XSync(display, False);
        QVERIFY(window->isActiveWindow());
        program.device.send("15\r");
        QTRY_COMPARE(receiver.text(), typedBefore + "15\n");
        XCloseDisplay(display);
    }

    void closingWhileTypingFinishesTheLineAndRestoresTheKeymap()
    {
        Receiver receiver;
        QVERIFY(receiver.waitUntilFocused());
        UserKeyboard user;
        auto program = std::make_unique<TypingProgram>();
        Widget *window = program->harness.window.get();
        window->show();
        // The close request comes while the line is being typed, as from the window manager.
        std::thread closer([window] {
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            QMetaObject::invokeMethod(window, "close", Qt::QueuedConnection);
        });
        program->device.send("\xe9 \xb5 \xb0\r");
        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 4000);
        closer.join();
        program.reset();
        QCOMPARE(receiver.text(), QString::fromUtf8("\u00e9 \u00b5 \u00b0\n"));
        QVERIFY(!anyKeyDown());
        QVERIFY(!user.hasKeyFor(XK_eacute));
        QVERIFY(!user.hasKeyFor(XK_mu));
    }
};

QTEST_MAIN(X11TypingTest)
#include "test_x11typing.moc"
