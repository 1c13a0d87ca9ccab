"""Key normalisation of the sample catalogue: the server's term routines and stemmer, applied to stored text.

The server upper-cases every search term and then passes it through the term routine of its attribute
mapping (and the stemmer where the mapping asks for it) before it compares it with a key column. The key
columns of the sample hold the same forms, so equality, LIKE and the scan order agree on both sides.

Texts are Unicode strings. Only ASCII counts as letters, digits, white space and punctuation (C's
classification in the "C" locale); a character from U+0080 on is either folded by the table below or
kept as it is.
"""

FOLD_FROM = "ÀÈÌÒÙàèìòùÁÉÍÓÚÝáéíóúýÂÊÎÔÛâêîôûÃÑÕãñõÄËÏÖÜäëïöüÿÅåÇç"
FOLD_TO = "AEIOUAEIOUAEIOUYAEIOUYAEIOUAEIOUANOANOAEIOUAEIOUYAACC"
FOLD = dict(zip(FOLD_FROM, FOLD_TO))

WHITE = " \t\n\v\f\r"
PUNCTUATION = "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"
ASCII_ALNUM = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"


def split_white(text):
    """The words of a text, split at ASCII white space only (the server keeps NBSP and the like in words)."""
    words, word = [], []
    for c in text:
        if c in WHITE:
            if word:
                words.append("".join(word))
                word = []
        else:
            word.append(c)
    if word:
        words.append("".join(word))
    return words


def upper_ascii(text):
    """Upper-cases a to z only, as the server upper-cases a term."""
    return "".join(chr(ord(c) - 32) if "a" <= c <= "z" else c for c in text)


def fold(text):
    """Term routine 6: drop apostrophes, turn runs of punctuation and white space between two kept
    characters into one blank, fold the accented letters of the table, upper-case the rest."""
    out = []
    gap = False
    for c in text:
        if c == "'":
            continue
        if c in WHITE or c in PUNCTUATION:
            gap = bool(out)
            continue
        if gap:
            out.append(" ")
            gap = False
        out.append(FOLD.get(c, c) if ord(c) >= 128 else upper_ascii(c))
    return "".join(out)


def drop_leading_stop_word(text, stop_words):
    """Term routine 7: when the letters and digits before the first white space, upper-cased, are a
    phrase stop word, the text after that white-space character; otherwise the text unchanged."""
    for i, c in enumerate(text):
        if c in WHITE:
            first = upper_ascii("".join(ch for ch in text[:i] if ch in ASCII_ALNUM))
            return text[i + 1 :] if first in stop_words else text
    return text


def title_key(text, stop_words):
    """Term routine 4: routine 6, then routine 7."""
    return drop_leading_stop_word(fold(text), stop_words)


def alnum_key(text):
    """Term routine 5 (and the rule for use attribute 7) on an upper-cased text: letters and digits only."""
    return "".join(c for c in upper_ascii(text) if c in ASCII_ALNUM)


# Stemmer. A word is a text of upper-case letters; every character that is not a vowel by the rule
# below counts as a consonant, so words with digits are stemmed the same way.

VOWELS = "AEIOU"


def _is_vowel(word, i):
    c = word[i]
    if c in VOWELS:
        return True
    return c == "Y" and i > 0 and word[i - 1] not in VOWELS


def _measure(word, k):
    """Places in the first k letters where a vowel is followed by a consonant."""
    if k < 2:
        return 0
    return sum(1 for i in range(k - 1) if _is_vowel(word, i) and not _is_vowel(word, i + 1))


def _has_vowel(word, k):
    return any(_is_vowel(word, i) for i in range(k))


def _ends(word, suffix):
    return len(word) > len(suffix) and word.endswith(suffix)


def _m(word, suffix):
    return _measure(word, len(word) - len(suffix))


def _step_plurals(w):
    if _ends(w, "SSES") or _ends(w, "IES"):
        return w[:-2]
    if _ends(w, "SS"):
        return w
    if _ends(w, "S"):
        return w[:-1]
    return w


def _step_past(w):
    if len(w) > 3 and _ends(w, "EED") and _m(w, "EED") > 0:
        return w[:-1]
    if _ends(w, "ED") and _has_vowel(w, len(w) - 2):
        w = w[:-2]
    elif _ends(w, "ING") and _has_vowel(w, len(w) - 3):
        w = w[:-3]
    else:
        return w
    if any(_ends(w, s) for s in ("AT", "BL", "IZ", "IS")):
        return w + "E"
    if len(w) >= 2 and w[-1] == w[-2] and "A" <= w[-1] <= "Z":
        return w if w[-1] in "LSZ" else w[:-1]
    n = len(w)
    if (
        n > 2
        and _measure(w, n) == 1
        and not _is_vowel(w, n - 3)
        and _is_vowel(w, n - 2)
        and not _is_vowel(w, n - 1)
    ):
        return w + "E"
    return w


def _step_y(w):
    if _ends(w, "Y") and _has_vowel(w, len(w) - 1):
        return w[:-1] + "I"
    return w


DOUBLE_SUFFIXES = {
    "A": [("ATIONAL", "ATE"), ("TIONAL", "TION")],
    "C": [("ENCI", "ENCE"), ("ANCI", "ANCE")],
    "E": [("IZER", "IZE"), ("ISER", "ISE")],
    "L": [("ABLI", "ABLE"), ("ALLI", "AL"), ("ENTLI", "ENT"), ("ELI", "E"), ("OUSLI", "OUS")],
    "O": [("IZATION", "IZE"), ("ISATION", "ISE"), ("ATION", "ATE"), ("ATOR", "ATE")],
    "S": [("ALISM", "AL"), ("IVENESS", "IVE"), ("FULNESS", "FUL"), ("OUSNESS", "OUS")],
    "T": [("ALITI", "AL"), ("IVITI", "IVE"), ("BILITI", "BIE")],
}

SUFFIXES = [
    ("ICATE", "IC"),
    ("ATIVE", ""),
    ("ALIZE", "AL"),
    ("ALISE", "AL"),
    ("ICITI", "IC"),
    ("ICAL", "IC"),
    ("FUL", ""),
    ("NESS", ""),
]

ENDINGS = [
    "AL", "ANCE", "ENCE", "ER", "IC", "ABLE", "IBLE", "ANT", "EMENT", "ENT",
    "SION", "TION", "OU", "ISM", "ATE", "ITI", "OUS", "IVE", "IZE", "ISE",
]  # fmt: skip


def _replace_first(w, rules, minimum):
    """The first rule whose suffix the word ends with is the only one tried: it replaces the suffix
    when the measure of the rest is above minimum."""
    for suffix, replacement in rules:
        if _ends(w, suffix):
            return w[: -len(suffix)] + replacement if _m(w, suffix) > minimum else w
    return w


def _step_endings(w):
    for ending in ENDINGS:
        if not _ends(w, ending):
            continue
        if ending == "TION":
            return w[:-3] if _m(w, "TION") > 1 else w
        if ending == "ISM":
            return w[:-4] if _m(w, "ISM") > 1 else w
        return w[: -len(ending)] if _m(w, ending) > 1 else w
    return w


def _step_final_e(w):
    if not _ends(w, "E"):
        return w
    n = len(w)
    m = _measure(w, n - 1)
    if m > 1:
        return w[:-1]
    if m == 1 and n >= 4:
        keep = (
            _is_vowel(w, n - 3)
            and not _is_vowel(w, n - 2)
            and _is_vowel(w, n - 1)
            and w[n - 2] not in "WXY"
        )
        return w if keep else w[:-1]
    return w


def _step_final_ll(w):
    if _ends(w, "LL") and _measure(w, len(w) - 1) > 1:
        return w[:-1]
    return w


def stem_word(word):
    """The server's stemmer on one upper-case word."""
    w = _step_plurals(word)
    w = _step_past(w)
    w = _step_y(w)
    if len(w) >= 2:
        w = _replace_first(w, DOUBLE_SUFFIXES.get(w[-2], []), 0)
    w = _replace_first(w, SUFFIXES, 0)
    w = _step_endings(w)
    w = _step_final_e(w)
    return _step_final_ll(w)


def stem_phrase(text):
    """Stems every white-space separated word and joins the stems with one blank."""
    return " ".join(stem_word(piece) for piece in split_white(text))
