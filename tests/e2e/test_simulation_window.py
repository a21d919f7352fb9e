"""The simulation window as a learner and a screen reader meet it: opened through
Statistiques > Simulation d'échantillons…, a run of a fair coin whose shares, read
through the accessibility bus, are the command line's for the same series number, then
a long run of means of the main series cancelled, which leaves those shares as they were;
the frequencies then sent to the main list and to the table of counts."""

import os
import re
import sys

from harness import Accessible, Desktop, run_without_display, wait_until
from test_accessibility import unnamed_controls
from test_table import click_node

SERIES_CSV = "Série 1\r\n3\r\n7\r\n8\r\n12\r\n".encode("utf-8")


def number(text):
    return float(text.replace("\u202f", "").replace(" ", "").replace(",", "."))


def shares_shown(reader):
    """The four shares' labels, as a screen reader reads them."""
    found = []
    for i in range(4):
        node = reader.find(lambda n, i=i: n.getRoleName() == "label" and n.name.startswith("Part dans")
                           and n not in found)
        if node is None:
            return None
        found.append(node)
    return sorted(n.name for n in found)


def press(reader, name):
    reader.named(name).queryAction().doAction(0)


def main(program):
    with Desktop(program) as desktop:
        path = os.path.join(desktop.tmp.name, "serie.csv")
        with open(path, "wb") as f:
            f.write(SERIES_CSV)
        desktop.start_program(path)
        window = desktop.window("Statistique - serie.csv")
        desktop.click_twips(window, 360, 6240, 735, 375)  # the focus in the main window
        desktop.keys("s", held="Alt_L")  # &Statistiques
        desktop.keys("s")  # &Simulation d'échantillons…
        desktop.window("Simulation d'échantillons")
        reader = Accessible()
        root = wait_until(lambda: next((w for w in (reader.app.getChildAtIndex(i)
                                                     for i in range(reader.app.childCount))
                                        if w is not None and w.name == "Simulation d'échantillons"),
                                       None), what="the window on the bus")
        assert unnamed_controls(reader, root) == [], unnamed_controls(reader, root)

        # A fair coin, n = 100, N = 1 000, series 4711: the command line's shares.
        press(reader, "Pièce équilibrée")
        press(reader, "Simuler les échantillons")
        shares = wait_until(lambda: shares_shown(reader), what="the shares")
        expected = run_without_display(program, "--simulate", "--p=0,5", "--n=100",
                                       "--samples=1000", "--serie=4711").stdout.decode()
        rows = dict(line.split("\t") for line in expected.strip().splitlines()[1:])
        for text in shares:
            name = text[len("Part dans "):text.index(" = ")]
            count, total = re.search(r": ([\d  ]+) échantillons? sur ([\d  ]+),", text).groups()
            assert number(total) == 1000, text
            assert number(count) / 1000 == number(rows["Part dans " + name]), (text, rows)
        desktop.screenshot("simulation_window.png")

        # Means of samples of the main series, far too many to finish: cancelled.
        combo = reader.find(lambda n: n.getRoleName() == "combo box", root)
        click_node(desktop, combo)  # its list opens: the second choice, the main series
        desktop.keys("Down", "Return")
        wait_until(lambda: combo.name.startswith("La série principale")
                   or reader.find(lambda n: n.name.startswith("La série principale")
                                  and n.getRoleName() == "combo box"),
                   what="the main series chosen")
        reader.named("Taille des échantillons n").queryValue().currentValue = 100000
        reader.named("Nombre d'échantillons N").queryValue().currentValue = 1000000
        press(reader, "Simuler les échantillons")
        reader.named("Calcul en cours…")
        press(reader, "Annuler")
        wait_until(lambda: reader.find(lambda n: n.name.startswith("Calcul annulé")),
                   what="the run to be cancelled")
        assert shares_shown(reader) == shares, (shares_shown(reader), shares)

        # The coin's 1 000 frequencies to the main list, and their counts to the table.
        press(reader, "Vers la liste")
        wait_until(lambda: "Effectif total=1000" in reader.item_names("Résumé de la série"),
                   what="the frequencies in the main list")
        press(reader, "Vers le tableau d'effectifs")
        desktop.window("Tableau d'effectifs")


if __name__ == "__main__":
    main(sys.argv[1])
