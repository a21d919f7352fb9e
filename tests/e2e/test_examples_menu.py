"""The data sets shipped with the program as a learner finds them: Fichier > Exemples
lists every file of data/donnees, read through the accessibility bus, and choosing one
opens the window Individus on it with all its individuals counted."""

import os
import sys

from harness import Accessible, Desktop, wait_until

DONNEES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "donnees")


def shipped():
    return sorted(name for name in os.listdir(DONNEES)
                  if name.endswith((".csv", ".ods", ".xlsx")))


def rows_of(name):
    """Individuals of a shipped CSV file: its lines less the header, blank ones left out."""
    with open(os.path.join(DONNEES, name), encoding="utf-8-sig") as f:
        return sum(1 for line in f if line.strip()) - 1


def main(program):
    with Desktop(program) as desktop:
        desktop.start_program()
        window = desktop.window("Statistique")
        reader = Accessible()
        desktop.click_twips(window, 360, 6240, 735, 375)  # the focus in the main window
        # Fichier, then its sub-menu "Exe&mples", filled as it opens.
        desktop.keys("f", held="Alt_L")
        desktop.keys("m")
        names = shipped()
        assert len(names) >= 5, names
        # The item "Exemples" holds the sub-menu that lists the files by name.
        entry = wait_until(lambda: reader.find(
            lambda n: n.name == "Exemples" and "menu item" in n.getRoleName()), what="Exemples")
        menu = wait_until(lambda: entry.getChildAtIndex(0), what="the sub-menu of Exemples")
        listed = lambda: [menu.getChildAtIndex(i).name for i in range(menu.childCount)]
        wait_until(lambda: listed() == names, what=f"Exemples to list {names}")

        choice = "iris.csv"
        item = reader.find(lambda n: n.name == choice and "menu item" in n.getRoleName(), menu)
        item.queryAction().doAction(0)
        desktop.window(f"Individus — {choice}")
        count = rows_of(choice)
        wait_until(lambda: reader.find(lambda n: n.name == f"{count} individus sur {count}"),
                   what=f"the {count} individuals of {choice} counted")
        desktop.screenshot("examples_menu.png")
    print("examples menu: ok")


if __name__ == "__main__":
    main(sys.argv[1])
