#!/usr/bin/python3
"""Takes the README's pictures of the program under its own X server: the main window
with a chart, and the exercise window. Usage: tools/screenshots.py <program> <folder>"""

import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
from harness import Desktop  # noqa: E402


def click(desktop, window, left, top, width, height):
    desktop.click_twips(window, left, top, width, height)
    time.sleep(0.3)


def crop(image, geometry):
    x, y, w, h = geometry
    return image.crop((x, y, x + w, y + h))


def main(program, folder):
    os.makedirs(folder, exist_ok=True)
    with Desktop(program, size="1280x1024", accessibility=False) as desktop:
        desktop.start_program()
        window = desktop.window("Statistique")
        click(desktop, window, 360, 5400, 1335, 495)    # Aleatoire
        click(desktop, window, 5400, 6360, 1095, 495)   # Aleatoire, second list
        click(desktop, window, 5560, 7320, 855, 375)    # Croissant
        click(desktop, window, 5640, 5400, 1935, 495)   # Prendre en compte 2ème liste
        click(desktop, window, 8640, 3720, 1695, 495)   # Les deux
        click(desktop, window, 1680, 7680, 1335, 495)   # Fréquence
        crop(desktop.screenshot(), desktop.window_geometry(window)).save(os.path.join(folder, "main-window.png"))

        click(desktop, window, 8400, 7800, 1215, 495)   # EXERCICE
        exercise = desktop.window("Ek_varno")
        time.sleep(0.3)
        crop(desktop.screenshot(), desktop.window_geometry(exercise)).save(os.path.join(folder, "exercise.png"))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
