"""A series file on the command line: the real program opens a French spreadsheet's
CSV file at start, and a screen reader reads both series and the summary; the menu
bar's menus and items are named for it too."""

import os
import sys

from harness import Accessible, Desktop, wait_until

FRENCH_CSV = "\ufeffSérie 1;Série 2\r\n12,5;3\r\n7;4,25\r\n9;\r\n".encode("utf-8")


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def main(program):
    with Desktop(program) as desktop:
        path = os.path.join(desktop.tmp.name, "notes.csv")
        with open(path, "wb") as f:
            f.write(FRENCH_CSV)
        desktop.start_program(path)
        window = desktop.window("Statistique - notes.csv")
        reader = Accessible()
        wait_until(lambda: reader.item_names("Série de valeurs") == ["12,5", "7", "9"],
                   what="List1 to hold the file's first column")
        assert reader.item_names("Résumé de la série") == [
            "Valeur max= 12,5", "Valeur min= 7", "Moyenne: 9,500", "Effectif total=3"]
        second = reader.named("Deuxième liste, une valeur par ligne")
        assert text_of(second).splitlines() == ["3", "4,25"], text_of(second)

        bar = wait_until(lambda: reader.find(lambda n: n.getRoleName() == "menu bar"),
                         what="the menu bar")
        menus = [bar.getChildAtIndex(i).name for i in range(bar.childCount)]
        assert menus[:2] == ["Fichier", "Édition"] and menus[-1] == "Aide", menus
        # The menu's items lie under the menu the bar's first item opens.
        items = []
        stack = [bar.getChildAtIndex(0)]
        while stack:
            node = stack.pop()
            items.append(node.name)
            stack.extend(node.getChildAtIndex(i) for i in range(node.childCount))
        assert "Ouvrir une série…" in items and "Quitter" in items, items
        assert desktop.close_program_window(window) == 0
    print("series file: ok")


if __name__ == "__main__":
    main(sys.argv[1])
