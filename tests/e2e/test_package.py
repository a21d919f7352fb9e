"""The Debian package: it holds the program, its menu entry, icons, manual pages,
AppStream metadata, copyright and changelog; lintian finds no error and no warning in
it; the entry and the metadata are valid; and the program installed from it answers
--version without a display and starts on a desktop."""

import os
import subprocess
import sys
import tempfile

from harness import Desktop, run_without_display

EXPECTED = [
    "./usr/bin/statistique",
    "./usr/share/applications/statistique.desktop",
    "./usr/share/icons/hicolor/24x24/apps/statistique.png",
    "./usr/share/icons/hicolor/32x32/apps/statistique.png",
    "./usr/share/icons/hicolor/scalable/apps/statistique.svg",
    "./usr/share/man/man1/statistique.1.gz",
    "./usr/share/man/fr/man1/statistique.1.gz",
    "./usr/share/metainfo/statistique.metainfo.xml",
    "./usr/share/statistique/donnees/enquete_classe.csv",
    "./usr/share/statistique/donnees/README.md",
    "./usr/share/doc/statistique/copyright",
    "./usr/share/doc/statistique/changelog.gz",
]


def run(*args, **kwargs):
    return subprocess.run(list(args), check=True, capture_output=True, text=True, timeout=120, **kwargs).stdout


def desktop_entry(text):
    fields = {}
    for line in text.splitlines():
        key, sep, value = line.partition("=")
        if sep:
            fields[key] = value
    return fields


def main(cpack_config):
    with tempfile.TemporaryDirectory(prefix="stat-deb-") as work:
        run("cpack", "--config", cpack_config, "-B", work)
        deb = next(os.path.join(work, f) for f in os.listdir(work) if f.endswith(".deb"))

        files = run("dpkg-deb", "-c", deb).split()
        for path in EXPECTED:
            assert path in files, path
        depends = run("dpkg-deb", "-f", deb, "Depends")
        assert "libqt6widgets6" in depends and "fonts-liberation" in depends, depends

        # Errors and warnings fail; informational tags are only shown.
        tags = subprocess.run(["lintian", "--display-info", deb], capture_output=True, text=True,
                              timeout=300).stdout.splitlines()
        print("\n".join(tags) or "lintian: no tag")
        assert not [t for t in tags if t.startswith(("E:", "W:"))], tags

        root = os.path.join(work, "root")
        run("dpkg-deb", "-x", deb, root)
        entry_path = os.path.join(root, "usr/share/applications/statistique.desktop")
        run("desktop-file-validate", entry_path)
        with open(entry_path, encoding="utf-8") as f:
            entry = desktop_entry(f.read())
        assert entry["Name"] == "Statistique", entry
        assert entry["Comment"].startswith("Construire une série"), entry
        assert {"Education", "Math"} <= set(entry["Categories"].strip(";").split(";")), entry
        assert entry["Exec"] == "statistique %f" and entry["Icon"] == "statistique", entry
        assert entry["MimeType"] == "text/csv;", entry
        run("appstreamcli", "validate", "--no-net",
            os.path.join(root, "usr/share/metainfo/statistique.metainfo.xml"))
        version = run_without_display(os.path.join(root, "usr/bin/statistique"), "--version")
        assert version.stdout.startswith(b"statistique 1."), version

        # The program as installed, in a clean folder of its own.
        with Desktop(os.path.join(root, "usr/bin/statistique"), accessibility=False) as desktop:
            desktop.start_program()
            window = desktop.window("Statistique")
            assert desktop.close_program_window(window) == 0
    print("package: ok")


if __name__ == "__main__":
    main(sys.argv[1])
