"""Decoder fault codes: the sites of every type, their numbers, and the check that they tile the unit's range.

Each type takes its numbers from its first code downwards, in this order:
- whole-value decoder of a type with its own identifier (@whole): one number for a wrong identifier;
- SEQUENCE or SET: for each component in order, a number for the wrong inner identifier when it is EXPLICIT
  around a type with an identifier of its own, then (last component only) the length mismatch, then the
  missing component when it is mandatory; after all components one end number, raised for a stray
  identifier when the last component is optional and never raised when it is mandatory;
- CHOICE: the inner-identifier numbers of its EXPLICIT alternatives in order, then the unknown identifier;
- SEQUENCE OF or SET OF: one number for an element with a wrong identifier, none when the element is an
  untagged CHOICE.
"""

from errors import SchemaError


class Site:
    """One place where a decoder raises a code of its own."""

    def __init__(self, owner, kind, field, raised):
        self.owner = owner
        self.kind = kind  # whole inner length missing end unknown element
        self.field = field
        self.raised = raised
        self.code = None

    @property
    def key(self):
        return f"{self.kind}-{self.field.name or self.field.cname}" if self.field is not None else self.kind

    def describe(self):
        return f"{self.owner.cname} {self.key}"


def record_sites(record):
    sites = []
    if record.whole and record.own_use.ident is not None:
        sites.append(Site(record, "whole", None, True))
    if record.is_list:
        if record.element.use.ident is not None:
            sites.append(Site(record, "element", None, True))
    elif record.kind == "CHOICE":
        for field in record.fields:
            if not field.pending and field.use.inner_checked:
                sites.append(Site(record, "inner", field, True))
        sites.append(Site(record, "unknown", None, True))
    else:
        last = len(record.fields) - 1
        for index, field in enumerate(record.fields):
            if field.use.inner_checked:
                sites.append(Site(record, "inner", field, True))
            if index == last:
                sites.append(Site(record, "length", None, True))
            if not field.optional:
                sites.append(Site(record, "missing", field, True))
        sites.append(Site(record, "end", None, record.fields[-1].optional))
    return sites


def _number_sites(owner, sites, annotations, where):
    code = annotations.get("code")
    overrides = annotations.get("codes")
    if not sites:
        for annotation in (code, overrides):
            if annotation is not None:
                raise SchemaError(annotation.where, f"{owner.cname} raises no code of its own; drop @{annotation.name}")
        return
    if code is None:
        keys = ", ".join(site.key for site in sites)
        raise SchemaError(where, f"{owner.cname} raises {len(sites)} code(s) ({keys}): give the first with @code(...)")
    if len(code.args) != 1 or not isinstance(code.args[0], int) or code.args[0] >= 0:
        raise SchemaError(code.where, "@code takes one negative number, e.g. @code(-140)")
    by_key = {}
    if overrides is not None:
        keys = {site.key for site in sites}
        for arg in overrides.args:
            if not isinstance(arg, tuple):
                raise SchemaError(overrides.where, "@codes takes site=code pairs, e.g. @codes(missing-term=-121)")
            if arg[0] not in keys:
                raise SchemaError(overrides.where, f"{owner.cname} has no site {arg[0]}; its sites: "
                                                   + ", ".join(sorted(keys)))
            by_key[arg[0]] = arg[1]
    for index, site in enumerate(sites):
        site.code = by_key.get(site.key, code.args[0] - index)
    owner.sites = sites


def unit_sites(unit):
    """Numbers every site of the unit and returns them all."""
    sites = []
    for record in unit.records:
        record_site_list = record_sites(record)
        _number_sites(record, record_site_list, record.node.annotations, record.where)
        sites.extend(record_site_list)
    for alias in unit.aliases:
        alias_sites = [Site(alias, "whole", None, True)] if alias.whole else []
        _number_sites(alias, alias_sites, alias.node.annotations, alias.where)
        sites.extend(alias_sites)
    for whole in unit.wholes:
        whole_sites = [Site(whole, "whole", None, True)]
        _number_sites(whole, whole_sites, whole.annotations, whole.where)
        sites.extend(whole_sites)
    return sites


def _runs(numbers):
    """Compact text of a set of codes: -104, -110 to -112."""
    ordered = sorted(numbers, reverse=True)
    parts = []
    start = previous = None
    for number in ordered + [None]:
        if start is not None and number == previous - 1:
            previous = number
            continue
        if start is not None:
            parts.append(str(start) if start == previous else f"{start} to {previous}")
        start = previous = number
    return ", ".join(parts)


def check_unit(unit):
    """Numbers the sites and checks that they tile the declared range; returns the sites by code."""
    sites = unit_sites(unit)
    if not sites and unit.codes is None:
        return []
    if unit.codes is None:
        raise SchemaError(unit.where, "the schema's types raise codes but it has no 'codes FIRST to LAST' line")
    first, last = unit.codes
    by_code = {}
    for site in sites:
        if not last <= site.code <= first:
            raise SchemaError(site.owner.where, f"{site.describe()} gets code {site.code}, outside {first} to {last}")
        if site.code in by_code:
            other = by_code[site.code]
            raise SchemaError(site.owner.where, f"code {site.code} of {site.describe()} is also {other.describe()} "
                                                f"({other.owner.where})")
        by_code[site.code] = site
    for code in list(unit.reserved) + list(unit.unraised):
        if not last <= code <= first:
            raise SchemaError(unit.unraised_where, f"code {code} is outside {first} to {last}")
    for code in unit.reserved:
        if code in by_code:
            raise SchemaError(unit.where, f"reserved code {code} is also {by_code[code].describe()}")
    gaps = [code for code in range(first, last - 1, -1) if code not in by_code and code not in unit.reserved]
    if gaps and not unit.incomplete:
        raise SchemaError(unit.where, f"no type takes the codes {_runs(gaps)}")
    derived = {site.code for site in sites if not site.raised}
    declared = set(unit.unraised) - set(unit.reserved)
    raised_but_declared = {site.code for site in sites if site.raised} & declared
    if raised_but_declared:
        names = ", ".join(by_code[code].describe() for code in sorted(raised_but_declared, reverse=True))
        raise SchemaError(unit.unraised_where, f"declared unraised but raised: {_runs(raised_but_declared)} ({names})")
    missing = derived - declared
    if missing:
        names = ", ".join(by_code[code].describe() for code in sorted(missing, reverse=True))
        raise SchemaError(unit.unraised_where, f"never raised but not declared unraised: {_runs(missing)} ({names})")
    if not unit.incomplete and declared != derived:
        raise SchemaError(unit.unraised_where, f"declared unraised but no type leaves them so: "
                                               f"{_runs(declared - derived)}")
    return sorted(sites, key=lambda site: -site.code)
