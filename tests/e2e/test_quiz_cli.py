"""Quizzes from the command line: the same exercises written as Moodle XML and as GIFT,
the GIFT read back by gift-pegjs (a parser others wrote, installed by
tools/install-deps.sh test) and found to hold the same questions, variants and answers
as the XML; and the French reasons, with exit status 2, for what cannot be done."""

import html
import json
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from harness import run_without_display

HERE = os.path.dirname(os.path.abspath(__file__))
TOOLS = os.path.join(HERE, "..", "quiz_tools")
EXERCISES = os.path.join(HERE, "..", "..", "data", "exercices")


def run(program, *args):
    done = run_without_display(program, *args)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def from_xml(path):
    questions, category = [], ""
    for q in ET.parse(path).getroot():
        kind = q.get("type")
        if kind == "category":
            category = q.find("category/text").text
            continue
        if kind == "numerical":
            answers = [(float(a.find("text").text), float(a.find("tolerance").text))
                       for a in q.findall("answer")]
        else:
            answers = [(html.unescape(a.find("text").text), a.get("fraction") == "100")
                       for a in q.findall("answer")]
        questions.append((category, q.find("name/text").text, kind, answers))
    return questions


def from_gift(path):
    done = subprocess.run(["node", os.path.join(TOOLS, "read_gift.js"), path],
                          capture_output=True, check=True)
    kinds = {"Numerical": "numerical", "MC": "multichoice"}
    questions = []
    for q in json.loads(done.stdout):
        if q["type"] == "Numerical":
            answers = [(a["value"], a["tolerance"]) for a in q["answers"]]
        else:
            answers = [(html.unescape(a["text"]), a["right"]) for a in q["answers"]]
        assert "<table" in q["statement"] and q["feedback"], q["title"]
        questions.append((q["category"], q["title"], kinds[q["type"]], answers))
    return questions


def main(program):
    files = ",".join(os.path.join(EXERCISES, f)
                     for f in ("01-controles-de-vitesse.json", "04-deux-classes-comparees.json"))
    with tempfile.TemporaryDirectory() as folder:
        xml, gift = os.path.join(folder, "quiz.xml"), os.path.join(folder, "quiz.gift")
        assert run(program, f"--moodle={files}", "--variants=3", "--serie=12",
                   f"--export={xml}") == (0, "", "")
        assert run(program, f"--gift={files}", "--variants=3", "--serie=12",
                   f"--export={gift}") == (0, "", "")
        moodle = from_xml(xml)
        # Each asks 4 questions: 3 variants each, series 12, 13, 14.
        assert len(moodle) == 24, len(moodle)
        assert [q[1].rsplit(" ", 1)[1] for q in moodle[:3]] == ["12", "13", "14"], moodle[:3]
        assert moodle[0][0] == "$course$/Statistique/Contrôles de vitesse"
        assert moodle[-1][0] == "$course$/Statistique/Deux classes comparées"

        if shutil.which("node") is None:
            print("SKIP: node is missing, the GIFT file is not read back "
                  "(tools/install-deps.sh test installs it)")
        else:
            assert os.path.isdir(os.path.join(TOOLS, "node_modules", "gift-pegjs")), \
                "gift-pegjs is missing: run tools/install-deps.sh test"
            assert from_gift(gift) == moodle

        bad = os.path.join(folder, "mauvais.json")
        with open(bad, "w", encoding="utf-8") as f:
            f.write('{\n  "titre": "x",\n  "questions": [}\n')
        refusals = [
            ((f"--moodle={bad}", "--variants=2", f"--export={xml}"),
             "statistique : l'exercice « mauvais.json » ne se lit pas : ligne 3 : "),
            ((f"--gift={files}", "--variants=0", f"--export={gift}"),
             "statistique : --variants attend un nombre entier de 1 à 1000, pas « 0 »"),
            ((f"--gift={files}", "--variants=1001", f"--export={gift}"),
             "statistique : --variants attend un nombre entier de 1 à 1000, pas « 1001 »"),
            ((f"--gift={files}", "--variants=2", "--serie=0", f"--export={gift}"),
             "statistique : --serie attend un numéro entier de 1 à 4294967294, pas « 0 »"),
            ((f"--moodle={files}", "--variants=2",
              f"--export={os.path.join(folder, 'absent', 'q.xml')}"),
             "statistique : impossible d'écrire « "),
            ((f"--moodle={files}", "--variants=2"),
             "statistique : --moodle demande --export=FICHIER"),
        ]
        for args, start in refusals:
            code, out, err = run(program, *args)
            assert code == 2 and out == "" and err.startswith(start), (args, code, err)


if __name__ == "__main__":
    main(sys.argv[1])
    print("ok")
