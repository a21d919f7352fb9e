"""A private desktop for end-to-end tests: an X server, a session bus with the
accessibility bus, and the program under test. Everything started here is ended here,
by its process id, and every wait has a deadline."""

import os
import random
import signal
import subprocess
import sys
import tempfile
import time

from PIL import Image


class Timeout(Exception):
    pass


def run_without_display(program, *args, lang="C.UTF-8", display=None):
    """Runs the program as from a terminal with no graphical session (or with `display`,
    say one no server answers), and returns what it did: its exit status and output."""
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL")}
    env["LANG"] = lang
    if display:
        env["DISPLAY"] = display
    return subprocess.run([program, *args], capture_output=True, timeout=60, env=env)


def wait_until(condition, seconds=15.0, what="condition"):
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Timeout(f"gave up waiting for {what}")
        time.sleep(0.05)


class Desktop:
    def __init__(self, program, size="1280x1024", env=None, accessibility=True):
        self.program_path = program
        self.size = size
        self.extra_env = env or {}
        self.scale = float(self.extra_env.get("QT_SCALE_FACTOR", "1"))
        self.accessibility = accessibility
        self.processes = []
        self.program = None
        self._stderr_path = None
        self.tmp = tempfile.TemporaryDirectory(prefix="stat-e2e-")
        self.env = None

    # -- lifetime -----------------------------------------------------------------
    def __enter__(self):
        # The whole test stops by itself even if something below hangs.
        signal.signal(signal.SIGALRM, self._alarm)
        signal.alarm(100)
        try:
            self._start()
        except BaseException:
            self._stop()
            raise
        return self

    def __exit__(self, exc_type, *_):
        # A failing test shows what the program said, sanitizer reports included.
        if exc_type is not None and self.program is not None:
            said = self.program_stderr()
            if said.strip():
                print("--- the program's standard error ---", file=sys.stderr)
                print(said, file=sys.stderr)
        self._stop()
        signal.alarm(0)
        return False

    @staticmethod
    def _alarm(*_):
        raise Timeout("the end-to-end test ran out of time")

    def _spawn(self, args, **kwargs):
        p = subprocess.Popen(args, env=self.env, start_new_session=True, **kwargs)
        self.processes.append(p)
        return p

    def _start(self):
        # A display number of its own, never one just given up by an earlier test: a
        # server that is still going away can hold on to its socket for a moment.
        rng = random.Random(os.getpid() ^ time.monotonic_ns())
        for _ in range(20):
            number = rng.randrange(100, 60000)
            if not os.path.exists(f"/tmp/.X{number}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{number}"):
                break
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", f":{number}", "-displayfd", str(write_fd), "-screen", "0", self.size + "x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), start_new_session=True, stderr=subprocess.DEVNULL)
        self.processes.append(xvfb)
        os.close(write_fd)
        with os.fdopen(read_fd) as f:
            display = f.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + display
        self.env = dict(os.environ)
        self.env.update({
            "DISPLAY": self.display,
            "LANG": "C.UTF-8",
            "LC_ALL": "",
            "XDG_RUNTIME_DIR": self.tmp.name,
            # The program's own data and settings (its recovered work, its recent
            # files) belong to this desktop alone.
            "XDG_DATA_HOME": os.path.join(self.tmp.name, "data"),
            "XDG_CONFIG_HOME": os.path.join(self.tmp.name, "config"),
            "QT_QPA_PLATFORM": "xcb",
            "NO_AT_BRIDGE": "0",
        })
        self.env.pop("QT_SCALE_FACTOR", None)
        if self.accessibility:
            bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                              stdout=subprocess.PIPE, text=True)
            address = bus.stdout.readline().strip()
            self.env["DBUS_SESSION_BUS_ADDRESS"] = address
            self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
            self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                        stderr=subprocess.DEVNULL)
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
            os.environ["DISPLAY"] = self.display
        self.env.update(self.extra_env)

    def start_program(self, *args):
        self._stderr_path = os.path.join(self.tmp.name, "program-stderr.txt")
        with open(self._stderr_path, "wb") as stderr:
            self.program = self._spawn([self.program_path, *args], stderr=stderr)
        return self.program

    def program_stderr(self):
        try:
            with open(self._stderr_path, encoding="utf-8", errors="replace") as f:
                return f.read()
        except (AttributeError, OSError):
            return ""

    def _stop(self):
        for p in reversed(self.processes):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for p in reversed(self.processes):
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)
                p.wait(timeout=5)
        self.processes.clear()
        self.tmp.cleanup()

    # -- looking and acting ---------------------------------------------------------
    def run(self, *args, check=True):
        return subprocess.run(list(args), env=self.env, check=check, capture_output=True,
                              text=True, timeout=20).stdout

    def xdotool(self, *args):
        return self.run("xdotool", *map(str, args))

    def window(self, title):
        def found():
            out = self.run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$", check=False)
            return out.split()[0] if out.split() else None
        return wait_until(found, what=f"window {title!r}")

    def window_geometry(self, window):
        out = self.run("xwininfo", "-id", str(window))
        fields = {}
        for line in out.splitlines():
            if ":" in line:
                key, _, value = line.strip().partition(":")
                fields[key.strip()] = value.strip()
        return (int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"]),
                int(fields["Width"]), int(fields["Height"]))

    def client_top(self, window):
        """Pixels between the top of a window and its client area: the height of the main
        window's menu bar (its client area is 8,685 twips high), 0 for the exercise."""
        name = self.run("xdotool", "getwindowname", str(window)).strip()
        if not name.startswith("Statistique"):
            return 0
        _, _, _, height = self.window_geometry(window)
        return height - round(8685 / 15 * self.scale)

    def client_origin(self, window):
        """Where a window's client area starts on the screen, in pixels."""
        left, top, _, _ = self.window_geometry(window)
        return left, top + self.client_top(window)

    def keys(self, *names, pause=0.03, held=None):
        """Presses and releases keys by their key symbol names (KP_1, KP_Decimal, a, ...),
        as physical keys of the current layout: the modifiers are the keyboard's own.
        With held (Shift_L, say), that key stays down around them."""
        from Xlib import X, XK, display as xdisplay
        from Xlib.ext import xtest
        d = xdisplay.Display(self.display)

        def code_of(name):
            code = d.keysym_to_keycode(XK.string_to_keysym(name))
            if not code:
                raise ValueError(f"no key for {name}")
            return code

        def press(code, event):
            xtest.fake_input(d, event, code)
            d.sync()
            time.sleep(pause)

        try:
            if held:
                press(code_of(held), X.KeyPress)
            for name in names:
                press(code_of(name), X.KeyPress)
                press(code_of(name), X.KeyRelease)
            if held:
                press(code_of(held), X.KeyRelease)
        finally:
            d.close()

    def num_lock_on(self):
        from Xlib import display as xdisplay
        d = xdisplay.Display(self.display)
        try:
            on = d.get_keyboard_control().led_mask & 2
        finally:
            d.close()
        if not on:
            self.keys("Num_Lock")

    def set_layout(self, layout):
        self.run("setxkbmap", layout)

    def close_window(self, window):
        """Asks a window to close, as its title bar's close button does."""
        self._send_close(window)

    def close_program_window(self, window, seconds=10):
        """Closes a window of the program and returns the program's exit status. A close
        sent within moments of the window appearing is sometimes lost between the X
        server and the toolkit, so it is sent again while the program is still there."""
        deadline = time.monotonic() + seconds
        while True:
            self._send_close(window)
            try:
                return self.program.wait(timeout=1.5)
            except subprocess.TimeoutExpired:
                if time.monotonic() > deadline:
                    raise Timeout("the program did not end when its window was closed")

    def _send_close(self, window):
        from Xlib import X, display as xdisplay, protocol
        d = xdisplay.Display(self.display)
        try:
            w = d.create_resource_object("window", int(window))
            protocols = d.intern_atom("WM_PROTOCOLS")
            delete = d.intern_atom("WM_DELETE_WINDOW")
            event = protocol.event.ClientMessage(window=w, client_type=protocols,
                                                 data=(32, [delete, X.CurrentTime, 0, 0, 0]))
            w.send_event(event, event_mask=X.NoEventMask)
            d.flush()
        finally:
            d.close()

    def screen_size(self):
        w, h = self.size.split("x")
        return int(w), int(h)

    def screenshot(self, name="shot.png"):
        path = os.path.join(self.tmp.name, name)
        self.run("import", "-display", self.display, "-window", "root", path)
        keep = os.environ.get("STAT_E2E_SHOTS")
        if keep:
            import shutil
            shutil.copy(path, os.path.join(keep, name))
        return Image.open(path).convert("RGB")

    def click(self, window, x_px, y_px):
        """Clicks at a point of a window's client area, in pixels."""
        self.xdotool("mousemove", "--window", window, x_px, y_px)
        self.xdotool("click", "1")

    def click_twips(self, window, left, top, width, height):
        """Clicks the middle of a control placed in twips in a window's client area."""
        self.click(window, round((left + width / 2) / 15 * self.scale),
                   round((top + height / 2) / 15 * self.scale) + self.client_top(window))


class Accessible:
    """The program as a screen reader sees it, through the accessibility bus."""

    def __init__(self, app_name="Statistique"):
        import pyatspi
        self.pyatspi = pyatspi
        self.app = wait_until(lambda: self._find_app(app_name), what="the program on the accessibility bus")

    def _find_app(self, name):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            child = desktop.getChildAtIndex(i)
            if child is not None and child.name == name:
                return child
        return None

    def find(self, predicate, root=None):
        root = root or self.app
        stack = [root]
        while stack:
            node = stack.pop()
            if node is None:
                continue
            try:
                if predicate(node):
                    return node
                stack.extend(node.getChildAtIndex(i) for i in range(node.childCount))
            except Exception:
                continue
        return None

    def named(self, name):
        return wait_until(lambda: self.find(lambda n: n.name == name), what=f"accessible {name!r}")

    def item_names(self, name):
        node = self.named(name)
        return [node.getChildAtIndex(i).name for i in range(node.childCount)]
