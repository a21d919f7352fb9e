"""Sticks in the real program: after "Aleatoire" and "Bâtons", blue sticks stand at the
expected columns of the chart area of a screenshot, and green fills the gaps."""

import sys

from harness import Desktop, wait_until

ALEATOIRE = (360, 5400, 1335, 495)
BATONS = (8640, 2520, 1695, 495)
INNER = 240 / 15 + 2  # the chart area's left and top, border included, in pixels
BLUE = (0, 0, 255)
GREEN = (192, 255, 192)


def main(program):
    with Desktop(program, accessibility=False) as desktop:
        desktop.start_program()
        window = desktop.window("Statistique")
        left, top = desktop.client_origin(window)
        desktop.click_twips(window, *ALEATOIRE)  # 70, 53, 57, 28, 30, 77 at every start
        desktop.click_twips(window, *BATONS)

        dx = (8295 - 400) // 5
        xs = [100 + i * dx for i in range(6)]
        y = round(top + INNER + 4400 / 15)  # just above the baseline, on every stick

        def sticks_shown():
            image = desktop.screenshot("sticks.png")
            columns = [round(left + INNER + x / 15) for x in xs]
            blue = all(any(image.getpixel((c + d, y)) == BLUE for d in (-1, 0, 1)) for c in columns)
            gaps = all(image.getpixel((c + 50, y)) == GREEN for c in columns[:-1])
            return blue and gaps

        wait_until(sticks_shown, what="blue sticks at their columns")
    print("charts: ok")


if __name__ == "__main__":
    main(sys.argv[1])
