"""An install and the Debian package put every file where desktops look for it,
and the packaged program starts.

usage: test_package.py <build folder> <AppStream id>

The package is built with cpack from the finished build. Where the test runs
as root in CI it installs the package with dpkg, starts /usr/bin/kalkora on a
private desktop and removes the package again; elsewhere it unpacks the
package into a temporary folder and starts the program from there, so that a
developer's system is never changed.
"""

import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "acceptance"))
import kalkora_harness as h  # noqa: E402
from kalkora_harness import check, check_equal  # noqa: E402

BUILD, APP_ID = sys.argv[1], sys.argv[2]
HICOLOR = "usr/share/icons/hicolor"
EXPECTED = {
    "usr/bin/kalkora",
    "usr/share/applications/kalkora.desktop",
    f"usr/share/metainfo/{APP_ID}.metainfo.xml",
    f"{HICOLOR}/16x16/apps/kalkora.png",
    f"{HICOLOR}/32x32/apps/kalkora.png",
    f"{HICOLOR}/scalable/apps/kalkora.svg",
}
DEPENDS = ["libqt6core6", "libqt6gui6", "libqt6widgets6", "fonts-liberation2",
           "qt6-translations-l10n"]


def files_under(root):
    return {os.path.relpath(os.path.join(folder, name), root)
            for folder, _dirs, names in os.walk(root) for name in names}


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    check(head[:8] == b"\x89PNG\r\n\x1a\n", f"{path} is not a PNG")
    return struct.unpack(">II", head[16:24])


def check_tree(root, what):
    check_equal(files_under(root), EXPECTED, f"files of {what}")
    check(os.access(os.path.join(root, "usr/bin/kalkora"), os.X_OK),
          f"the program in {what} cannot be run")
    for size in (16, 32):
        check_equal(png_size(os.path.join(root, f"{HICOLOR}/{size}x{size}/apps/kalkora.png")),
                    (size, size), f"size of the {size}x{size} icon in {what}")
    with open(os.path.join(root, "usr/share/applications/kalkora.desktop"),
              encoding="utf-8") as f:
        entry = f.read()
    for line in ("Name=Kalkora gyakorló", "Exec=kalkora", "Icon=kalkora",
                 "Categories=Education;Math;"):
        check(line in entry.splitlines(), f"the menu entry in {what} lacks {line!r}")
    with open(os.path.join(root, f"usr/share/metainfo/{APP_ID}.metainfo.xml"),
              encoding="utf-8") as f:
        metainfo = f.read()
    check(f"<id>{APP_ID}</id>" in metainfo, f"the metainfo in {what} has another id")
    check('<launchable type="desktop-id">kalkora.desktop</launchable>' in metainfo,
          f"the metainfo in {what} does not launch the installed menu entry")


def install(work):
    root = os.path.join(work, "installed")
    subprocess.run(["cmake", "--install", BUILD, "--prefix", "/usr"],
                   env=dict(os.environ, DESTDIR=root), check=True, stdout=subprocess.DEVNULL)
    check_tree(root, "cmake --install")


def package(work):
    out = os.path.join(work, "package")
    subprocess.run(["cpack", "-G", "DEB", "-B", out, "--config",
                    os.path.join(BUILD, "CPackConfig.cmake")], check=True,
                   stdout=subprocess.DEVNULL)
    debs = [name for name in os.listdir(out) if name.endswith(".deb")]
    check_equal(len(debs), 1, "packages built")
    deb = os.path.join(out, debs[0])
    fields = subprocess.run(["dpkg-deb", "-f", deb, "Package", "Section", "Maintainer",
                             "Depends"], capture_output=True, text=True, check=True).stdout
    check("Package: kalkora" in fields, f"package name: {fields}")
    check("Section: education" in fields, f"package section: {fields}")
    check(re.search(r"^Maintainer: .+<.+@.+>$", fields, re.M), f"maintainer: {fields}")
    depends = re.search(r"^Depends: (.*)$", fields, re.M).group(1)
    named = {d.strip().split()[0] for d in depends.split(",")}
    for needed in DEPENDS:
        check(needed in named, f"the package does not depend on {needed}: {depends}")
    unpacked = os.path.join(work, "unpacked")
    subprocess.run(["dpkg-deb", "-x", deb, unpacked], check=True)
    check_tree(unpacked, "the package")
    return deb, unpacked


def starts(binary):
    with h.Desktop(binary) as desktop:
        check_equal(desktop.frame.name, "Kalkora gyakorló", "caption of the packaged program")
        check_equal(desktop.current_tab(), "Összeadás", "tab in front")


def installed_already():
    result = subprocess.run(["dpkg-query", "-W", "-f=${Status}", "kalkora"],
                            capture_output=True, text=True)
    return "install ok installed" in result.stdout


def main():
    work = tempfile.mkdtemp(prefix="kalkora-package-")
    try:
        install(work)
        print("PASS install", flush=True)
        deb, unpacked = package(work)
        print("PASS package", flush=True)
        if os.environ.get("CI") == "true" and os.geteuid() == 0 and not installed_already():
            subprocess.run(["dpkg", "-i", deb], check=True, stdout=subprocess.DEVNULL)
            try:
                check(os.path.exists(f"/{HICOLOR}/32x32/apps/kalkora.png"),
                      "dpkg did not install the icon")
                starts("/usr/bin/kalkora")
            finally:
                subprocess.run(["dpkg", "-P", "kalkora"], check=True, stdout=subprocess.DEVNULL)
            check(not os.path.exists("/usr/bin/kalkora"), "dpkg -P left the program behind")
            print("PASS dpkg -i, start, dpkg -P", flush=True)
        else:
            starts(os.path.join(unpacked, "usr/bin/kalkora"))
            print("PASS start from the unpacked package", flush=True)
    except h.Failure as failure:
        print(f"FAIL {failure}")
        sys.exit(1)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
