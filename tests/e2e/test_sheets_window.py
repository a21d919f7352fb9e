"""The class's sheets window as a teacher and a screen reader meet it: opened through
Exercices > Feuilles pour la classe…, an exercise ticked, two pupils typed, the file
named, and the sheets written; the status read through the accessibility bus, and the
PDF's text (poppler's pdftotext) holds each pupil's name and series number."""

import os
import subprocess
import sys

from harness import Accessible, Desktop, wait_until


def main(program):
    with Desktop(program) as desktop:
        desktop.start_program()
        desktop.window("Statistique")
        desktop.keys("x", held="Alt_L")  # E&xercices
        desktop.keys("f")  # &Feuilles pour la classe…
        desktop.window("Feuilles pour la classe")
        reader = Accessible()
        item = wait_until(lambda: reader.find(lambda n: n.name == "Contrôles de vitesse"),
                          what="the exercises listed")
        assert item.getRoleName() == "list item", item.getRoleName()
        desktop.keys("x", held="Alt_L")  # E&xercices: the list, its first exercise current
        desktop.keys("space")  # ticked
        pupils = reader.named("Élèves : un nombre, ou un nom par ligne")
        pupils.queryEditableText().setTextContents("Alice Martin\nBruno Petit")
        output = os.path.join(desktop.tmp.name, "feuilles.pdf")
        edit = wait_until(lambda: reader.find(lambda n: n.getRoleName() == "text"
                                              and n.name.startswith("Feuilles (PDF)")),
                          what="the sheets' file")
        edit.queryEditableText().setTextContents(output)
        reader.named("Écrire les feuilles").queryAction().doAction(0)
        try:
            wait_until(lambda: reader.find(lambda n: n.name == "Feuilles écrites dans « feuilles.pdf »."),
                       what="the status read on the bus")
        except Exception:
            desktop.screenshot("sheets_window_failed.png")
            labels = []
            reader.find(lambda n: labels.append((n.getRoleName(), n.name)) and False)
            raise AssertionError(labels)
        desktop.screenshot("sheets_window.png")
        text = " ".join(subprocess.run(["pdftotext", "-enc", "UTF-8", output, "-"],
                                       capture_output=True, check=True).stdout.decode().split())
        for name, series in (("Alice Martin", 1), ("Bruno Petit", 2)):
            assert f"Série n° {series} Nom : {name}" in text, text[:400]
    print("sheets window: ok")


if __name__ == "__main__":
    main(sys.argv[1])
