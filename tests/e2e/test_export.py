"""Charts from the command line with no display at all: each type of file is written,
the same command writes the same file twice (the pie's colours included), and every
failure says why with exit status 2."""

import os
import sys
import tempfile

from harness import run_without_display
from PIL import Image

SERIES = "\ufeffSérie 1;Série 2\r\n5;3\r\n14;8\r\n31;20\r\n124;60\r\n106;90\r\n51;40\r\n22;10\r\n7;5\r\n"


def main(program):
    with tempfile.TemporaryDirectory(prefix="stat-export-") as folder:
        series = os.path.join(folder, "vitesses.csv")
        with open(series, "w", encoding="utf-8") as f:
            f.write(SERIES)

        def export(chart, name, *extra):
            path = os.path.join(folder, name)
            done = run_without_display(program, series, f"--chart={chart}", *extra, f"--export={path}")
            assert done.returncode == 0 and done.stderr == b"", done
            with open(path, "rb") as f:
                return f.read()

        png = export("pie", "camembert.png", "--second")
        with Image.open(os.path.join(folder, "camembert.png")) as image:
            assert image.size == (1098, 634), image.size  # twice the inner chart area
            assert image.getpixel((10, 10))[:3] == (192, 255, 192)
        assert export("pie", "camembert.png", "--second") == png, "a second run differs"

        svg = export("sticks", "batons.svg")
        assert svg.count(b'<line x1="') == 8 and b">124</text>" in svg, svg[:400]
        assert export("sticks", "batons.svg") == svg
        pdf = export("both", "les-deux.pdf", "--second")
        assert pdf.startswith(b"%PDF-") and pdf.count(b"/Type /Page\n") == 1

        def refused(*args, says):
            done = run_without_display(program, *args)
            assert done.returncode == 2, done
            assert says in done.stderr.decode("utf-8"), done.stderr.decode("utf-8")

        refused(series, "--chart=bars", "--export=x.png", says="graphique inconnu « bars »")
        refused(series, "--chart=pie", "--export=" + os.path.join(folder, "x.gif"),
                says="n'est ni .png, ni .svg, ni .pdf")
        refused(os.path.join(folder, "absent.csv"), "--chart=pie",
                "--export=" + os.path.join(folder, "x.png"), says="ce fichier n'existe pas")
        refused(series, "--chart=pie", "--export=" + os.path.join(folder, "absent", "x.png"),
                says="le dossier n'existe pas")

        # A table's charts: the exercise's classes as a histogram of eight rectangles.
        table = os.path.join(folder, "classes.csv")
        with open(table, "w", encoding="utf-8") as f:
            f.write("Borne inférieure;Borne supérieure;Effectif\r\n")
            for a, n in zip(range(90, 170, 10), (5, 14, 31, 124, 106, 51, 22, 7)):
                f.write(f"{a};{a + 10};{n}\r\n")
        histogram = os.path.join(folder, "histogramme.svg")
        done = run_without_display(program, f"--table={table}", "--chart=histogram",
                                   f"--export={histogram}")
        assert done.returncode == 0 and done.stderr == b"", done
        with open(histogram, "rb") as f:
            svg = f.read()
        assert b">Histogramme</text>" in svg and b">Effectif</text>" in svg, svg[:400]
        assert svg.count(b'<line x1="') >= 8 * 4 and len(svg) < 1_000_000
        values = os.path.join(folder, "pointures.csv")
        with open(values, "w", encoding="utf-8") as f:
            f.write("Valeur;Effectif\r\n36;5\r\n38;2\r\n")
        refused(f"--table={values}", "--chart=histogram", "--export=" + os.path.join(folder, "h.png"),
                says="Un histogramme se dessine pour un tableau de classes")
    print("export: ok")


if __name__ == "__main__":
    main(sys.argv[1])
