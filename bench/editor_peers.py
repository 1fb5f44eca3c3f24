#!/usr/bin/env python3
"""The editor beside its peers on the pages of pages.py, as a user meets them: each program is started on
a page under a virtual display, and the time is taken until it has shown the page and gone idle (no CPU
time used for 0.3 s); then 20 characters are typed at the caret and the time is taken until it is idle
again. Peak memory is the process's own (VmHWM). Peers are measured only when installed (geany).

usage: editor_peers.py BUILD [PAGES_FOLDER [PAGE...]]   (runs itself under xvfb-run when no display is set)
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
PAGES = ["1_MB_page", "10_MB_page", "50_MB_page", "100_MB_page", "10_MB_on_one_line"]
IDLE = 0.3      # seconds without CPU time that count as idle
LIMIT = 300.0   # seconds a program gets to go idle


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])  # utime + stime


def peak_mb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return 0.0


def until_idle(pid, since):
    """Seconds from since until the process last used CPU time before an idle stretch."""
    last, last_change = cpu_ticks(pid), time.monotonic()
    last_change = max(last_change, since)
    while time.monotonic() - since < LIMIT:
        time.sleep(0.02)
        ticks = cpu_ticks(pid)
        now = time.monotonic()
        if ticks != last:
            last, last_change = ticks, now
        elif now - last_change >= IDLE:
            return last_change - since
    return float("nan")


def window_named(stem, since):
    """Waits until a shown window's title names the page (in any case), as both programs' titles do."""
    pattern = "".join(f"[{c.lower()}{c.upper()}]" if c.isalpha() else c for c in stem)
    while time.monotonic() - since < LIMIT:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern], capture_output=True)
        if found.stdout.strip():
            return
        time.sleep(0.05)


def measure(command, path, env):
    start = time.monotonic()
    proc = subprocess.Popen(command + [path], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window_named(os.path.splitext(os.path.basename(path))[0], start)
        shown = until_idle(proc.pid, start)
        # The keys go to the window under the pointer (no window manager): the middle of the screen.
        subprocess.run(["xdotool", "mousemove", "600", "400"], check=False)
        typed_at = time.monotonic()
        subprocess.run(["xdotool", "type", "--delay", "0", "x" * 20], check=False)
        typed = until_idle(proc.pid, typed_at)
        return shown, typed, peak_mb(proc.pid)
    finally:
        proc.kill()
        proc.wait()


def programs(build, home):
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=os.path.join(home, "cache"))
    yield "Tamsel 2001", [os.path.join(build, "bin", "tamsel2001")], env
    if shutil.which("geany"):
        yield "Geany", ["geany", "--new-instance", "--no-session", "--no-plugins", "--config", os.path.join(home, "geany")], env


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    if not os.environ.get("DISPLAY"):
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1200x800x24", sys.executable] + sys.argv)
    build = os.path.abspath(sys.argv[1])
    folder = sys.argv[2] if len(sys.argv) > 2 else tempfile.mkdtemp(prefix="tamsel-pages-")
    subprocess.run([sys.executable, os.path.join(HERE, "pages.py"), folder] + sys.argv[3:], check=True, stdout=subprocess.DEVNULL)
    print(f"{'':20} {'program':12} {'shown, idle (s)':>16} {'20 keys (s)':>12} {'peak (MB)':>10}")
    for page in sys.argv[3:] or PAGES:
        path = os.path.join(folder, page + ".htm")
        for name, command, env in programs(build, tempfile.mkdtemp(prefix="tamsel-home-")):
            shown, typed, peak = measure(command, path, env)
            print(f"{page.replace('_', ' '):20} {name:12} {shown:16.2f} {typed:12.2f} {peak:10.0f}", flush=True)


if __name__ == "__main__":
    main()
