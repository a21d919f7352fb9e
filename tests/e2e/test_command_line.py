"""The command line without any display: the usage in French (in English under an
English locale), the version, an unknown option, and the window asked for where there
is no graphical session, which says so in one line instead of aborting."""

import os
import sys
import tempfile

from harness import run_without_display


def run(program, *args, **kwargs):
    done = run_without_display(program, *args, **kwargs)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


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

    # An exercise's corrected sheet, as installed beside the program: the same data for
    # the same series number, run after run; a file that does not read says why.
    shipped = os.path.join(os.path.dirname(program), "..", "share", "statistique", "exercices",
                           "01-controles-de-vitesse.json")
    code, out, err = run(program, f"--exercice={shipped}", "--solution")
    assert code == 0 and err == "", (code, err)
    assert out.startswith("Contrôles de vitesse\n"), out[:200]
    assert "Réponse : 131,3 km/h" in out and "Réponse : Histogramme" in out, out
    sheets = [run(program, f"--exercice={shipped}", "--solution", "--serie=4711") for _ in range(2)]
    assert sheets[0][0] == 0 and sheets[0] == sheets[1] and sheets[0][1] != out
    assert "Série n° 4711" in sheets[0][1]
    with tempfile.TemporaryDirectory() as folder:
        bad = os.path.join(folder, "casse.json")
        with open(bad, "w", encoding="utf-8") as f:
            f.write('{"titre": "t",\n"donnees": 3}')
        code, out, err = run(program, f"--exercice={bad}", "--solution")
        assert code == 2 and out == "", (code, out)
        assert err.startswith("statistique : l'exercice « casse.json » ne se lit pas : ligne 2 : "), err

    for display in (None, ":4095"):  # none set, and one no server answers
        code, out, err = run(program, display=display)
        assert code == 1 and out == "", (code, out, err)
        lines = err.splitlines()
        assert len(lines) == 1 and "aucune session graphique" in lines[0], err
    print("command line: ok")


if __name__ == "__main__":
    main(sys.argv[1])
