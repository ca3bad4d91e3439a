"""Reads table.txt: which sources answer each category, best source first.

TABLE maps a category to its sources (shared lists expanded); CLOSED holds the
categories whose whole answer set the bank holds. The file's header explains its form.
"""

import os

TABLE_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "table.txt")
CATEGORY_MARK = "="
SHARED_MARK = "@"
CLOSED_FLAG = "closed"
# A category of men: WordNet people described as women are left out.
MEN_FLAG = "men"
USE_PREFIX = "use:"


class TableError(ValueError):
    def __init__(self, path, number, message):
        super().__init__("%s:%d: %s" % (path, number, message))


class Block:
    """One "=Name" or "@NAME" block: its sources with their line numbers."""

    def __init__(self, mark, name, number):
        self.mark, self.name, self.number = mark, name, number
        self.sources = []
        self.closed = False
        self.men = False


def _blocks(path):
    block = None
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            if line[0] in (CATEGORY_MARK, SHARED_MARK):
                if block:
                    yield block
                block = Block(line[0], line[1:], number)
            elif block is None:
                raise TableError(path, number, "a source before the first category")
            elif line[0].isspace():
                if not block.sources:
                    raise TableError(path, number, "a continuation without a source above")
                first, text = block.sources[-1]
                block.sources[-1] = (first, text + " " + line.strip())
            elif line == CLOSED_FLAG:
                block.closed = True
            elif line == MEN_FLAG:
                block.men = True
            elif ":" not in line:
                raise TableError(path, number, "not a source: " + line)
            else:
                block.sources.append((number, line))
    if block:
        yield block


def read_table(path=TABLE_FILE, men=None):
    men = MEN if men is None else men
    categories, shared, closed = {}, {}, set()
    men.clear()
    for block in _blocks(path):
        into = categories if block.mark == CATEGORY_MARK else shared
        if block.name in into:
            raise TableError(path, block.number, "%s%s twice" % (block.mark, block.name))
        into[block.name] = block.sources
        if block.closed:
            closed.add(block.name)
        if block.men:
            men.add(block.name)

    def expand(sources, nested=False):
        result = []
        for number, source in sources:
            if not source.startswith(USE_PREFIX):
                result.append(source)
                continue
            name = source[len(USE_PREFIX):]
            if nested:
                raise TableError(path, number, "a shared list cannot use another")
            if name not in shared:
                raise TableError(path, number, "no shared list " + name)
            result.extend(expand(shared[name], nested=True))
        return result

    return {name: expand(sources) for name, sources in categories.items()}, closed


MEN = set()
TABLE, CLOSED = read_table()
