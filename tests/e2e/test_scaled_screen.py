"""On a screen scaled by 2: every part of the window stands where the 1x layout puts it,
times two, and a chart is drawn at the screen's resolution (4-pixel sticks, round
dots), not blown up from a 1x image. Parts are found in screenshots by their colours."""

import sys

from harness import Desktop, wait_until

# Colours that belong to one kind of control each at start-up.
PARTS = {
    "chart area": (192, 255, 192),
    "list boxes": (179, 220, 253),
    "panels": (192, 192, 255),
    "second list": (255, 192, 192),
    "EXERCICE": (255, 255, 128),
}
BLUE = (0, 0, 255)


def bounding_boxes(image, left, top, width, height):
    boxes = {name: None for name in PARTS}
    wanted = {colour: name for name, colour in PARTS.items()}
    pixels = image.load()
    for y in range(top, top + height):
        for x in range(left, left + width):
            name = wanted.get(pixels[x, y])
            if name:
                box = boxes[name]
                rx, ry = x - left, y - top
                boxes[name] = (rx, ry, rx, ry) if box is None else (
                    min(box[0], rx), min(box[1], ry), max(box[2], rx), max(box[3], ry))
    return boxes


def layout(program, scale, check=None):
    with Desktop(program, size="1600x1300", env={"QT_SCALE_FACTOR": scale}, accessibility=False) as desktop:
        desktop.start_program()
        window = desktop.window("Statistique")

        # The menu bar takes the desktop's font once the first frame is shown, and the
        # window grows with it: measured again until two looks agree.
        def measure():
            left, top = desktop.client_origin(window)
            _, _, width, height = desktop.window_geometry(window)
            height -= desktop.client_top(window)
            boxes = bounding_boxes(desktop.screenshot(f"layout-{scale}.png"), left, top, width, height)
            return (left, top, width, height, boxes) if all(boxes.values()) else None

        looks = []
        wait_until(lambda: (looks.append(measure()) or
                            (len(looks) > 1 and looks[-1] is not None and looks[-1] == looks[-2])),
                   what="the window painted and settled")
        left, top, width, height, boxes = looks[-1]
        if check:
            check(desktop, window, left, top)
        return (width, height), boxes


def chart_is_sharp(desktop, window, left, top):
    # Clicks land in screen pixels: twice the layout's. "Aleatoire", then "Les deux".
    desktop.click_twips(window, 360, 5400, 1335, 495)
    desktop.click_twips(window, 8640, 3720, 1695, 495)
    inner = (240 / 15 + 2) * 2

    def drawn():
        image = desktop.screenshot("scaled-chart.png")
        # The first stick (x = 100 twips) is 4 screen pixels of pure blue, just above the baseline.
        y = round(top + inner + 4500 / 15 * 2)
        row = [image.getpixel((x, y)) for x in range(round(left + inner), round(left + inner + 30))]
        if sum(1 for p in row if p == BLUE) != 4:
            return False
        # The first point's dot (7 pixels across, 14 here; the series starts with 70 and its
        # largest value is 77) has a smooth rim: a dot blown up from a 1x image would be
        # made of uniform 2x2 blocks.
        cx = round(left + inner + 100 / 15 * 2)
        cy = round(top + inner + (4615 - 70 * (4515 // 77)) / 15 * 2)
        blocks = [(x, y) for y in range(cy - 8, cy + 8, 2) for x in range(cx - 8, cx + 8, 2)]
        return any(len({image.getpixel((x + dx, y + dy)) for dx in (0, 1) for dy in (0, 1)}) > 1
                   for x, y in blocks)

    wait_until(drawn, what="a sharp chart at 2x")


def main(program):
    size1, boxes1 = layout(program, "1")
    size2, boxes2 = layout(program, "2", check=chart_is_sharp)
    assert size2 == (size1[0] * 2, size1[1] * 2), (size1, size2)
    for name, box in boxes1.items():
        doubled = tuple(v * 2 for v in box)
        assert all(abs(a - b) <= 3 for a, b in zip(doubled, boxes2[name])), (name, box, boxes2[name])
    print("scaled screen: ok")


if __name__ == "__main__":
    main(sys.argv[1])
