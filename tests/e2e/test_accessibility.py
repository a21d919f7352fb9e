"""The program through the accessibility bus that screen readers use: every control
has a French name, and the chart area tells which chart it shows and the values it
labels, anew after each chart."""

import sys

from harness import Accessible, Desktop, wait_until

ENONCE = (8400, 7800, 1215, 495)
BATON = (6960, 5280, 975, 615)
CAMEMBERT = (8640, 1320, 1695, 495)
COURBE = (8640, 3120, 1695, 495)
EXERCISE = "5, 14, 31, 124, 106, 51, 22, 7"


def unnamed_controls(reader, root):
    missing = []
    stack = [root]
    while stack:
        node = stack.pop()
        role = node.getRoleName()
        if role in {"push button", "toggle button", "check box", "list", "text", "entry", "canvas"} and not node.name:
            missing.append(role)
        stack.extend(node.getChildAtIndex(i) for i in range(node.childCount))
    return missing


def main(program):
    with Desktop(program) as desktop:
        desktop.start_program()
        window = desktop.window("Statistique")
        reader = Accessible()
        chart = reader.named("Zone des graphiques")
        assert unnamed_controls(reader, reader.app) == [], unnamed_controls(reader, reader.app)
        for name in ("Nouvelle valeur", "Série de valeurs", "Résumé de la série",
                     "Deuxième liste, une valeur par ligne", "Bâtons", "Camembert", "EXERCICE"):
            reader.named(name)

        desktop.click_twips(window, *ENONCE)
        exercise = desktop.window("Ek_varno")
        reader.named("Effectif de la classe 4")
        desktop.click_twips(exercise, *BATON)
        wait_until(lambda: chart.description == "Diagramme en bâtons : " + EXERCISE,
                   what="the stick chart described")
        desktop.click_twips(window, *CAMEMBERT)
        wait_until(lambda: chart.description == "Camembert : " + EXERCISE, what="the pie described")
        desktop.click_twips(window, *COURBE)
        wait_until(lambda: chart.description == "Courbe : " + EXERCISE, what="the curve described")
    print("accessibility: ok")


if __name__ == "__main__":
    main(sys.argv[1])
