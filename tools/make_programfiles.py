#!/usr/bin/env python3
"""Writes the word lists, heading lists and lessons.ini (with its English twin elessons.ini)
delivered beside the program.

The sources are UTF-8 text in tools/content/; the program reads its files in Windows-1251
with CR LF line ends, so this script checks the sources and writes programfiles/ in that
form. Run it after changing anything in tools/content/:

    python3 tools/make_programfiles.py            # check and write
    python3 tools/make_programfiles.py --report   # also print the words of every number
    python3 tools/make_programfiles.py --record   # only record the lists' checksums

Every version of a list that was ever delivered stays recorded in dic/delivered.sha256, so
that the move of an earlier version's data can tell a list the user never edited from one
they did. Writing the lists records their checksums; after a list was changed in any other
way, --record adds the checksums of the lists as they are.
"""

import hashlib
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CONTENT = ROOT / "tools" / "content"
OUT = ROOT / "programfiles"

# Consonant code of the number search: digit -> its two Russian consonants.
RUS_PAIRS = ["нм", "гж", "дт", "кх", "чщ", "пб", "шл", "сз", "вф", "рц"]
RUS_VOWELS = set("йуеъыаоэяиью")

ENG_SIMPLE = {
    "s": "0", "z": "0", "t": "1", "d": "1", "n": "2", "m": "3", "r": "4", "l": "5",
    "j": "6", "k": "7", "q": "7", "f": "8", "v": "8", "p": "9", "b": "9",
}
ENG_SILENT = set("aeiouwhy")
ENG_VOWELS = set("aeiouy")
SOFTENING = set("eiy")
# Words, or parts of words, whose "ch" sounds as k though no r follows it, and those whose
# "gh" sounds as f; "^" matches at the start of a word only. The same tables as the program's
# (src/exercises/EnglishConsonantCode.cpp).
HARD_CH = [
    "^ache", "alchem", "anarch", "anchor", "archaeo", "archaic", "archangel", "archipel",
    "architect", "archive", "backache", "bronchi", "chameleon", "chaos", "chaotic", "character",
    "charisma", "chasm", "chemi", "chemo", "chimera", "chlor", "choir", "cholera", "cholesterol",
    "choral", "chord", "chorus", "earache", "echo", "epoch", "gnocchi", "headache", "mechani",
    "monarch", "orchestra", "orchid", "patriarch", "psych", "scheme", "schema", "scholar",
    "school", "schooner", "stomach", "techn", "toothache", "zucchini",
]
GH_AS_F = ["^cough", "^enough", "^laugh", "^rough", "^tough", "^trough"]

MIN_WORDS = 1000
# The exercises of the exercise table: one heading each.
EXERCISES = 9
ERRORS = []


def fail(message):
    ERRORS.append(message)


def read_words(name, alphabet):
    """Words of a list source: blank-separated, '#' lines are comments."""
    words = []
    for number, line in enumerate((CONTENT / name).read_text(encoding="utf-8").splitlines(), 1):
        if line.startswith("#"):
            continue
        for word in line.split():
            if not re.fullmatch(f"[{alphabet}]+(-[{alphabet}]+)?", word):
                fail(f"{name}:{number}: '{word}' is not a lower-case word")
            words.append(word)
    seen = set()
    for word in words:
        if word in seen:
            fail(f"{name}: '{word}' is listed twice")
        seen.add(word)
    return sorted(seen)


def read_lines(name):
    return (CONTENT / name).read_text(encoding="utf-8").splitlines()


def rus_skeleton(word):
    return "".join(c for c in word.lower() if c not in RUS_VOWELS)


def rus_number(word):
    """The two-digit number a word encodes, or None when it has fewer than two consonants."""
    skeleton = rus_skeleton(word)
    if len(skeleton) < 2:
        return None
    digits = []
    for letter in skeleton[:2]:
        digits.append(next(str(d) for d, pair in enumerate(RUS_PAIRS) if letter in pair))
    return "".join(digits)


def pairs_in(word, table, pair):
    """Where in the word the pair (ch or gh) of a table entry stands."""
    at = set()
    for entry in table:
        part = entry.lstrip("^")
        start = word.find(part)
        while start >= 0 and (not entry.startswith("^") or start == 0):
            p = part.find(pair)
            while p >= 0:
                at.add(start + p)
                p = part.find(pair, p + 1)
            start = word.find(part, start + 1)
    return at


def eng_code(word):
    """The digits of a word by the phonetic code the English number list uses."""
    w = word.lower()
    if w[:2] in ("kn", "gn"):
        w = w[1:]
    hard_ch = pairs_in(w, HARD_CH, "ch")
    gh_as_f = pairs_in(w, GH_AS_F, "gh")
    code = []
    i = 0
    while i < len(w):
        c = w[i]
        nxt = w[i + 1] if i + 1 < len(w) else ""
        after_pair = w[i + 2] if i + 2 < len(w) else ""
        if w.startswith("tch", i):
            code.append("6"); i += 3; continue
        if w.startswith("dge", i):
            code.append("6"); i += 2; continue
        if c + nxt == "ch":
            # A k after a c is one sound ("zucchini"), as a doubled letter is.
            if not (after_pair == "r" or i in hard_ch):
                code.append("6")
            elif i == 0 or w[i - 1] != "c":
                code.append("7")
            i += 2; continue
        if c + nxt == "gh":
            # Silent after a vowel when no vowel follows; after another g the doubled one.
            if i in gh_as_f:
                code.append("8")
            elif (i == 0 or after_pair in ENG_VOWELS) and (i == 0 or w[i - 1] != "g"):
                code.append("7")
            i += 2; continue
        if c + nxt == "sh":
            code.append("6"); i += 2; continue
        if c + nxt == "ck":
            code.append("7"); i += 2; continue
        if c + nxt == "ph":
            code.append("8"); i += 2; continue
        if i > 0 and c == w[i - 1] and c not in ENG_SILENT:
            i += 1; continue
        if c in ENG_SILENT:
            pass
        elif c == "c":
            code.append("0" if nxt in SOFTENING else "7")
        elif c == "g":
            code.append("6" if nxt in SOFTENING else "7")
        elif c in ENG_SIMPLE:
            code.append(ENG_SIMPLE[c])
        else:
            fail(f"'{word}': the letter '{c}' has no code")
        i += 1
    return "".join(code)


def check_numbers(rus, eng, rnum, enum, report):
    by_number = {f"{n:02d}": [] for n in range(100)}
    for word in rus:
        number = rus_number(word)
        if number:
            by_number[number].append(word)
    for number, words in by_number.items():
        if not words:
            fail(f"rus: no word for {number}")
        if report:
            print(number, len(words), " ".join(words))
    if len(rnum) != 100:
        fail(f"rnum: {len(rnum)} lines, 100 needed")
    for n, word in enumerate(rnum):
        if rus_number(word) != f"{n:02d}":
            fail(f"rnum: line {n} '{word}' encodes {rus_number(word)}")
        if word not in rus:
            fail(f"rnum: '{word}' is not in the word list")
    if len(enum) != 100:
        fail(f"enum: {len(enum)} lines, 100 needed")
    for n, word in enumerate(enum):
        if eng_code(word) != f"{n:02d}":
            fail(f"enum: line {n} '{word}' encodes {eng_code(word)}")
        if word not in eng:
            fail(f"enum: '{word}' is not in the word list")


# Modes of the exercises by their position in the exercise list (the "L" keys).
LIST_MODES = [[5, 6, 7, 8, 9], [5, 7, 9], [1, 2, 3, 4], [2, 3], [1, 2, 3], [1, 2, 3, 4, 5],
              [3, 6, 9], [1, 2]]


def check_lessons(lines):
    """Ten lessons of 2 to 6 valid steps that together use the eight exercises they were
    written for (the dual n-back came after them)."""
    lessons = []
    for line in lines:
        if not line:
            continue
        section = re.fullmatch(r"\[LESSON_(\d+)\]", line)
        if section:
            lessons.append({})
            if int(section.group(1)) != len(lessons):
                fail(f"lessons: section {line} out of order")
            continue
        key, _, value = line.partition("=")
        if not lessons or not value:
            fail(f"lessons: stray line '{line}'")
            continue
        lessons[-1][key] = value
    if len(lessons) != 10:
        fail(f"lessons: {len(lessons)} lessons, 10 needed")
    used = set()
    for n, lesson in enumerate(lessons, 1):
        steps = 0
        while f"L{steps + 1}" in lesson:
            steps += 1
            k = steps
            position, mode, limit = (int(lesson.get(f"{key}{k}", "0")) for key in "LRF")
            if not 0 <= position < 8 or mode not in LIST_MODES[position]:
                fail(f"lessons: lesson {n} step {k} has no exercise {position} mode {mode}")
            text = lesson.get(f"S{k}", "")
            if limit <= 0 or not text:
                fail(f"lessons: lesson {n} step {k} needs a limit and a text")
            # The announcement tells the limit; it must be the one the step is judged by.
            told = re.search(r"(\d+) (секунд|очков)", text)
            if told and int(told.group(1)) != limit:
                fail(f"lessons: lesson {n} step {k} announces {told.group(1)}, its limit is {limit}")
            used.add(position)
        if not 2 <= steps <= 6 or not lesson.get("name") or not lesson.get("opis"):
            fail(f"lessons: lesson {n} needs a name, a description and 2 to 6 steps")
    if used != set(range(8)):
        fail(f"lessons: exercises {sorted(set(range(8)) - used)} are never trained")


def write(relative, lines):
    """Windows-1251, every line ended by CR LF, no byte-order mark."""
    path = OUT / relative
    path.parent.mkdir(parents=True, exist_ok=True)
    data = "".join(line + "\r\n" for line in lines).encode("cp1251")
    path.write_bytes(data)


def record_checksums():
    """Adds the checksum of every delivered list to dic/delivered.sha256, keeping the others."""
    path = OUT / "dic" / "delivered.sha256"
    lines = set(path.read_text(encoding="ascii").splitlines()) if path.exists() else set()
    for lst in sorted((OUT / "dic").glob("*.dic")):
        lines.add(f"{hashlib.sha256(lst.read_bytes()).hexdigest()}  {lst.name}")
    path.write_text("".join(line + "\n" for line in sorted(lines, key=lambda l: (l[66:], l))),
                    encoding="ascii")


def main():
    if "--record" in sys.argv:
        record_checksums()
        return 0
    report = "--report" in sys.argv
    rus = read_words("rus.txt", "а-я")
    eng = read_words("eng.txt", "a-z")
    rnum = read_lines("rnum.txt")
    enum = read_lines("enum.txt")
    rgipno = read_lines("rgipno.txt")
    egipno = read_lines("egipno.txt")
    lessons = read_lines("lessons.ini")
    elessons = read_lines("elessons.ini")
    for name, words in (("rus", rus), ("eng", eng)):
        if len(words) < MIN_WORDS:
            fail(f"{name}: {len(words)} words, {MIN_WORDS} needed")
    check_numbers(set(rus), set(eng), rnum, enum, report)
    check_lessons(lessons)
    check_lessons(elessons)
    # The English lessons differ from the Russian ones only in their texts: a user's progress
    # means the same in both languages.
    steps = [[l for l in f if re.match(r"(\[|[LRF]\d+=)", l)] for f in (lessons, elessons)]
    if steps[0] != steps[1]:
        fail("elessons: the steps differ from lessons.ini")
    for name, headings in (("rgipno", rgipno), ("egipno", egipno)):
        if len(headings) != EXERCISES or not all(headings):
            fail(f"{name}: {EXERCISES} non-empty headings needed, one per exercise")
    if ERRORS:
        print("\n".join(ERRORS), file=sys.stderr)
        return 1
    write("dic/rus.dic", rus)
    write("dic/eng.dic", eng)
    write("dic/rnum.dic", rnum)
    write("dic/enum.dic", enum)
    write("dic/rgipno.dic", rgipno)
    write("dic/egipno.dic", egipno)
    write("lessons.ini", lessons)
    write("elessons.ini", elessons)
    record_checksums()
    print(f"written: {len(rus)} Russian and {len(eng)} English words")
    return 0


if __name__ == "__main__":
    sys.exit(main())
