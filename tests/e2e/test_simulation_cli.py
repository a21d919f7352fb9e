"""statistique --simulate without any display: the exact rows for fixed series numbers,
each share checked against the exact binomial probability of its interval (so the
figures pasted here are plausible, not merely repeated), the same bytes run after
run, the means of a table of counts, the charts written, and the French faults."""

import math
import os
import sys
import tempfile

from harness import run_without_display


def run(program, *args):
    done = run_without_display(program, "--simulate", *args)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def number(text):
    return float(text.replace(",", "."))


def exact_share(n, p, half):
    """P(|K/n - p| <= half) for K of law B(n, p), summed from the exact masses."""
    total = 0.0
    for k in range(n + 1):
        if abs(k / n - p) <= half + 1e-12:
            total += math.comb(n, k) * p ** k * (1 - p) ** (n - k)
    return total


COIN = """Paramètre\tValeur
Nombre d'échantillons\t10000
Taille des échantillons\t100
Moyenne des fréquences\t0,499451
Écart-type des fréquences\t0,0501972967300017
Part dans [p − s ; p + s]\t0,73
Part dans [p − 2s ; p + 2s]\t0,9604
Part dans [p − 3s ; p + 3s]\t0,9981
Part dans [p − 1/√n ; p + 1/√n]\t0,9604
"""

TABLE_MEANS = """Paramètre\tValeur
Moyenne de la population\t2,16666666666667
Écart-type de la population\t1,34370962471642
Moyenne des moyennes\t2,16973200000002
Écart-type des moyennes\t0,268697912489094
Part dans [μ − 2σ/√n ; μ + 2σ/√n]\t0,9569
"""


def check_plausible(out, n, p, samples):
    rows = dict(line.split("\t") for line in out.splitlines()[1:])
    s = number(rows["Écart-type des fréquences"])
    assert abs(s - math.sqrt(p * (1 - p) / n)) < 0.03 * math.sqrt(p * (1 - p) / n), s
    assert abs(number(rows["Moyenne des fréquences"]) - p) < 4 * math.sqrt(p * (1 - p) / n / samples)
    for name, half in (("[p − s ; p + s]", s), ("[p − 2s ; p + 2s]", 2 * s),
                       ("[p − 3s ; p + 3s]", 3 * s), ("[p − 1/√n ; p + 1/√n]", 1 / math.sqrt(n))):
        exact = exact_share(n, p, half)
        seen = number(rows["Part dans " + name])
        assert abs(seen - exact) <= 4 * math.sqrt(exact * (1 - exact) / samples), (name, seen, exact)


def main(program):
    runs = [run(program, "--p=0,5", "--n=100", "--samples=10000", "--serie=4711") for _ in range(2)]
    assert runs[0] == runs[1] == (0, COIN, ""), runs[0]
    check_plausible(COIN, 100, 0.5, 10000)
    code, out, err = run(program, "--help")
    assert code == 0 and out.startswith("Usage : statistique [FICHIER]") and "--simulate --p=P" in out
    code, die, err = run(program, "--p=1/6", "--n=25", "--samples=20000", "--serie=12")
    assert code == 0 and err == "", err
    check_plausible(die, 25, 1 / 6, 20000)
    code, other, _ = run(program, "--p=0.5", "--n=100", "--samples=10000", "--serie=4712")
    assert code == 0 and other != COIN

    # p = 0 and N = 1: every frequency is 0, and 0 is within every interval.
    code, out, _ = run(program, "--p=0", "--n=1", "--samples=1")
    assert code == 0 and out.splitlines()[3:] == [
        "Moyenne des fréquences\t0", "Écart-type des fréquences\t0", "Part dans [p − s ; p + s]\t1",
        "Part dans [p − 2s ; p + 2s]\t1", "Part dans [p − 3s ; p + 3s]\t1",
        "Part dans [p − 1/√n ; p + 1/√n]\t1"], out

    with tempfile.TemporaryDirectory() as folder:
        table = os.path.join(folder, "tableau.csv")
        with open(table, "w", encoding="utf-8") as f:
            f.write("Valeur;Effectif\n1;2\n2;3\n5;1\n")
        assert run(program, f"--population={table}", "--n=25", "--samples=10000", "--serie=4711") == (
            0, TABLE_MEANS, "")
        # μ = 13/6 and σ² = 65/36 worked by hand; the means' spread near σ/√25.
        rows = dict(line.split("\t") for line in TABLE_MEANS.splitlines()[1:])
        assert abs(number(rows["Moyenne de la population"]) - 13 / 6) < 1e-12
        assert abs(number(rows["Écart-type de la population"]) - math.sqrt(65 / 36)) < 1e-12
        assert abs(number(rows["Écart-type des moyennes"]) / (math.sqrt(65 / 36) / 5) - 1) < 0.03

        for chart in ("frequencies", "fluctuation", "large-numbers"):
            for suffix in ("png", "svg"):
                output = os.path.join(folder, f"{chart}.{suffix}")
                code, out, err = run(program, "--p=0,3", "--n=400", "--samples=2000",
                                     f"--chart={chart}", f"--export={output}")
                assert code == 0 and out == "" and err == "", (chart, code, err)
                assert os.path.getsize(output) > 1000, output
        svg = open(os.path.join(folder, "frequencies.svg"), encoding="utf-8").read()
        assert "Histogramme des fréquences" in svg

        missing = os.path.join(folder, "absent.csv")
        faults = [
            (("--p=1,2", "--n=10", "--samples=10"), "la proportion p doit être comprise entre 0 et 1"),
            (("--p=-0.1", "--n=10", "--samples=10"), "la proportion p doit être comprise entre 0 et 1"),
            (("--p=0.5", "--n=0", "--samples=10"),
             "la taille des échantillons n doit être un entier de 1 à 100 000"),
            (("--p=0.5", "--n=100001", "--samples=10"),
             "la taille des échantillons n doit être un entier de 1 à 100 000"),
            (("--p=0.5", "--n=10", "--samples=0"),
             "le nombre d'échantillons N doit être un entier de 1 à 1 000 000"),
            (("--p=0.5", "--n=10", "--samples=1000001"),
             "le nombre d'échantillons N doit être un entier de 1 à 1 000 000"),
            (("--n=10", "--samples=10"), "--simulate demande --p ou --population, l'un des deux"),
            (("--p=0.5", "--n=10", "--samples=10", "--chart=pie", "--export=x.png"),
             "graphique de simulation inconnu « pie » (frequencies, fluctuation ou large-numbers)"),
            ((f"--population={missing}", "--n=10", "--samples=10"),
             "impossible d'ouvrir « absent.csv » : ce fichier n'existe pas"),
        ]
        for args, why in faults:
            assert run(program, *args) == (2, "", f"statistique : {why}\n"), (args, run(program, *args))
    print("simulation command line: ok")


if __name__ == "__main__":
    main(sys.argv[1])
