#!/usr/bin/python3
"""Writes a made-up survey of individuals as a French spreadsheet saves it: ';' between
cells, decimal commas, quoted texts with accents, a few empty cells, CR LF.
Usage: bench/individuals_survey.py <file> [rows]"""

import random
import sys

TRANSPORTS = ["Bus", "Vélo", "À pied", "Voiture", "Métro; RER", "Tramway"]
TOWNS = ["Saint-Étienne", "Besançon", "Orléans", "Nîmes", "Évry", "Angoulême", "Sète",
         "Pontoise", "Béziers", "Clermont-Ferrand", "Aix-en-Provence", "Le \"Petit\" Quevilly"]
HEADER = ["Identifiant", "Sexe", "Âge", "Taille (cm)", "Poids (kg)", "Pointure",
          "Temps de trajet (min)", "Transport", "Commune"]


def quoted(text):
    return '"' + text.replace('"', '""') + '"'


def comma(x, digits):
    return f"{x:.{digits}f}".replace(".", ",")


def main(path, rows=1_000_000):
    rng = random.Random(20240601)
    with open(path, "w", encoding="utf-8", newline="") as out:
        out.write(";".join(HEADER) + "\r\n")
        lines = []
        for i in range(1, rows + 1):
            sex = "F" if rng.random() < 0.5 else "M"
            height = rng.gauss(165 if sex == "F" else 177, 7)
            cells = [str(i), sex, str(rng.randint(11, 18)), comma(height, 1),
                     comma(rng.gauss(58, 9), 1), comma(round(height / 4.4 * 2) / 2, 1),
                     comma(rng.expovariate(1 / 22), 2), quoted(rng.choice(TRANSPORTS)),
                     quoted(rng.choice(TOWNS))]
            if rng.random() < 0.02:
                cells[rng.randrange(1, 9)] = ""
            lines.append(";".join(cells))
            if len(lines) == 10000:
                out.write("\r\n".join(lines) + "\r\n")
                lines = []
        if lines:
            out.write("\r\n".join(lines) + "\r\n")


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000)
