#!/usr/bin/env python3
"""Benchmark of the built game as a player's machine runs it (not a test).

Starts build/game/korvalo under Xvfb with the real SDL window and OpenAL's
null device, goes through the main menu, the depot (NEW GAME, yes, buy a
tram) and a run on line 0 with tram 1, and prints for each screen the
ticks per second (tMainTimer), frames presented per second, CPU of the
game process (one core = 100 %), the longest delay of a due timer and the
peak resident memory. It does so once on a quiet machine and once with
every core kept busy by a loop at normal priority. The loops run in
sessions of their own, as other programs on a desktop do; with
--same-session they share the game's session, and on kernels that group
the processor time by session (autogroup) the game then competes for its
session's share with them.

The run is driven as a player drives it and measured from the first T on
(--drive-seconds, 30 by default): T (60 km/h), Q in time to stand with the
waiting crowd beside the tram, D to open the doors, D again once the
boarding lets the doors close, T on. The tram goes through the junctions
whatever the light shows (the light's cycle runs from the game's start,
so its phase at the run is not known; a red light only costs money). The
run row says how much of the window the tram moved and how many stops it
served, and gives the CPU and the frames apart for the time it moved and
the time it stood. Whether it moves is read off the screen: the speed
shown on the dashboard differs from the 0 it shows before the first T.

The figures come from the game's own loop statistics (KORVALO_LOOP_STATS)
and /proc (the CPU of the moving and standing parts from the threads'
schedstat, which counts in nanoseconds). It never fails on a figure: it
exits non-zero only when the game cannot be started or driven.

    scripts/bench_real.py [--build build] [--screen 1024x768] [--seconds 8] [--drive-seconds 30]
                          [--only quiet|busy] [--same-session]

Needs: Xvfb, xdotool, libX11, python3.
"""
import argparse
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import smoke  # noqa: E402  (the smoke test's display, clicks and screen places)

# Line 0 with tram 1, T at every start: ticks of 10 ms from the T that
# starts a leg to the Q that brings the tram to a stand with the stop's
# shelter about 400 px right of the tram's left edge, in the middle of the
# room the doors allow (-135 to 694 px; at 60 km/h the tram covers 12 px a
# tick, so a key some 20 ticks early or late still serves the stop). One
# leg to each stop: rows 1, 3 and 4, and the terminus.
BRAKE_TICKS = (500, 1170, 665, 660)
RUN_SECONDS = 53       # the whole run to the terminus, stands included
SPEED_SHOWN = (670, 592, 64, 40)  # labAktualniRychlost on the dashboard (x, y, w, h)
SAMPLE_SECONDS = 0.05
DOORS_SECONDS = 1.2    # the doors take ten steps of 100 ms to open
RETRY_SECONDS = 0.4    # between tries of D and T at a stop
HELD_SECONDS = 15      # standing this long at a stop means the tram is held


def closed_endpoint():
    """A loopback address nothing listens on: the launch reports of a
    benchmark run reach no other run's server (a port the kernel just
    handed out and took back)."""
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return "http://127.0.0.1:%d" % s.getsockname()[1]


class Bench:
    def __init__(self, build, screen, seconds, drive_seconds):
        self.game_dir = os.path.join(os.path.abspath(build), "game")
        self.width, self.height = (int(v) for v in screen.split("x"))
        self.seconds = seconds
        self.drive_seconds = drive_seconds
        self.procs = []
        self.tmp = tempfile.mkdtemp(prefix="korvalo-bench-")
        self.screen = None

    def start(self):
        xvfb, self.display = smoke.start_xvfb(self.width, self.height)
        self.procs.append(xvfb)
        work = smoke.game_folder(self.game_dir, self.tmp)
        self.stats = os.path.join(self.tmp, "loop-stats")
        self.env = dict(os.environ, DISPLAY=self.display, SDL_VIDEODRIVER="x11", ALSOFT_DRIVERS="null",
                        XDG_CONFIG_HOME=os.path.join(self.tmp, "config"), HOME=self.tmp, BROWSER="true",
                        KORVALO_LOOP_STATS=self.stats, KORVALO_STATS_ENDPOINT=closed_endpoint())
        self.env.pop("SDL_AUDIODRIVER", None)
        self.env.pop("KORVALO_WINDOWED", None)
        self.game = subprocess.Popen([os.path.join(self.game_dir, "korvalo")], cwd=work, env=self.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(self.game)

    def stop(self):
        if self.screen:
            self.screen.close()
            self.screen = None
        smoke.end_processes(self.procs)
        self.procs = []
        shutil.rmtree(self.tmp, ignore_errors=True)

    def xdotool(self, *args):
        subprocess.run(["xdotool"] + [str(a) for a in args], check=True, env=self.env, timeout=10,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def place(self, x, y):
        """A point of the 1024 x 768 playing area on the screen, as the game scales and centres it."""
        s = min(self.width / 1024, self.height / 768)
        return int((self.width - 1024 * s) / 2 + x * s), int((self.height - 768 * s) / 2 + y * s)

    def click(self, where):
        x, y = self.place(*where)
        self.xdotool("mousemove", x, y, "sleep", "0.2", "click", "1")
        time.sleep(0.6)
        self.xdotool("mousemove", 2, self.height - 2)
        time.sleep(0.3)

    def speed_shown(self):
        """The pixels of the speed on the dashboard."""
        x0, y0 = self.place(SPEED_SHOWN[0], SPEED_SHOWN[1])
        x1, y1 = self.place(SPEED_SHOWN[0] + SPEED_SHOWN[2], SPEED_SHOWN[1] + SPEED_SHOWN[3])
        return self.screen.area(x0, y0, x1 - x0, y1 - y0)[0]

    def cpu_ns(self):
        """CPU time of the game's threads so far, in nanoseconds."""
        total = 0
        task_dir = "/proc/%d/task" % self.game.pid
        for task in os.listdir(task_dir):
            try:
                with open(os.path.join(task_dir, task, "schedstat")) as f:
                    total += int(f.read().split()[0])
            except (OSError, ValueError, IndexError):
                pass  # a thread that has just ended
        return total

    def stats_line(self):
        line = ""
        if os.path.exists(self.stats):
            with open(self.stats) as f:
                lines = f.read().splitlines()
            line = lines[-1] if lines else ""
        return {k: int(v) for k, v in (kv.split("=", 1) for kv in line.split())}

    def sample(self):
        """(seconds, CPU ticks, loop statistics) now."""
        with open("/proc/%d/stat" % self.game.pid) as f:
            fields = f.read().rsplit(")", 1)[1].split()
        cpu = int(fields[11]) + int(fields[12])
        return time.monotonic(), cpu, self.stats_line()

    def peak_mb(self):
        with open("/proc/%d/status" % self.game.pid) as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1]) / 1024
        return -1

    def alive(self):
        if self.game.poll() is not None:
            raise smoke.Failure("the game ended (%d)" % self.game.returncode)

    def report(self, label, load, first, last, late, extra=""):
        (t0, c0, s0), (t1, c1, s1) = first, last
        span = (s1.get("ms", 0) - s0.get("ms", 0)) / 1000.0
        ticks = (s1.get("tMainTimer", 0) - s0.get("tMainTimer", 0)) / span if span > 0 else 0
        frames = (s1.get("frames", 0) - s0.get("frames", 0)) / span if span > 0 else 0
        cpu = (c1 - c0) * 100.0 / os.sysconf("SC_CLK_TCK") / (t1 - t0)
        print("%-5s %-6s %6.1f ticks/s %6.1f frames/s %6.1f %% of a core  late <= %3d ms  peak RSS %4.0f MB%s"
              % (load, label, ticks, frames, cpu, late, self.peak_mb(), extra), flush=True)

    def measure(self, label, load):
        self.alive()
        first = self.sample()
        late = 0
        end = first[0] + self.seconds
        while time.monotonic() < end:
            time.sleep(1.0)
            late = max(late, self.sample()[2].get("late", 0))
        self.report(label, load, first, self.sample(), late)

    def drive(self, load):
        """Line 0 as a player drives it, measured from the first T on."""
        standing = self.speed_shown()  # 0, before the first T
        self.alive()
        # The game's clock: a statistics line caught as it is written gives
        # the moment of its ms 0, so the tick count can be told at any
        # moment, and the brakes go on at the leg's tick even when the
        # game falls behind the wall clock.
        line, deadline = self.stats_line(), time.monotonic() + 3
        while self.stats_line().get("ms") == line.get("ms"):
            if time.monotonic() > deadline:
                raise smoke.Failure("the game writes no loop statistics")
            time.sleep(0.002)
        seen = [(time.monotonic(), self.stats_line())]  # (seconds, loop statistics) as each line appears
        zero = seen[0][0] - seen[0][1]["ms"] / 1000.0

        def tick_at(t):
            stats = seen[-1][1]
            return stats["tMainTimer"] + (t - zero - stats["ms"] / 1000.0) * 100

        legs = list(BRAKE_TICKS)
        first = self.sample()
        self.xdotool("key", "t")
        leg_tick = last_t = tick_at(time.monotonic())
        end = first[0] + self.drive_seconds
        state = "driving"      # then "braking", "at stop" (D pressed), back to "driving"
        next_try = stood_at = 0.0
        samples = []           # (seconds, CPU ns, moving)
        late = 0
        held = False
        while True:
            now = time.monotonic()
            if now >= end:
                break
            moving = self.speed_shown() != standing
            samples.append((now, self.cpu_ns(), moving))
            stats = self.stats_line()
            if stats.get("ms") != seen[-1][1].get("ms"):
                seen.append((now, stats))
                zero = min(zero, now - stats["ms"] / 1000.0)
                late = max(late, stats.get("late", 0))
            brake_at = end
            if state == "driving" and legs:
                brake_at = now + (leg_tick + legs[0] - tick_at(now)) / 100.0
            if now >= brake_at:
                legs.pop(0)
                self.xdotool("key", "q")
                state = "braking"
            elif state == "braking" and not moving:
                self.xdotool("key", "d")
                state, stood_at, next_try = "at stop", now, now + DOORS_SECONDS
            elif state == "at stop":
                if moving:
                    state, leg_tick = "driving", last_t
                elif now >= next_try:
                    if now - stood_at > HELD_SECONDS and not held:
                        held = True
                        print("bench: the tram has stood %d s at a stop: held for a missed stop?"
                              % HELD_SECONDS, flush=True)
                    # D closes the doors once the boarding is done (until then
                    # it is not taken), T then starts the tram.
                    self.xdotool("key", "d", "key", "t")
                    last_t, next_try = tick_at(time.monotonic()), time.monotonic() + RETRY_SECONDS
            self.alive()
            # Q goes at its tick, not at the next look at the screen.
            time.sleep(max(0.0, min(now + SAMPLE_SECONDS, brake_at) - time.monotonic()))
        last = self.sample()
        # Ten door steps open the doors, ten close them: a stop counts as
        # served once its doors stand open.
        served = (last[2].get("tDvere", 0) - first[2].get("tDvere", 0) + 10) // 20

        # The moving and the standing part: CPU between samples by what the
        # first of the two showed; frames between statistics lines whose
        # second was all moving or all standing.
        cpu = {True: 0, False: 0}
        span = {True: 0.0, False: 0.0}
        for (ta, ca, ma), (tb, cb, _) in zip(samples, samples[1:]):
            cpu[ma] += max(0, cb - ca)
            span[ma] += tb - ta
        frames = {True: 0, False: 0}
        frame_ms = {True: 0, False: 0}
        for (ta, sa), (tb, sb) in zip(seen, seen[1:]):
            states = {m for t, _, m in samples if ta <= t <= tb}
            if len(states) == 1:
                m = states.pop()
                frames[m] += sb.get("frames", 0) - sa.get("frames", 0)
                frame_ms[m] += sb.get("ms", 0) - sa.get("ms", 0)
        total = span[True] + span[False]
        parts = []
        for m, name in ((True, "moving"), (False, "standing")):
            part_cpu = cpu[m] / 1e7 / span[m] if span[m] > 0 else 0
            part_frames = frames[m] * 1000.0 / frame_ms[m] if frame_ms[m] > 0 else 0
            parts.append("%s %4.1f s: %5.1f frames/s %5.1f %% of a core" % (name, span[m], part_frames, part_cpu))
        self.report("run", load, first, last, late,
                    "\n      moving %.0f %% of %.0f s, stops served: %d; %s; %s"
                    % (100.0 * span[True] / total if total else 0, total, served, parts[0], parts[1]))

    def run(self, load):
        self.start()
        time.sleep(10)  # the logo, the intro and the loading sequence
        self.screen = smoke.Screen(self.display)
        self.xdotool("mousemove", 2, self.height - 2)
        self.measure("menu", load)
        self.click(smoke.NEW_GAME)
        self.click(smoke.YES)
        time.sleep(1)
        self.measure("depot", load)
        self.click(smoke.BUY)
        self.click(smoke.START)
        time.sleep(1)
        self.drive(load)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--screen", default="1024x768")
    parser.add_argument("--seconds", type=int, default=8, help="of the menu and of the depot")
    parser.add_argument("--drive-seconds", type=int, default=30, help="of the run, from the first T")
    parser.add_argument("--only", choices=["quiet", "busy"])
    parser.add_argument("--same-session", action="store_true")
    args = parser.parse_args()
    if not 5 <= args.drive_seconds < RUN_SECONDS - 5:
        parser.error("--drive-seconds: 5 to %d (the run ends at the terminus after about %d s)"
                     % (RUN_SECONDS - 6, RUN_SECONDS))
    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            print("bench: %s is missing (scripts/install-deps.sh installs it)" % tool)
            return 1
    print("real game at %s, %d s per screen, %d cores; the run on line 0 driven as a player drives it, the stops"
          " served, measured for %d s from the first T"
          % (args.screen, args.seconds, os.cpu_count(), args.drive_seconds), flush=True)
    for load in ("quiet", "busy"):
        if args.only and load != args.only:
            continue
        busy = []
        if load == "busy":
            busy = [subprocess.Popen(["sh", "-c", "while :; do :; done"], start_new_session=not args.same_session)
                    for _ in range(os.cpu_count())]
        bench = Bench(args.build, args.screen, args.seconds, args.drive_seconds)
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
