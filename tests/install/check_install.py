#!/usr/bin/env python3
"""The installed study guide, as a user gets it.

  check_install.py tree BUILD SOURCE     cmake --install into a DESTDIR
  check_install.py package BUILD SOURCE  the Debian package made by CPack, unpacked into a
                                         throw-away root

Both check the files of the tree (program and pages in the private folder, the launcher on
the PATH, the desktop entry, the metainfo and the icons), validate the desktop entry and the
metainfo with the desktop's own tools when they are installed, and start the program through
its launcher from another working directory: it must show its start page from the installed
data folder, in a window whose class is the desktop entry's StartupWMClass. The program is
watched through the page view's remote-debugging endpoint, so nothing in it changes for the
test. Waiting polls with a generous deadline; nothing is timed.
"""

import configparser
import json
import os
import re
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time
import urllib.parse
import urllib.request

PACKAGE = "kuaiji-jichu"
APP_ID = "com.example.kuaiji_jichu"
PRIVATE = f"usr/lib/{PACKAGE}"
ICON_SIZES = (16, 32, 48, 64, 128, 256)
START_PAGE = "2014考试指南.htm"
DEADLINE = 180

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print(f"FAIL: {message}")
    return condition


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", head[16:24])


def check_tree(root, source):
    private = os.path.join(root, PRIVATE)
    program = os.path.join(private, "Project2")
    check(os.path.isfile(program) and os.access(program, os.X_OK), "program in the private folder")

    expected = sorted(os.listdir(os.path.join(source, "data")))
    installed = sorted(os.listdir(os.path.join(private, "data"))) if os.path.isdir(
        os.path.join(private, "data")) else []
    check(installed == expected, f"data folder beside the program: {installed} != {expected}")
    check(len([n for n in installed if n.endswith(".htm")]) == 20, "the 20 pages")

    launcher = os.path.join(root, "usr/bin", PACKAGE)
    check(os.path.islink(launcher), "launcher is a symbolic link")
    if os.path.islink(launcher):
        target = os.readlink(launcher)
        check(not os.path.isabs(target), f"launcher link is relative: {target}")
        check(os.path.realpath(launcher) == os.path.realpath(program), "launcher reaches the program")

    desktop = os.path.join(root, "usr/share/applications", APP_ID + ".desktop")
    metainfo = os.path.join(root, "usr/share/metainfo", APP_ID + ".metainfo.xml")
    check(os.path.isfile(desktop), "desktop entry")
    check(os.path.isfile(metainfo), "metainfo")
    entry = {}
    if os.path.isfile(desktop):
        parser = configparser.RawConfigParser(strict=True)
        parser.optionxform = str
        parser.read(desktop, encoding="utf-8")
        entry = dict(parser["Desktop Entry"])
        for key in ("Name", "Name[zh_CN]", "Comment", "Icon", "StartupWMClass", "Exec"):
            check(entry.get(key), f"desktop entry has {key}")
        check("Education" in entry.get("Categories", "").split(";"), "category Education")
        check(entry.get("Exec") == PACKAGE, "desktop entry starts the launcher")
        check(entry.get("Icon") == APP_ID, "desktop entry names the icon")
        check(re.search("[\u4e00-\u9fff]", entry.get("Name[zh_CN]", "")), "Chinese name")
    if os.path.isfile(metainfo):
        text = open(metainfo, encoding="utf-8").read()
        check(f"<launchable type=\"desktop-id\">{APP_ID}.desktop</launchable>" in text,
              "metainfo names the desktop entry")
        check(re.search(r"<screenshot[^>]*>.*?<image>https?://[^<]+</image>", text, re.S),
              "metainfo refers to a screenshot")

    sizes = []
    for size in ICON_SIZES:
        icon = os.path.join(root, f"usr/share/icons/hicolor/{size}x{size}/apps/{APP_ID}.png")
        if check(os.path.isfile(icon), f"icon {size}"):
            check(png_size(icon) == (size, size), f"icon {size} is {png_size(icon)}")
            sizes.append(open(icon, "rb").read())
    check(len(set(sizes)) == len(sizes), "each icon size is its own drawing")

    validator = shutil.which("desktop-file-validate")
    if validator and os.path.isfile(desktop):
        run = subprocess.run([validator, desktop], capture_output=True, text=True)
        check(run.returncode == 0 and not run.stdout.strip(),
              f"desktop-file-validate: {run.stdout}{run.stderr}")
    else:
        print("SKIP: desktop-file-validate is not installed")
    appstream = shutil.which("appstreamcli")
    if appstream and os.path.isfile(metainfo):
        run = subprocess.run([appstream, "validate", "--no-net", metainfo],
                             capture_output=True, text=True)
        check(run.returncode == 0, f"appstreamcli validate: {run.stdout}{run.stderr}")
    else:
        print("SKIP: appstreamcli is not installed")
    return entry


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def window_classes(pid):
    classes = set()
    search = subprocess.run(["xdotool", "search", "--pid", str(pid)], capture_output=True,
                            text=True)
    for window in search.stdout.split():
        prop = subprocess.run(["xprop", "-id", window, "WM_CLASS"], capture_output=True,
                              text=True).stdout
        classes.update(re.findall(r'"([^"]*)"', prop))
    return classes


def check_start(root, entry):
    """Starts the launcher from / and waits for the start page from the installed folder."""
    if not os.environ.get("DISPLAY"):
        check(False, "a display is needed to start the program")
        return
    port = free_port()
    home = tempfile.mkdtemp(prefix="guide-home-")
    env = dict(os.environ)
    env.update({
        "PATH": os.path.join(root, "usr/bin") + os.pathsep + env.get("PATH", ""),
        "HOME": home,
        "QT_QPA_PLATFORM": "xcb",
        "QTWEBENGINE_REMOTE_DEBUGGING": f"127.0.0.1:{port}",
    })
    if os.geteuid() == 0:
        env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"
    expected_page = os.path.join(os.path.realpath(root), PRIVATE, "data", START_PAGE)
    title = re.search(r"<title>(.*?)</title>",
                      open(expected_page, encoding="utf-8").read(), re.S).group(1).strip()
    # Its own session, so that the program and the engine's helpers end together.
    process = subprocess.Popen([PACKAGE], cwd="/", env=env, start_new_session=True,
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    shown = None
    classes = set()
    try:
        deadline = time.monotonic() + DEADLINE
        while time.monotonic() < deadline and process.poll() is None:
            try:
                with urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list", timeout=5) as r:
                    pages = [p for p in json.load(r) if p.get("type") == "page"]
            except OSError:
                pages = []
            for page in pages:
                url = urllib.parse.urlparse(page.get("url", ""))
                if url.scheme == "file" and page.get("title") == title:
                    shown = urllib.parse.unquote(url.path)
            if shown:
                classes = window_classes(process.pid)
                if classes:
                    break
            time.sleep(0.5)
        check(process.poll() is None, "the program keeps running")
        check(shown == expected_page, f"start page from the installed folder: {shown}")
        check(entry.get("StartupWMClass") in classes,
              f"window class {sorted(classes)} has StartupWMClass")
    finally:
        if process.poll() is None:
            os.killpg(process.pid, signal.SIGTERM)
            try:
                process.wait(30)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
        shutil.rmtree(home, ignore_errors=True)


def main():
    mode, build, source = sys.argv[1], os.path.abspath(sys.argv[2]), os.path.abspath(sys.argv[3])
    with tempfile.TemporaryDirectory(prefix=f"guide-{mode}-") as work:
        root = os.path.join(work, "root")
        if mode == "tree":
            env = dict(os.environ, DESTDIR=root)
            subprocess.run([os.environ.get("CMAKE", "cmake"), "--install", build, "--prefix", "/usr"], env=env, check=True,
                           stdout=subprocess.DEVNULL)
        elif mode == "package":
            out = os.path.join(work, "out")
            subprocess.run([os.environ.get("CPACK", "cpack"), "-G", "DEB", "-B", out, "--config",
                            os.path.join(build, "CPackConfig.cmake")], check=True,
                           stdout=subprocess.DEVNULL)
            debs = [f for f in os.listdir(out) if f.endswith(".deb")]
            if not check(len(debs) == 1, f"one package: {debs}"):
                return 1
            deb = os.path.join(out, debs[0])
            fields = {f: subprocess.run(["dpkg-deb", "-f", deb, f], capture_output=True,
                                        text=True).stdout.strip()
                      for f in ("Package", "Depends", "Architecture")}
            print(f"{debs[0]}: {os.path.getsize(deb)} bytes")
            print(f"Depends: {fields['Depends']}")
            check(fields["Package"] == PACKAGE, f"package name {fields['Package']}")
            depends = [d.strip().split(" ")[0] for d in fields["Depends"].split(",")]
            for needed in ("libqt6webenginewidgets6", "libqt6widgets6", "libc6", "qt6-qpa-plugins",
                           "fonts-arphic-uming"):
                check(needed in depends, f"depends on {needed}")
            subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
        else:
            print(f"unknown mode {mode}")
            return 2
        entry = check_tree(root, source)
        check_start(root, entry)
    if failures:
        print(f"{len(failures)} check(s) failed")
        return 1
    print("all checks passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
