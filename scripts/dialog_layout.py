"""The main window's layout as the scripts that click it need it, read from the program's own table
in dialog/Unit1Layout.h, so that a moved button moves the scripts' clicks with it."""
import pathlib
import re

_HEADER = pathlib.Path(__file__).resolve().parent.parent / 'dialog' / 'Unit1Layout.h'
_text = _HEADER.read_text()
_rows = {name: (parent, tuple(map(int, bounds.split(','))))
         for name, parent, bounds in re.findall(r'\{"(\w+)", "(\w*)", \{([-\d, ]+)\}', _text)}


def client_size():
    """The client area's width and height in pixels at 96 DPI."""
    return tuple(int(re.search(rf'Nodlink{side} = (\d+);', _text)[1]) for side in ('ClientWidth', 'ClientHeight'))


def bounds(name):
    """The left, top, width and height of control NAME in client coordinates at 96 DPI."""
    parent, (left, top, width, height) = _rows[name]
    if parent:
        left += _rows[parent][1][0]
        top += _rows[parent][1][1]
    return left, top, width, height


def centre(name, dpi=96):
    """The centre of control NAME in client coordinates, at DPI."""
    left, top, width, height = bounds(name)
    return (left + width // 2) * dpi // 96, (top + height // 2) * dpi // 96


if __name__ == '__main__':
    import sys
    # dialog_layout.py NAME [DPI]: prints the centre; dialog_layout.py size: the client size;
    # dialog_layout.py bounds NAME: the control's bounds at 96 DPI.
    if sys.argv[1] == 'size':
        print(*client_size())
    elif sys.argv[1] == 'bounds':
        print(*bounds(sys.argv[2]))
    else:
        print(*centre(sys.argv[1], *map(int, sys.argv[2:])))
