# SPDX-License-Identifier: GPL-3.0-or-later
# An install and the Debian package hold a program that starts and the files
# a desktop finds it by: the menu entry that names it, the icon that entry
# names in every size, the metainfo that launches that entry, all passing
# their validators; the package holds what the install holds, under the
# project's version (its change log's too), with the program's dependencies,
# and lintian finds no error in it.
# usage: test_package.py <build folder> <version>
import glob, gzip, os, re, subprocess, sys, tempfile

BUILD, VERSION = sys.argv[1], sys.argv[2]


def check(ok, what):
    if not ok:
        sys.exit(f"FAIL: {what}")


def run(*argv, **kwargs):
    return subprocess.run(argv, check=True, capture_output=True, text=True, **kwargs).stdout


def starts(program, work):  # alive after two seconds, with its new empty set.dat
    result = subprocess.run(["timeout", "2", program], cwd=work, capture_output=True,
                            env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    check(result.returncode == 124, f"{program} ended with {result.returncode}: {result.stderr}")
    check(os.path.getsize(os.path.join(work, "set.dat")) == 0, "no empty set.dat at start")


def files(root):
    return sorted(os.path.relpath(os.path.join(d, n), root) for d, _, ns in os.walk(root) for n in ns)


with tempfile.TemporaryDirectory() as work:
    root = f"{work}/installed"
    run("cmake", "--install", BUILD, "--prefix", "/usr", env=dict(os.environ, DESTDIR=root))
    [desktop] = glob.glob(f"{root}/usr/share/applications/*.desktop")
    [metainfo] = glob.glob(f"{root}/usr/share/metainfo/*.metainfo.xml")
    run("desktop-file-validate", desktop)
    run("appstreamcli", "validate", "--no-net", metainfo)
    with open(desktop, encoding="utf-8") as f:
        exec_, icon = re.findall(r"^(?:Exec|Icon)=(\S+)", f.read(), re.M)
    # The icon in each size it comes in (lintian checks the sizes below).
    for size in ("16x16/apps/kalkora.png", "32x32/apps/kalkora.png", "scalable/apps/kalkora.svg"):
        check(os.path.exists(f"{root}/usr/share/icons/hicolor/{size.replace('kalkora', icon)}"), size)
    with open(metainfo, encoding="utf-8") as f:
        info = f.read()
    check(f'<launchable type="desktop-id">{os.path.basename(desktop)}</launchable>' in info,
          "the metainfo does not launch the menu entry")
    check(f'<release version="{VERSION}"' in info, f"the metainfo's release is not {VERSION}")
    with gzip.open(f"{root}/usr/share/doc/kalkora/changelog.gz", "rt") as f:
        check(f.readline().startswith(f"kalkora ({VERSION})"), "the change log's version")
    starts(f"{root}/usr/bin/{exec_}", work)

    run("cpack", "-G", "DEB", "-B", f"{work}/deb", "--config", f"{BUILD}/CPackConfig.cmake")
    [deb] = glob.glob(f"{work}/deb/*.deb")
    check(run("dpkg-deb", "-f", deb, "Version").strip() == VERSION, "the package's version")
    depends = run("dpkg-deb", "-f", deb, "Depends")
    for needed in ("libqt6widgets6", "fonts-liberation2", "qt6-translations-l10n"):
        check(re.search(rf"\b{needed}\b", depends), f"the package does not depend on {needed}")
    lint = subprocess.run(["lintian", "--fail-on", "error", deb], capture_output=True, text=True)
    check(lint.returncode == 0, f"lintian: {lint.stdout}")
    run("dpkg-deb", "-x", deb, f"{work}/unpacked")
    packaged = files(f"{work}/unpacked")
    check(packaged == files(root), "the package holds other files than the install")
print("PASS: install and package")
