"""The program starts: its window opens centred, titled "Statistique", with the four
summary lines of the one-value series "0", as read by a screen reader."""

import sys

from harness import Accessible, Desktop, wait_until


def main(program):
    with Desktop(program) as desktop:
        desktop.start_program()
        window = desktop.window("Statistique")
        # The window grows with its menu bar once the desktop's font is back, just after
        # the first frame: measured once two looks agree.
        looks = []
        wait_until(lambda: (looks.append(desktop.window_geometry(window)) or
                            (len(looks) > 1 and looks[-1] == looks[-2])),
                   what="the window's size settled")
        x, y, w, h = looks[-1]
        sw, sh = desktop.screen_size()
        # The client area keeps its size; the window grows by the menu bar's height.
        bar = desktop.client_top(window)
        assert w == 701 and h - bar == 579 and 15 <= bar <= 60, (w, h, bar)
        assert abs(x + w / 2 - sw / 2) <= 2 and abs(y + h / 2 - sh / 2) <= 2, (x, y, w, h)

        reader = Accessible()
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
