#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
"""Checks what a blind user hears: drives Korvanta by keyboard with the Orca screen reader
running and asserts on what Orca said.

    orca_check.py PROGRAM [--log DIR] [--keep]

It starts a private desktop of its own (a virtual X server, a D-Bus session, the accessibility
bus, a small window manager, speech-dispatcher with its dummy voice and Orca writing its debug
log), then the program. Orca's "SPEECH OUTPUT:" lines are what it said. Every process it started
is ended by its id on every way out.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
EVENT = re.compile(r"EVENT MANAGER: (\S+) for (.*) in \[application \| korvanta\]")
# A photo of a green plate, and what is heard when it is pasted.
PHOTO = os.path.join(ROOT, "tests", "data", "photos", "rendered-鲁B8K2S7.jpg")
PHOTO_READ = "照片里的车牌：鲁B8K2S7"
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*\[?\{'established", re.DOTALL)


class Desktop:
    """The processes of the private desktop, ended together in reverse order."""

    def __init__(self, workdir):
        self.workdir = workdir
        self.started = []  # (id, whether it leads a process group of its own)
        self.env = dict(os.environ)
        for name in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY",
                     "SPEECHD_ADDRESS", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR"):
            self.env.pop(name, None)
        runtime = os.path.join(workdir, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.env.update(LANG="C.UTF-8", LC_ALL="C.UTF-8", HOME=workdir,
                        XDG_RUNTIME_DIR=runtime,
                        XDG_CONFIG_HOME=os.path.join(workdir, "config"),
                        XDG_DATA_HOME=os.path.join(workdir, "data"),
                        XDG_CACHE_HOME=os.path.join(workdir, "cache"),
                        NO_AT_BRIDGE="0", GTK_MODULES="gail:atk-bridge")

    def start(self, argv, env=None, **kwargs):
        proc = subprocess.Popen(argv, env=env or self.env, start_new_session=True,
                                stdin=subprocess.DEVNULL, **kwargs)
        self.started.append((proc.pid, True))
        return proc

    def adopt(self, pid):
        """Takes on a process that another started for us, such as the X server."""
        self.started.append((pid, False))

    def stop(self):
        for pid, group in reversed(self.started):
            for sig in (signal.SIGTERM, signal.SIGKILL):
                try:
                    if group:
                        os.killpg(pid, sig)  # with what it started itself
                    else:
                        os.kill(pid, sig)
                except (ProcessLookupError, PermissionError):
                    break
                deadline = time.monotonic() + 2
                while time.monotonic() < deadline and alive(pid):
                    time.sleep(0.05)
                if not alive(pid):
                    break
        self.started.clear()


def alive(pid):
    try:
        done, _ = os.waitpid(pid, os.WNOHANG)
        if done:
            return False
    except ChildProcessError:
        pass
    try:
        os.kill(pid, 0)
        return True
    except ProcessLookupError:
        return False


def wait_until(what, test, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = test()
        if result:
            return result
        time.sleep(0.05)
    raise TimeoutError(f"timed out waiting for {what}")


class Speech:
    """Reads what Orca has said from its debug log."""

    def __init__(self, path):
        self.path = path
        self.mark = 0

    def log(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def lines(self):
        """What Orca has said so far."""
        return SPOKEN.findall(self.log())

    def events(self):
        """The events from the program that Orca has received so far."""
        return EVENT.findall(self.log())

    def since_mark(self):
        return self.lines()[self.mark:]

    def set_mark(self):
        self.mark = len(self.lines())

    def wait_for(self, *needles, timeout=15):
        """Waits until Orca has said every needle since the mark; returns what it said."""
        def heard():
            said = self.since_mark()
            text = "\n".join(said)
            return said if all(n in text for n in needles) else None
        try:
            return wait_until(" and ".join(repr(n) for n in needles), heard, timeout)
        except TimeoutError:
            raise AssertionError(f"Orca did not say {needles}; it said {self.since_mark()}")

    def settle(self, quiet=0.6, timeout=10):
        """Waits until Orca has said nothing new for `quiet` seconds."""
        last, since = len(self.lines()), time.monotonic()
        deadline = since + timeout
        while time.monotonic() < deadline:
            time.sleep(0.05)
            now = len(self.lines())
            if now != last:
                last, since = now, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return


def announcements(said):
    """The texts that Orca presented as notifications, in order. Orca 43 says a notification in
    one utterance ("notification TEXT"), Orca 48 in two ("notification", then "TEXT")."""
    found = []
    for i, line in enumerate(said):
        line = line.strip()
        if line == "notification":
            if i + 1 < len(said):
                found.append(said[i + 1].strip())
        elif line.startswith("notification "):
            found.append(line[len("notification "):].strip())
    return found


def is_whole(spoken, answer):
    """Whether Orca spoke `answer` itself: the whole text, and no more than the full stop that
    Orca may add to end it. A longer answer that contains it does not count."""
    return spoken == answer or spoken == answer + "."


def log_through_terminal(path):
    """Returns the name of a terminal whose output is appended to `path`. Orca buffers its debug
    file unless the file is a terminal, and the checks must read what it said as it says it."""
    master, slave = os.openpty()
    tty.setraw(slave)  # no line-ending translation

    def copy():
        with open(path, "ab", buffering=0) as out:
            while True:
                try:
                    data = os.read(master, 65536)
                except OSError:
                    return
                if not data:
                    return
                out.write(data)

    threading.Thread(target=copy, daemon=True).start()
    return os.ttyname(slave)


def speechd_config(workdir):
    conf = os.path.join(workdir, "speechd")
    os.makedirs(os.path.join(conf, "modules"))
    with open(os.path.join(conf, "speechd.conf"), "w") as f:
        f.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\n'
                'AudioOutputMethod "libao"\nLogLevel 1\n')
    return conf


def start_desktop(desktop, orca_log):
    env = desktop.env
    out = subprocess.run([os.path.join(ROOT, "scripts", "start-xvfb")], check=True,
                         capture_output=True, text=True, env=env).stdout.split()
    env["DISPLAY"] = out[0]
    desktop.adopt(int(out[1]))

    bus = desktop.start(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                         "--print-address=1"], stdout=subprocess.PIPE, text=True)
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()

    desktop.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    desktop.start(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    socket = os.path.join(env["XDG_RUNTIME_DIR"], "speechd.sock")
    desktop.start(["speech-dispatcher", "--run-single", "--timeout", "0",
                   "--communication-method", "unix_socket", "--socket-path", socket,
                   "--config-dir", speechd_config(desktop.workdir)],
                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_until("speech-dispatcher", lambda: os.path.exists(socket), 15)
    env["SPEECHD_ADDRESS"] = f"unix_socket:{socket}"

    desktop.start(["orca", "--debug-file", log_through_terminal(orca_log)],
                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def key(desktop, *keys):
    subprocess.run(["xdotool", "key", "--delay", "120", *keys], env=desktop.env, check=True)


def type_text(desktop, text):
    subprocess.run(["xdotool", "type", "--delay", "150", text], env=desktop.env, check=True)


def run_checks(desktop, speech, program, report):
    env = dict(desktop.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    speech.wait_for("Screen reader on", timeout=30)
    speech.settle()
    speech.set_mark()
    with open(os.path.join(desktop.workdir, "program.log"), "w") as log:
        app = desktop.start([program], env=env, stdout=log, stderr=subprocess.STDOUT)
    desktop.program = app
    said = speech.wait_for("民用车辆", timeout=30)
    report("window opens", said)
    speech.settle()

    # Idle, the window tells the screen reader nothing: the scrolling line and the pictures
    # change on every tick, but they are decoration.
    before = speech.events()
    time.sleep(2)
    idle = speech.events()[len(before):]
    if idle:
        raise AssertionError(f"the idle window sent {len(idle)} events: {idle[:5]}")
    report("idle for 2 s", ["(no events)"])

    def act(actions):
        """From a new mark, presses keys, or types text given as "=text"."""
        speech.set_mark()
        for action in actions:
            if action.startswith("="):
                type_text(desktop, action[1:])
            else:
                key(desktop, action)

    def step(name, actions, *needles):
        """Acts, then waits until Orca has said every needle."""
        act(actions)
        said = speech.wait_for(*needles)
        speech.settle()
        report(name, speech.since_mark() or said)

    def answer(name, actions, text):
        """Acts, then checks that Orca announced `text` whole, once, and no other answer with
        it."""
        act(actions)
        try:
            wait_until(repr(text), lambda: any(
                is_whole(a, text) for a in announcements(speech.since_mark())), 15)
        except TimeoutError:
            raise AssertionError(f"Orca did not announce {text!r}; it said {speech.since_mark()}")
        speech.settle()
        heard = announcements(speech.since_mark())
        report(name, speech.since_mark())
        if len(heard) != 1:
            raise AssertionError(f"expected one announcement of {text!r}, Orca made {heard}")

    # Civil: 民用车辆, then 冀 and A picked by typing them and pressing Return; then B, and A
    # again: each answer is heard anew, the same one too after another.
    step("civil category", ["space"], "selected")
    step("civil Chinese part", ["Tab"], "汉字部分")
    step("civil province", ["=冀", "Return"], "冀")
    step("civil letter list", ["Tab"], "英文部分")
    answer("civil answer", ["=A", "Return"], "河北省石家庄市车辆")
    answer("civil answer, another letter", ["Down"], "河北省唐山市车辆")
    answer("civil answer, the first letter again", ["Up"], "河北省石家庄市车辆")

    # Military: back to the category buttons, the next one, then the first item of each level.
    step("military category", ["shift+Tab", "shift+Tab", "Right"], "军用车辆")
    answer("military first level", ["Tab", "Down"], "甲----中国人民解放军总部")
    answer("military second level", ["Tab", "Down"],
           "中国人民解放军总部。A----中央警卫局、中央军委、总参谋部、司令部总部")

    # Armed police: the style with a branch, unit 02, branch 消.
    step("armed police category", ["shift+Tab", "shift+Tab", "Right"], "武警车辆")
    step("armed police style", ["Tab", "=WJxx-Xaaaa", "Return"], "return")
    answer("armed police unit", ["Tab", "=02", "Return"], "河北省")
    answer("armed police branch", ["Tab", "=消", "Return"], "河北省武装警察消防部队")

    # Special: the notice box first, then the first item.
    step("special category", ["shift+Tab", "shift+Tab", "shift+Tab", "Right"], "提示信息")
    step("special notice closed", ["Return"], "特种牌照")
    answer("special item", ["Tab", "Down"],
           "一般老百姓只会在电视上看到的人，通天级人物，不仅请勿靠近，还要远远走开！")

    # The information view, opened with Enter and closed with Escape.
    step("information view opens", ["Tab", "Return"], "关于软件的信息", "感谢您使用")
    step("information view closes", ["Escape"], "About...")

    # A typed plate: Ctrl+F to the field, the plate as seen, Return; the answer is heard once.
    answer("typed plate", ["ctrl+f", "=冀B·12345", "Return"], "河北省唐山市车辆")
    # A green plate: its city and what its shape says, heard whole as one announcement.
    answer("typed new-energy plate", ["ctrl+f", "=粤B·D12345", "Return"],
           "广东省深圳市车辆。新能源汽车（纯电动）")
    # A key that means another place today: the catalogue's words and today's place, as one.
    answer("typed key that means another place today", ["ctrl+f", "=鲁M·12345", "Return"],
           "山东省莱芜市车辆。今：山东省滨州市（公开名单均作滨州）")
    # A letter the catalogue lacks whose place the sources give: that place is the answer, heard
    # as one, with what the plate's shape says after it.
    answer("typed letter the catalogue lacks", ["ctrl+f", "=川X·12345", "Return"],
           "四川省广安市（目录中没有川X）")
    answer("typed green plate of such a letter", ["ctrl+f", "=鄂W·D12345", "Return"],
           "湖北省武汉市（目录中没有鄂W）。新能源汽车（纯电动）")
    # A plate that no list gives, answered where the answers show (typed first: its first
    # letter alone finds nothing, and is heard to).
    step("typing a 2012-style armed-police plate", ["ctrl+f", "=WJ琼12345"], "5")
    answer("typed 2012-style armed-police plate", ["Return"], "海南省。武警车辆（2012式号牌）")

    # A photo pasted (a picture on the clipboard, as a screenshot or a chat leaves it): what was
    # read is heard as one announcement, and Return applies it: the answer, as for typed text.
    picture = os.path.join(desktop.workdir, "photo.png")
    subprocess.run(["convert", PHOTO, picture], check=True)
    subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-i", picture],
                   env=desktop.env, check=True)
    answer("pasted photo read", ["ctrl+v"], PHOTO_READ)
    answer("pasted photo's plate applied", ["Return"], "山东省青岛市车辆")

    # Qt tells of any request from the screen reader that it could not answer.
    with open(os.path.join(desktop.workdir, "program.log"), encoding="utf-8",
              errors="replace") as log:
        noise = [line.strip() for line in log
                 if "qt.accessibility" in line or "QAccessible" in line]
    if noise:
        raise AssertionError(f"the program printed {len(noise)} accessibility warnings, "
                             f"the first: {noise[0]}")
    report("accessibility warnings from the program", ["(none)"])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--log", help="keep Orca's debug log and the transcript in this folder")
    args = parser.parse_args()

    workdir = tempfile.mkdtemp(prefix="korvanta-orca-")
    orca_log = os.path.join(workdir, "orca-debug.out")
    desktop = Desktop(workdir)
    transcript = []

    def report(name, said):
        transcript.append(f"== {name}")
        transcript.extend(f"   {line}" for line in said)
        print(transcript[-len(said) - 1], flush=True)
        for line in said:
            print(f"   {line}", flush=True)

    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    ok = False
    try:
        start_desktop(desktop, orca_log)
        speech = Speech(orca_log)
        run_checks(desktop, speech, os.path.abspath(args.program), report)
        ok = True
    except (AssertionError, TimeoutError, subprocess.CalledProcessError) as error:
        print(f"FAILED: {error}", flush=True)
        program = getattr(desktop, "program", None)
        if program and program.poll() is not None:
            print(f"the program ended with {program.returncode}", flush=True)
    finally:
        desktop.stop()
        if args.log:
            os.makedirs(args.log, exist_ok=True)
            for name in (orca_log, os.path.join(workdir, "program.log")):
                if os.path.exists(name):
                    shutil.copy(name, args.log)
            with open(os.path.join(args.log, "transcript.txt"), "w") as f:
                f.write("\n".join(transcript) + "\n")
        shutil.rmtree(workdir, ignore_errors=True)
    print("PASSED" if ok else "FAILED")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
