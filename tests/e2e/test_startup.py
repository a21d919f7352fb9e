"""The program starts: its window opens centred, titled "Statistique", with the four
summary lines of the one-value series "0", as read by a screen reader."""

import sys

from harness import Accessible, Desktop, wait_until


def main(program):
    with Desktop(program) as desktop:
        desktop.start_program()
        window = desktop.window("Statistique")
        reader = Accessible()
        pyatspi = reader.pyatspi
        menu_bar = wait_until(lambda: reader.find(lambda n: n.getRole() == pyatspi.ROLE_MENU_BAR),
                              what="the menu bar")

        # The window grows with its menu bar once the desktop's font is back, just after
        # the first frame: the window and its menu bar are measured together, once two
        # looks agree (a look taken while one has grown and the other not yet differs
        # from the next).
        def look():
            bar = tuple(menu_bar.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))
            return desktop.window_geometry(window), bar

        looks = []
        wait_until(lambda: (looks.append(look()) or (len(looks) > 1 and looks[-1] == looks[-2])),
                   what="the window's size settled")
        (x, y, w, h), (_, bar_y, _, bar_h) = looks[-1]
        sw, sh = desktop.screen_size()
        # The client area, below the menu bar, keeps its size whatever the font.
        assert w == 701 and (y + h) - (bar_y + bar_h) == 579 and 15 <= bar_h <= 60, (y, h, bar_y, bar_h)
        assert abs(x + w / 2 - sw / 2) <= 2 and abs(y + h / 2 - sh / 2) <= 2, (x, y, w, h)
        bar = bar_y + bar_h - y

        lines = wait_until(lambda: reader.item_names("Résumé de la série") or None, what="summary lines")
        assert lines == ["Valeur max= 0", "Valeur min= 0", "Moyenne: 0,000", "Effectif total=1"], lines
        assert reader.item_names("Série de valeurs") == ["0"]

        image = desktop.screenshot("startup.png")
        # The chart area is empty: its light green fills it.
        assert image.getpixel((x + 16 + 270, y + bar + 16 + 160)) == (192, 255, 192)

        assert desktop.close_program_window(window) == 0
    print("startup: ok")


if __name__ == "__main__":
    main(sys.argv[1])
