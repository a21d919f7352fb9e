"""The command line without any display: the usage in French (in English under an
English locale), the version, an unknown option, and the window asked for where there
is no graphical session, which says so in one line instead of aborting."""

import os
import subprocess
import sys


def run(program, *args, lang="C.UTF-8", display=None):
    env = {k: v for k, v in os.environ.items()
           if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL")}
    env["LANG"] = lang
    if display:
        env["DISPLAY"] = display
    done = subprocess.run([program, *args], capture_output=True, text=True, timeout=60, env=env)
    return done.returncode, done.stdout, done.stderr


def main(program):
    code, out, err = run(program, "--help")
    assert code == 0 and out.startswith("Usage : statistique [FICHIER]") and err == "", (code, out, err)
    assert "--stats" in out and "--export=SORTIE" in out
    code, out, _ = run(program, "--help", lang="en_US.UTF-8")
    assert code == 0 and out.startswith("Usage: statistique [FILE]"), out

    code, out, err = run(program, "--version")
    assert code == 0 and out.startswith("statistique 1.") and out.count("\n") == 1, out

    code, out, err = run(program, "--bavard")
    assert code == 2 and out == "", (code, out)
    assert err.splitlines() == ["statistique : option inconnue « --bavard »",
                                "Essayez « statistique --help »."], err

    for display in (None, ":4095"):  # none set, and one no server answers
        code, out, err = run(program, display=display)
        assert code == 1 and out == "", (code, out, err)
        lines = err.splitlines()
        assert len(lines) == 1 and "aucune session graphique" in lines[0], err
    print("command line: ok")


if __name__ == "__main__":
    main(sys.argv[1])
