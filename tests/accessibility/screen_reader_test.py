#!/usr/bin/python3
"""What a screen reader gets from the real player.

Plays lesson 1 of a small course in the real program on a virtual X display,
with a private session bus and accessibility bus, and reads the program's
accessibility tree the way a screen reader does (AT-SPI through pyatspi):

    screen_reader_test.py PLAYER AUTHOR COURSE

PLAYER is the lessonwright program, AUTHOR lessonwright-author (it prints the
lesson's narration, which the boxes must read out exactly), COURSE a built
course folder that the lesson's part is copied from.

Exit status: 0 when everything expected was in the tree, 1 with one line per
problem otherwise, 77 (CTest's skip) only when a tool this check needs is not
installed. Every process it starts is ended before it exits, also on failure.
It waits for states to appear, each within a generous deadline, and never
judges by time alone.
"""

import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
# Long enough for a loaded CI machine running tests in parallel on 2 cores;
# a state that appears at all appears in well under a second on an idle one.
DEADLINE = 60.0
POLL = 0.05
LESSON_ROW = "Lesson 1:"
PART = "p1"
APP_NAME = "lessonwright"
BOX_NAME = "Message Box"
NARRATION_NAME = "Narration"
TOOLS = ["Xvfb", "dbus-daemon", "dbus-send", "/usr/libexec/at-spi-bus-launcher"]


class CheckFailed(Exception):
    pass


# ---------------------------------------------------------------- processes

def _die_with_parent():
    # A child outlives this script only if it is killed with SIGKILL: then
    # the kernel ends the child too.
    libc = ctypes.CDLL("libc.so.6", use_errno=True)
    libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG


class Processes:
    """Every process the check starts, each in its own process group so that
    what it starts in turn (the accessibility bus's daemon and registry) is
    ended with it. The script is their subreaper: whatever they leave behind
    becomes its child, and is ended and reaped here too."""

    def __init__(self):
        self.started = []
        ctypes.CDLL("libc.so.6", use_errno=True).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER

    def start(self, argv, **kwargs):
        proc = subprocess.Popen(argv, start_new_session=True, preexec_fn=_die_with_parent, **kwargs)
        self.started.append(proc)
        return proc

    def stop_all(self):
        for proc in reversed(self.started):
            self._signal(proc, signal.SIGTERM)
        for proc in reversed(self.started):
            try:
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass
            # The group may hold children that ignored SIGTERM.
            self._signal(proc, signal.SIGKILL)
            try:
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                print(f"could not end {proc.args[0]} ({proc.pid})", file=sys.stderr)
        self._end_orphans()

    def _end_orphans(self):
        end = time.monotonic() + 10
        while time.monotonic() < end:
            left = self._children()
            if not left:
                return
            for pid in left:
                try:
                    os.kill(pid, signal.SIGKILL)
                    os.waitpid(pid, 0)
                except (ProcessLookupError, ChildProcessError):
                    pass
        print(f"left running: {self._children()}", file=sys.stderr)

    @staticmethod
    def _children():
        pids = []
        for task in os.listdir("/proc/self/task"):
            with open(f"/proc/self/task/{task}/children") as f:
                pids += [int(pid) for pid in f.read().split()]
        return pids

    @staticmethod
    def _signal(proc, sig):
        try:
            os.killpg(proc.pid, sig)
        except ProcessLookupError:
            pass


def read_line_from(fd, what, deadline=DEADLINE):
    """The first line a starting program writes to fd (its display number,
    its bus address), waiting at most deadline seconds."""
    data = b""
    end = time.monotonic() + deadline
    while not data.endswith(b"\n"):
        left = end - time.monotonic()
        if left <= 0 or not select.select([fd], [], [], left)[0]:
            raise CheckFailed(f"{what} did not start within {deadline:.0f} s")
        chunk = os.read(fd, 256)
        if not chunk:
            raise CheckFailed(f"{what} ended before it was ready")
        data += chunk
    return data.decode().strip()


def start_with_pipe(procs, argv, what, log, env=None):
    """Starts a program that writes a line to the file descriptor that
    argv(fd) names (Xvfb its display number, dbus-daemon its address) and
    returns that line."""
    read_end, write_end = os.pipe()
    try:
        proc = procs.start(argv(write_end), pass_fds=(write_end,), stdout=log, stderr=log, env=env)
    finally:
        os.close(write_end)
    try:
        return proc, read_line_from(read_end, what)
    finally:
        os.close(read_end)


# ---------------------------------------------------------------- the course

def narrations(author, part):
    """Each step's narration of a part, in step order, as the box shows it:
    the step's text lines joined by line breaks."""
    out = subprocess.run([author, "show-part", part], check=True, capture_output=True, text=True).stdout
    steps_text = out.split("\n----\n", 1)[1]
    result = []
    for block in re.split(r"^\$\$\$\$\$\$ Step .*$", steps_text, flags=re.M)[1:]:
        lines = []
        for line in block.split("\n")[1:]:  # after the rest of the step's own line
            if line == "!":
                break
            if not line.startswith("%"):
                lines.append(line)
        result.append("\n".join(lines))
    if len(result) < 3:
        raise CheckFailed(f"{part} has {len(result)} narrations; this check needs three")
    return result


def small_course(course, into):
    """The probe table, the template and the one part the check plays."""
    part_dir = os.path.join(course, "master", PART)
    if not os.path.isdir(part_dir):
        raise CheckFailed(f"no built course at {course} (missing master/{PART}): build the demo course first")
    os.makedirs(os.path.join(into, "master"))
    for name in ("1.dbf", "readme.txt"):
        shutil.copy(os.path.join(course, name), into)
    shutil.copytree(os.path.join(course, "ori"), os.path.join(into, "ori"))
    shutil.copytree(part_dir, os.path.join(into, "master", PART))


# ---------------------------------------------------------------- the tree

class Tree:
    """The running program's accessibility tree as a screen reader reads it,
    and the events it hears."""

    def __init__(self, pyatspi, watched):
        from gi.repository import GLib

        self.pyatspi = pyatspi
        self.watched = watched  # what, process: the programs that must keep running
        self.context = GLib.MainContext.default()
        self.heard = []
        for kind in ("object:text-changed:insert", "object:property-change:accessible-description",
                     "object:property-change:accessible-name"):
            pyatspi.Registry.registerEventListener(self._hear, kind)

    def _hear(self, event):
        try:
            role, name = event.source.getRoleName(), event.source.name
            description = event.source.description
        except Exception:  # the object went away before it was read
            return
        self.heard.append((event.type, role, name, str(event.any_data), description))

    def pump(self):
        while self.context.pending():
            self.context.iteration(False)

    def app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == APP_NAME:
                return app
        return None

    def showing(self, node):
        try:
            return node.getState().contains(self.pyatspi.STATE_SHOWING)
        except Exception:
            return False

    def nodes(self, root=None):
        """Every showing node, depth first, with its window (top-level)."""
        root = root if root is not None else self.app()
        if root is None:
            return
        stack = [(root.getChildAtIndex(i), None) for i in reversed(range(root.childCount))]
        while stack:
            node, window = stack.pop()
            if node is None or not self.showing(node):
                continue
            window = window if window is not None else node
            yield node, window
            try:
                count = node.childCount
            except Exception:
                continue
            stack.extend((node.getChildAtIndex(i), window) for i in reversed(range(count)))

    def text_of(self, node):
        try:
            return node.queryText().getText(0, -1)
        except NotImplementedError:
            return None

    def actions_of(self, node):
        try:
            action = node.queryAction()
        except NotImplementedError:
            return []
        return [action.getName(i) for i in range(action.nActions)]

    def wait_for(self, what, probe, deadline=DEADLINE):
        """Polls probe (None when satisfied, else what is wrong) until it is
        satisfied; fails with its last answer after deadline seconds."""
        end = time.monotonic() + deadline
        while True:
            for name, proc in self.watched:
                if proc.poll() is not None:
                    raise CheckFailed(f"{what}: {name} ended (exit status {proc.returncode})")
            self.pump()
            try:
                problem = probe()
            except Exception as error:  # an object vanished while being read
                problem = f"{type(error).__name__}: {error}"
            if problem is None:
                return
            if time.monotonic() > end:
                raise CheckFailed(f"{what}: {problem} (still so after {deadline:.0f} s)")
            time.sleep(POLL)


# What must be in the tree. Each row: what a screen-reader user needs, the
# role and name of the node that carries it (inside a window of the given
# role and name, or anywhere), and what the node must read: its text (Text
# interface), its description, an action it offers. A value given as a
# function is computed from the playthrough's state when checked.
class Expect:
    def __init__(self, what, role, name=None, window=None, text=None, description=None, action=None,
                 name_match=None, focused=False):
        self.what = what
        self.focused = focused
        self.role = role
        self.name = name
        self.name_match = name_match
        self.window = window
        self.text = text
        self.description = description
        self.action = action

    def problem(self, tree, state):
        candidates = [(n, w) for n, w in tree.nodes() if n.getRoleName() == self.role
                      and (self.name is None or n.name == self.name)
                      and (self.name_match is None or re.search(self.name_match, n.name or ""))
                      and (self.window is None or (w.getRoleName(), w.name) == self.window)]
        if not candidates:
            where = f" in {self.window[0]} '{self.window[1]}'" if self.window else ""
            return f"no showing {self.role} '{self.name or self.name_match or ''}'{where}"
        last = None
        for node, _ in candidates:
            last = self._mismatch(tree, node, state)
            if last is None:
                return None
        return last

    def _mismatch(self, tree, node, state):
        label = f"{self.role} '{node.name}'"
        for field, wanted, got in (("text", self.text, lambda: tree.text_of(node)),
                                   ("description", self.description, lambda: node.description)):
            if wanted is None:
                continue
            wanted = wanted(state) if callable(wanted) else wanted
            value = got()
            ok = wanted.search(value or "") if hasattr(wanted, "search") else value == wanted
            if not ok:
                return f"{label} has {field} {value!r}, expected {getattr(wanted, 'pattern', wanted)!r}"
        if self.action is not None and self.action not in tree.actions_of(node):
            return f"{label} offers {tree.actions_of(node)}, not '{self.action}'"
        if self.focused and not node.getState().contains(tree.pyatspi.STATE_FOCUSED):
            return f"{label} does not have the focus, so a screen reader does not read it out"
        return None


def narration_box(step):
    """The narration box of the given step (1-based) as it must read."""
    box = ("dialog", BOX_NAME)
    return [
        # The box announces its narration as it appears: a screen reader
        # presents a dialog with its description.
        Expect("narration box", "dialog", BOX_NAME, description=lambda s: s["narrations"][step - 1]),
        Expect("narration text", "text", NARRATION_NAME, window=box, text=lambda s: s["narrations"][step - 1]),
        Expect("NEXT", "push button", "NEXT", window=box, action="Press", focused=True),
        # The menu bar hides its corner from screen readers; the player
        # window's description carries the progress line.
        Expect("progress line", "frame", name_match=r"^Lesson 1, part 1 of 1",
               description=re.compile(rf"^Lesson 1 \u00b7 Part 1 of 1 \u00b7 Step {step} of \d+")),
    ]


def step_list(step):
    """The step list (S) as a screen reader finds it, the given step current."""
    return [
        Expect("step list", "panel", "Step list"),
        Expect("steps", "tree", "Steps"),
        # The current step's row is the one read out: marked, and holding
        # the focus as the list opens.
        Expect("current step", "table cell", name_match=rf"^Current step, {step}\. ", focused=True),
    ]


KEY_LIST = [
    Expect("key list", "label", "Keys", focused=True,
           description=re.compile(r"Enter, Space, Right: NEXT\..*F1, \?: These keys", re.S)),
]


def check_rows(tree, state, rows, what):
    tree.wait_for(what, lambda: next((f"{r.what}: {p}" for r in rows for p in [r.problem(tree, state)] if p), None))


def wait_for_announcement(tree, text, what):
    """The narration reaches the screen reader as an event, not only when it
    reads the tree: inserted into the text object, or as the box's new
    description."""
    def heard():
        for kind, role, name, data, description in tree.heard:
            if kind == "object:text-changed:insert" and name == NARRATION_NAME and data == text:
                return None
            if kind.endswith("accessible-description") and role == "dialog" and description == text:
                return None
        return f"no event carried it; heard {[(k, n) for k, _, n, _, _ in tree.heard]}"
    tree.wait_for(what, heard)


# ---------------------------------------------------------------- driving

def key(tree, name):
    """A real key press, made by the accessibility registry (XTest), to the
    window that has the keyboard focus."""
    keysyms = {"Return": 0xFF0D, "F1": 0xFFBE, "Escape": 0xFF1B, "s": 0x73}
    tree.pyatspi.Registry.generateKeyboardEvent(keysyms[name], None, tree.pyatspi.KEY_SYM)


def find(tree, role, name_prefix):
    for node, _ in tree.nodes():
        if node.getRoleName() == role and (node.name or "").startswith(name_prefix):
            return node
    return None


def play_lesson(tree):
    """Plays lesson 1 as a screen reader's "click the current item" does:
    finds the lesson's row, selects it with the row's own action, and
    double-clicks it where the tree says it is on screen (the registry
    makes the clicks). A desktop's window manager would also let the Enter
    key reach the list; a bare X server gives no window the focus."""
    tree.wait_for("the launcher's lesson list",
                  lambda: None if find(tree, "list item", LESSON_ROW) else f"no showing list item '{LESSON_ROW}'")
    row = find(tree, "list item", LESSON_ROW)
    row.queryAction().doAction(tree.actions_of(row).index("Toggle"))
    tree.wait_for("the lesson row selected",
                  lambda: None if row.getState().contains(tree.pyatspi.STATE_SELECTED) else "not selected")
    box = row.queryComponent().getExtents(tree.pyatspi.DESKTOP_COORDS)
    tree.pyatspi.Registry.generateMouseEvent(box.x + box.width // 2, box.y + box.height // 2, "b1d")


def do_next(tree):
    for node, window in tree.nodes():
        if node.getRoleName() == "push button" and node.name == "NEXT" and window.name == BOX_NAME:
            node.queryAction().doAction(tree.actions_of(node).index("Press"))
            return
    raise CheckFailed("NEXT: not found to press")


def run_checks(tree, state):
    play_lesson(tree)
    check_rows(tree, state, narration_box(1), "the first narration box")

    # NEXT's own action, as a screen reader's "activate" does it.
    tree.heard.clear()
    do_next(tree)
    check_rows(tree, state, narration_box(2), "the second narration box, after NEXT's action")
    wait_for_announcement(tree, state["narrations"][1], "the second narration announced")

    # A key press, which goes to the box that has the focus.
    tree.heard.clear()
    key(tree, "Return")
    check_rows(tree, state, narration_box(3), "the third narration box, after Enter")
    wait_for_announcement(tree, state["narrations"][2], "the third narration announced")

    key(tree, "F1")
    check_rows(tree, state, KEY_LIST, "the key list after F1")
    key(tree, "Escape")
    tree.wait_for("the key list closed by Escape",
                  lambda: "still showing" if find(tree, "label", "Keys") else None)
    # The box it hid is back, with the focus on NEXT again.
    check_rows(tree, state, narration_box(3), "the third narration box, after the key list")

    key(tree, "s")
    check_rows(tree, state, step_list(3), "the step list after S")
    key(tree, "Escape")
    tree.wait_for("the step list closed by Escape",
                  lambda: "still showing" if find(tree, "panel", "Step list") else None)
    check_rows(tree, state, narration_box(3), "the third narration box, after the step list")


# ---------------------------------------------------------------- main

def missing_tools():
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        missing.append("python3-pyatspi")
    return missing


def main(argv):
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    player, author, course = (os.path.abspath(a) for a in argv[1:])
    missing = missing_tools()
    if missing:
        print("skipped: not installed: " + ", ".join(missing))
        return SKIP

    # Stopped from outside (CTest's timeout), it still ends what it started.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("FAILED: stopped from outside"))
    procs = Processes()
    work = tempfile.mkdtemp(prefix="lw-screen-reader-")
    log_path = os.path.join(work, "programs.log")
    ok = False
    try:
        with open(log_path, "wb") as log:
            ok = run(procs, work, log, player, author, course)
    except CheckFailed as failure:
        print(f"FAILED: {failure}")
    finally:
        procs.stop_all()
        if not ok and os.path.exists(log_path):
            with open(log_path, errors="replace") as log:
                tail = log.read()[-4000:]
            if tail.strip():
                print("--- what the programs wrote ---\n" + tail)
        shutil.rmtree(work, ignore_errors=True)
    return 0 if ok else 1


def run(procs, work, log, player, author, course):
    state = {"narrations": narrations(author, PART)}
    small_course(course, os.path.join(work, "course"))
    runtime = os.path.join(work, "run")
    os.mkdir(runtime, 0o700)

    # -noreset: by default the server starts over whenever its last client
    # leaves, and the accessibility bus's launcher is a client that comes and
    # goes; a player connecting during such a reset found no display.
    xserver, display = start_with_pipe(
        procs, lambda fd: ["Xvfb", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset",
                           "-displayfd", str(fd)],
        "Xvfb", log)
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("AT_SPI_", "QT_", "DBUS_", "WAYLAND_")) and k not in ("DISPLAY", "NO_AT_BRIDGE")}
    env.update({
        "DISPLAY": f":{display}",
        "XDG_RUNTIME_DIR": runtime,
        "QT_QPA_PLATFORM": "xcb",
        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
    })
    # The bus starts the accessibility bus's launcher, and that the registry,
    # when first asked: with this display, where the registry makes the
    # clicks and key presses.
    _, bus = start_with_pipe(
        procs, lambda fd: ["dbus-daemon", "--session", "--nofork", "--nopidfile", f"--print-address={fd}"],
        "the session bus", log, env=env)
    env["DBUS_SESSION_BUS_ADDRESS"] = bus
    # This script is the screen reader: it reads the same buses.
    os.environ.clear()
    os.environ.update(env)

    wait_for_accessibility_bus(bus)
    program = procs.start([player], cwd=os.path.join(work, "course"), env=env, stdout=log, stderr=log)

    import pyatspi

    tree = Tree(pyatspi, [("the X server", xserver), ("the player", program)])
    tree.wait_for("the player on the accessibility bus",
                  lambda: None if tree.app() is not None else f"no application '{APP_NAME}'")
    run_checks(tree, state)
    print(f"ok: {len(state['narrations'])} narrations in {PART}; boxes 1 to 3, NEXT, progress line and key list "
          "read as expected")
    return True


def wait_for_accessibility_bus(bus):
    """The accessibility bus is up once its launcher, started by the session
    bus on this first call, answers with the bus's address."""
    end = time.monotonic() + DEADLINE
    while True:
        reply = subprocess.run(["dbus-send", f"--bus={bus}", "--print-reply", "--dest=org.a11y.Bus",
                                "/org/a11y/bus", "org.a11y.Bus.GetAddress"], capture_output=True, text=True)
        if reply.returncode == 0 and "unix:" in reply.stdout:
            return
        if time.monotonic() > end:
            raise CheckFailed(f"the accessibility bus did not start within {DEADLINE:.0f} s: {reply.stderr.strip()}")
        time.sleep(POLL)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
