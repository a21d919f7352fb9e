"""A file of individuals from the command line, with no display: its variables, a
qualitative variable's modalities, a numeric one's parameters under a filter, classes,
a cross table in counts and in column percentages, a chart written to a file, and the
refusals (unknown variable, filter fault, unreadable file) with status 2."""

import os
import sys
import tempfile

from harness import run_without_display

SURVEY = ("Sexe;Taille (cm);Transport\r\n"
          "F;150;Bus\r\nM;172;Vélo\r\nF;165;Bus\r\nF;;Pied\r\n"
          "M;180;Bus\r\n;160;Vélo\r\nF;161,5;\r\nM;160;Pied\r\n")


def run(program, *args):
    done = run_without_display(program, *args)
    return done.returncode, done.stdout.decode("utf-8"), done.stderr.decode("utf-8")


def rows(*lines):
    return "".join("\t".join(line) + "\n" for line in lines)


def expect(program, args, output):
    code, out, err = run(program, *args)
    assert (code, out, err) == (0, output, ""), (args, code, out, err)


def refused(program, args, message):
    code, out, err = run(program, *args)
    assert (code, out) == (2, ""), (args, code, out)
    assert err.startswith(message), (args, err)


def main(program):
    folder = tempfile.mkdtemp()
    survey = os.path.join(folder, "enquête.csv")
    with open(survey, "w", encoding="utf-8", newline="") as f:
        f.write(SURVEY)
    given = f"--individuals={survey}"

    expect(program, [given, "--variables"],
           rows(["Variable", "Nature", "Effectif", "Non renseignés"],
                ["Sexe", "qualitative", "7", "1"], ["Taille (cm)", "numérique", "7", "1"],
                ["Transport", "qualitative", "7", "1"]))
    expect(program, [given, "--stats", "--variable=Transport"],
           rows(["Modalité", "Effectif", "Fréquence (%)"], ["Bus", "3", "42,857"],
                ["Vélo", "2", "28,571"], ["Pied", "2", "28,571"], ["Total", "7", "100,000"]))
    expect(program, [given, "--stats", "--variable=Transport", "--order=alphabetical"],
           rows(["Modalité", "Effectif", "Fréquence (%)"], ["Bus", "3", "42,857"],
                ["Pied", "2", "28,571"], ["Vélo", "2", "28,571"], ["Total", "7", "100,000"]))
    # The girls' heights 150, 165 and 161,5 (one missing), by the classroom's definitions.
    expect(program, [given, "--stats", "--variable=Taille (cm)", '--filter=Sexe = "F"'],
           rows(["Paramètre", "Valeur"], ["Effectif total", "3"], ["Minimum", "150,000"],
                ["Maximum", "165,000"], ["Étendue", "15,000"], ["Moyenne", "158,833"],
                ["Médiane", "161,500"], ["Premier quartile", "150,000"],
                ["Troisième quartile", "165,000"], ["Écart interquartile", "15,000"],
                ["Mode", "aucun"], ["Variance", "41,056"], ["Écart-type", "6,407"]))
    expect(program, [given, "--variable=Taille (cm)", "--classes=10"],
           rows(["Classe", "Effectif", "Fréquence (%)"], ["[150 ; 160[", "1", "14,286"],
                ["[160 ; 170[", "4", "57,143"], ["[170 ; 180[", "1", "14,286"],
                ["[180 ; 190[", "1", "14,286"], ["Total", "7", "100,000"]))
    # From a first bound of one's own, for the individuals a NON keeps.
    expect(program, [given, "--variable=Taille (cm)", "--classes=10", "--start=145",
                     "--filter=NON [Taille (cm)] < 161"],
           rows(["Classe", "Effectif", "Fréquence (%)"], ["[145 ; 155[", "0", "0,000"],
                ["[155 ; 165[", "1", "25,000"], ["[165 ; 175[", "2", "50,000"],
                ["[175 ; 185[", "1", "25,000"], ["Total", "4", "100,000"]))
    expect(program, [given, "--crosstab=Sexe,Transport"],
           rows(["Sexe \\ Transport", "Bus", "Vélo", "Pied", "Total"], ["F", "2", "0", "1", "3"],
                ["M", "1", "1", "1", "3"], ["Total", "3", "1", "2", "6"]))
    expect(program, [given, "--crosstab=Sexe,Transport", "--percentages=column"],
           rows(["Sexe \\ Transport", "Bus", "Vélo", "Pied", "Total"],
                ["F", "66,667", "0,000", "50,000", "50,000"],
                ["M", "33,333", "100,000", "50,000", "50,000"],
                ["Total", "100,000", "100,000", "100,000", "100,000"]))

    # Codes read as numbers, counted as words when asked.
    codes = os.path.join(folder, "codes.csv")
    with open(codes, "w", encoding="utf-8") as f:
        f.write("Sexe;Code\nF;75\nM;13\nF;75\nM;75\n")
    expect(program, [f"--individuals={codes}", "--crosstab=Sexe,Code", "--qualitative=Code"],
           rows(["Sexe \\ Code", "13", "75", "Total"], ["F", "0", "2", "2"], ["M", "1", "1", "2"],
                ["Total", "1", "3", "4"]))
    expect(program, [f"--individuals={codes}", "--stats", "--variable=Code", "--qualitative=Code"],
           rows(["Modalité", "Effectif", "Fréquence (%)"], ["75", "3", "75,000"],
                ["13", "1", "25,000"], ["Total", "4", "100,000"]))
    refused(program, [f"--individuals={codes}", "--variable=Code", "--qualitative=Code",
                      "--chart=histogram", f"--export={os.path.join(folder, 'h.svg')}"],
            "statistique : « Code » est prise comme qualitative : elle n'a pas d'histogramme\n")

    chart = os.path.join(folder, "transport.svg")
    code, out, err = run(program, given, "--variable=Transport", "--chart=bars", f"--export={chart}")
    assert (code, out, err) == (0, "", ""), (code, out, err)
    with open(chart, encoding="utf-8") as f:
        svg = f.read()
    assert svg.startswith("<?xml") and "Diagramme en barres de Transport" in svg, svg[:300]

    refused(program, [given, "--stats", "--variable=Poids"],
            "statistique : la variable « Poids » n'existe pas ; les variables sont : Sexe, "
            "Taille (cm), Transport\n")
    refused(program, [given, "--stats", "--variable=Sexe", "--filter=[Taille (cm)] > ET Sexe = \"F\""],
            "statistique : le filtre ne se lit pas : colonne 17 : une valeur est attendue après « > »\n")
    refused(program, [given, "--stats", "--variable=Sexe", "--order=taille"],
            "statistique : --order attend appearance (apparition), alphabetical (alphabétique) "
            "ou count (effectifs), pas « taille »\n")
    broken = os.path.join(folder, "cassé.csv")
    with open(broken, "w", encoding="utf-8") as f:
        f.write("Sexe;Taille\nF;150\nM;172;Vélo\n")
    refused(program, [f"--individuals={broken}", "--variables"],
            "Impossible d'ouvrir « cassé.csv » : ligne 3, colonne ")
    # The data shipped beside the program, against the figures R gives for the same sets.
    shipped = os.path.join(os.path.dirname(program), "..", "share", "statistique", "donnees")
    code, out, _ = run(program, f"--individuals={os.path.join(shipped, 'iris.csv')}", "--stats",
                       "--variable=Longueur du sépale (cm)", '--filter=Espèce = "setosa"')
    assert code == 0 and "Effectif total\t50\n" in out and "Moyenne\t5,006\n" in out, out
    code, out, _ = run(program, f"--individuals={os.path.join(shipped, 'qualite_air_new_york.csv')}",
                       "--stats", "--variable=Ozone (ppb)")
    assert code == 0 and "Effectif total\t116\n" in out and "Moyenne\t42,129\n" in out, out
    code, out, _ = run(program, f"--individuals={os.path.join(shipped, 'enquete_classe.csv')}",
                       "--variables")
    assert code == 0 and out.count("\n") == 7, out
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
