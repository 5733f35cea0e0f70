#!/usr/bin/env python3
"""Smoke test of the built game on a real X display (Xvfb).

Starts build/game/korvalo with the real SDL window, OpenAL's null device
and the real statistics library reporting to a loopback HTTP server of its
own (a free port, named to the game in KORVALO_STATS_ENDPOINT), then
plays as a person would with xdotool: the main menu, NEW GAME, the
purchase of a tram, a short drive and back to the menu, and QUIT GAME.
Then it starts the game once more, continues into a run and ends the X
server under it: the game must end within a few seconds, the run unsaved.
Screenshots of the menu, the depot and the run are written as PNG files;
the saved game, the two launch reports and the exit are checked; the
start-up time and the peak memory are measured.

    scripts/smoke.py [--build build] [--out build/artifacts]

Needs: Xvfb, xdotool, libX11 (for the screenshots), python3.
"""
import argparse
import ctypes
import ctypes.util
import hashlib
import http.server
import json
import os
import select
import shutil
import struct
import signal
import subprocess
import sys
import tempfile
import threading
import time
import zlib

WIDTH, HEIGHT = 1024, 768
LOADING_SECONDS = 4.4          # the loading sequence's own 44 steps of 100 ms
MENU_AFTER_SCREENS = 6         # distinct screens up to the menu: black, logo, loading bar steps (about 10)

# Screen centres of what the player clicks (1:1 on a 1024 x 768 screen).
NEW_GAME = (514, 360)          # labMenu2
YES = (375, 345)               # btnUpozorneniAno on panUpozorneni
BUY = (177, 372)               # btnKoupitNovouTramvaj in the depot
START = (847, 474)             # btnNovyKurs in the depot
BACK = (951, 24)               # BitBtn1, top right
QUIT = (515, 510)              # labMenu5
CONTINUE = (515, 410)          # labMenu3
DISPLAY_LOSS_SECONDS = 5       # the longest a game may outlive its display
AWAY = (5, 760)                # nowhere near a menu entry


class Failure(Exception):
    pass


def start_xvfb(width, height):
    """Starts Xvfb on a screen of width x height; (the process, its display).
    Xvfb takes the first free display number and writes it, once it accepts
    connections, to a pipe: two runs at once never share one."""
    ready, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                             "%dx%dx24" % (width, height), "-nolisten", "tcp"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 10
    try:
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            if not select.select([ready], [], [], 0.5)[0]:
                continue
            chunk = os.read(ready, 16)
            if not chunk:
                break
            number += chunk
    finally:
        os.close(ready)
    if not number.strip().isdigit():
        end_processes([xvfb])
        raise Failure("Xvfb did not start")
    return xvfb, ":" + number.strip().decode()


def end_processes(procs):
    """Ends the processes, the last started first."""
    for p in reversed(procs):
        if p.poll() is None:
            p.terminate()
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                p.kill()


def game_folder(game_dir, tmp):
    """A working folder of its own under tmp, so the saved game of build/game stays."""
    work = os.path.join(tmp, "game")
    os.mkdir(work)
    for name in ("Textures", "Zvuky", "Data", "README.md"):
        os.symlink(os.path.join(game_dir, name), os.path.join(work, name))
    return work


# --- screenshots through Xlib ---------------------------------------------------------

class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


class Screen:
    """The root window of a display, read as 24-bit RGB rows."""

    def __init__(self, display):
        name = ctypes.util.find_library("X11")
        if not name:
            raise Failure("libX11 not found")
        self.x = ctypes.CDLL(name)
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XFree.argtypes = [ctypes.c_void_p]
        self.x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self.dpy = self.x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise Failure("cannot open display " + display)
        self.root = self.x.XDefaultRootWindow(self.dpy)

    def area(self, x, y, w, h):
        """A rectangle of the screen as the server holds it: (bytes, bytes
        per row), 4 bytes a pixel (B, G, R, unused)."""
        img = self.x.XGetImage(self.dpy, self.root, x, y, w, h, 0xFFFFFFFF, 2)  # ZPixmap
        if not img:
            raise Failure("XGetImage failed")
        im = img.contents
        if im.bits_per_pixel != 32:
            raise Failure("unexpected screen depth %d" % im.bits_per_pixel)
        raw = ctypes.string_at(im.data, im.bytes_per_line * im.height)
        stride = im.bytes_per_line
        self.x.XFree(im.data)
        self.x.XFree(img)
        return raw, stride

    def grab(self):
        """The screen as bytes, 3 per pixel (R, G, B), rows top to bottom."""
        raw, stride = self.area(0, 0, WIDTH, HEIGHT)
        rows = []
        for y in range(HEIGHT):
            row = raw[y * stride:y * stride + WIDTH * 4]
            # BGRX -> RGB
            rgb = bytearray(WIDTH * 3)
            rgb[0::3] = row[2::4]
            rgb[1::3] = row[1::4]
            rgb[2::3] = row[0::4]
            rows.append(bytes(rgb))
        return rows

    def close(self):
        self.x.XCloseDisplay(self.dpy)


def write_png(rows, path):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    raw = b"".join(b"\x00" + r for r in rows)
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 2, 0, 0, 0))
           + chunk(b"IDAT", zlib.compress(raw, 6)) + chunk(b"IEND", b""))
    with open(path, "wb") as f:
        f.write(png)


def digest(rows):
    return hashlib.sha1(b"".join(rows)).hexdigest()


def distinct_colours(rows, step=16):
    seen = set()
    for y in range(0, HEIGHT, step):
        r = rows[y]
        for x in range(0, WIDTH, step):
            seen.add(r[3 * x:3 * x + 3])
    return len(seen)


# --- the statistics server -----------------------------------------------------------

class StatsHandler(http.server.BaseHTTPRequestHandler):
    requests = []

    def do_GET(self):
        StatsHandler.requests.append(self.path)
        body = b"ok"
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    do_POST = do_GET

    def log_message(self, *args):
        pass


# --- the run --------------------------------------------------------------------------

class Smoke:
    def __init__(self, build, out):
        self.build = os.path.abspath(build)
        self.game_dir = os.path.join(self.build, "game")
        self.out = os.path.abspath(out)
        self.tmp = tempfile.mkdtemp(prefix="korvalo-smoke-")
        self.procs = []
        self.figures = {}
        self.log = []

    def say(self, text):
        line = "[%6.2f] %s" % (time.monotonic() - self.t0, text)
        self.log.append(line)
        print(line, flush=True)

    def start_xvfb(self):
        xvfb, self.display = start_xvfb(WIDTH, HEIGHT)
        self.procs.append(xvfb)
        self.screen = Screen(self.display)

    def start_stats_server(self):
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), StatsHandler)
        self.stats_endpoint = "http://127.0.0.1:%d" % self.server.server_address[1]
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], check=True, env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=10)

    def click(self, where, what):
        self.say("click " + what)
        self.xdotool("mousemove", where[0], where[1], "click", "1")
        time.sleep(0.4)
        self.xdotool("mousemove", AWAY[0], AWAY[1])
        time.sleep(0.3)

    def key(self, key, what):
        self.say("key %s (%s)" % (key, what))
        self.xdotool("key", key)
        time.sleep(0.2)

    def shot(self, name):
        rows = self.screen.grab()
        path = os.path.join(self.out, name + ".png")
        write_png(rows, path)
        colours = distinct_colours(rows)
        self.say("screenshot %s (%d colours sampled)" % (path, colours))
        if colours < 8:
            raise Failure("the %s screenshot is nearly blank" % name)
        return rows

    def peak_memory_kb(self):
        with open("/proc/%d/status" % self.game.pid) as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
        return -1

    def save_words(self):
        path = os.path.join(self.work, "Save.gqs")
        with open(path, "rb") as f:
            data = f.read()
        if len(data) != 76:
            raise Failure("Save.gqs holds %d bytes" % len(data))
        return struct.unpack("<19i", data)

    def run(self):
        self.t0 = time.monotonic()
        os.makedirs(self.out, exist_ok=True)
        exe = os.path.join(self.game_dir, "korvalo")
        if not os.access(exe, os.X_OK):
            raise Failure(exe + " is not built")
        self.start_xvfb()
        self.start_stats_server()
        self.work = game_folder(self.game_dir, self.tmp)
        self.env = dict(os.environ, DISPLAY=self.display, SDL_VIDEODRIVER="x11", ALSOFT_DRIVERS="null",
                        XDG_CONFIG_HOME=os.path.join(self.tmp, "config"), HOME=self.tmp, BROWSER="true",
                        KORVALO_STATS_ENDPOINT=self.stats_endpoint)
        self.env.pop("SDL_AUDIODRIVER", None)
        self.xdotool("mousemove", AWAY[0], AWAY[1])

        # Start-up: watch the screen until the menu stands still.
        self.say("start " + exe)
        started = time.monotonic()
        self.game = subprocess.Popen([exe], cwd=self.work, env=self.env, stdout=subprocess.PIPE,
                                     stderr=subprocess.STDOUT)
        self.procs.append(self.game)
        menu_at = self.wait_for_menu(started)
        self.figures["startup_to_menu_s"] = round(menu_at, 2)
        self.figures["startup_beyond_loading_s"] = round(menu_at - LOADING_SECONDS, 2)
        self.say("main menu after %.2f s (%.2f s beyond the loading sequence's %.1f s)"
                 % (menu_at, menu_at - LOADING_SECONDS, LOADING_SECONDS))
        menu = self.shot("menu")

        self.click(NEW_GAME, "NEW GAME")
        self.click(YES, "yes, a new game")
        depot = self.shot("depot")
        if digest(depot) == digest(menu):
            raise Failure("NEW GAME did not leave the menu")
        words = self.save_words()
        if words[17] * 200 + words[18] != 300 or words[3] != 0:
            raise Failure("after NEW GAME the saved game is %s" % (words,))

        self.click(BUY, "buy a tram")
        words = self.save_words()
        expected = [0] * 19
        expected[3] = expected[5] = expected[10] = 1  # trams bought, fleet, selected tram; money 0
        if list(words) != expected:
            raise Failure("after the purchase the saved game is %s, expected %s" % (words, expected))
        self.say("Save.gqs after the purchase: money 0, one tram bought, fleet 1, tram 1 selected")

        self.click(START, "start the run")
        self.key("t", "60 km/h")
        time.sleep(4.0)
        run = self.shot("run")
        time.sleep(1.0)
        if digest(self.screen.grab()) == digest(run):
            raise Failure("the run does not move")
        self.key("q", "stop")
        time.sleep(0.5)
        self.figures["peak_memory_mb"] = round(self.peak_memory_kb() / 1024, 1)
        self.say("peak resident memory %.1f MB" % self.figures["peak_memory_mb"])

        self.click(BACK, "back to the menu")
        back = self.screen.grab()
        if digest(back) == digest(run):
            raise Failure("BitBtn1 did not leave the run")
        if list(self.save_words()) != expected:
            raise Failure("leaving the run changed the saved game")

        self.click(QUIT, "QUIT GAME")
        try:
            code = self.game.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise Failure("the game did not end after QUIT GAME")
        output = self.game.stdout.read().decode(errors="replace")
        self.say("the game ended with %d" % code)
        if code != 0:
            raise Failure("exit code %d: %s" % (code, output))
        if "rror" in output or "annot open" in output:
            raise Failure("the game reported: " + output)

        reports = sorted(StatsHandler.requests)
        self.say("statistics requests: %s" % reports)
        if reports != sorted(["/data.php?program=spusten&count=1", "/stats/data.php?program=spusteno"]):
            raise Failure("the launch reports were %s" % reports)

        self.lose_display(expected)
        self.play_unread()

    def wait_for_menu(self, started):
        """Watches the screen until the menu stands still; the seconds from
        `started` to its first frame. The logo stands still too, for 3 s, and
        on a busy machine it may only come up seconds after the start: the
        menu is the still screen after the loading bar's steps."""
        frames = []
        while time.monotonic() - started < 30:
            if self.game.poll() is not None:
                raise Failure("the game ended during start-up (%d): %s"
                              % (self.game.returncode, self.game.stdout.read().decode(errors="replace")))
            frames.append((time.monotonic() - started, digest(self.screen.grab())))
            if len(frames) > 30 and frames[-1][0] > LOADING_SECONDS + 2 and \
                    all(f[1] == frames[-1][1] for f in frames[-15:]) and \
                    len(set(d for _, d in frames)) >= MENU_AFTER_SCREENS:
                break
            time.sleep(0.05)
        menu_digest = frames[-1][1]
        return next(t for t, d in frames if d == menu_digest and t > 1.0)

    def lose_display(self, saved):
        """The X server ends during a run (as at a logout): the game ends as
        when its window is lost, and the run is not saved."""
        self.say("start again, to lose the display during a run")
        self.game = subprocess.Popen([os.path.join(self.game_dir, "korvalo")], cwd=self.work, env=self.env,
                                     stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.procs.append(self.game)
        self.wait_for_menu(time.monotonic())
        self.click(CONTINUE, "CONTINUE GAME")
        self.click(START, "start the run")
        self.key("t", "60 km/h")
        time.sleep(1.0)
        moving = digest(self.screen.grab())
        time.sleep(1.0)
        if self.game.poll() is not None or digest(self.screen.grab()) == moving:
            raise Failure("no run under way before the display goes away")
        self.say("the X server ends")
        xvfb = self.procs[0]
        xvfb.terminate()
        xvfb.wait(timeout=10)
        lost = time.monotonic()
        try:
            code = self.game.wait(timeout=DISPLAY_LOSS_SECONDS)
        except subprocess.TimeoutExpired:
            raise Failure("the game still runs %d s after its display went away" % DISPLAY_LOSS_SECONDS)
        self.figures["display_loss_to_exit_s"] = round(time.monotonic() - lost, 2)
        self.say("the game ended %.2f s after its display, with %d"
                 % (self.figures["display_loss_to_exit_s"], code))
        if list(self.save_words()) != saved:
            raise Failure("the run lost with the display changed the saved game")

    def play_unread(self):
        """`scripts/play.sh | head -1`: once head has its line nothing reads
        what the set-up says, and the game starts all the same."""
        root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
        if os.path.realpath(self.build) != os.path.join(root, "build"):
            return  # the play command builds and starts build/ only
        self.say("scripts/play.sh | head -1")
        mark = ("KORVALO_PLAY_CHECK=%d\0" % os.getpid()).encode()
        env = dict(self.env, SDL_VIDEODRIVER="dummy", KORVALO_PLAY_CHECK=str(os.getpid()))
        shell = subprocess.Popen(["bash", "-c", "bash scripts/play.sh | head -1"], cwd=root, env=env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(shell)
        deadline = time.monotonic() + 300
        while time.monotonic() < deadline:
            for pid in (int(p) for p in os.listdir("/proc") if p.isdigit()):
                try:
                    with open("/proc/%d/comm" % pid) as f, open("/proc/%d/environ" % pid, "rb") as e:
                        if f.read().strip() != "korvalo" or mark not in e.read():
                            continue
                    os.kill(pid, signal.SIGTERM)
                    shell.wait(timeout=15)
                except OSError:
                    continue
                self.say("the game started from it, its set-up's output unread")
                return
            if shell.poll() is not None:
                raise Failure("scripts/play.sh | head -1 ended with %d, and no game" % shell.returncode)
            time.sleep(0.1)
        raise Failure("no game from scripts/play.sh | head -1 within 300 s")

    def finish(self, ok):
        end_processes(self.procs)
        if hasattr(self, "server"):
            self.server.shutdown()
        with open(os.path.join(self.out, "smoke.log"), "w") as f:
            f.write("\n".join(self.log) + "\n")
        with open(os.path.join(self.out, "smoke-figures.json"), "w") as f:
            json.dump(self.figures, f, indent=2)
        if ok:
            shutil.rmtree(self.tmp, ignore_errors=True)
        else:
            print("smoke: working files kept in " + self.tmp)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--out", default=None)
    args = parser.parse_args()
    smoke = Smoke(args.build, args.out or os.path.join(args.build, "artifacts"))
    ok = False
    try:
        smoke.run()
        ok = True
    except (Failure, subprocess.SubprocessError, OSError) as e:
        print("smoke test FAILED: %s" % e, flush=True)
    finally:
        smoke.finish(ok)
    print("smoke test passed" if ok else "", flush=True)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
