"""A private X server with a window manager, the real program in it, and the
means to press keys and read the window's pixels back.

Used by the end-to-end tests; each test starts its own session."""

import os
import shutil
import subprocess
import tempfile
import time

# The face colours of the six cell tiles: a cell whose test pixel shows one of
# them holds a tile.
FACES = {(191, 0, 0), (196, 196, 0), (0, 183, 0), (91, 91, 255), (185, 0, 185), (149, 149, 149)}
CLIENT_HEIGHT = 476
HERE = os.path.dirname(os.path.abspath(__file__))


def wait_for(predicate, seconds, step=0.05):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return None


class Session:
    def __init__(self, program, depth=24, display=None, workdir=None):
        self.program = os.path.realpath(program)
        self.display = display or f":{100 + os.getpid() % 800}"
        self.work = workdir or tempfile.mkdtemp(prefix="vemo-e2e-")
        self.env = dict(os.environ, DISPLAY=self.display,
                        ALSA_CONFIG_PATH=os.path.join(HERE, "asound-null.conf"))
        self.env.pop("QT_QPA_PLATFORM", None)
        self.procs = []
        self.vemo = None
        self.window = None
        self._start_server(depth)

    # --- the X server and the window manager ---
    def _start_server(self, depth):
        server = subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", f"1280x1024x{depth}", "-noreset", "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(server)
        if not wait_for(lambda: self._x_ok(["xdpyinfo"]), 15):
            raise RuntimeError("the X server did not start")
        self.procs.append(subprocess.Popen(["openbox"], env=self.env,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_for(lambda: b"window id" in self._x(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]), 15)

    def _x(self, argv):
        return subprocess.run(argv, env=self.env, capture_output=True).stdout

    def _x_ok(self, argv):
        return subprocess.run(argv, env=self.env, capture_output=True).returncode == 0

    def xdotool(self, *args):
        return self._x(["xdotool", *map(str, args)]).decode()

    # --- the program ---
    def start(self, prefix=()):
        """Starts the program, through `prefix` (a command that ends by
        executing its arguments, such as setpriv) when one is given."""
        self.log = open(os.path.join(self.work, "vemo.log"), "wb")
        self.vemo = subprocess.Popen([*prefix, self.program], cwd=self.work, env=self.env,
                                     stdout=self.log, stderr=subprocess.STDOUT)
        self.procs.append(self.vemo)
        self.window = wait_for(self._main_window, 20)
        if not self.window:
            raise RuntimeError("the main window did not show")
        return self.window

    def _main_window(self):
        for wid in self.xdotool("search", "--onlyvisible", "--name", "^Vemo").split():
            if "Geometry: 639x" in self.xdotool("getwindowgeometry", wid):
                return wid
        return None

    def windows_named(self, pattern):
        return self.xdotool("search", "--onlyvisible", "--name", pattern).split()

    def message_box(self):
        """The id of a visible window titled "Vemo" that is not the main window."""
        boxes = [w for w in self.windows_named("^Vemo$") if w != self.window]
        return boxes[0] if boxes else None

    def focus(self):
        self.xdotool("windowactivate", "--sync", self.window)
        self.xdotool("windowfocus", "--sync", self.window)

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def keydown(self, key):
        self.xdotool("keydown", key)

    def keyup(self, key):
        self.xdotool("keyup", key)

    def click(self, x, y):
        """A left click at (x, y) of the client area."""
        self.xdotool("mousemove", "--window", self.window, x, y + self.menu_height())
        self.xdotool("click", "1")

    def menu_height(self):
        geometry = self.xdotool("getwindowgeometry", self.window)
        height = int(geometry.split("Geometry: ")[1].split("x")[1].split()[0])
        return height - CLIENT_HEIGHT

    def caption(self):
        return self._x(["xdotool", "getwindowname", self.window]).decode().strip()

    def running(self):
        return self.vemo is not None and self.vemo.poll() is None

    # --- reading the window ---
    def grab(self):
        """The client area as rows of (r, g, b)."""
        data = self._x(["import", "-silent", "-window", self.window, "-depth", "8", "ppm:-"])
        return Image(data, self.menu_height())

    def stop(self):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
        shutil.rmtree(self.work, ignore_errors=True)


class Image:
    def __init__(self, ppm, top):
        fields = []
        pos = 0
        while len(fields) < 4:
            while ppm[pos:pos + 1].isspace():
                pos += 1
            end = pos
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[pos:end])
            pos = end
        pos += 1
        assert fields[0] == b"P6", fields
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = ppm[pos:]
        self.top = top

    def pixel(self, x, y):
        i = ((y + self.top) * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def well(self):
        """The set of well cells (column, row) that show a tile."""
        cells = set()
        for r in range(-1, 23):
            for c in range(10):
                if self.pixel(56 + 15 * c, 75 + 15 * r) in FACES:
                    cells.add((c, r))
        return cells
