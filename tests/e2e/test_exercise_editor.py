"""The teacher's exercise editor as a teacher and a screen reader meet it: Exercices >
Nouvel exercice… through the menu, a title, a statement, five marks typed into the data
table and a question asking their mean, "Enregistrer"; the state read on the
accessibility bus names the file, written into the teacher's folder (under this desktop's
own XDG_DATA_HOME). The practice window, open since before, lists the new exercise at
once, and the mean typed as the answer is read "Juste"."""

import os
import sys

from harness import Accessible, Desktop, wait_until


def click_node(desktop, node):
    import pyatspi
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    desktop.xdotool("mousemove", x + w // 2, y + h // 2)
    desktop.xdotool("click", "1")


def menu_item(reader, name):
    return wait_until(lambda: reader.find(
        lambda n: n.name == name and "menu item" in n.getRoleName()), what=f"menu item {name!r}")


def tab(reader, name):
    return wait_until(lambda: reader.find(
        lambda n: n.name == name and n.getRoleName() == "page tab"), what=f"tab {name!r}")


def main(program):
    with Desktop(program) as desktop:
        desktop.start_program()
        desktop.window("Statistique")
        reader = Accessible()
        # The practice window open before the exercise exists: it lists it once saved.
        menu_item(reader, "S'entraîner…").queryAction().doAction(0)
        desktop.window("Exercices")
        menu_item(reader, "Nouvel exercice…").queryAction().doAction(0)
        desktop.window("Nouvel exercice")

        title = reader.named("Titre")
        title.queryEditableText().setTextContents("Notes de la semaine")
        statement = reader.named("Énoncé")
        statement.queryEditableText().setTextContents("Voici les notes de Léa cette semaine.")

        # The marks typed as in the table window: a cell, its value, Entrée, the next row.
        click_node(desktop, tab(reader, "Données"))
        table = wait_until(lambda: reader.find(
            lambda n: n.name == "Données de l'exercice" and n.getRoleName() == "table"),
            what="the data table")
        click_node(desktop, table.queryTable().getAccessibleAt(0, 0))
        for mark in ("12", "15", "9", "14", "10"):
            desktop.keys(*mark)
            desktop.keys("Return", "Down")

        click_node(desktop, tab(reader, "Questions"))
        reader.named("Ajouter").queryAction().doAction(0)
        # The button is pressed as a click is animated: the question comes a moment later.
        wait_until(lambda: reader.find(lambda n: n.name == "1) (sans texte) — Moyenne"
                                       and n.getRoleName() == "list item"),
                   what="the question added")
        text = reader.named("Texte de la question")
        text.queryEditableText().setTextContents("Quelle est la moyenne de ses notes ?")
        wait_until(lambda: reader.find(lambda n: n.name == "1) Quelle est la moyenne de ses notes ?"
                                       and n.getRoleName() == "list item"),
                   what="the question listed with its text")
        # A list box reads as the quantity it shows: the mean, first offered.
        wait_until(lambda: reader.find(lambda n: n.name == "Moyenne"
                                       and n.getRoleName() == "combo box"),
                   what="« Moyenne » chosen")

        desktop.screenshot("exercise_editor.png")
        reader.named("Enregistrer").queryAction().doAction(0)
        folder = os.path.join(desktop.tmp.name, "data", "Statistique", "exercices")
        path = os.path.join(folder, "notes-de-la-semaine.json")
        try:
            reader.named(f"Enregistré dans « {path} ».")
        except Exception:
            desktop.screenshot("exercise_editor_failed.png")
            raise
        assert os.path.exists(path), os.listdir(folder)

        menu_item(reader, "S'entraîner…").queryAction().doAction(0)
        desktop.window("Exercices")
        item = wait_until(lambda: reader.find(
            lambda n: n.name == "Notes de la semaine" and n.getRoleName() == "list item"),
            what="the new exercise listed")
        click_node(desktop, item)
        wait_until(lambda: reader.find(lambda n: n.name == "Notes de la semaine"
                                       and n.getRoleName() == "label"),
                   what="the new exercise shown")
        answer = reader.named("Réponse à la question 1")
        answer.queryEditableText().setTextContents("12")
        wait_until(lambda: answer.queryText().getText(0, -1) == "12", what="the answer typed")
        check = reader.find(lambda n: n.name == "Vérifier" and n.getRoleName() == "push button")
        check.queryAction().doAction(0)
        try:
            right = reader.named("Juste")
        except Exception:
            desktop.screenshot("exercise_editor_practice_failed.png")
            raise
        assert right.description == "Résultat de la question 1", right.description
        reader.named("1 réponse juste sur 1")
    print("exercise editor: ok")


if __name__ == "__main__":
    main(sys.argv[1])
