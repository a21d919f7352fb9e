"""A file of individuals as a learner and a screen reader meet it: the class survey
opened through Fichier > "Ouvrir un fichier d'individus…" and the file dialog, a filter
typed, then the count of the individuals kept and a cell of the cross table read through
the accessibility bus."""

import os
import sys

from harness import Accessible, Desktop, Timeout, wait_until

SURVEY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data", "donnees",
                      "enquete_classe.csv")


def click_node(desktop, node):
    import pyatspi
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    desktop.xdotool("mousemove", x + w // 2, y + h // 2)
    desktop.xdotool("click", "1")


def main(program):
    with Desktop(program) as desktop:
        desktop.start_program()
        window = desktop.window("Statistique")
        desktop.click_twips(window, 360, 6240, 735, 375)  # the focus in the main window
        # Fichier, then its item "Ouvrir un &fichier d'individus…"
        desktop.keys("f", held="Alt_L")
        desktop.keys("f")
        desktop.window("Ouvrir un fichier d'individus")
        reader = Accessible()
        path = os.path.realpath(SURVEY)
        desktop.xdotool("type", "--delay", "20", path)
        # Every key has landed in the dialog's name box before it is confirmed.
        wait_until(lambda: reader.find(lambda n: n.getRoleName() == "text" and
                                       n.queryText().getText(0, -1) == path),
                   what="the survey's path typed into the dialog")
        desktop.keys("Return")
        # A first Return may only close the name's completion list.
        try:
            desktop.window("Individus — enquete_classe.csv")
        except Timeout:
            desktop.keys("Return")
            desktop.window("Individus — enquete_classe.csv")
        wait_until(lambda: reader.find(lambda n: n.name == "30 individus sur 30"),
                   what="the count of the whole survey")

        click_node(desktop, reader.named("Filtre"))
        desktop.xdotool("type", "--delay", "20", 'Sexe = "F"')
        # The same count as the command line gives for this filter: 16 girls.
        wait_until(lambda: reader.find(lambda n: n.name == "16 individus sur 30"),
                   what="the count of the filtered individuals")

        tab = reader.find(lambda n: n.name == "Tableau croisé" and n.getRoleName() == "page tab")
        click_node(desktop, tab)
        table = reader.named("Tableau croisé des individus")
        # Sexe by Âge in classes of 0,25: the girls of 15.
        wait_until(lambda: table.queryTable().getAccessibleAt(0, 1).name == "5",
                   what="the girls of 15 in the cross table")
        assert table.queryTable().getAccessibleAt(0, 0).name == "F"
        desktop.screenshot("individuals_window.png")
    print("individuals window: ok")


if __name__ == "__main__":
    main(sys.argv[1])
