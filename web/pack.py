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
    names = json.dumps([f"Assets/Audio/{n}" for n in streamed])
    text += f'\nModule["soundsToCome"] = new Set({names});\n'
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
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    main(*sys.argv[1:])
