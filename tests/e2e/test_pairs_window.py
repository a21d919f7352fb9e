"""The two variables' window in the real program: opened from Statistiques > Deux
variables…, pairs typed in its table, least squares chosen, and the learner's line
dragged by its handle with real mouse moves; the sum of squared residuals and the
least-squares equation read through the accessibility bus."""

import os
import sys
import tempfile

from harness import Accessible, Desktop, wait_until
from test_accessibility import unnamed_controls

# x̄ = 3, ȳ = 4, V(x) = 2, cov = 1,2: y = 0,6x + 2,2, a least-squares sum of 2,4; the
# learner's line starts level through G, y = 4, with a sum of 6.
PAIRS = [("1", "2"), ("2", "4"), ("3", "5"), ("4", "4"), ("5", "5")]
BY_EYE = (200, 0, 150)


def extents(node):
    import pyatspi
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def click_node(desktop, node):
    x, y, w, h = extents(node)
    desktop.xdotool("mousemove", x + w // 2, y + h // 2)
    desktop.xdotool("click", "1")


def number(text):
    return float(text.replace("\u2212", "-").replace(",", ".").replace("\u202f", ""))


def handles(desktop, nuage):
    """The centres of the learner's line's two handles, found on the screen as the only
    places where its colour runs more than a few pixels high."""
    x0, y0, w, h = extents(nuage)
    shot = desktop.screenshot("pairs.png")
    columns = {}
    for x in range(x0, x0 + w):
        rows = [y for y in range(y0, y0 + h) if shot.getpixel((x, y)) == BY_EYE]
        if len(rows) >= 7:
            columns[x] = sum(rows) / len(rows)
    groups = []
    for x in sorted(columns):
        if groups and x - groups[-1][-1] <= 1:
            groups[-1].append(x)
        else:
            groups.append([x])
    return [(round(sum(g) / len(g)), round(columns[g[len(g) // 2]])) for g in groups]


def main(program):
    with tempfile.TemporaryDirectory() as folder, Desktop(program) as desktop:
        opened_from_the_command_line(desktop, folder)
        desktop.start_program()
        window = desktop.window("Statistique")
        desktop.click_twips(window, 360, 6240, 735, 375)  # the focus in the main window
        desktop.keys("s", held="Alt_L")
        desktop.keys("d")
        desktop.window("Deux variables")
        reader = Accessible()
        table = reader.named("Table des paires")
        assert unnamed_controls(reader, table.parent.parent) == [], \
            unnamed_controls(reader, table.parent.parent)

        # Typed as a learner types: a value, Tab to the next cell, past the residuals.
        click_node(desktop, table.queryTable().getAccessibleAt(0, 0))
        for x, y in PAIRS:
            desktop.xdotool("type", x)
            desktop.keys("Tab")
            desktop.xdotool("type", y)
            desktop.keys("Tab", "Tab")
        total = reader.named("Somme des carrés des résidus")
        wait_until(lambda: total.description == "Somme des carrés des résidus : 6",
                   what="the learner's first sum")

        box = wait_until(lambda: reader.find(
            lambda n: n.name == "Moindres carrés" and n.getRoleName() == "check box"),
            what="the least squares' check box")
        click_node(desktop, box)
        nuage = reader.named("Nuage de points")
        wait_until(lambda: "moindres carrés : y = 0,6x + 2,2" in nuage.description,
                   what="the least-squares equation told")
        wait_until(lambda: total.description.endswith("(moindres carrés : 2,4)"),
                   what="the least-squares sum beside the learner's")

        # The left handle dragged down in small real moves of the mouse.
        found = wait_until(lambda: (lambda h: h if len(h) == 2 else None)(handles(desktop, nuage)),
                           what="the two handles on the screen")
        (hx, hy), _ = found
        desktop.xdotool("mousemove", hx, hy)
        desktop.xdotool("mousedown", "1")
        for step in range(1, 11):
            desktop.xdotool("mousemove", hx, hy + 6 * step)
        desktop.xdotool("mouseup", "1")
        equation = reader.named("Équation au jugé")
        wait_until(lambda: equation.description not in ("", "Au jugé : y = 4"),
                   what="the learner's line moved")
        assert "x" in equation.description, equation.description  # no longer level
        moved = number(total.description.split(":")[1].split("(")[0])
        assert moved != 6, total.description
        # No line does better than least squares.
        assert moved >= 2.4, total.description
        assert total.description.endswith("(moindres carrés : 2,4)"), total.description
    print("pairs window: ok")


def opened_from_the_command_line(desktop, folder):
    """statistique --pairs=F alone shows the window on the file's pairs and names, and
    --pairs=F --x=V --y=W --filter=E on two variables of a file of individuals; the
    program is closed again after each."""
    path = os.path.join(folder, "freinage.csv")
    with open(path, "w", encoding="utf-8") as f:
        f.write("vitesse;distance\n30;14\n50;32\n70;58\n90;90\n")
    desktop.start_program(f"--pairs={path}")
    desktop.window("Deux variables")
    reader = Accessible()
    figures = reader.named("Statistiques")
    # x̄ = 60, ȳ = 48,5 worked out by hand.
    wait_until(lambda: figures.description.startswith("Effectif : 4\nPoint moyen G(60 ; 48,5)"),
               what="the file's figures")
    table = reader.named("Table des paires").queryTable()
    assert table.getColumnHeader(0).name == "vitesse", table.getColumnHeader(0).name
    desktop.program.terminate()
    desktop.program.wait(timeout=10)

    # Two variables of a file of individuals, under a filter: the pupil without a mass
    # and the boys are left out, three pairs stay (x̄ = 160, ȳ = 51).
    path = os.path.join(folder, "eleves.csv")
    with open(path, "w", encoding="utf-8") as f:
        f.write("Sexe;Taille;Masse\nF;160;50\nM;170;62\nF;150;45\nF;;70\nF;170;58\n")
    desktop.start_program(f"--pairs={path}", "--x=Taille", "--y=Masse", '--filter=Sexe = "F"')
    desktop.window("Deux variables")
    reader = Accessible()
    figures = reader.named("Statistiques")
    wait_until(lambda: figures.description.startswith("Effectif : 3\nPoint moyen G(160 ; 51)"),
               what="the pairs of the two variables")
    table = reader.named("Table des paires").queryTable()
    assert [table.getColumnHeader(c).name for c in (0, 1)] == ["Taille", "Masse"]
    desktop.program.terminate()
    desktop.program.wait(timeout=10)


if __name__ == "__main__":
    main(sys.argv[1])
