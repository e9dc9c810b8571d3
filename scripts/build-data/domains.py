"""Domain and register labels of the dictionaries as meaning codes, through the table
domain-labels.txt; the same table gives the qualifier lines of both languages."""

import datalib


class DomainTable:
    def __init__(self, path):
        self.version, rows = datalib.read_table(path)
        self.codes = []     # (name, Polish label, French label) in table order
        self._code_of = {}  # source label folded to lower case → code name
        for fields in rows:
            if len(fields) != 4:
                datalib.fail(f"{path}: expected 4 TAB-separated fields: {fields!r}")
            name, polish, french, labels = fields
            self.codes.append((name, polish, french))
            for label in filter(None, (item.strip() for item in labels.split("|"))):
                self._code_of[label.lower()] = name

    def polish_label(self, name):
        return next(polish for code, polish, _ in self.codes if code == name)

    def codes_of(self, labels):
        """Code names of a sense's labels in table order; unmapped labels give none."""
        found = {self._code_of.get(label.lower()) for label in labels}
        return [name for name, _, _ in self.codes if name in found]

    def qualifier_lines(self, language):
        """"name_label" lines of the qualifier file of the language ("pl" or "fr")."""
        return [f"{name}_{polish if language == 'pl' else french}" for name, polish, french in self.codes]
