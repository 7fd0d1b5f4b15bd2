#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the program's folders stack one way.

    layers.py SOURCE_FOLDER [QT_INCLUDE_FOLDER...] [--graph]

A file may include the headers of its own folder and of the folders below it
in STACK, never of a folder beside or above it. Core folders (those not named
ui) hold what links Qt Core alone: a core file includes no header of a Qt
module that draws (its own windows' modules, WINDOW_MODULES) and no form made
by the designer (ui_*.h). The Qt include folders given are where the modules'
headers are looked up; without them, only module-qualified includes are known.

The folder graph (which folder includes which, with the number of includes)
is printed with --graph; any circle in it is reported whatever the stack says.
Exits 1 when a rule is broken, naming each file and line.
"""
import os
import re
import sys

# Lowest first. A folder may include itself and any folder of an earlier row;
# folders of one row are beside each other and include neither.
STACK = [
    ['base'],                   # infrastructure: the store engine, safe files, language, recent folders
    ['content'],                # topics, question files, the bank, saved exercises, the generator
    ['exercise'],               # one exercise's rules, printed texts
    ['users'],                  # accounts, score records, progress, the password, the first run's writes
    ['options', 'templates'],   # (no core files yet)
    ['app', 'generate'],        # themes, the data folder, window placement; the command-line generator
    ['base/ui'],                # the seams every window uses: Prompts, SoundPlayer, shared helpers
    ['content/ui'],
    ['exercise/ui'],            # the exercise window, printing
    ['users/ui'],               # sign-in, scores, progress, the sidebar, the password prompt
    ['options/ui', 'templates/ui'],
    ['app/ui'],                 # the main window, its commands, pages and clocks; main()
]
# Folders outside the program, not part of the stack.
OUTSIDE = {'tests', 'bench', 'fuzz', 'tools', 'data', 'packaging', 'translations', 'LICENSES'}
WINDOW_MODULES = ['QtGui', 'QtWidgets', 'QtPrintSupport', 'QtMultimedia', 'QtMultimediaWidgets', 'QtCharts',
                  'QtOpenGL', 'QtOpenGLWidgets', 'QtSvg', 'QtSvgWidgets']

RANK = {folder: row for row, folders in enumerate(STACK) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def folder_of(path):
    """The deepest stack folder holding a path relative to the source folder, or None."""
    parts = path.split('/')[:-1]
    for n in range(len(parts), 0, -1):
        candidate = '/'.join(parts[:n])
        if candidate in RANK:
            return candidate
    return None


def is_core(folder):
    return not (folder == 'ui' or folder.endswith('/ui'))


def window_headers(qt_folders):
    """Header names (QLabel, qlabel.h) of the drawing modules found in the Qt include folders."""
    names = set()
    roots = {os.path.dirname(d.rstrip('/')) if os.path.basename(d.rstrip('/')).startswith('Qt') else d
             for d in qt_folders}
    for root in roots:
        for module in WINDOW_MODULES:
            folder = os.path.join(root, module)
            if os.path.isdir(folder):
                names.update(os.listdir(folder))
    return names


def sources(top):
    for folder, subfolders, files in os.walk(top):
        relative = os.path.relpath(folder, top)
        first = relative.split('/')[0]
        if relative != '.' and (first in OUTSIDE or first.startswith(('.', 'build'))):
            subfolders[:] = []
            continue
        subfolders.sort()
        for name in sorted(files):
            if name.endswith(('.h', '.cpp')):
                yield os.path.normpath(os.path.join(relative, name))


def circles(graph):
    """Every folder that lies on a circle of the graph, as the circle found through it."""
    found, state = [], {}

    def visit(node, path):
        state[node] = 'open'
        path.append(node)
        for target in sorted(graph.get(node, {})):
            if state.get(target) == 'open':
                found.append(path[path.index(target):] + [target])
            elif target not in state:
                visit(target, path)
        path.pop()
        state[node] = 'done'

    for node in sorted(graph):
        if node not in state:
            visit(node, [])
    return found


def main(argv):
    show_graph = '--graph' in argv
    arguments = [a for a in argv[1:] if a != '--graph']
    if not arguments:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    top, qt_folders = arguments[0], arguments[1:]
    drawing = window_headers(qt_folders)
    problems, graph = [], {}

    for path in sources(top):
        folder = folder_of(path)
        if folder is None:
            problems.append(f'{path}: the folder {os.path.dirname(path) or "."} has no place in the stack (tests/layers.py)')
            continue
        with open(os.path.join(top, path), encoding='utf-8') as text:
            lines = text.read().split('\n')
        for number, line in enumerate(lines, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            quoted, name = match.group(1) == '"', match.group(2)
            where = f'{path}:{number}'
            if is_core(folder):
                module = name.split('/')[0]
                if module in WINDOW_MODULES or (not quoted and name in drawing) or os.path.basename(name).startswith('ui_'):
                    problems.append(f'{where}: the core folder {folder} includes the window header {name}')
            if not quoted:
                continue
            target = folder_of(name) if os.path.exists(os.path.join(top, name)) else None
            if target is None:
                continue
            if target != folder:
                graph.setdefault(folder, {}).setdefault(target, 0)
                graph[folder][target] += 1
                if RANK[target] >= RANK[folder]:
                    side = 'beside' if RANK[target] == RANK[folder] else 'above'
                    problems.append(f'{where}: {folder} includes {name}, of {target}, a folder {side} it')

    if show_graph:
        for folder in sorted(graph, key=lambda f: (RANK[f], f)):
            targets = ', '.join(f'{t} ({n})' for t, n in sorted(graph[folder].items(), key=lambda i: (RANK[i[0]], i[0])))
            print(f'{folder} -> {targets}')
    for circle in circles(graph):
        problems.append('the folders include each other in a circle: ' + ' -> '.join(circle))
    for problem in problems:
        print(problem)
    if problems:
        print(f'{len(problems)} include(s) break the stack; the allowed direction is in DESIGN.md.')
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
