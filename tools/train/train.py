#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Korvanta developers
# SPDX-License-Identifier: MIT
"""Trains the photo reader's plate reader on this machine's CPUs, from plates rendered here and,
where given, part of the real plate crops; writes the model for OpenCV's dnn module, its alphabet,
and a manifest with the recipe, the seed, the versions and the accuracy on the real crops it did
not train on.

    tools/train/train.py OUT [--photos DIR] [--seed N] [--minutes M] [--pool N] [--quick]

--quick takes one step on a few samples (the tests run it so); the figures it writes mean nothing.
"""

import argparse
import hashlib
import json
import math
import multiprocessing
import os
import platform
import random
import sys
import time

import numpy as np
import torch
from PIL import Image
from torch import nn

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import plates  # noqa: E402


class Reader(nn.Module):
    """A small convolutional reader: a picture of a straightened plate in, for each of the eight
    places the likelihood of every character of the alphabet, and the likelihood of each plate
    colour, out."""

    def __init__(self, characters=len(plates.ALPHABET), colours=len(plates.COLOURS)):
        super().__init__()

        def block(inputs, outputs):
            return [nn.Conv2d(inputs, outputs, 3, padding=1, bias=False), nn.BatchNorm2d(outputs),
                    nn.ReLU(inplace=True)]

        # One convolution a size, so that a photo's ten or so candidates read in a few
        # milliseconds on a CPU; few channels where the picture is largest.
        self.features = nn.Sequential(
            *block(3, 24), nn.MaxPool2d(2),                          # 16 x 64
            *block(24, 64), nn.MaxPool2d(2),                         # 8 x 32
            *block(64, 96), nn.MaxPool2d(2),                         # 4 x 16
            *block(96, 128), nn.MaxPool2d((2, 1)),                   # 2 x 16
        )
        self.shared = nn.Sequential(nn.Flatten(), nn.Dropout(0.2), nn.Linear(128 * 2 * 16, 256),
                                    nn.ReLU(inplace=True))
        self.places = nn.Linear(256, plates.PLACES * characters)
        self.colour = nn.Linear(256, colours)
        self.characters = characters

    def forward(self, x):
        shared = self.shared(self.features(x))
        places = self.places(shared).reshape(-1, plates.PLACES, self.characters)
        return places, self.colour(shared)


class Exported(nn.Module):
    """The reader as OpenCV runs it: likelihoods, not scores."""

    def __init__(self, reader):
        super().__init__()
        self.reader = reader

    def forward(self, x):
        places, colour = self.reader(x)
        return torch.softmax(places, dim=2), torch.softmax(colour, dim=1)


def real_crops(folder):
    """The real crops, each with its plate (the file's name), split for good by a hash of the
    name: about half to train on, the rest only to measure."""
    train, held = [], []
    if not folder:
        return train, held
    crops = os.path.join(folder, "crops")
    for name in sorted(os.listdir(crops)):
        text = os.path.splitext(name)[0]
        if not all(c in plates.ALPHABET for c in text) or len(text) not in (7, 8):
            continue
        image = Image.open(os.path.join(crops, name)).convert("RGB")
        side = train if hashlib.sha256(name.encode()).digest()[0] < 128 else held
        side.append((image, text, "blue"))
    return train, held


def rendered_batch(seed_and_size):
    """A batch of rendered plates, made in a worker while the model learns from the last."""
    seed, size = seed_and_size
    rng = random.Random(seed)
    return [plates.sample(rng) for _ in range(size)]


def batch(examples):
    x = torch.tensor(np.stack([plates.as_input(image) for image, _, _ in examples]))
    y = torch.tensor([plates.encode(text) for _, text, _ in examples])
    c = torch.tensor([plates.COLOURS.index(colour) for _, _, colour in examples])
    return x, y, c


def vary(x, generator):
    """A pooled plate a little changed each time it is shown: its light and contrast, and a shift
    of a pixel or two."""
    n = x.shape[0]
    gain = torch.empty(n, 1, 1, 1).uniform_(0.7, 1.3, generator=generator)
    offset = torch.empty(n, 1, 1, 1).uniform_(-0.1, 0.1, generator=generator)
    x = (x - 0.5) * gain + 0.5 + offset
    dx, dy = (int(v) for v in torch.randint(-2, 3, (2,), generator=generator))
    return torch.roll(x, shifts=(dy, dx), dims=(2, 3)).clamp(0, 1)


def measure(model, examples):
    """Exact plates, and right origins (the first two characters), as fractions."""
    if not examples:
        return {"plates": 0}
    model.eval()
    with torch.no_grad():
        x, y, _ = batch(examples)
        places, _ = model(x)
        guess = places.argmax(dim=2)
    exact = (guess == y).all(dim=1).float().mean().item()
    origin = (guess[:, :2] == y[:, :2]).all(dim=1).float().mean().item()
    return {"plates": len(examples), "exact": round(exact, 4), "origin": round(origin, 4)}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    parser.add_argument("--photos", help="the real photos' folder (crops/ and scenes/)")
    parser.add_argument("--seed", type=int, default=20261210)
    parser.add_argument("--minutes", type=float, default=25.0,
                        help="how long to train on rendered plates")
    parser.add_argument("--pool", type=int, default=40000,
                        help="how many rendered plates to learn from")
    parser.add_argument("--quick", action="store_true")
    args = parser.parse_args()

    random.seed(args.seed)
    np.random.seed(args.seed)
    torch.manual_seed(args.seed)
    torch.set_num_threads(os.cpu_count() or 1)
    rng = random.Random(args.seed)
    started = time.time()

    model = Reader()
    optimiser = torch.optim.AdamW(model.parameters(), lr=2e-3, weight_decay=1e-4)
    loss_of = nn.CrossEntropyLoss()
    batch_size = 4 if args.quick else 64
    train_real, held_real = real_crops(args.photos)
    if args.quick:
        train_real, held_real = train_real[:2], held_real[:2]

    def step(x, y, c):
        model.train()
        places, colour = model(x)
        loss = loss_of(places.reshape(-1, len(plates.ALPHABET)), y.reshape(-1)) + \
            0.2 * loss_of(colour, c)
        optimiser.zero_grad()
        loss.backward()
        optimiser.step()
        return loss.item()

    # A pool of rendered plates, made by every core at the start (each batch from a seed of its
    # own, so that a run is the same run again); then the model learns from the pool, a quarter of
    # each batch real crops (each a little changed each time), the rate falling to nothing, for as
    # long as given.
    pool_size = batch_size if args.quick else args.pool
    cores = 1 if args.quick else (os.cpu_count() or 1)
    with multiprocessing.get_context("fork").Pool(cores) as workers:
        pool = [example for part in workers.imap(
            rendered_batch, ((args.seed * 1000003 + i, 256) for i in range(-(-pool_size // 256))))
            for example in part][:pool_size]
    pool_x, pool_y, pool_c = batch(pool)
    del pool
    print(f"{pool_size} rendered plates in {time.time() - started:.0f} s", flush=True)
    deadline = time.time() + args.minutes * 60
    length = args.minutes * 60
    real_share = batch_size // 4 if train_real else 0
    steps = 0
    generator = torch.Generator().manual_seed(args.seed)
    while True:
        left = max(0.0, deadline - time.time())
        for group in optimiser.param_groups:
            group["lr"] = 2e-3 * (0.02 + 0.98 * 0.5 * (1 + math.cos(math.pi * (1 - left / length))))
        chosen = torch.randint(0, pool_size, (batch_size - real_share,), generator=generator)
        x, y, c = vary(pool_x[chosen], generator), pool_y[chosen], pool_c[chosen]
        if real_share:
            real = [(plates.disturb_lightly(image, rng), text, colour)
                    for image, text, colour in rng.sample(train_real, min(real_share,
                                                                          len(train_real)))]
            rx, ry, rc = batch(real)
            x, y, c = torch.cat([x, rx]), torch.cat([y, ry]), torch.cat([c, rc])
        loss = step(x, y, c)
        steps += 1
        if args.quick or left <= 0:
            break
        if steps % 200 == 0:
            print(f"step {steps}, loss {loss:.3f}, {time.time() - started:.0f} s", flush=True)

    # Measured on rendered plates never seen (a seed of their own) and on the held-apart crops.
    unseen = random.Random(args.seed + 1)
    rendered = [plates.sample(unseen) for _ in range(8 if args.quick else 1000)]
    figures = {"rendered": measure(model, rendered), "held_real_crops": measure(model, held_real)}
    print(json.dumps(figures), flush=True)

    os.makedirs(args.out, exist_ok=True)
    model.eval()
    torch.onnx.export(Exported(model), torch.zeros(1, 3, plates.HEIGHT, plates.WIDTH),
                      os.path.join(args.out, "reader.onnx"), opset_version=11,
                      input_names=["plate"], output_names=["characters", "colour"])
    with open(os.path.join(args.out, "alphabet.txt"), "w", encoding="utf-8") as f:
        f.write(plates.ALPHABET + "\n" + " ".join(plates.COLOURS) + "\n")
    manifest = {
        "recipe": "tools/train/train.py with " + " ".join(sys.argv[2:]),
        "seed": args.seed,
        "rendered_pool": pool_size,
        "steps": steps,
        "batch": batch_size,
        "real_crops_trained_on": len(train_real),
        "real_crops_held_apart": len(held_real),
        "minutes": round((time.time() - started) / 60, 1),
        "versions": {"python": platform.python_version(), "torch": torch.__version__,
                     "numpy": np.__version__, "pillow": Image.__version__},
        "input": [3, plates.HEIGHT, plates.WIDTH],
        "accuracy": figures,
    }
    with open(os.path.join(args.out, "manifest.json"), "w", encoding="utf-8") as f:
        json.dump(manifest, f, ensure_ascii=False, indent=2)
        f.write("\n")


if __name__ == "__main__":
    main()
