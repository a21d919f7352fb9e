"""The table of counts as a learner and a screen reader meet it: opened with Ctrl+T,
every control named, the exercise's classes loaded by a click, the worked example's
figures read through the accessibility bus, a count typed on the keypad and another
written through the bus."""

import sys

from harness import Accessible, Desktop, wait_until
from test_accessibility import unnamed_controls


def cell(table, row, column):
    return table.queryTable().getAccessibleAt(row, column).name


def parameter(table, name):
    t = table.queryTable()
    for r in range(t.nRows):
        if t.getAccessibleAt(r, 0).name == name:
            return t.getAccessibleAt(r, 1).name
    return None


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
        desktop.keys("t", held="Control_L")
        desktop.window("Tableau d'effectifs")
        reader = Accessible()
        entry = reader.named("Tableau d'effectifs à remplir")
        window_node = entry.parent
        assert unnamed_controls(reader, window_node) == [], unnamed_controls(reader, window_node)
        for name in ("Paramètres du tableau", "Seuil", "Erreur du tableau", "Vers la liste"):
            reader.named(name)

        click_node(desktop, reader.named("Données de l'exercice"))
        parameters = reader.named("Paramètres du tableau")
        wait_until(lambda: parameter(parameters, "Moyenne (par les centres)") == "131,333",
                   what="the mean by the centres")
        assert parameter(parameters, "Médiane (estimation)") == "130,566"
        assert parameter(parameters, "Classe modale") == "]120 ; 130]"
        assert cell(entry, 0, 3) == "95", cell(entry, 0, 3)

        # A count typed on the keypad into the first row, Enter to keep it.
        desktop.num_lock_on()
        click_node(desktop, entry.queryTable().getAccessibleAt(0, 2))
        desktop.keys("KP_1", "KP_5", "KP_Enter")
        wait_until(lambda: parameter(parameters, "Effectif total") == "370",
                   what="the total after a count typed on the keypad")
        assert cell(entry, 0, 2) == "15", cell(entry, 0, 2)

        # Through the bus, as a screen reader edits: the current cell's line, then Enter.
        click_node(desktop, entry.queryTable().getAccessibleAt(1, 2))
        line = reader.named("Case courante")
        wait_until(lambda: line.queryText().getText(0, -1) == "14", what="the current cell's line")
        # The focus moved there as a screen reader moves it, and Enter sent only once it
        # is there: a click could land while the grid still held it.
        import pyatspi
        wait_until(lambda: line.queryComponent().grabFocus()
                   and line.getState().contains(pyatspi.STATE_FOCUSED), what="the line's focus")
        assert line.queryEditableText().setTextContents("20")
        desktop.keys("Return")
        wait_until(lambda: parameter(parameters, "Effectif total") == "376",
                   what="the total after a count written through the bus")
        assert cell(entry, 1, 2) == "20", cell(entry, 1, 2)
    print("table: ok")


if __name__ == "__main__":
    main(sys.argv[1])
