"""Schema errors: every one names the file and line it comes from."""


class SchemaError(Exception):
    def __init__(self, where, message):
        self.where = where
        self.message = message
        super().__init__(f"{where}: {message}" if where else message)


class Where:
    """A position in a schema file."""

    def __init__(self, path, line):
        self.path = path
        self.line = line

    def __str__(self):
        return f"{self.path}:{self.line}"
