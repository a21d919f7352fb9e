"""Two variables from the command line, with no display: the statistics of a file of
pairs with its fits and estimates, the Gini index of a Lorenz curve from shares and
from a table of classes, charts written to files, and every refusal with status 2
and a French reason."""

import os
import sys
import tempfile

from harness import run_without_display


def run(program, *args):
    done = run_without_display(program, *args)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def write(folder, name, text):
    path = os.path.join(folder, name)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    return path


def main(program):
    with tempfile.TemporaryDirectory() as folder:
        pairs = write(folder, "paires.csv", "Année;Chiffre\n1;2\n2;3\n3;5\n4;6\n")
        code, out, err = run(program, f"--pairs={pairs}", "--stats")
        assert code == 0 and err == "", (code, err)
        assert out == ("Paramètre\tValeur\nEffectif\t4\nMoyenne des x\t2,5\nMoyenne des y\t4\n"
                       "Variance des x\t1,25\nVariance des y\t2,5\nCovariance\t1,75\n"
                       "Coefficient de corrélation\t0,99\nMoindres carrés : a\t1,4\n"
                       "Moindres carrés : b\t0,5\nMayer : G1\t(1,5 ; 2,5)\n"
                       "Mayer : G2\t(3,5 ; 5,5)\nMayer : a\t1,5\nMayer : b\t0,25\n"), out

        # y = 5 × 2ˣ exactly; 3 is beyond the data, 7 within.
        growth = write(folder, "croissance.csv", "0;5\n1;10\n2;20\n")
        code, out, err = run(program, f"--pairs={growth}", "--stats", "--fit=exponential",
                             "--predict-x=3", "--predict-y=7,5", "--decimals=2")
        assert code == 0, err
        assert out.endswith("Ajustement exponentiel : équation\ty = 5 × 2ˣ\n"
                            "Ajustement exponentiel : k\t5\nAjustement exponentiel : a\t2\n"
                            "Ajustement exponentiel : somme des carrés des résidus\t0\n"
                            "Estimation de y\t40\nEstimation de y : nature\textrapolation\n"
                            "Estimation de x\t0,58\nEstimation de x : nature\tinterpolation\n"), out

        shares = write(folder, "parts.csv", "Population;Revenus\n0,5;0,2\n1;1\n")
        assert run(program, f"--lorenz={shares}", "--stats") == (
            0, "Paramètre\tValeur\nIndice de Gini\t0,3\n", "")
        classes = write(folder, "classes.csv", "Classe;Effectif\n[0 ; 10[;1\n[10 ; 20[;1\n")
        assert run(program, f"--lorenz={classes}", "--stats")[1].endswith("Indice de Gini\t0,25\n")

        for chart, args, source in (("scatter", ["--fit=least-squares", "--fit=mayer"], pairs),
                                    ("residuals", ["--fit=mayer"], pairs),
                                    ("lorenz", [], shares)):
            for suffix in ("png", "svg"):
                output = os.path.join(folder, f"{chart}.{suffix}")
                option = "--lorenz" if chart == "lorenz" else "--pairs"
                code, out, err = run(program, f"{option}={source}", f"--chart={chart}", *args,
                                     f"--export={output}")
                assert code == 0 and err == "", (chart, code, err)
                assert os.path.getsize(output) > 1000, chart
        with open(os.path.join(folder, "scatter.svg"), encoding="utf-8") as f:
            svg = f.read()
        assert "G(2,5 ; 4)" in svg and "y = 1,4x + 0,5" in svg, svg[:2000]

        # Two numeric variables of a file of individuals: an individual missing either value
        # is left out, and the filter keeps whom it names.
        pupils = write(folder, "eleves.csv", "Sexe;Taille;Masse\nF;160;50\nM;170;62\nF;150;45\n"
                                             "M;;70\nF;170;58\n")
        for extra, n, mean_x, mean_y in (([], 4, "162,5", "53,75"),
                                         (['--filter=Sexe = "F"'], 3, "160", "51")):
            code, out, err = run(program, f"--pairs={pupils}", "--x=Taille", "--y=Masse", "--stats",
                                 *extra)
            assert code == 0 and err == "", (extra, code, err)
            assert out.startswith(f"Paramètre\tValeur\nEffectif\t{n}\nMoyenne des x\t{mean_x}\n"
                                  f"Moyenne des y\t{mean_y}\n"), (extra, out)

        code, out, _ = run(program, f"--pairs={pairs}", "--help")
        assert code == 0 and out.startswith("Usage : statistique") and "--pairs=PAIRES" in out

        one = write(folder, "une.csv", "x;y\n1;2\n")
        constant = write(folder, "constante.csv", "3;1\n3;2\n3;4\n")
        negative = write(folder, "negative.csv", "1;4\n2;-2\n3;1\n")
        bad = write(folder, "mauvaise.csv", "x;y\n1;2\n3;douze\n")
        refusals = [
            ([f"--pairs={one}", "--stats"], "statistique : « une.csv » : il faut au moins deux paires"),
            ([f"--pairs={constant}", "--stats"],
             "statistique : « constante.csv » : la variance des x est nulle (toutes les valeurs de x"
             " sont égales) : aucune droite de y en x ne s'ajuste"),
            ([f"--pairs={negative}", "--stats", "--fit=exponential"],
             "statistique : « negative.csv » : ln y demande des valeurs strictement positives :"
             " y = -2 à la paire 2"),
            ([f"--pairs={bad}", "--stats"],
             "Impossible d'ouvrir « mauvaise.csv » : ligne 3, colonne 2, « douze » n'est pas un"
             " nombre."),
            ([f"--pairs={pairs}", "--stats", "--fit=cubic"],
             "statistique : ajustement inconnu « cubic » (least-squares, mayer ou exponential)"),
            ([f"--pairs={pairs}", "--stats", "--predict-x=abc"],
             "statistique : --predict-x : « abc » n'est pas un nombre"),
            ([f"--pairs={pupils}", "--x=Sexe", "--y=Masse", "--stats"],
             "statistique : « eleves.csv » : la variable « Sexe » n'est pas numérique"),
            ([f"--pairs={pupils}", "--x=Poids", "--y=Masse", "--stats"],
             "statistique : « eleves.csv » : la variable « Poids » n'existe pas ; les variables"
             " sont : Sexe, Taille, Masse"),
            # Without --stats the window would open: the fault ends the program before it.
            ([f"--pairs={pupils}", "--x=Poids", "--y=Masse"],
             "statistique : « eleves.csv » : la variable « Poids » n'existe pas ; les variables"
             " sont : Sexe, Taille, Masse"),
            ([f"--pairs={pupils}", "--x=Taille", "--y=Masse", "--stats", "--filter=Sexe >"],
             "statistique : « eleves.csv » : le filtre ne se lit pas : colonne 7 : une valeur est"
             " attendue après « > »"),
            ([f"--pairs={pupils}", "--x=Taille", "--stats"],
             "statistique : --x et --y vont ensemble, chacun avec une variable numérique"),
            ([f"--pairs={pairs}", "--stats", "--filter=x > 1"],
             "statistique : --filter va avec --x et --y, sur un fichier d'individus"),
        ]
        for args, message in refusals:
            code, out, err = run(program, *args)
            assert code == 2 and out == "", (args, code, out)
            assert err.splitlines()[0] == message, (args, err)
    print("pairs on the command line: ok")


if __name__ == "__main__":
    main(sys.argv[1])
