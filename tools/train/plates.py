# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
"""Plates rendered for training the photo reader: every kind a person meets on the road, drawn
from the fonts Debian ships, with the troubles photos have.

The layout follows GA 36-2018 《中华人民共和国机动车号牌》 as public summaries give it: a blue,
yellow, white or black plate is 440 × 140 mm with seven characters 45 × 90 mm, 12 mm apart and
34 mm between the second and third (where a dot stands); a green new-energy plate is 480 × 140 mm
with eight characters 43 × 90 mm, 9 mm apart and 49 mm between the second and third."""

import io
import math
import random

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

# The characters the reader tells apart, in the order of its outputs; "_" is no character (the
# eighth place of a seven-character plate).
PROVINCES = "京津沪渝冀豫云辽黑湘皖鲁新苏浙赣鄂桂甘晋蒙陕吉闽贵粤青藏川宁琼"
LETTERS = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
DIGITS = "0123456789"
ENDINGS = "挂学警港澳领使应急"
ALPHABET = "_" + PROVINCES + LETTERS + DIGITS + ENDINGS
PLACES = 8
# What the reader sees: a plate straightened to this many pixels.
WIDTH, HEIGHT = 128, 32

# Plate colours, in the order of the reader's colour output.
COLOURS = ["blue", "yellow", "green", "yellowgreen", "white", "black"]

SERIAL = "".join(c for c in LETTERS + DIGITS if c not in "IO")
# Plate characters are a narrow face of even strokes: a "1" is a bare upright, a "0" a narrow
# oval. Of Debian's faces Nimbus Sans Narrow (fonts-urw-base35) comes nearest, then DejaVu Sans
# Condensed (fonts-dejavu-extra); each Latin character keeps its own width at the characters'
# height, centred in its box. The province characters are Noto Sans CJK (fonts-noto-cjk)
# stretched to their box. Faces, in the order render() takes them, with how often each is drawn.
CJK_FONTS = ["/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc",
             "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc",
             "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc",
             "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc"]
LATIN_FONTS = ["/usr/share/fonts/opentype/urw-base35/NimbusSansNarrow-Regular.otf",
               "/usr/share/fonts/opentype/urw-base35/NimbusSansNarrow-Bold.otf",
               "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf",
               "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"]
FACE_WEIGHTS = [0.55, 0.2, 0.15, 0.1]

# Background, text and rim of each colour.
PAINT = {
    "blue": ((18, 62, 170), (245, 245, 245)),
    "yellow": ((235, 190, 20), (20, 20, 20)),
    "green": ((120, 210, 130), (20, 20, 20)),
    "yellowgreen": ((235, 200, 40), (20, 20, 20)),
    "white": ((240, 240, 240), (20, 20, 20)),
    "black": ((20, 20, 20), (245, 245, 245)),
}
RED = (200, 20, 20)


def serial(rng, length, digits_mostly=0.7):
    return "".join(rng.choice(DIGITS) if rng.random() < digits_mostly else rng.choice(SERIAL)
                   for _ in range(length))


def digits(rng, length):
    return "".join(rng.choice(DIGITS) for _ in range(length))


def office(rng):
    return rng.choice([c for c in LETTERS if c not in "IO"])


def random_plate(rng):
    """A plate as (text, colour, red places): the kinds of plate in proportion to how often one
    meets them, with every kind present."""
    p = rng.choice(PROVINCES)
    kind = rng.random()
    if kind < 0.42:
        return p + office(rng) + serial(rng, 5), "blue", ()
    if kind < 0.52:
        return p + office(rng) + serial(rng, 5), "yellow", ()
    if kind < 0.56:
        return p + office(rng) + serial(rng, 4) + rng.choice("学挂"), "yellow", ()
    if kind < 0.74:
        first = rng.choice("DABCEFGHJK")
        return p + office(rng) + first + rng.choice(SERIAL) + digits(rng, 4), "green", ()
    if kind < 0.80:
        return p + office(rng) + digits(rng, 5) + rng.choice("DF"), "yellowgreen", ()
    if kind < 0.86:
        return p + office(rng) + serial(rng, 4) + "警", "white", (6,)
    if kind < 0.89:
        return "粤Z" + serial(rng, 4) + rng.choice("港澳"), "black", ()
    if kind < 0.91:
        return p + office(rng) + serial(rng, 4) + "领", "black", ()
    if kind < 0.93:
        return digits(rng, 6) + "使", "black", (6,)
    if kind < 0.97:
        return rng.choice("VKHBSLJNGCZ") + rng.choice("ABCDEFGHJKLMNPQRSTUVWXY") + digits(rng, 5), \
            "white", (0, 1)
    return "WJ" + rng.choice(PROVINCES) + digits(rng, 5), "white", (0, 1)


_fonts = {}


def _font(path, size):
    key = (path, size)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(path, size)
    return _fonts[key]


def _glyph(char, width, height, colour, face):
    """One character at the characters' height in its box: a Latin one at its own width (no
    wider than the box) and centred, a province character stretched to the box."""
    path = (LATIN_FONTS if char.isascii() else CJK_FONTS)[face]
    font = _font(path, 120)
    canvas = Image.new("L", (200, 200), 0)
    ImageDraw.Draw(canvas).text((20, 10), char, font=font, fill=255)
    box = canvas.getbbox() or (0, 0, 1, 1)
    drawn = canvas.crop(box)
    across = width
    if char.isascii():
        across = min(width, max(1, round(drawn.width * height / max(1, drawn.height))))
    mask = Image.new("L", (width, height), 0)
    mask.paste(drawn.resize((across, height), Image.BILINEAR), ((width - across) // 2, 0))
    ink = Image.new("RGB", mask.size, colour)
    return ink, mask


def face(rng):
    """A face to draw a plate in, as often as FACE_WEIGHTS says."""
    return rng.choices(range(len(FACE_WEIGHTS)), FACE_WEIGHTS)[0]


def render(text, colour, red=(), scale=2.0, face=0):
    """The plate, flat and clean, `scale` pixels to a millimetre, in one of the faces."""
    eight = len(text) == 8
    size = (480 if eight else 440, 140)
    char_w, gap, big_gap, left = (43, 9, 49, 16.5) if eight else (45, 12, 34, 15.5)
    background, ink = PAINT[colour]
    w, h = int(size[0] * scale), int(size[1] * scale)
    plate = Image.new("RGB", (w, h), background)
    draw = ImageDraw.Draw(plate)
    if colour == "green":
        # The small new-energy plate fades from white at the top to green at the bottom.
        for y in range(h):
            t = y / h
            draw.line([(0, y), (w, y)], fill=(int(240 - 120 * t), int(250 - 40 * t),
                                             int(240 - 110 * t)))
    if colour == "yellowgreen":
        draw.rectangle([0, 0, int(w * 0.28), h], fill=PAINT["yellow"][0])
        draw.rectangle([int(w * 0.28), 0, w, h], fill=(120, 200, 110))
    # The rim, a millimetre or two in from the edge.
    draw.rounded_rectangle([3 * scale, 3 * scale, w - 3 * scale, h - 3 * scale],
                           radius=int(8 * scale), outline=ink, width=max(1, int(2 * scale)))
    x = left
    for i, char in enumerate(text):
        glyph_ink = RED if i in red else ink
        glyph, mask = _glyph(char, int(char_w * scale), int(90 * scale), glyph_ink, face)
        plate.paste(glyph, (int(x * scale), int(25 * scale)), mask)
        x += char_w + (big_gap if i == 1 else gap)
        if i == 1:
            cx, cy = (x - big_gap / 2) * scale, 70 * scale
            draw.ellipse([cx - 4 * scale, cy - 4 * scale, cx + 4 * scale, cy + 4 * scale], fill=ink)
    return plate


def _perspective_coefficients(source, target):
    matrix = []
    for (x, y), (u, v) in zip(target, source):
        matrix.append([x, y, 1, 0, 0, 0, -u * x, -u * y])
        matrix.append([0, 0, 0, x, y, 1, -v * x, -v * y])
    a = np.array(matrix, dtype=np.float64)
    b = np.array([c for point in source for c in point], dtype=np.float64)
    return np.linalg.solve(a, b).tolist()


def disturb(plate, rng):
    """What a photo does to a plate after the finder has cut and straightened it: a cut a little
    off, a slant left over, blur, light and shadow, dirt and bolts, noise, JPEG loss, and the few
    pixels a far plate has."""
    w, h = plate.size
    draw = ImageDraw.Draw(plate)
    # Bolts, and dirt.
    for bx in (0.25, 0.75):
        if rng.random() < 0.5:
            r = h * 0.04
            cx, cy = w * bx + rng.uniform(-5, 5), h * 0.12
            draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=(150, 150, 150))
    for _ in range(rng.randrange(0, 4)):
        cx, cy, r = rng.uniform(0, w), rng.uniform(0, h), rng.uniform(2, h * 0.08)
        shade = rng.randrange(40, 140)
        draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=(shade, shade - 10, shade - 20))
    # What lies around the plate where the cut takes in more: a car's front, a road.
    margin = int(h * 0.3)
    around = Image.new("RGB", (w + 2 * margin, h + 2 * margin),
                       tuple(rng.randrange(0, 256) for _ in range(3)))
    noise = np.random.default_rng(rng.randrange(1 << 30)).integers(
        0, 60, (around.size[1], around.size[0], 3), dtype=np.uint8)
    around = Image.fromarray(np.clip(np.asarray(around, dtype=np.int16) + noise - 30, 0, 255)
                             .astype(np.uint8))
    around.paste(plate, (margin, margin))
    # The cut: the plate's corners as the finder found them, each a little off, and a slant.
    jitter = h * 0.08
    corners = [(margin, margin), (margin + w, margin), (margin + w, margin + h), (margin, margin + h)]
    slant = rng.uniform(-0.06, 0.06) * h
    found = [(x + rng.uniform(-jitter, jitter) + (slant if i in (0, 1) else -slant),
              y + rng.uniform(-jitter, jitter)) for i, (x, y) in enumerate(corners)]
    out_w, out_h = WIDTH * 2, HEIGHT * 2
    target = [(0, 0), (out_w, 0), (out_w, out_h), (0, out_h)]
    cut = around.transform((out_w, out_h), Image.PERSPECTIVE,
                           _perspective_coefficients(found, target), Image.BILINEAR)
    # Light: brightness, contrast, a shadow across part of it, a colour cast.
    pixels = np.asarray(cut, dtype=np.float32)
    pixels = pixels * rng.uniform(0.35, 1.4) + rng.uniform(-40, 40)
    pixels = (pixels - 128) * rng.uniform(0.5, 1.3) + 128
    pixels += np.array([rng.uniform(-25, 25) for _ in range(3)], dtype=np.float32)
    if rng.random() < 0.35:
        edge = rng.uniform(0, out_w)
        xs = np.arange(out_w)
        side = (xs < edge) if rng.random() < 0.5 else (xs >= edge)
        pixels[:, side] *= rng.uniform(0.35, 0.75)
    if rng.random() < 0.15:
        # Glare: a bright patch.
        cx, cy, r = rng.uniform(0, out_w), rng.uniform(0, out_h), rng.uniform(5, 30)
        yy, xx = np.mgrid[0:out_h, 0:out_w]
        glow = np.exp(-((xx - cx) ** 2 + (yy - cy) ** 2) / (2 * r * r))[..., None]
        pixels = pixels + glow * rng.uniform(60, 200)
    cut = Image.fromarray(np.clip(pixels, 0, 255).astype(np.uint8))
    # Blur: out of focus, or moving.
    blur = rng.random()
    if blur < 0.35:
        cut = cut.filter(ImageFilter.GaussianBlur(rng.uniform(0.3, 2.2)))
    elif blur < 0.5:
        length = rng.randrange(3, 9)
        kernel = [0.0] * 25
        for i in range(5):
            kernel[2 * 5 + i] = 1.0 if i < length else 0.0
        cut = cut.filter(ImageFilter.Kernel((5, 5), kernel, scale=sum(kernel) or 1))
    # A far plate has few pixels: down, then up again.
    if rng.random() < 0.6:
        small = (int(rng.uniform(0.3, 0.75) * out_w), int(rng.uniform(0.3, 0.75) * out_h))
        cut = cut.resize((max(20, small[0]), max(6, small[1])), Image.BILINEAR)
    # Noise, and JPEG loss.
    pixels = np.asarray(cut, dtype=np.float32)
    pixels += np.random.default_rng(rng.randrange(1 << 30)).normal(0, rng.uniform(0, 12),
                                                                  pixels.shape)
    cut = Image.fromarray(np.clip(pixels, 0, 255).astype(np.uint8))
    buffer = io.BytesIO()
    cut.save(buffer, "JPEG", quality=rng.randrange(15, 95))
    buffer.seek(0)
    return Image.open(buffer).convert("RGB").resize((WIDTH, HEIGHT), Image.BILINEAR)


def sample(rng):
    """One training example: the disturbed picture, the text, and the colour."""
    text, colour, red = random_plate(rng)
    plate = render(text, colour, red, scale=rng.uniform(0.6, 1.2), face=face(rng))
    return disturb(plate, rng), text, colour


def encode(text):
    """The characters' places in the alphabet, padded with "_" to eight."""
    return [ALPHABET.index(c) for c in text] + [0] * (PLACES - len(text))


def as_input(image):
    """A picture as the reader takes it: RGB, 0 to 1, channels first."""
    array = np.asarray(image.convert("RGB").resize((WIDTH, HEIGHT), Image.BILINEAR),
                       dtype=np.float32) / 255.0
    return array.transpose(2, 0, 1)


def disturb_lightly(image, rng):
    """A real crop, a little changed each time it is shown: light, a shift of the cut, blur."""
    w, h = image.size
    dx, dy = rng.uniform(-0.04, 0.04) * w, rng.uniform(-0.08, 0.08) * h
    image = image.transform((w, h), Image.AFFINE, (1, 0, dx, 0, 1, dy), Image.BILINEAR)
    pixels = np.asarray(image, dtype=np.float32) * rng.uniform(0.6, 1.3) + rng.uniform(-25, 25)
    image = Image.fromarray(np.clip(pixels, 0, 255).astype(np.uint8))
    if rng.random() < 0.3:
        image = image.filter(ImageFilter.GaussianBlur(rng.uniform(0.2, 0.9)))
    return image.resize((WIDTH, HEIGHT), Image.BILINEAR)
