"""Runs the built trainer in a private desktop and drives it from outside.

A Desktop starts everything a real session would have: an X server (Xvfb on a
free display), a window manager (openbox, for the frame's close command), a
D-Bus session bus and the accessibility bus. The program then runs in a fresh
working folder. Keys go in through xdotool; what the program shows comes back
through the accessibility bus, as a screen reader would read it. Nothing is
read from inside the program.

Every wait polls with a deadline; a failed check raises AssertionError with a
message that says what was expected and what was found.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

DEFAULT_TIMEOUT = 10.0
POLL_INTERVAL = 0.02

# Filled in by Desktop.start(): pyatspi may only be imported once the
# environment names our private buses.
pyatspi = None
Atspi = None
GLib = None


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def check_equal(found, expected, what):
    if found != expected:
        raise Failure(f"{what}: expected {expected!r}, found {found!r}")


class Desktop:
    """A private desktop with the program running in it; use with `with`.

    libatspi finds the buses through the environment once per process, so a
    test process holds one Desktop; launch() restarts the program in it.
    """

    def __init__(self, binary, *, scale=None, window_manager=True, settings=None):
        self.binary = os.path.abspath(binary)
        self.scale = scale
        self.window_manager = window_manager
        self.settings = settings
        self._services = []  # (name, Popen), stopped in reverse order
        self.process = None
        self.app = None
        self.frame = None
        self.root = None
        self.env = None
        self.events = []

    # ----------------------------------------------------------------- set-up

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()
        return False

    def start(self):
        """Starts the services, then the program."""
        self.root = tempfile.mkdtemp(prefix="kalkora-acceptance-")
        runtime = os.path.join(self.root, "runtime")
        os.mkdir(runtime, 0o700)
        self.workdir = os.path.join(self.root, "work")
        os.mkdir(self.workdir)
        if self.settings is not None:
            with open(self.settings_path, "wb") as f:
                f.write(self.settings)

        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("QT_", "DBUS_", "AT_SPI", "XDG_", "WAYLAND", "DISPLAY"))}
        env.update(XDG_RUNTIME_DIR=runtime, HOME=self.root, LC_ALL="C.UTF-8", LANG="C.UTF-8")
        self.env = env
        env["DISPLAY"] = self._start_x()
        env["DBUS_SESSION_BUS_ADDRESS"] = self._start_session_bus()
        self._start_accessibility_bus()
        if self.window_manager:
            self._start_window_manager()

        os.environ.update(DISPLAY=env["DISPLAY"],
                          DBUS_SESSION_BUS_ADDRESS=env["DBUS_SESSION_BUS_ADDRESS"],
                          XDG_RUNTIME_DIR=runtime)
        global pyatspi, Atspi, GLib
        import pyatspi as _pyatspi
        from gi.repository import Atspi as _Atspi, GLib as _GLib
        pyatspi, Atspi, GLib = _pyatspi, _Atspi, _GLib
        self._track_focus()
        self.launch(scale=self.scale)

    def launch(self, scale=None, dpi=None):
        """Starts the program, ending the one running before."""
        if self.process is not None and self.process.poll() is None:
            self._end(self.process)
        # What desktops do to tell programs the screen's density: the Xft.dpi
        # resource, which Qt turns into its scale factor.
        resources = f"Xft.dpi:\t{dpi}\n" if dpi else ""
        subprocess.run(["xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set",
                        "RESOURCE_MANAGER", resources], env=self.env, check=True)
        app_env = dict(self.env)
        app_env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        if scale is not None:
            app_env["QT_SCALE_FACTOR"] = str(scale)
        self.process = subprocess.Popen([self.binary], cwd=self.workdir, env=app_env,
                                        start_new_session=True)
        self.app = self.wait_for(self._find_app, "the program on the accessibility bus")
        self.frame = self.wait_for(
            lambda: next((c for c in self.app if c.getRole() == pyatspi.ROLE_FRAME
                          and self.is_showing(c)), None),
            "the main window")
        self.wait_for(lambda: self.has_state(self.frame, pyatspi.STATE_ACTIVE) or None,
                      "the main window to become active")
        self.strip = self.find(self.frame, pyatspi.ROLE_PAGE_TAB_LIST)

    def _spawn(self, name, argv, **kwargs):
        proc = subprocess.Popen(argv, env=self.env, start_new_session=True,
                                stdout=kwargs.pop("stdout", subprocess.DEVNULL),
                                stderr=kwargs.pop("stderr", subprocess.DEVNULL), **kwargs)
        self._services.append((name, proc))
        return proc

    def _spawn_reporting(self, name, argv_for, what):
        """Starts a service that writes one line (its display or address) to
        the file descriptor it is given, and returns that line."""
        read_end, write_end = os.pipe()
        self._spawn(name, argv_for(write_end), pass_fds=(write_end,))
        os.close(write_end)
        line = b""
        deadline = time.monotonic() + DEFAULT_TIMEOUT
        while not line.endswith(b"\n"):
            check(time.monotonic() < deadline, f"{name} did not report its {what}")
            chunk = os.read(read_end, 256)
            check(chunk, f"{name} ended before reporting its {what}")
            line += chunk
        os.close(read_end)
        return line.decode().strip()

    def _start_x(self):
        return ":" + self._spawn_reporting(
            "Xvfb", lambda fd: ["Xvfb", "-displayfd", str(fd), "-screen", "0", "1600x1200x24",
                                "-nolisten", "tcp", "-noreset"], "display")

    def _start_session_bus(self):
        return self._spawn_reporting(
            "dbus-daemon", lambda fd: ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                       f"--print-address={fd}"], "address")

    def _bus_has(self, name):
        result = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", f"string:{name}"],
            env=self.env, capture_output=True, text=True)
        return result.returncode == 0 and "boolean true" in result.stdout

    def _start_accessibility_bus(self):
        self._spawn("at-spi-bus-launcher",
                    ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        self.wait_for(lambda: self._bus_has("org.a11y.Bus") or None, "the accessibility bus")

    def _start_window_manager(self):
        self._spawn("openbox", ["openbox", "--sm-disable"])

        def managed():
            out = self.xprop_root("_NET_SUPPORTING_WM_CHECK")
            return "window id" in out or None
        self.wait_for(managed, "the window manager")

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    # Read every value afresh from the program instead of from
                    # the client's cache, which follows the program only while
                    # events are being dispatched.
                    app.set_cache_mask(Atspi.Cache.NONE)
                    return app
            except Exception:
                continue
        check(self.process.poll() is None,
              f"the program ended at start with code {self.process.returncode}")
        return None

    # --------------------------------------------------------------- shutdown

    def stop(self):
        if self.process is not None and self.process.poll() is None:
            self._end(self.process)
        for _name, proc in reversed(self._services):
            if proc.poll() is None:
                self._end(proc)
        self._services.clear()
        if self.root:
            shutil.rmtree(self.root, ignore_errors=True)
            self.root = None

    @staticmethod
    def _end(proc):
        # Each service runs in its own process group, so helpers it started
        # (the accessibility bus's own daemon and registry) end with it.
        for sig, wait in ((signal.SIGTERM, 3), (signal.SIGKILL, 3)):
            try:
                os.killpg(proc.pid, sig)
            except ProcessLookupError:
                return
            try:
                proc.wait(wait)
                return
            except subprocess.TimeoutExpired:
                continue

    # -------------------------------------------------------------- waiting

    def pump(self):
        """Delivers pending accessibility events to the registered listeners."""
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass

    def wait_for(self, probe, what, timeout=DEFAULT_TIMEOUT):
        """Polls probe() until it returns something other than None."""
        deadline = time.monotonic() + timeout
        last_error = None
        while True:
            if GLib is not None:
                self.pump()
            try:
                value = probe()
                if value is not None:
                    return value
            except Failure:
                raise
            except Exception as error:  # an object can vanish between two calls
                last_error = error
            if time.monotonic() >= deadline:
                detail = f" (last error: {last_error})" if last_error else ""
                raise Failure(f"timed out after {timeout:.0f} s waiting for {what}{detail}")
            time.sleep(POLL_INTERVAL)

    def wait_equal(self, probe, expected, what, timeout=DEFAULT_TIMEOUT):
        """Polls probe() until it gives `expected`; fails with the last value."""
        seen = [None]

        def matches():
            seen[0] = probe()
            return True if seen[0] == expected else None
        try:
            self.wait_for(matches, what, timeout)
        except Failure:
            raise Failure(f"{what}: expected {expected!r}, still {seen[0]!r} after "
                          f"{timeout:.0f} s") from None

    def wait_exit(self, timeout=DEFAULT_TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the program is still running {timeout:.0f} s later") from None

    # ------------------------------------------------------------ the keyboard

    def key(self, *keys):
        self._xdotool("key", "--clearmodifiers", "--delay", "30", *keys)

    def type(self, text):
        if text:
            self._xdotool("type", "--clearmodifiers", "--delay", "30", text)

    def _xdotool(self, *args):
        check(self.process.poll() is None, "the program has ended")
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    # ---------------------------------------------------------- the X server

    def xprop_root(self, prop):
        return subprocess.run(["xprop", "-root", prop], env=self.env, capture_output=True,
                              text=True).stdout

    def window_id(self):
        """The X window of the main window (the program's own, inside the frame)."""
        def search():
            out = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid",
                                  str(self.process.pid), "--name", "Kalkora"],
                                 env=self.env, capture_output=True, text=True).stdout.split()
            return int(out[0]) if out else None
        return self.wait_for(search, "the main window's X window")

    def xprop(self, window, *props):
        return subprocess.run(["xprop", "-id", str(window), *props], env=self.env,
                              capture_output=True, text=True).stdout

    def window_size(self, window):
        out = subprocess.run(["xwininfo", "-id", str(window)], env=self.env,
                             capture_output=True, text=True).stdout
        fields = dict(line.strip().split(":", 1) for line in out.splitlines()
                      if ":" in line)
        return int(fields["Width"]), int(fields["Height"])

    def screenshot(self, window):
        """The window's pixels as (width, height, bytes of RGB triples)."""
        data = subprocess.run(["import", "-window", str(window), "-depth", "8", "ppm:-"],
                              env=self.env, capture_output=True, check=True).stdout
        return parse_ppm(data)

    # ------------------------------------------------- the accessibility tree

    @property
    def settings_path(self):
        return os.path.join(self.workdir if self.root else "", "set.dat")

    def has_state(self, obj, state):
        return obj.getState().contains(state)

    def is_showing(self, obj):
        return self.has_state(obj, pyatspi.STATE_SHOWING)

    def descendants(self, obj, predicate, showing_only=True):
        found = []

        def walk(node):
            for child in node:
                if child is None:
                    continue
                if showing_only and not self.is_showing(child):
                    continue
                if predicate(child):
                    found.append(child)
                walk(child)
        walk(obj)
        return found

    def find(self, obj, role, name=None, prefix=None, showing_only=True):
        """The one showing descendant with this role and name (or name prefix)."""
        def matches(node):
            if node.getRole() != role:
                return False
            if name is not None:
                return node.name == name
            if prefix is not None:
                return node.name.startswith(prefix)
            return True
        found = self.descendants(obj, matches, showing_only)
        what = Atspi.Role(role).value_nick
        label = name if name is not None else f"{prefix}…"
        check(len(found) == 1, f"expected one {what} named {label!r}, found {len(found)}")
        return found[0]

    def _track_focus(self):
        def on_focus(event):
            try:
                if event.detail1 != 1:
                    return
                source = event.source
                role = source.getRole()
                if role == pyatspi.ROLE_PAGE_TAB:
                    source = source.parent  # the current tab of a focused strip
                elif role == pyatspi.ROLE_FILLER:
                    return
                self._focus = source
            except Exception:
                pass
        self._focus = None
        pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")

    def focused(self):
        """The showing control that has the keyboard focus, or None.

        Focus events name it; the tree is searched only when no event has.
        """
        self.pump()
        tracked = getattr(self, "_focus", None)
        if tracked is not None:
            try:
                if self.has_state(tracked, pyatspi.STATE_FOCUSED) and self.is_showing(tracked):
                    return tracked
            except Exception:
                pass
        return self._search_focus()

    def _search_focus(self):
        # Containers of the focused control and the current tab of a focused
        # tab strip report the focus too; the control itself is what counts.
        found = self.descendants(
            self.frame, lambda o: self.has_state(o, pyatspi.STATE_FOCUSED)
            and o.getRole() not in (pyatspi.ROLE_FILLER, pyatspi.ROLE_PAGE_TAB))
        return found[0] if len(found) == 1 else None

    def focused_is(self, role, name):
        node = self.focused()
        return node is not None and node.getRole() == role and node.name == name

    def tab_to(self, role, name, presses=10):
        """Presses Tab until the showing control with this role and name has the focus."""
        for _ in range(presses):
            if self.focused_is(role, name):
                return
            before = self.focused()
            self.key("Tab")
            self.wait_for(lambda: self.focused() != before or None, "the focus to move on Tab")
        check(self.focused_is(role, name), f"Tab never reached {name!r}")

    def current_tab(self):
        return self.strip.name

    def show_tab(self, caption):
        """Brings a tab to the front with Ctrl+Tab, as a keyboard user does."""
        for _ in range(5):
            before = self.current_tab()
            if before == caption:
                return Page(self, caption)
            self.key("ctrl+Tab")
            self.wait_for(lambda: self.current_tab() != before or None,
                          f"Ctrl+Tab to leave {before!r}")
        check(self.current_tab() == caption, f"Ctrl+Tab never reached {caption!r}")
        return Page(self, caption)

    def listen(self, event_type):
        """Records events of this type as (time, source name, role, detail1)."""
        def record(event):
            try:
                self.events.append((time.monotonic(), event.type, event.source.name,
                                    event.source.getRole(), event.detail1))
            except Exception:
                pass
        pyatspi.Registry.registerEventListener(record, event_type)


def text_of(obj):
    """What a text field holds."""
    text = obj.queryText()
    return text.getText(0, text.characterCount)


def parse_ppm(data):
    # Binary PPM: "P6", width, height, maximum, each separated by white space.
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    check(fields[0] == b"P6", "the screenshot is not a binary PPM")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:]
    check(len(pixels) == width * height * 3, "the screenshot is cut short")
    return width, height, pixels


class Page:
    """One drill page as a screen reader reads it.

    The page's controls are its direct children; they are listed once, with
    their roles, and their names and states are read afresh on every call.
    """

    def __init__(self, desktop, caption):
        self.desktop = desktop
        self.caption = caption
        self.node = desktop.find(desktop.frame, pyatspi.ROLE_FILLER, caption)
        self.controls = [(child, child.getRole()) for child in self.node if child is not None]

    def _find(self, role, name=None, prefix=None, showing_only=True):
        found = [child for child, child_role in self.controls
                 if child_role == role
                 and (name is None or child.name == name)
                 and (prefix is None or child.name.startswith(prefix))
                 and (not showing_only or self.desktop.is_showing(child))]
        label = name if name is not None else f"{prefix}…"
        check(len(found) == 1, f"expected one {Atspi.Role(role).value_nick} named {label!r} "
                               f"on {self.caption!r}, found {len(found)}")
        return found[0]

    def focusable_names(self):
        return {child.name for child, _role in self.controls
                if self.desktop.is_showing(child)
                and self.desktop.has_state(child, pyatspi.STATE_FOCUSABLE)}

    def label(self, prefix):
        return self._find(pyatspi.ROLE_LABEL, prefix=prefix + ": ").name

    def number(self, prefix):
        """The whole number a label names after "prefix: "."""
        value = self.label(prefix)[len(prefix) + 2:]
        check(value.lstrip("-").isdigit(), f"{prefix!r} does not name a whole number: {value!r}")
        return int(value)

    def sign_showing(self, name):
        return any(role == pyatspi.ROLE_LABEL and child.name == name
                   and self.desktop.is_showing(child) for child, role in self.controls)

    @property
    def answer(self):
        return self._find(pyatspi.ROLE_TEXT, "Válasz")

    @property
    def button(self):
        return self._find(pyatspi.ROLE_PUSH_BUTTON, "Nézzük...")

    def limit(self, caption):
        return self._find(pyatspi.ROLE_TEXT, caption)

    def banner(self):
        """What the result banner says, or None while it is hidden."""
        node = self._find(pyatspi.ROLE_ALERT, showing_only=False)
        return node.name if self.desktop.is_showing(node) else None

    def history(self):
        """Column headers and rows of the history list."""
        table = self._find(pyatspi.ROLE_TABLE, "Eddigi feladatok").queryTable()
        headers = [table.getColumnHeader(c).name for c in range(table.nColumns)]
        rows = [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)]
                for r in range(table.nRows)]
        return headers, rows


def run(steps, **options):
    """Runs the steps of one scenario group in order against one program.

    The steps share the program's state, so the first failure ends the group.
    """
    if len(sys.argv) != 2:
        sys.exit(f"usage: {sys.argv[0]} <path to kalkora>")
    passed = failed = 0
    with Desktop(sys.argv[1], **options) as desktop:
        for step in steps:
            started = time.monotonic()
            try:
                step(desktop)
            except Failure as failure:
                failed += 1
                print(f"FAIL {step.__name__}: {failure}", flush=True)
                break
            passed += 1
            print(f"PASS {step.__name__} ({time.monotonic() - started:.1f} s)", flush=True)
    skipped = len(steps) - passed - failed
    print(f"{passed} passed, {failed} failed, {skipped} skipped")
    sys.exit(1 if failed else 0)
