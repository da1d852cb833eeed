# SPDX-License-Identifier: GPL-3.0-or-later
# An install and the Debian package hold a program that starts and the files
# a desktop finds it by: the menu entry named by the application id, the icon
# that entry names in every size, the metainfo that launches that entry, all
# passing their validators. The package holds what the install holds, with
# the manual page and NEWS compressed, and besides the Debian-only change log
# (in the project's version) and copyright file; it depends on the libraries
# the program links and the pages' font, recommends Qt's Hungarian texts, and
# lintian finds no error in it.
# usage: test_package.py <build folder> <version>
import glob, gzip, os, re, subprocess, sys, tempfile

BUILD, VERSION = sys.argv[1], sys.argv[2]


def check(ok, what):
    if not ok:
        sys.exit(f"FAIL: {what}")


def run(*argv, **kwargs):
    return subprocess.run(argv, check=True, capture_output=True, text=True, **kwargs).stdout


def files(root):
    return {os.path.relpath(os.path.join(d, n), root) for d, _, ns in os.walk(root) for n in ns}


with tempfile.TemporaryDirectory() as work:
    root = f"{work}/installed"
    run("cmake", "--install", BUILD, "--prefix", "/usr", env=dict(os.environ, DESTDIR=root))
    [desktop] = glob.glob(f"{root}/usr/share/applications/*.desktop")
    [metainfo] = glob.glob(f"{root}/usr/share/metainfo/*.metainfo.xml")
    run("desktop-file-validate", desktop)
    run("appstreamcli", "validate", "--no-net", metainfo)
    with open(desktop, encoding="utf-8") as f:
        exec_, icon = re.findall(r"^(?:Exec|Icon)=(\S+)", f.read(), re.M)
    for size in ("16x16", "32x32", "scalable"):  # lintian checks the sizes
        check(glob.glob(f"{root}/usr/share/icons/hicolor/{size}/apps/{icon}.*"), f"no {size} icon")
    info = open(metainfo, encoding="utf-8").read()
    app_id = os.path.basename(desktop).removesuffix(".desktop")
    for tag in (f"<id>{app_id}</id>", f'<launchable type="desktop-id">{app_id}.desktop</launchable>'):
        check(tag in info, f"no {tag} in the metainfo: the menu entry is not named by its id")
    check(f'<release version="{VERSION}"' in info, f"the metainfo's release is not {VERSION}")
    # The installed program starts, and makes its empty set.dat.
    started = subprocess.run(["timeout", "2", f"{root}/usr/bin/{exec_}"], cwd=work, capture_output=True,
                             env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    check(started.returncode == 124 and os.path.getsize(f"{work}/set.dat") == 0, f"start: {started.stderr}")

    run("cpack", "-G", "DEB", "-B", f"{work}/deb", "--config", f"{BUILD}/CPackConfig.cmake")
    [deb] = glob.glob(f"{work}/deb/*.deb")
    control = dict(re.findall(r"^([\w-]+): (.*)$", run("dpkg-deb", "-f", deb), re.M))
    check((control["Version"], control.get("Recommends")) == (VERSION, "qt6-translations-l10n"),
          "the package's version or its recommendation of Qt's Hungarian texts")
    for needed in ("libc6", "libqt6widgets6", "fonts-liberation2"):  # the first two by dpkg-shlibdeps
        check(re.search(rf"(^|, ){needed}\b", control["Depends"]), f"the package does not depend on {needed}")
    lint = subprocess.run(["lintian", "--fail-on", "error", deb], capture_output=True, text=True)
    check(lint.returncode == 0, f"lintian: {lint.stdout}")
    run("dpkg-deb", "-x", deb, f"{work}/unpacked")
    installed, packaged = files(root), files(f"{work}/unpacked")
    plain = {"usr/share/man/man1/kalkora.1", "usr/share/doc/kalkora/NEWS"}
    debian = {"usr/share/doc/kalkora/changelog.gz", "usr/share/doc/kalkora/copyright"}
    check(not installed & debian, "a plain install holds the Debian-only files")
    check(plain <= installed and packaged == installed - plain | {p + ".gz" for p in plain} | debian,
          "the package is not the install with the manual page and NEWS compressed, plus the Debian files")
    with gzip.open(f"{work}/unpacked/usr/share/doc/kalkora/changelog.gz", "rt") as f:
        check(f.readline().startswith(f"kalkora ({VERSION})"), "the change log's version")
print("PASS: install and package")
