"""The road of a typical use: "EXERCICE", then "Bâton": the exercise window goes and
the sticks of the eight class counts stand in the chart area. Closing the main window
ends the program, even with the exercise window open."""

import sys

from harness import Desktop, wait_until

ENONCE = (8400, 7800, 1215, 495)
BATON = (6960, 5280, 975, 615)
INNER = 240 / 15 + 2
BLUE = (0, 0, 255)
STICKS = [100 + 1127 * i for i in range(8)]
TOPS = [4435, 4111, 3499, 151, 799, 2779, 3823, 4363]


def visible(desktop, title):
    out = desktop.run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$", check=False)
    return bool(out.split())


def main(program):
    with Desktop(program, accessibility=False) as desktop:
        desktop.start_program()
        window = desktop.window("Statistique")
        left, top = desktop.client_origin(window)

        desktop.click_twips(window, *ENONCE)
        exercise = desktop.window("Ek_varno")
        desktop.click_twips(exercise, *BATON)
        wait_until(lambda: not visible(desktop, "Ek_varno"), what="the exercise window to go")

        def sticks_shown():
            image = desktop.screenshot("exercise-sticks.png")
            for x, stick_top in zip(STICKS, TOPS):
                column = round(left + INNER + x / 15)
                # Halfway up each stick, and above the shortest's top: green.
                y = round(top + INNER + (4615 + stick_top) / 2 / 15)
                if not any(image.getpixel((column + d, y)) == BLUE for d in (-1, 0, 1)):
                    return False
            return image.getpixel((round(left + INNER + 100 / 15), round(top + INNER + 4300 / 15))) != BLUE

        wait_until(sticks_shown, what="the sticks of the eight counts")

        desktop.click_twips(window, *ENONCE)
        desktop.window("Ek_varno")
        assert desktop.close_program_window(window) == 0
    print("exercise: ok")


if __name__ == "__main__":
    main(sys.argv[1])
