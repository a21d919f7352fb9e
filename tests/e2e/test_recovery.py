"""Nothing the learner made is lost: values typed, the program killed with SIGKILL and
started again, "Récupérer" answered, and both lists read back through the
accessibility bus; after "Ne pas récupérer" the next start asks nothing; two programs
at once each keep their own state; a clean end leaves nothing behind."""

import glob
import json
import os
import signal
import sys

from harness import Accessible, Desktop, wait_until

TEXT1 = (360, 6240, 735, 375)
AJOUT = (1200, 6240, 495, 375)
LISTE2 = (6600, 6120, 975, 2055)
QUESTION = "Le programme s'est arrêté sans enregistrer votre travail. Récupérer la série ?"


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def states(desktop):
    folder = os.path.join(desktop.tmp.name, "data", "Statistique", "recuperation")
    found = {}
    for path in glob.glob(os.path.join(folder, "etat-*.json")):
        with open(path, encoding="utf-8") as f:
            try:
                found[path] = json.load(f)
            except ValueError:
                pass  # being replaced: read again on the next look
    return found


def kept(desktop, items):
    """The state on disk once it holds these List1 items."""
    return wait_until(lambda: [s for s in states(desktop).values() if s["serie1"] == items],
                      what=f"a state holding {items}")


def kill(desktop):
    os.kill(desktop.program.pid, signal.SIGKILL)
    desktop.program.wait(timeout=10)


def asked(reader):
    return wait_until(lambda: reader.find(lambda n: bool(n.name) and QUESTION in n.name),
                      what="the question about the work left")


def locks(desktop):
    return glob.glob(os.path.join(desktop.tmp.name, "data", "Statistique", "recuperation",
                                  "*.lock"))


def press(reader, name):
    button = reader.named(name)
    button.queryAction().doAction(0)


def main(program):
    with Desktop(program) as desktop:
        desktop.start_program()
        window = desktop.window("Statistique")
        reader = Accessible()
        desktop.num_lock_on()
        desktop.click_twips(window, *TEXT1)
        desktop.keys("End", *["BackSpace"] * 3, "KP_1", "KP_2")
        desktop.click_twips(window, *AJOUT)
        desktop.click_twips(window, *TEXT1)
        desktop.keys("End", *["BackSpace"] * 3, "KP_7", "KP_Decimal", "KP_5")
        desktop.click_twips(window, *AJOUT)
        desktop.click_twips(window, *LISTE2)
        desktop.keys("End", "Return", "KP_4", "Return", "KP_9")
        wait_until(lambda: reader.item_names("Série de valeurs") == ["0", "12", "7,5"],
                   what="List1 to hold the values typed")
        second = reader.named("Deuxième liste, une valeur par ligne")
        typed = text_of(second)
        assert typed.splitlines() == ["0", "4", "9"], typed
        wait_until(lambda: [s for s in kept(desktop, ["0", "12", "7,5"])
                            if s["liste2"].splitlines() == ["0", "4", "9"]],
                   what="the second list kept")
        kill(desktop)

        # Started again: the question, then both lists as they were.
        desktop.start_program()
        reader = Accessible()
        asked(reader)
        press(reader, "Récupérer")
        wait_until(lambda: reader.item_names("Série de valeurs") == ["0", "12", "7,5"],
                   what="List1 given back")
        second = reader.named("Deuxième liste, une valeur par ligne")
        assert text_of(second).splitlines() == ["0", "4", "9"], text_of(second)
        assert reader.item_names("Résumé de la série")[0] == "Valeur max= 12"
        # Given back, it is this program's own work now: killed again, it is asked again.
        kept(desktop, ["0", "12", "7,5"])
        kill(desktop)

        desktop.start_program()
        reader = Accessible()
        asked(reader)
        press(reader, "Ne pas récupérer")
        wait_until(lambda: not states(desktop), what="the refused state removed")
        kill(desktop)  # nothing changed since: nothing to give back

        # Two programs at once: neither is asked about the other's work, each keeps its own.
        desktop.start_program()
        window = desktop.window("Statistique")
        reader = Accessible()
        first = desktop.program
        desktop.click_twips(window, *TEXT1)
        desktop.keys("End", *["BackSpace"] * 3, "KP_3")
        desktop.click_twips(window, *AJOUT)
        kept(desktop, ["0", "3"])
        mine = list(states(desktop))
        assert len(mine) == 1, mine
        desktop.start_program()
        second_program = desktop.program
        # The second takes a lock of its own and leaves the first's state where it is.
        wait_until(lambda: len(locks(desktop)) == 2, what="the second program's lock")
        assert list(states(desktop)) == mine
        os.kill(second_program.pid, signal.SIGKILL)
        second_program.wait(timeout=10)
        desktop.program = first
        # A clean end of the first removes its state and its lock.
        assert desktop.close_program_window(window) == 0
        assert not states(desktop)
        assert mine[0][:-len(".json")] + ".lock" not in locks(desktop)
    print("recovery: ok")


if __name__ == "__main__":
    main(sys.argv[1])
