# SPDX-License-Identifier: GPL-3.0-or-later
# An install and the Debian package hold the files a desktop finds the program
# by: the menu entry named by the application id, the icon that entry names,
# the metainfo that launches that entry, all passing their validators, and a
# release entry for every version NEWS tells of, the newest the package's. The
# package holds what the install holds, with the manual page and NEWS
# compressed, and besides the Debian-only change log and copyright file; it
# depends on the pages' font, and lintian finds no error in it (a package
# without its library dependencies is one).
# usage: test_package.py <build folder>
import glob, os, re, subprocess, sys, tempfile


def check(ok, what):
    if not ok:
        sys.exit(f"FAIL: {what}")


def run(*argv, **kwargs):
    return subprocess.run(argv, check=True, capture_output=True, text=True, **kwargs).stdout


def files(root):
    return {os.path.relpath(os.path.join(d, n), root) for d, _, ns in os.walk(root) for n in ns}


with tempfile.TemporaryDirectory() as work:
    root = f"{work}/installed"
    run("cmake", "--install", sys.argv[1], "--prefix", "/usr", env=dict(os.environ, DESTDIR=root))
    [desktop] = glob.glob(f"{root}/usr/share/applications/*.desktop")
    [metainfo] = glob.glob(f"{root}/usr/share/metainfo/*.metainfo.xml")
    run("desktop-file-validate", desktop)
    # The project has no homepage: AppStream 1.0 warns of that, and only of that.
    found = subprocess.run(["appstreamcli", "validate", "--no-net", metainfo], capture_output=True, text=True)
    check(found.returncode == 0 or set(re.findall(r"^[EW]: \S+ (\S+)", found.stdout, re.M)) == {"url-homepage-missing"},
          f"appstreamcli: {found.stdout}")
    [icon] = re.findall(r"^Icon=(\S+)", open(desktop, encoding="utf-8").read(), re.M)
    check(glob.glob(f"{root}/usr/share/icons/hicolor/*/apps/{icon}.*"), f"no icon {icon}")
    app_id, info = os.path.basename(desktop).removesuffix(".desktop"), open(metainfo, encoding="utf-8").read()
    for tag in (f"<id>{app_id}</id>", f'<launchable type="desktop-id">{app_id}.desktop</launchable>'):
        check(tag in info, f"no {tag} in the metainfo: the menu entry is not named by its id")

    run("cpack", "-G", "DEB", "-B", f"{work}/deb", "--config", f"{sys.argv[1]}/CPackConfig.cmake")
    [deb] = glob.glob(f"{work}/deb/*.deb")
    control = run("dpkg-deb", "-f", deb)
    # Every version NEWS tells of has its release entry, the newest the package's.
    news = open(f"{root}/usr/share/doc/kalkora/NEWS", encoding="utf-8").read()
    releases = re.findall(r'<release version="(.+?)" date="(.+?)"', info)
    check(re.findall(r"^Kalkora gyakorló (\S+) \((\S+)\)$", news, re.M) == releases, f"releases: {releases}")
    check(re.search(r"^Version: (\S+)", control, re.M)[1] == releases[0][0], "the package is not the newest release")
    check(re.search(r"^Depends: .*\bfonts-liberation2\b", control, re.M), "no dependency on the font")
    lint = subprocess.run(["lintian", "--fail-on", "error", deb], capture_output=True, text=True)
    check(lint.returncode == 0, f"lintian: {lint.stdout}")
    run("dpkg-deb", "-x", deb, f"{work}/unpacked")
    installed, packaged = files(root), files(f"{work}/unpacked")
    plain = {"usr/share/man/man1/kalkora.1", "usr/share/doc/kalkora/NEWS"}
    debian = {"usr/share/doc/kalkora/changelog.gz", "usr/share/doc/kalkora/copyright"}
    check(plain <= installed and not installed & debian, "the install's documents")
    check(packaged == installed - plain | {p + ".gz" for p in plain} | debian,
          "the package is not the install with the manual page and NEWS compressed, plus the Debian files")
print("PASS: install and package")
