"""Verdicts a screen reader reads: Exercices > S'entraîner…, one answer right and one
wrong, "Vérifier", and through the accessibility bus the result labels read "Juste" and
"Faux" (their role kept as their description) and the score label reads the score."""

import sys

from harness import Accessible, Desktop, wait_until


def main(program):
    with Desktop(program) as desktop:
        desktop.start_program()
        desktop.window("Statistique")
        reader = Accessible()
        practice = reader.find(lambda n: n.name == "S'entraîner…" and "menu item" in n.getRoleName())
        assert practice is not None, "no Exercices > S'entraîner… on the bus"
        practice.queryAction().doAction(0)
        desktop.window("Exercices")

        # The speed check, with the statement's own data: the list opens on the first
        # level's first exercise, so the learner picks "2nde" in the level filter, whose
        # first exercise it is, with the mouse and the keyboard.
        import pyatspi
        level = wait_until(lambda: reader.find(
            lambda n: n.name == "Tous les niveaux" and n.getRoleName() == "combo box"),
            what="the level filter, showing every level")
        x, y, w, h = level.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        desktop.xdotool("mousemove", x + w // 2, y + h // 2)
        desktop.xdotool("click", "1")
        desktop.keys("2")
        desktop.keys("Return")
        wait_until(lambda: reader.find(lambda n: n.name == "Contrôles de vitesse"
                                       and n.getRoleName() == "label"),
                   what="the speed check's title shown")
        for question, answer in ((1, "131,3"), (4, "80")):
            field = reader.named(f"Réponse à la question {question}")
            field.queryEditableText().setTextContents(answer)
            wait_until(lambda: field.queryText().getText(0, -1) == answer,
                       what=f"answer {question} typed")
        check = reader.find(lambda n: n.name == "Vérifier" and n.getRoleName() == "push button")
        assert check is not None, "no « Vérifier » button on the bus"
        check.queryAction().doAction(0)

        right = reader.named("Juste")
        wrong = reader.named("Faux")
        assert right.description == "Résultat de la question 1", right.description
        assert wrong.description == "Résultat de la question 4", wrong.description
        reader.named("1 réponse juste sur 4")
        unanswered = reader.named("Résultat de la question 2")
        assert unanswered.description == "Résultat de la question 2"
    print("practice verdicts: ok")


if __name__ == "__main__":
    main(sys.argv[1])
