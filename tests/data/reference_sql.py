"""How the server turns one search operand into SQL with the shipped search.tblx, written out plainly so
that the test can run the statements against the sample catalogue.

It follows the server's rules for the paths the shipped file uses: mapping choice, term treatment
(upper-casing, term routines, stemming, word counts and stop words), operator and value, word chains,
the any-field OR, split forms with alternatives and numbered words (reading only the tables they name), complete statements and relevance
ranking. Dates are written as ISO literals, the choice of the shipped configuration.
"""

import math
import re

import normalise as n
import table_file

DATE_USES = {30, 31, 32, 1011, 1012}
WHITE = " \t\n\v\f\r"


class Mapping:
    def __init__(self, record):
        first = record[0]
        if first.kind == "integer":
            self.use, self.combination = first.value, None
        else:
            numbers = [int(x) for x in first.value.split(",")]
            self.use, self.combination = numbers[0], numbers + [0] * (6 - len(numbers))
        i = 1
        parts = []
        while record[i].kind == "string":
            parts.append(record[i].value)
            i += 1
        self.sql = "".join(parts)
        self.term_word, phrase = record[i].value, record[i + 1].value
        self.pad, self.max_length = record[i + 2].value, record[i + 3].value
        rest = [v.value for v in record[i + 5 :]]
        self.routine = rest[0] if rest else None
        self.relevance = rest[1] if len(rest) > 1 else None
        w = self.term_word
        self.number, self.date, self.raw = w == "NUMBER", w == "DATE", w == "RAW"
        self.stem = w.startswith("STEM")
        self.always_stem = self.stem and len(w) > 4 and w[4] == "O"
        self.wordlist = w.startswith("WORDLIST")
        self.wordlist_d = self.wordlist and len(w) > 8 and w[8] == "D"
        self.count = int(w[9:] if self.wordlist_d else w[8:]) if self.wordlist else 0
        truncation_word = not (self.number or self.date or self.raw or self.stem or self.wordlist)
        self.right = w.startswith(("TRUE", "BOTH")) or self.wordlist
        self.left = w.startswith(("LEFT", "BOTH"))
        self.override = truncation_word and w.endswith("O")
        self.contributes = truncation_word
        self.phrase = 1 if phrase.startswith("TRUE") else 2 if phrase.startswith("ORTRUE") else 0
        self.phrase_override = phrase.endswith("O")
        upper = self.sql.upper()
        self.alternatives = None
        if "SELECT" in upper and "FROM" in upper:
            self.complex, self.from_part = True, ""
        elif "||" in self.sql:
            self.complex = True
            self.from_part, self.sql = self.sql.split("||", 1)
            if "~~" in self.sql:
                self.alternatives = self.sql.split("~~")
                self.sql = self.alternatives[0]
        else:
            self.complex, self.from_part = False, self.sql.split(".", 1)[0]

    def matches(self, request, word_count):
        if self.wordlist and not self.wordlist_d and self.count != word_count:
            return False
        if self.combination is None:
            return request[0] == self.use
        return all(m == 0 or m == r for m, r in zip(self.combination, request))


class Key:
    def __init__(self, text, secondaries):
        self.text = text
        self.table = text.split(".", 1)[0]
        self.secondaries = secondaries
        self.sub_key = None  # (initial key, sub key)

    def sub_key_sql(self, number):
        """The statement that expands a row found under this key into its sub-key values."""
        initial, sub = self.sub_key
        return f"SELECT {sub} FROM {sub.split('.', 1)[0]} WHERE {initial} = {number}"


class Definition:
    """The first block of search.tblx."""

    def __init__(self, path):
        records = table_file.read(path)
        self.keys = []
        key_record = records[4]
        i = 1
        while i < len(key_record):
            value = key_record[i]
            if value.kind == "string":
                self.keys.append(Key(value.value, []))
                i += 2
            elif value.value == "SUBKEY":
                self.keys[-1].sub_key = (key_record[i + 1].value, key_record[i + 2].value)
                i += 4
            elif value.value == "SECONDARY":
                self.keys[-1].secondaries.append(key_record[i + 1].value)
                i += 3
            else:
                i += 1
        self.stop_words = table_file.strings(records[5])
        self.mappings = [Mapping(r) for r in records[7:] if r[0].kind in ("integer", "string")]
        members = [m.sql for m in self.mappings if m.contributes and not m.complex and ".*" not in m.sql]
        self.any_or = " " + " OR ".join(f"{sql} XXTERMXX" for sql in members[:20])

    def key_for(self, mapping):
        table = mapping.from_part.split(",", 1)[0]
        return next((k for k in self.keys if k.table == table), self.keys[-1])

    def find(self, attributes, word_count):
        request = [attributes.get(t, 0) for t in range(1, 7)]
        return next((m for m in self.mappings if m.matches(request, word_count)), None)


def phrase_stop_words(path):
    return {w for record in table_file.read(path) for w in table_file.strings(record)}


def apply_routine(term, selector, phrase_stops):
    if selector is None or selector == "NULL":
        return term
    number = int(selector[8:])
    return {
        4: lambda t: n.title_key(t, phrase_stops),
        5: n.alnum_key,
        6: n.fold,
        7: lambda t: n.drop_leading_stop_word(t, phrase_stops),
    }.get(number, lambda t: t)(term)


def remove_stop_words(term, stop_words):
    text = " " + n.upper_ascii(term) + " "
    for stop in stop_words:
        while stop in text:
            text = text.replace(stop, " ")
    return text.strip(" \t")


def word_count(term, stop_words):
    words = n.upper_ascii(term).split()
    for stop in stop_words:
        if len(words) > 1:
            words = [w for w in words if w != stop.strip()]
    return len(words)


def iso_date(text):
    digits = re.match(r"(\d{4})(\d{2})?(\d{2})?(\d{2})?(\d{2})?(\d{2})?", text)
    year, month, day, hour, minute, second = (int(g) if g else d for g, d in zip(digits.groups(), (0, 1, 1, 0, 0, 0)))
    return f"'{year:04d}-{month:02d}-{day:02d} {hour:02d}:{minute:02d}:{second:02d}'"


def relation_operator(relation):
    return {1: " < ", 14: " < ", 2: " <= ", 15: " <= ", 4: " >= ", 17: " >= ", 5: " > ", 18: " > ", 6: " != "}.get(
        relation, " = "
    )


def effective_truncation(mapping, attributes):
    requested = attributes.get(5)
    if not mapping.override and requested in (1, 2, 3, 100):
        if requested == 1:
            return 3 if mapping.left else 1
        if requested == 2:
            return 3 if mapping.right else 2
        return requested
    if mapping.right and mapping.left:
        return 3
    return 1 if mapping.right else 2 if mapping.left else 100


def structure_of(mapping, attributes):
    if mapping.wordlist:
        return 1
    if not mapping.phrase_override and 4 in attributes:
        return attributes[4]
    return 6 if mapping.phrase else 1


def cut_words(text):
    if any(c in text for c in ";:."):
        return [w for w in (re.sub(r"\s", "", p) for p in re.split(r"[;:.]", text)) if w]
    return [w for w in re.split(r"[\s;:.]+", text) if w]


def word_chain(value, mapping):
    words = cut_words(value)
    joiner = "%' OR  " if mapping.phrase == 2 else "%' AND  "
    column = "XXCOMPLEXSUBSTITUTEXX" if mapping.complex else mapping.sql
    return "LIKE '%" + (joiner + column + " LIKE '%").join(words) + "%'"


def operator_value(term, mapping, attributes, phrase_stops):
    """The operator and value of a text, number or date term."""
    relation = attributes.get(2, 3)
    term = apply_routine(term, mapping.routine, phrase_stops)
    if mapping.stem and (mapping.always_stem or relation == 101):
        term = n.stem_phrase(term)
    if mapping.raw or mapping.wordlist:
        return term
    if mapping.number or mapping.date:
        return relation_operator(relation) + term
    value = term
    if mapping.use == 7:
        value = "".join(c for c in value if c in n.ASCII_ALNUM)
    if mapping.max_length:
        value = value[: mapping.max_length]
    if structure_of(mapping, attributes) == 6 and ".*" not in mapping.sql:
        return word_chain(value, mapping)
    truncation = effective_truncation(mapping, attributes)
    if truncation in (2, 3):
        return "LIKE '%" + value + "%'"
    if truncation == 1:
        return "LIKE '" + value + "%'"
    return "= '" + value.ljust(mapping.pad) + "'"


def column_substitution(template, value):
    out, last = [], ""
    for word in cut_words(template):
        if word == "XXTERMXX":
            out.append(value.replace("XXCOMPLEXSUBSTITUTEXX", last))
        else:
            out.append(word)
            last = word
    return (" " if template.startswith(" ") else "") + " ".join(out)


def drop_stop_words(words, stop_words):
    for stop in stop_words:
        if len(words) > 1:
            words = [w for w in words if w != stop.strip()]
    return words


def complex_statement(definition, mapping, value, attributes, key_text, secondary):
    template = mapping.sql
    words = None
    if mapping.alternatives:
        tokens = value.split()[1:]
        if len(tokens) == 1:
            words = [value.split()[0] + " " + tokens[0]]
        else:
            words = list(tokens)
            words[0] = words[0].removeprefix("'")
            words[-1] = re.sub(r"%?'$", "", words[-1])
            words = drop_stop_words(words, definition.stop_words)
            if len(words) == 1:
                words = [f"= '{words[0]}'"]
        template = next(a for a in mapping.alternatives if a.count("XXTERMXX") == len(words))
    elif "XXTERMXX1" in template:
        words = drop_stop_words(value.split(), definition.stop_words)
    if words is not None and mapping.wordlist:
        truncation = effective_truncation(mapping, attributes)
        if truncation in (1, 2, 3):
            form = {1: "like '{}%'", 2: "like '%{}'", 3: "like '%{}%'"}[truncation]
            words = [f"= '{w}'" if len(w) <= 2 else form.format(w) for w in words]
    if "XXTERMXX1" in template:
        for i, word in enumerate(words, start=1):
            template = template.replace(f"XXTERMXX{i}", word)
        text = template
    elif "XXCOMPLEXSUBSTITUTEXX" in value:
        text = column_substitution(template, value)
    else:
        text = template.replace("XXTERMXX", value)
    if mapping.from_part:
        return f"SELECT {key_text}{secondary}FROM {named_from_part(mapping.from_part, text)} WHERE {text}"
    return text


def named_from_part(from_part, where):
    """The from-part's tables that the where-part names (alias, else table, then '.', outside quoted
    literals), the first always kept; a from-part that is not a plain list of "TABLE [ALIAS]" as it is."""
    entries = [e.strip() for e in from_part.split(",")]
    if len(entries) < 2 or any(not re.fullmatch(r"[\w$.]+(\s+[\w$.]+)?", e) for e in entries):
        return from_part
    outside = re.sub(r"'[^']*'", "''", where).upper()
    kept = [e for i, e in enumerate(entries)
            if i == 0 or re.search(r"(?<![\w$.])" + re.escape(e.split()[-1].upper()) + r"\.", outside)]
    return ", ".join(kept)


def relevance_statement(term, reference, relrank_path, catalogue):
    """The relevance statement: needs the catalogue for the keyword frequencies."""
    number = int(reference[7:])
    record = next(r for r in table_file.read(relrank_path) if r[0].value == number)
    frequency_sql, main_sql = record[1].value, record[2].value
    keywords, frequencies = [], []
    for piece in re.split(r"[ \t\n\v\f\r]", term):
        word = n.stem_word(piece) if piece else piece
        keywords.append(f"'{word}'")
        if word:
            row = catalogue.execute(frequency_sql.replace("XXKEYWORDXX", word)).fetchone()
            if row and str(row[0]).strip().isdigit():
                frequencies.append(int(row[0]))
    if not frequencies:
        return ""
    total = sum(1 / math.log(1 + f) for f in frequencies if f)
    factor = f"{100 / total:.2f}" if total else "0.00"
    return main_sql.replace("XXNORMXX", factor).replace("XXKEYWORDSXX", ",".join(keywords))


def operand_sql(definition, attributes, term, phrase_stops, relrank_path, catalogue):
    """(mapping, statement) for an operand with the attribute types and values given and a general
    (text) term."""
    count = word_count(term, definition.stop_words)
    mapping = definition.find(attributes, count)
    if mapping is None:
        return None, None
    text = term
    if mapping.wordlist:
        text = remove_stop_words(text, definition.stop_words)
    text = n.upper_ascii(text).replace("'", "''")
    if attributes[1] in DATE_USES:
        text = iso_date(text)
    key = definition.key_for(mapping)
    secondary = "".join(", " + s for s in key.secondaries) + " "
    if mapping.relevance:
        return mapping, relevance_statement(text, mapping.relevance, relrank_path, catalogue)
    if text == "*":
        return mapping, f"SELECT {key.text}{secondary}FROM {mapping.from_part.split(',')[0]}"
    value = operator_value(text, mapping, attributes, phrase_stops)
    if ".*" in mapping.sql:
        return mapping, f"SELECT {key.text}{secondary}FROM {mapping.from_part} WHERE" + definition.any_or.replace(
            "XXTERMXX", value
        )
    if not mapping.complex:
        return mapping, f"SELECT {key.text}{secondary}FROM {mapping.from_part} WHERE {mapping.sql} {value}"
    return mapping, complex_statement(definition, mapping, value, attributes, key.text, secondary)
