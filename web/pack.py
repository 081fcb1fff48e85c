#!/usr/bin/env python3
"""Packs the pictures and sounds for the web page, into the site folder.

  tarnwick.data, tarnwick-data.js  what the page waits for before its cover:
                                   every picture and the sounds sounds.txt marks
                                   "wait" (emscripten's packer, loaded into the
                                   game's file system at /Assets); the script
                                   also names the sounds still to come
  sounds.data                      the other sounds, in the order of sounds.txt,
                                   which the page streams in while the game plays

sounds.data is a 4-byte big-endian length, that many bytes of JSON listing the
files ([{"name": "Assets/Audio/Click.mp3", "size": 1461}, ...]), then the
files' bytes one after the other in that order.

Everything is packed from inside the site folder with relative names, and the
packer's random package id is replaced by one made from the data, so the same
pictures and sounds give the same bytes in whatever folder they are built.

usage: pack.py SOUND_LIST ASSETS_DIR SITE_DIR FILE_PACKAGER
       pack.py --seconds MP3...   (how long each plays, as the game's decoder counts it)
"""
import hashlib
import json
import os
import re
import shutil
import struct
import subprocess
import sys


def read_list(path):
    waited, streamed = [], []
    with open(path, encoding="utf-8") as f:
        for line in f:
            words = line.split()
            if not words or words[0].startswith("#"):
                continue
            if words[0] == "wait":
                waited.append(words[1])
            else:
                streamed.append(words[0])
    return waited, streamed


def mp3_seconds(path):
    """How long an MP3 plays, from its Info tag: the frames it counts, less the
    encoder's delay and padding that a gapless decoder drops (the generator
    writes the tag into every sound). None for a file without one."""
    with open(path, "rb") as f:
        head = f.read(4096)
    if len(head) < 4 or head[0] != 0xFF or (head[1] & 0xE0) != 0xE0:
        return None
    version = (head[1] >> 3) & 3  # 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
    mono = (head[3] >> 6) & 3 == 3
    rates = {3: (44100, 48000, 32000), 2: (22050, 24000, 16000), 0: (11025, 12000, 8000)}.get(version)
    rate_index = (head[2] >> 2) & 3
    if rates is None or rate_index == 3:
        return None
    at = 4 + (0 if head[1] & 1 else 2) + ((17 if mono else 32) if version == 3 else (9 if mono else 17))
    if head[at:at + 4] not in (b"Info", b"Xing") or not head[at + 7] & 1:
        return None
    flags = head[at + 7]
    frames = struct.unpack(">I", head[at + 8:at + 12])[0]
    lame = at + 12 + (4 if flags & 2 else 0) + (100 if flags & 4 else 0) + (4 if flags & 8 else 0)
    if head[lame:lame + 4] != b"LAME":
        return None
    d = head[lame + 21:lame + 24]
    delay, padding = (d[0] << 4) | (d[1] >> 4), ((d[1] & 15) << 8) | d[2]
    samples = frames * (1152 if version == 3 else 576) - delay - padding
    return samples / rates[rate_index]


def main(sound_list, assets, site, packager):
    waited, streamed = read_list(sound_list)
    audio = os.path.join(assets, "Audio")
    on_disk = sorted(n for n in os.listdir(audio) if n.endswith(".mp3"))
    if sorted(waited + streamed) != on_disk:
        sys.exit(f"pack.py: {sound_list} does not list exactly the sounds in {audio}")

    os.makedirs(site, exist_ok=True)
    stage = os.path.join(site, "pack-stage")
    shutil.rmtree(stage, ignore_errors=True)
    try:
        shutil.copytree(os.path.join(assets, "Sprites"), os.path.join(stage, "Assets", "Sprites"))
        os.makedirs(os.path.join(stage, "Assets", "Audio"))
        for name in waited:
            shutil.copyfile(os.path.join(audio, name), os.path.join(stage, "Assets", "Audio", name))
        subprocess.run([sys.executable, packager, "tarnwick.data", "--preload", "pack-stage/Assets@/Assets",
                        "--js-output=tarnwick-data.js"], cwd=site, check=True)
    finally:
        shutil.rmtree(stage, ignore_errors=True)

    with open(os.path.join(site, "tarnwick.data"), "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    script = os.path.join(site, "tarnwick-data.js")
    with open(script, encoding="utf-8") as f:
        text = f.read()
    uuid = f"{digest[0:8]}-{digest[8:12]}-{digest[12:16]}-{digest[16:20]}-{digest[20:32]}"
    text, count = re.subn(r'"package_uuid": *"[0-9a-f-]+"', f'"package_uuid": "{uuid}"', text)
    if count != 1:
        sys.exit("pack.py: the packer's script has no package id where it was expected")
    # The game asks the page whether a file is still to come from the first
    # frame on, before the stream has said what it holds.
    # With captions on, it also asks how long each plays: the page answers
    # for those still to come.
    names = json.dumps([f"Assets/Audio/{n}" for n in streamed])
    seconds = json.dumps({f"Assets/Audio/{n}": mp3_seconds(os.path.join(audio, n)) for n in streamed})
    text += f'\nModule["soundsToCome"] = new Set({names});\nModule["soundSeconds"] = {seconds};\n'
    with open(script, "w", encoding="utf-8") as f:
        f.write(text)

    files = []
    for name in streamed:
        with open(os.path.join(audio, name), "rb") as f:
            files.append((f"Assets/Audio/{name}", f.read()))
    header = json.dumps([{"name": n, "size": len(b)} for n, b in files], separators=(",", ":")).encode()
    with open(os.path.join(site, "sounds.data"), "wb") as out:
        out.write(struct.pack(">I", len(header)))
        out.write(header)
        for _, data in files:
            out.write(data)


if __name__ == "__main__":
    if len(sys.argv) > 1 and sys.argv[1] == "--seconds":
        for mp3 in sys.argv[2:]:
            print(os.path.basename(mp3), mp3_seconds(mp3))
    elif len(sys.argv) == 5:
        main(*sys.argv[1:])
    else:
        sys.exit(__doc__)
