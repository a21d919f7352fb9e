"""The parameters on the command line, with no display at all: a French CSV file gives
the worked example's figures on standard output, and a bad file says why."""

import os
import sys
import tempfile

from harness import run_without_display

EXPECTED = """Paramètre\tSérie 1\tSérie 2
Effectif total\t4\t3
Minimum\t5,000\t1,000
Maximum\t9,000\t3,000
Étendue\t4,000\t2,000
Moyenne\t6,500\t2,000
Médiane\t6,000\t2,000
Premier quartile\t5,000\t1,000
Troisième quartile\t7,000\t3,000
Écart interquartile\t2,000\t2,000
Mode\t5\taucun
Variance\t2,750\t0,667
Écart-type\t1,658\t0,816
"""


def main(program):
    with tempfile.TemporaryDirectory(prefix="stat-stats-") as folder:
        good = os.path.join(folder, "vitesses.csv")
        with open(good, "wb") as f:
            f.write("\ufeffSérie 1;Série 2\r\n5;1\r\n7;2\r\n5;3\r\n9;\r\n".encode("utf-8"))
        done = run_without_display(program, "--stats", good)
        assert done.returncode == 0, done
        assert done.stdout.decode("utf-8") == EXPECTED, done.stdout.decode("utf-8")

        bad = os.path.join(folder, "faux.csv")
        with open(bad, "w", encoding="utf-8") as f:
            f.write("1\ndeux\n")
        done = run_without_display(program, "--stats", bad)
        assert done.returncode == 2 and done.stdout == b"", done
        assert done.stderr.decode("utf-8") == (
            "Impossible d'ouvrir « faux.csv » : ligne 2, colonne 1, « deux » n'est pas un nombre.\n"
        ), done.stderr
        # A table of counts: the exercise's classes as a spreadsheet writes them.
        table = os.path.join(folder, "classes.csv")
        with open(table, "wb") as f:
            rows = "".join(f"]{a} ; {a + 10}];{n}\r\n" for a, n in zip(range(90, 170, 10),
                                                                       (5, 14, 31, 124, 106, 51, 22, 7)))
            f.write(("\ufeffClasse;Effectif\r\n" + rows).encode("utf-8"))
        done = run_without_display(program, "--stats", f"--table={table}", "--threshold=130")
        assert done.returncode == 0, done
        rows = dict(line.split("\t") for line in done.stdout.decode("utf-8").splitlines())
        assert rows["Paramètre"] == "Valeur", rows
        assert rows["Effectif total"] == "360", rows
        assert rows["Moyenne (par les centres)"] == "131,333", rows
        assert rows["Classe modale"] == "]120 ; 130]", rows
        assert rows["Médiane (estimation)"] == "130,566", rows
        assert rows["Classe de la médiane"] == "]130 ; 140]", rows
        assert rows["Premier quartile (estimation)"] == "123,226", rows
        assert rows["Troisième quartile (estimation)"] == "139,057", rows
        assert rows["Effectif au-dessus de 130"] == "186", rows
        assert rows["Pourcentage au-dessus de 130"] == "51,667 %", rows

        with open(table, "a", encoding="utf-8") as f:
            f.write("]170 ; 160];3\r\n")
        done = run_without_display(program, "--stats", f"--table={table}")
        assert done.returncode == 2 and done.stdout == b"", done
        assert done.stderr.decode("utf-8") == (
            "Impossible d'ouvrir « classes.csv » : ligne 10, colonne 1, "
            "la borne supérieure doit dépasser la borne inférieure.\n"
        ), done.stderr
    print("stats: ok")


if __name__ == "__main__":
    main(sys.argv[1])
