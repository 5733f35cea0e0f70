#!/usr/bin/env python3
"""Benchmark of the built game as a player's machine runs it (not a test).

Starts build/game/korvalo under Xvfb with the real SDL window and OpenAL's
null device, goes through the main menu, the depot (NEW GAME, yes, buy a
tram) and a run at 60 km/h (start, T), and prints for each screen the
ticks per second (tMainTimer), frames presented per second, CPU of the
game process (one core = 100 %), the longest delay of a due timer and the
peak resident memory. It does so once on a quiet machine and once with
every core kept busy by a loop at normal priority. The loops run in
sessions of their own, as other programs on a desktop do; with
--same-session they share the game's session, and on kernels that group
the processor time by session (autogroup) the game then competes for its
session's share with them.

The figures come from the game's own loop statistics (KORVALO_LOOP_STATS)
and /proc. It never fails on a figure: it exits non-zero only when the
game cannot be started or driven.

    scripts/bench_real.py [--build build] [--screen 1024x768] [--seconds 8] [--only quiet|busy]
                          [--same-session]

Needs: Xvfb, xdotool, python3.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import smoke  # noqa: E402  (the smoke test's display, clicks and screen places)


class Bench:
    def __init__(self, build, screen, seconds):
        self.game_dir = os.path.join(os.path.abspath(build), "game")
        self.width, self.height = (int(v) for v in screen.split("x"))
        self.seconds = seconds
        self.procs = []
        self.tmp = tempfile.mkdtemp(prefix="korvalo-bench-")

    def start(self):
        self.display = smoke.free_display()
        self.procs.append(subprocess.Popen(
            ["Xvfb", self.display, "-screen", "0", "%dx%dx24" % (self.width, self.height), "-nolisten", "tcp"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        deadline = time.monotonic() + 10
        while not os.path.exists("/tmp/.X11-unix/X" + self.display[1:]):
            if time.monotonic() > deadline:
                raise smoke.Failure("Xvfb did not start on " + self.display)
            time.sleep(0.1)
        work = smoke.game_folder(self.game_dir, self.tmp)
        self.stats = os.path.join(self.tmp, "loop-stats")
        self.env = dict(os.environ, DISPLAY=self.display, SDL_VIDEODRIVER="x11", ALSOFT_DRIVERS="null",
                        XDG_CONFIG_HOME=os.path.join(self.tmp, "config"), HOME=self.tmp, BROWSER="true",
                        KORVALO_LOOP_STATS=self.stats)
        self.env.pop("SDL_AUDIODRIVER", None)
        self.env.pop("KORVALO_WINDOWED", None)
        self.game = subprocess.Popen([os.path.join(self.game_dir, "korvalo")], cwd=work, env=self.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(self.game)

    def stop(self):
        smoke.end_processes(self.procs)
        self.procs = []
        shutil.rmtree(self.tmp, ignore_errors=True)

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], check=True, env=self.env, timeout=10,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def click(self, where):
        """A point of the 1024 x 768 playing area, placed as the game scales and centres it."""
        s = min(self.width / 1024, self.height / 768)
        x = int((self.width - 1024 * s) / 2 + where[0] * s)
        y = int((self.height - 768 * s) / 2 + where[1] * s)
        self.xdotool("mousemove", x, y, "sleep", "0.2", "click", "1")
        time.sleep(0.6)
        self.xdotool("mousemove", 2, self.height - 2)
        time.sleep(0.3)

    def sample(self):
        """(seconds, CPU ticks, loop statistics) now."""
        with open("/proc/%d/stat" % self.game.pid) as f:
            fields = f.read().rsplit(")", 1)[1].split()
        cpu = int(fields[11]) + int(fields[12])
        line = ""
        if os.path.exists(self.stats):
            with open(self.stats) as f:
                lines = f.read().splitlines()
            line = lines[-1] if lines else ""
        stats = dict(kv.split("=", 1) for kv in line.split())
        return time.monotonic(), cpu, {k: int(v) for k, v in stats.items()}

    def peak_mb(self):
        with open("/proc/%d/status" % self.game.pid) as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1]) / 1024
        return -1

    def measure(self, label, load):
        if self.game.poll() is not None:
            raise smoke.Failure("the game ended (%d)" % self.game.returncode)
        t0, c0, s0 = self.sample()
        late = 0
        end = t0 + self.seconds
        while time.monotonic() < end:
            time.sleep(1.0)
            late = max(late, self.sample()[2].get("late", 0))
        t1, c1, s1 = self.sample()
        span = (s1.get("ms", 0) - s0.get("ms", 0)) / 1000.0
        ticks = (s1.get("tMainTimer", 0) - s0.get("tMainTimer", 0)) / span if span > 0 else 0
        frames = (s1.get("frames", 0) - s0.get("frames", 0)) / span if span > 0 else 0
        cpu = (c1 - c0) * 100.0 / os.sysconf("SC_CLK_TCK") / (t1 - t0)
        print("%-5s %-6s %6.1f ticks/s %6.1f frames/s %6.1f %% of a core  late <= %3d ms  peak RSS %4.0f MB"
              % (load, label, ticks, frames, cpu, late, self.peak_mb()), flush=True)

    def run(self, load):
        self.start()
        time.sleep(10)  # the logo, the intro and the loading sequence
        self.xdotool("mousemove", 2, self.height - 2)
        self.measure("menu", load)
        self.click(smoke.NEW_GAME)
        self.click(smoke.YES)
        time.sleep(1)
        self.measure("depot", load)
        self.click(smoke.BUY)
        self.click(smoke.START)
        time.sleep(1)
        self.xdotool("key", "t")
        time.sleep(4)  # up to 60 km/h
        self.measure("run", load)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--screen", default="1024x768")
    parser.add_argument("--seconds", type=int, default=8)
    parser.add_argument("--only", choices=["quiet", "busy"])
    parser.add_argument("--same-session", action="store_true")
    args = parser.parse_args()
    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            print("bench: %s is missing (scripts/install-deps.sh installs it)" % tool)
            return 1
    print("real game at %s, %d s per screen, %d cores" % (args.screen, args.seconds, os.cpu_count()), flush=True)
    for load in ("quiet", "busy"):
        if args.only and load != args.only:
            continue
        busy = []
        if load == "busy":
            busy = [subprocess.Popen(["sh", "-c", "while :; do :; done"], start_new_session=not args.same_session)
                    for _ in range(os.cpu_count())]
        bench = Bench(args.build, args.screen, args.seconds)
        try:
            bench.run(load)
        except (smoke.Failure, subprocess.SubprocessError, OSError) as e:
            print("bench: %s" % e, flush=True)
            return 1
        finally:
            bench.stop()
            for p in busy:
                p.kill()
                p.wait()
    return 0


if __name__ == "__main__":
    sys.exit(main())
