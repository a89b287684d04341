#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
"""Writes the rendered photos the tests read: a plate of every shape and colour on a street-grey
background, turned a little, and one photo with two plates. Their names are their plates.

    tools/train/examples.py OUTDIR
    tools/train/examples.py OUTDIR --many N [--seed S]

With --many, N photos of plates of every kind, drawn from a seed the training never uses, each
with the light, blur and grain of a photo: the rendered set the benchmark measures on.
"""

import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import plates  # noqa: E402

EXAMPLES = [
    ("皖A12345", "blue", ()),
    ("鲁B8K2S7", "yellow", ()),
    ("冀B1234学", "yellow", ()),
    ("粤BD12345", "green", ()),
    ("京A12345F", "yellowgreen", ()),
    ("京A1234警", "white", (6,)),
    ("粤Z1234港", "black", ()),
    ("WJ琼12345", "white", (0, 1)),
]


def scene(plate_images, rng):
    """A 720 × 480 photo: a car's grey front with the plates on it, each turned a little."""
    photo = Image.new("RGB", (720, 480), (92, 96, 100))
    draw = ImageDraw.Draw(photo)
    for _ in range(40):
        x, y = rng.randrange(720), rng.randrange(480)
        shade = rng.randrange(60, 140)
        draw.rectangle([x, y, x + rng.randrange(20, 120), y + rng.randrange(5, 40)],
                       fill=(shade, shade, shade + 5))
    photo = photo.filter(ImageFilter.GaussianBlur(2))
    for i, image in enumerate(plate_images):
        width = 220
        image = image.resize((width, int(width * image.size[1] / image.size[0])), Image.LANCZOS)
        turned = image.convert("RGBA").rotate(rng.uniform(-8, 8), expand=True,
                                               resample=Image.BICUBIC)
        x = 250 if len(plate_images) == 1 else 60 + i * 360
        photo.paste(turned, (x, 190 + i * 40), turned)
    return photo


def many(out, count, seed):
    rng = random.Random(seed)
    for i in range(count):
        text, colour, red = plates.random_plate(rng)
        photo = scene([plates.render(text, colour, red, scale=1.0, face=plates.face(rng))], rng)
        photo = photo.filter(ImageFilter.GaussianBlur(rng.uniform(0, 1.2)))
        width = rng.randrange(360, 900)
        photo = photo.resize((width, width * 2 // 3), Image.BILINEAR)
        photo.save(os.path.join(out, f"{i:04d}-{text}.jpg"), quality=rng.randrange(40, 90))


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    if len(sys.argv) > 2 and sys.argv[2] == "--many":
        seed = int(sys.argv[sys.argv.index("--seed") + 1]) if "--seed" in sys.argv else 4242
        many(out, int(sys.argv[3]), seed)
        return
    rng = random.Random(7)
    rendered = {}
    for text, colour, red in EXAMPLES:
        rendered[text] = plates.render(text, colour, red, scale=1.0)
        scene([rendered[text]], rng).save(os.path.join(out, f"rendered-{text}.jpg"), quality=90)
    pair = ["皖A12345", "粤BD12345"]
    scene([rendered[t] for t in pair], rng).save(
        os.path.join(out, "rendered-two-" + "-".join(pair) + ".jpg"), quality=90)


if __name__ == "__main__":
    main()
