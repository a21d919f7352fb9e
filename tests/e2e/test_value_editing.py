"""Typing on a real keypad under X11, US then French layout, and adding with ">", as a
user would; the lists are read from outside through the accessibility bus."""

import sys

from harness import Accessible, Desktop, wait_until

TEXT1 = (360, 6240, 735, 375)
AJOUT = (1200, 6240, 495, 375)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def main(program):
    with Desktop(program) as desktop:
        desktop.start_program()
        window = desktop.window("Statistique")
        reader = Accessible()
        text1 = reader.named("Nouvelle valeur")
        desktop.num_lock_on()

        def retype(*keys):
            desktop.click_twips(window, *TEXT1)
            desktop.keys("End", *["BackSpace"] * 6)
            desktop.keys(*keys)

        def lists_after_adding(expected_items):
            desktop.click_twips(window, *AJOUT)
            return wait_until(lambda: reader.item_names("Série de valeurs") == expected_items,
                              what=f"List1 to read {expected_items}")

        # US layout: 1 and 2 on the keypad.
        retype("KP_1", "KP_2")
        wait_until(lambda: text_of(text1) == "12", what="Text1 to read 12")
        lists_after_adding(["0", "12"])
        assert reader.item_names("Résumé de la série") == [
            "Valeur max= 12", "Valeur min= 0", "Moyenne: 6,000", "Effectif total=2"]

        # 3, the keypad's decimal key, 5: a decimal comma, whatever the key printed.
        retype("KP_3", "KP_Decimal", "KP_5")
        wait_until(lambda: text_of(text1) == "3,5", what="Text1 to read 3,5")
        lists_after_adding(["0", "12", "3,5"])

        # French layout: the digit row types "&é" and is erased; the keypad still types.
        desktop.set_layout("fr")
        retype("ampersand", "eacute", "KP_4", "a", "KP_2")
        wait_until(lambda: text_of(text1) == "42", what="Text1 to read 42")
        lists_after_adding(["0", "12", "3,5", "42"])
        wait_until(lambda: reader.item_names("Résumé de la série")[0] == "Valeur max= 42",
                   what="the summary to follow")

        # The separate "<" key is not the comma key: what it types is erased.
        retype("KP_4", "less", "KP_5")
        wait_until(lambda: text_of(text1) == "45", what="Text1 to read 45")
        # Shift+comma types "?" with the comma key, which the filter keeps, and Shift typed
        # nothing; ">" refuses the text and selects it, so the next key replaces it.
        retype("KP_4")
        desktop.keys("comma", held="Shift_L")
        wait_until(lambda: text_of(text1) == "4?", what="Text1 to read 4?")
        desktop.click_twips(window, *AJOUT)
        desktop.keys("KP_7")
        wait_until(lambda: text_of(text1) == "7", what="Text1 to read 7")
        assert reader.item_names("Série de valeurs") == ["0", "12", "3,5", "42"]
    print("value editing: ok")


if __name__ == "__main__":
    main(sys.argv[1])
