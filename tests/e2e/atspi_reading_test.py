"""End to end: one whole reading through the accessibility bus alone, as a
screen reader would do it.

Starts a private X server, a private D-Bus session and the AT-SPI bus on it,
then the real program with accessibility switched on. Through AT-SPI only it
finds every input by its accessible name and every button by its caption,
types both names through the EditableText interface, picks both birth dates
through the lists' Value interface, presses the proceed button through its
action and reads both result headings, the steps behind their numbers, the
short readings and the report, which must not be editable. Then it ends
the program.

Ann, 22 November 1963, and Catherine, 9 September 1998:
  Life Path  22 + 11 + 1963 = 1996 -> 25 -> 7   and   9 + 9 + 1998 = 2016 -> 9
  Destiny    A1 N5 N5 = 11 -> 2                 and   C3 A1 T2 H8 E5 R9 I9 N5 E5 = 47 -> 11 -> 2

Without Xvfb, dbus-daemon, the AT-SPI bus launcher or pyatspi the test
is skipped, never passed.
"""

import os
import shutil
import subprocess
import sys

import pytest

import xsupport
from xsupport import log, read_line, stop_process

# pyatspi's own calls into the deprecated parts of the AT-SPI library.
pytestmark = [pytest.mark.tools("Xvfb", "dbus-daemon"),
              pytest.mark.filterwarnings("ignore::DeprecationWarning:pyatspi")]

MAIN_TITLE = "Kivo Love Numerology v1.0"
PROCEED = "Get Our Love Numerology Reading"
BACK = "Do It Once Again"
REPORT = "Love compatibility report"
LIFE_PATH_HEADING = "LifePath Compatibility Number is "
DESTINY_HEADING = "Destiny Compatibility Number is "
ARROW = "\u2192"

# Accessible name -> what the test puts there.
NAMES = {"Your name": "Ann", "Partner's name": "Catherine"}
DATES = {
    "Your birth day": (22, "22"), "Your birth month": (11, "November"), "Your birth year": (1963, "1963"),
    "Partner's birth day": (9, "9"), "Partner's birth month": (9, "September"),
    "Partner's birth year": (1998, "1998"),
}
EXPECTED_LIFE_PATH = LIFE_PATH_HEADING + "7 + 9"
EXPECTED_DESTINY = DESTINY_HEADING + "2 + 2"
EXPECTED_LIFE_PATH_STEPS = (
    f"You: 22 + 11 + 1963 = 1996 {ARROW} 1 + 9 + 9 + 6 = 25 {ARROW} 2 + 5 = 7\n"
    f"Your partner: 9 + 9 + 1998 = 2016 {ARROW} 2 + 0 + 1 + 6 = 9")
EXPECTED_DESTINY_STEPS = (
    f"You: letter total 11 {ARROW} 1 + 1 = 2\n"
    f"Your partner: letter total 47 {ARROW} 4 + 7 = 11 {ARROW} 11 counts as 1 + 1 = 2")

TIMEOUT = 15.0
POLL = 0.05

BUS_LAUNCHER_PLACES = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")


def find_bus_launcher():
    found = shutil.which("at-spi-bus-launcher")
    if found:
        return found
    return next((p for p in BUS_LAUNCHER_PLACES if os.access(p, os.X_OK)), None)


@pytest.fixture
def bus_launcher():
    """The AT-SPI bus launcher; skips the test when it or pyatspi is missing."""
    missing = []
    launcher = find_bus_launcher()
    if launcher is None:
        missing.append("at-spi-bus-launcher (package at-spi2-core)")
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi  # noqa: F401
        import pyatspi  # noqa: F401
    except (ImportError, ValueError) as error:
        missing.append(f"pyatspi for {sys.executable} ({error}; packages python3-pyatspi, gir1.2-atspi-2.0)")
    if missing:
        pytest.skip("the AT-SPI reading test needs " + ", ".join(missing))
    return launcher


class SessionBus:
    """A private D-Bus session bus whose socket lies in our runtime folder."""

    def __init__(self, runtime_dir, env):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile",
             f"--address=unix:path={runtime_dir}/bus", f"--print-address={write_end}"],
            pass_fds=(write_end,), env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        try:
            self.address = read_line(read_end, "dbus-daemon", TIMEOUT)
        finally:
            os.close(read_end)
        log(f"private session bus at {self.address}")

    def stop(self):
        stop_process(self.process)


def wait_until(what, probe, timeout=TIMEOUT):
    """The shared wait, letting the AT-SPI library take in the events the
    program sent before each look. The tree may change under a walk, so its
    errors count as "not yet"."""
    from gi.repository import GLib

    def fresh():
        while GLib.MainContext.default().iteration(False):
            pass
        return probe()

    return xsupport.wait_until(what, fresh, timeout, interval=POLL,
                               retry_on=(GLib.Error, RuntimeError, NotImplementedError))


def wait_for_accessibility_bus(session_address):
    """Waits until our launcher owns org.a11y.Bus and hands out its address.
    No auto-start: a launcher activated by the bus would not be ours."""
    from gi.repository import Gio, GLib
    bus = Gio.DBusConnection.new_for_address_sync(
        session_address,
        Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
        None, None)

    def address():
        reply = bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                              GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NO_AUTO_START, 1000, None)
        return reply.unpack()[0]

    found = wait_until("the AT-SPI bus launcher to own org.a11y.Bus", address)
    log(f"AT-SPI bus at {found}")
    bus.close_sync(None)


def walk(root):
    """Every object below root, depth first. The entries of the lists and the
    menus are left out: hundreds of them, and none is needed here."""
    stack = [root]
    while stack:
        node = stack.pop()
        yield node
        if node.getRoleName() in ("combo box", "menu bar"):
            continue
        for i in reversed(range(node.childCount)):
            child = node.getChildAtIndex(i)
            if child is not None:
                stack.append(child)


def outline(root):
    """role 'name' lines of the tree, for the failure message."""
    lines = []
    try:
        for node in walk(root):
            lines.append(f"  {node.getRoleName()} {node.name!r}")
    except Exception as error:  # noqa: BLE001 - only a diagnostic
        lines.append(f"  (walk stopped: {error})")
    return "\n".join(lines)


def by_role(root, role):
    return [node for node in walk(root) if node.getRoleName() == role]


def one(nodes, what):
    assert len(nodes) == 1, f"expected one {what}, found {len(nodes)}"
    return nodes[0]


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def press(button):
    actions = button.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    index = next((i for i, n in enumerate(names) if n.lower() in ("press", "click")), None)
    assert index is not None, f"button {button.name!r} offers no press action, only {names}"
    assert actions.doAction(index), f"the press action of {button.name!r} was refused"


def find_program_application(pyatspi, Atspi, pid):
    desktop = pyatspi.Registry.getDesktop(0)
    desktop.set_cache_mask(Atspi.Cache.NONE)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def read_through_accessibility(pid):
    import pyatspi
    from gi.repository import Atspi
    # A hung program fails the test in seconds, not after D-Bus's 25.
    Atspi.set_timeout(5000, 15000)

    app = wait_until("the program on the AT-SPI bus", lambda: find_program_application(pyatspi, Atspi, pid))
    # No cache: every name and text is read fresh from the program.
    app.set_cache_mask(Atspi.Cache.NONE)
    frame = wait_until(f"the frame {MAIN_TITLE!r}",
                       lambda: next((f for f in by_role(app, "frame") if f.name == MAIN_TITLE), None))
    log(f"found the frame {MAIN_TITLE!r} of {app.name!r}")
    try:
        run_reading(frame)
    except AssertionError as failure:
        raise AssertionError(f"{failure}\nthe program's tree:\n{outline(frame)}") from None


def run_reading(frame):
    # Every input by its accessible name, every button by its caption.
    def inputs():
        texts = {n.name: n for n in by_role(frame, "text") if n.name in NAMES}
        combos = {n.name: n for n in by_role(frame, "combo box") if n.name in DATES}
        return (texts, combos) if len(texts) == len(NAMES) and len(combos) == len(DATES) else None

    fields, lists = wait_until(f"inputs named {sorted(NAMES) + sorted(DATES)}", inputs)

    def check_buttons(captions):
        buttons = {n.name for n in by_role(frame, "push button")}
        for caption in captions:
            assert caption in buttons, f"no button {caption!r} among {sorted(buttons)}"
        assert not any("&" in b for b in buttons), f"a button caption still shows its access-key marker: {buttons}"
        return buttons

    buttons = check_buttons([PROCEED])
    assert not [n for n in by_role(frame, "label") if n.name.startswith(LIFE_PATH_HEADING)], \
        "a Life Path heading shows a result before anything was entered"
    log(f"inputs by name: {sorted(fields) + sorted(lists)}; buttons: {sorted(buttons)}")

    for name, value in NAMES.items():
        field = fields[name]
        assert field.queryEditableText().setTextContents(value), f"{name!r} refused its text"
        assert text_of(field) == value, f"{name!r} holds {text_of(field)!r} instead of {value!r}"
    for name, (number, entry) in DATES.items():
        lists[name].queryValue().currentValue = float(number)
        wait_until(f"{name!r} to show {entry!r}", lambda node=lists[name], entry=entry: node.description == entry)
    log("both people entered: Ann 22 November 1963, Catherine 9 September 1998")

    press(one([n for n in by_role(frame, "push button") if n.name == PROCEED], f"button {PROCEED!r}"))

    def headings():
        labels = by_role(frame, "label")
        life = [n for n in labels if n.name.startswith(LIFE_PATH_HEADING)]
        destiny = [n for n in labels if n.name.startswith(DESTINY_HEADING)]
        return (life[0], destiny[0]) if len(life) == 1 and len(destiny) == 1 else None

    life, destiny = wait_until("both result headings", headings)
    log(f"headings: {life.name!r}, {destiny.name!r}")
    # The result page's controls come with the first result.
    check_buttons([PROCEED, BACK])
    assert life.name == EXPECTED_LIFE_PATH, f"Life Path heading {life.name!r}, expected {EXPECTED_LIFE_PATH!r}"
    assert destiny.name == EXPECTED_DESTINY, f"Destiny heading {destiny.name!r}, expected {EXPECTED_DESTINY!r}"
    assert life.description == EXPECTED_LIFE_PATH_STEPS, \
        f"Life Path steps {life.description!r}, expected {EXPECTED_LIFE_PATH_STEPS!r}"
    assert destiny.description == EXPECTED_DESTINY_STEPS, \
        f"Destiny steps {destiny.description!r}, expected {EXPECTED_DESTINY_STEPS!r}"

    # Each heading shares its frame with its short reading.
    for heading in (life, destiny):
        others = [n.name for n in by_role(heading.parent, "label") if n.name != heading.name]
        assert len(others) == 1 and len(others[0]) > len("Reading"), \
            f"no short reading next to {heading.name!r}: {others}"
    report = one([n for n in by_role(frame, "text") if n.name == REPORT], f"report {REPORT!r}")
    content = text_of(report)
    assert (content.startswith("Your Love Numerology Reading Based on Life Path Number\n")
            and "\nYour Love Numerology Reading Based on Destiny Number\n" in content), \
        f"the report reads {content[:200]!r}"
    try:
        report.queryEditableText()
    except NotImplementedError:
        pass
    else:
        raise AssertionError("the read-only report offers AT-SPI a way to edit it")
    log(f"short readings and the report ({len(content)} characters) are readable; the report is not editable")


@pytest.fixture
def accessibility_bus(bus_launcher, xserver, runtime_dir, monkeypatch):
    """A private session bus and the AT-SPI bus on it, which the program, the
    launcher and this test's AT-SPI library all find through the session and
    the display in the environment."""
    base_env = xserver.env(XDG_RUNTIME_DIR=runtime_dir)
    base_env.pop("AT_SPI_BUS_ADDRESS", None)
    bus = SessionBus(runtime_dir, base_env)
    a11y = None
    try:
        for name, value in dict(DISPLAY=xserver.display, DBUS_SESSION_BUS_ADDRESS=bus.address,
                                XDG_RUNTIME_DIR=runtime_dir, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1").items():
            monkeypatch.setenv(name, value)
        monkeypatch.delenv("AT_SPI_BUS_ADDRESS", raising=False)
        monkeypatch.delenv("WAYLAND_DISPLAY", raising=False)
        a11y = subprocess.Popen([bus_launcher, "--launch-immediately"], env=dict(os.environ),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for_accessibility_bus(bus.address)
        yield
    finally:
        stop_process(a11y)
        bus.stop()


def test_reading(accessibility_bus, xserver, launch):
    app = launch()
    read_through_accessibility(app.pid)
    xserver.screenshot("atspi-reading.png")
    assert app.running(), f"the program ended during the reading: {app.output()}"
