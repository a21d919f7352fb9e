#!/usr/bin/python3
"""Takes the README's pictures of the program under its own X server: the main window
with a chart, the parameters window, and the exercise window. Each is taken once the
screen has stopped changing, with the pointer away from every window, so that two runs
give the same pictures. Usage: tools/screenshots.py <program> <folder>"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from harness import Desktop, Timeout, wait_until  # noqa: E402


def still(desktop, geometry):
    """The window's picture once two screenshots in a row agree."""
    x, y, w, h = geometry
    previous = [None]

    def settled():
        desktop.xdotool("mousemove", 1, 1)
        picture = desktop.screenshot().crop((x, y, x + w, y + h))
        same = previous[0] is not None and picture.tobytes() == previous[0].tobytes()
        previous[0] = picture
        return picture if same else None

    return wait_until(lambda: (time.sleep(0.2), settled())[1], what="the screen to settle")


def main(program, folder):
    os.makedirs(folder, exist_ok=True)
    with Desktop(program, size="1280x1024", accessibility=False) as desktop:
        desktop.start_program()
        window = desktop.window("Statistique")
        for control in ((360, 5400, 1335, 495),      # Aleatoire
                        (5400, 6360, 1095, 495),     # Aleatoire, second list
                        (5560, 7320, 855, 375),      # Croissant
                        (5640, 5400, 1935, 495),     # Prendre en compte 2ème liste
                        (8640, 3720, 1695, 495),     # Les deux
                        (1680, 7680, 1335, 495)):    # Fréquence
            desktop.click_twips(window, *control)
        still(desktop, desktop.window_geometry(window)).save(os.path.join(folder, "main-window.png"))

        desktop.keys("r", held="Control_L")          # Statistiques > Paramètres de la série…
        parameters = desktop.window("Paramètres de la série")
        still(desktop, desktop.window_geometry(parameters)).save(os.path.join(folder, "parameters.png"))
        # A close sent just as the window appeared may be lost: sent again until it goes.
        for attempt in range(5):
            desktop.close_window(parameters)
            try:
                wait_until(lambda: not desktop.run("xdotool", "search", "--onlyvisible", "--name",
                                                   "^Paramètres de la série$", check=False).split(),
                           seconds=3, what="the parameters window to close")
                break
            except Timeout:
                if attempt == 4:
                    raise

        desktop.click_twips(window, 8400, 7800, 1215, 495)   # EXERCICE
        exercise = desktop.window("Ek_varno")
        still(desktop, desktop.window_geometry(exercise)).save(os.path.join(folder, "exercise.png"))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
