"""statistique --sheets without any display: the class's sheets and their answer key as
PDF, read back with poppler's pdftotext; every pupil's name and series number on its
own pages, and in the key the answers that --exercice --solution prints for that
series; the faults said in French with status 2."""

import os
import re
import subprocess
import sys
import tempfile

from harness import run_without_display


def run(program, *args):
    done = run_without_display(program, *args)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def pages(pdf):
    text = subprocess.run(["pdftotext", "-enc", "UTF-8", pdf, "-"], capture_output=True,
                          check=True).stdout.decode("utf-8")
    return [" ".join(page.split()) for page in text.split("\f") if page.strip()]


def flat(text):
    return " ".join(text.split())


def main(program):
    shipped = os.path.join(os.path.dirname(program), "..", "share", "statistique", "exercices")
    exercises = [os.path.join(shipped, name)
                 for name in ("01-controles-de-vitesse.json", "04-deux-classes-comparees.json")]
    with tempfile.TemporaryDirectory() as folder:
        names = ["Alice Martin", "Bruno Petit", "Chloé Durand"]
        pupils = os.path.join(folder, "classe.csv")
        with open(pupils, "w", encoding="utf-8") as f:
            f.write("Prénom;Nom\n" + "".join(f"x;{n}\n" for n in names))
        sheets, key = os.path.join(folder, "feuilles.pdf"), os.path.join(folder, "corrige.pdf")
        code, out, err = run(program, "--sheets=" + ",".join(exercises), f"--pupils={pupils}",
                             "--serie=41", f"--export={sheets}", f"--answer-key={key}")
        assert code == 0 and out == "" and err == "", (code, out, err)

        # Each pupil's sheet starts a page holding its name and its own series number.
        sheet_pages = pages(sheets)
        starts = [i for i, p in enumerate(sheet_pages) if p.startswith("Feuille d'exercices")]
        assert len(starts) == 3, sheet_pages
        key_text = flat(" ".join(pages(key)))
        for i, name in enumerate(names):
            series = 41 + i
            first = sheet_pages[starts[i]]
            assert f"Série n° {series} Nom : {name}" in first, first
            assert "Contrôles de vitesse" in first, first
            # The key's part for this pupil holds the answers --solution prints.
            part = key_text.split(f"Corrigé — {name} Série n° {series}")[1].split("Corrigé — ")[0]
            for exercise in exercises:
                code, printed, err = run(program, f"--exercice={exercise}", "--solution",
                                         f"--serie={series}")
                assert code == 0, err
                answers = re.findall(r"^   Réponse : (.*)$", printed, re.M)
                assert answers, printed
                for answer in answers:
                    assert f"Réponse : {flat(answer)}" in part, (name, answer, part[:600])
        # Other series give other data: the pupils' sheets are not copies.
        assert sheet_pages[starts[0]] != sheet_pages[starts[1]].replace("Bruno Petit", "Alice Martin")

        # A number of pupils, numbered, from series 1.
        code, out, err = run(program, f"--sheets={exercises[0]}", "--pupils=2",
                             f"--export={sheets}")
        assert code == 0 and err == "", (code, err)
        text = pages(sheets)
        assert any("Série n° 1 Nom : Élève 1" in p for p in text), text
        assert any("Série n° 2 Nom : Élève 2" in p for p in text), text

        # Where an exercise asks for a chart, each pupil's sheet draws it with its title,
        # below the data on the page of the exercise's heading; the others draw none.
        charted = [os.path.join(shipped, name) for name in (
            "06-tailles-classes-inegales.json", "33-taille-et-masse.json",
            "04-deux-classes-comparees.json")]
        code, out, err = run(program, "--sheets=" + ",".join(charted), "--pupils=2",
                             "--serie=8", f"--export={sheets}")
        assert code == 0 and err == "", (code, err)
        text = pages(sheets)
        starts = [i for i, p in enumerate(text) if p.startswith("Feuille d'exercices")] + [len(text)]
        assert len(starts) == 3, text
        for i in range(2):
            own = text[starts[i]:starts[i + 1]]
            assert f"Série n° {8 + i} Nom : Élève {i + 1}" in own[0], own[0]
            for heading, last_row, title in (
                    ("Exercice 1 : Tailles en classes inégales", "[170 ; 190[", "Histogramme"),
                    ("Exercice 2 : Taille et masse", "190", "Nuage de points")):
                page = next(p for p in own if heading in p)
                after = page.split(heading)[1]
                assert title in after and after.index(last_row) < after.index(title), page
            assert sum("Nuage de points" in p for p in own) == 1, own
            assert not any("Diagramme en boîte" in p for p in own), own

        bad = os.path.join(folder, "casse.json")
        with open(bad, "w", encoding="utf-8") as f:
            f.write('{"titre": "t",\n"donnees": 3}')
        faults = [
            ((f"--sheets={bad}", "--pupils=3", f"--export={sheets}"),
             "statistique : l'exercice « casse.json » ne se lit pas : ligne 2 : "),
            ((f"--sheets={exercises[0]}", "--pupils=0", f"--export={sheets}"),
             "statistique : --pupils=0 : il faut au moins un élève"),
            ((f"--sheets={exercises[0]}", "--pupils=3", "--export=/nulle/part/feuilles.pdf"),
             "statistique : impossible d'écrire « /nulle/part/feuilles.pdf » : "),
            ((f"--sheets={exercises[0]}", "--pupils=3", f"--export={sheets}", "--serie=0"),
             "statistique : --serie prend un nombre de 1 à 999999"),
            ((f"--sheets={exercises[0]}", "--pupils=3", f"--export={folder}/f.png"),
             f"statistique : « {folder}/f.png » n'est pas un fichier .pdf"),
        ]
        for args, message in faults:
            code, out, err = run(program, *args)
            assert code == 2 and out == "" and err.startswith(message), (args, code, err)
            assert err.count("\n") == 1, err
    print("sheets command line: ok")


if __name__ == "__main__":
    main(sys.argv[1])
