"""Start-up goal: lessonwright against a minimal Qt Widgets program with the
launcher's widgets, both offscreen, both quitting after their first paint.
Runs them alternately, several times, and prints one JSON object with the
wall time, the CPU time and the peak resident memory of every run."""
import json
import os
import subprocess
import sys
import time


def run_once(program, cwd, env):
    start = time.perf_counter()
    proc = subprocess.Popen([program], cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        # wait4 hands back the child's own resource use.
        _, status, usage = os.wait4(proc.pid, 0)
    finally:
        if proc.poll() is None:
            proc.kill()
    wall = time.perf_counter() - start
    proc.returncode = os.waitstatus_to_exitcode(status)
    if proc.returncode != 0:
        raise SystemExit(f"{program} ended with {proc.returncode}")
    return {"wall": wall, "cpu": usage.ru_utime + usage.ru_stime, "maxrss_kib": usage.ru_maxrss}


def main(program, minimal, course, runs):
    program, minimal = os.path.abspath(program), os.path.abspath(minimal)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", LESSONWRIGHT_QUIT_AFTER_FIRST_PAINT="1")
    result = {"program": [], "minimal": []}
    # One unmeasured start of each fills the page cache for both.
    run_once(program, course, env)
    run_once(minimal, course, env)
    for _ in range(runs):
        result["program"].append(run_once(program, course, env))
        result["minimal"].append(run_once(minimal, course, env))
    json.dump(result, sys.stdout)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4]))
