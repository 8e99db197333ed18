#!/usr/bin/python3
"""Reads the running program through the accessibility bus as a screen reader does, and acts
through it as one does (the Press action), along GO! -> icons placed -> check -> simulator ->
help -> sample chooser -> END. In every window, every object a user can act on must have a role
that acts (no filler, panel or picture) and a Japanese name; the grid must be a table of named
cells; a change of the message area must arrive as an event. With --dump WINDOW it prints that
window's tree instead (the editor's is the one in the notes)."""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WAIT = 30  # seconds for any window or change
JAPANESE = re.compile('[\u3040-\u30ff\u3400-\u9fff\uff01-\uff9f]')
# Roles that say what acting on them does.
ACTING = {'push button', 'toggle button', 'check box', 'radio button', 'combo box', 'list item',
          'list', 'menu item', 'menu', 'table', 'table cell', 'text', 'entry', 'scroll bar',
          'spin button', 'page tab', 'slider'}

START = 'Ｚｕｖｏｍａｔｉｃ　メニュー'
EDITOR = 'Zuvomatic 編集'
SIMULATOR = 'Ｚｕｖｏｍａｔｉｃ　シミュレータ'
HELP = 'Ｚｕｖｏｍａｔｉｃ　説明'
SAMPLES = 'Ｚｕｖｏｍａｔｉｃ　サンプル'

failures = []
name_events = []
focus_events = []


def fail(text):
    failures.append(text)
    print('FAILED: ' + text, file=sys.stderr)


def pump(seconds=0.0):
    """Lets the bus deliver what has arrived (events, replies) for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(what, probe, timeout=WAIT):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            found = probe()
        except Exception:  # an object went away while it was read: look again
            found = None
        if found:
            return found
        pump(0.05)
    raise SystemExit('FAILED: ' + what + ' within %d s' % timeout)


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == 'Zuvomatic':
            return app
    return None


def window(title):
    def probe():
        app = program()
        for win in app or []:
            if win is not None and win.name == title and showing(win):
                return win
        return None
    return wait_for('the window "%s"' % title, probe)


def gone(title):
    def probe():
        app = program()
        return app is None or not any(w is not None and w.name == title and showing(w)
                                      for w in app)
    wait_for('"%s" gone' % title, probe)


def actions(obj):
    try:
        action = obj.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def walk(obj, depth=0):
    """Every descendant a reader meets: what is showing, and every menu's items. A table's cells
    are read through the table, not one by one."""
    for child in obj:
        if child is None:
            continue
        role = child.getRoleName()
        if not (showing(child) or role in ('menu', 'menu item', 'popup menu')):
            continue
        yield child, depth + 1
        if role != 'table':
            yield from walk(child, depth + 1)


def find(win, role, name):
    """The object of that role and name; a menu letter or Qt's "(Y)" after the name may follow."""
    for obj, _ in walk(win):
        if obj.getRoleName() == role and (obj.name == name or obj.name.startswith(name + '(')):
            return obj
    raise SystemExit('FAILED: no %s "%s" in "%s"' % (role, name, win.name))


def press(obj, action='Press', opens_question=False):
    """The action as a screen reader calls it. One that opens a question answers only once the
    question is closed: its reply is not waited for."""
    names = actions(obj)
    if action not in names:
        raise SystemExit('FAILED: "%s" cannot %s (%s)' % (obj.name, action, names))
    if opens_question:
        pyatspi.setTimeout(500, 15000)
    try:
        obj.queryAction().doAction(names.index(action))
    except GLib.GError:
        if not opens_question:
            raise
    finally:
        pyatspi.setTimeout(25000, 15000)
    pump(0.05)


def check_window(win, content_lists=()):
    """Every object one acts on: a role that acts, a Japanese name. The items of the lists
    named in content_lists (the help's topics) are content and keep their own words."""
    acted = 0
    for obj, _ in walk(win):
        acts = actions(obj)
        role = obj.getRoleName()
        if role == 'label' and acts == ['SetFocus']:
            continue  # text that can be selected, to read, not to act on
        if not acts:
            continue
        acted += 1
        parent = obj.parent
        if parent is not None and parent.name in content_lists and role == 'list item':
            continue
        where = '%s: %s "%s"' % (win.name, role, obj.name)
        if role not in ACTING:
            fail(where + ' acts (%s) but is no control' % ','.join(acts))
        if not JAPANESE.search(obj.name or ''):
            fail(where + ' has no Japanese name')
    if acted == 0:
        fail(win.name + ': nothing to act on')
    print('%s: %d objects to act on, all named' % (win.name, acted))


def dump(win):
    for obj, depth in walk(win):
        extra = ''
        if obj.getRoleName() == 'table':
            table = obj.queryTable()
            cells = []
            for row in range(2, 6):
                for column in range(2, 8):
                    cell = table.getAccessibleAt(row, column)
                    cells.append('    %s cell "%s"' % ('  ' * depth, cell.name))
            extra = ' (%d x %d)\n' % (table.nRows, table.nColumns) + '\n'.join(cells)
        print('%s%s "%s" [%s]%s' % ('  ' * depth, obj.getRoleName(), obj.name,
                                    ','.join(actions(obj)), extra))


def on_focus(event):
    if event.detail1 == 1 and event.source is not None:
        focus_events.append((event.source.getRoleName(), event.source.name))


def on_name(event):
    source = event.source
    name_events.append((source.description if source else '', source.name if source else ''))


def main():
    pyatspi.Registry.registerEventListener(on_name, 'object:property-change:accessible-name')
    pyatspi.Registry.registerEventListener(on_focus, 'object:state-changed:focused')
    start = window(START)
    if '--dump' in sys.argv:
        press(find(start, 'push button', 'プログラムを作る（GO!）'))
        dump(window(EDITOR))
        return
    check_window(start)

    # GO!
    press(find(start, 'push button', 'プログラムを作る（GO!）'))
    editor = window(EDITOR)
    check_window(editor)
    grid = find(editor, 'table', 'プログラムエリア')
    table = grid.queryTable()
    if (table.nRows, table.nColumns) != (59, 99):
        fail('the grid is %d x %d cells' % (table.nRows, table.nColumns))
    cell = lambda x, y: table.getAccessibleAt(y, x)
    shown = sum(1 for y in range(0, 16) for x in range(0, 30) if showing(cell(x, y)))
    if shown < 100:
        fail('only %d cells of the grid are showing' % shown)
    for (x, y), name in {(2, 4): '2列3行 開始', (20, 4): '11列3行 終了', (0, 0): '1列1行 空き',
                         (3, 4): '2列3行の右 線なし'}.items():
        if cell(x, y).name != name:
            fail('cell (%d, %d) reads "%s", not "%s"' % (x, y, cell(x, y).name, name))

    # Icons from the tray onto the grid, lines between them: BEGIN, 前進, ウェイト, then ノップ up
    # to END, each pressed as a screen reader presses (the tray's item, then the cell).
    tray = find(editor, 'list', 'アイコントレイ')
    item = {child.name: child for child in tray if child is not None and child.name}
    for x, name in [(4, '前進'), (6, 'ウェイト')] + [(x, 'ノップ') for x in range(8, 20, 2)]:
        press(item[name])
        press(cell(x, 4))
        wait_for('%s at (%d, 4)' % (name, x), lambda: name in cell(x, 4).name)
    for x in range(3, 20, 2):
        press(cell(x, 4))
        wait_for('a line at (%d, 4)' % x, lambda: cell(x, 4).name.endswith('線あり'))
    if cell(4, 4).name != '3列3行 前進 速さ中':
        fail('the placed icon reads "%s"' % cell(4, 4).name)

    # The keyboard mode: the reader follows its cursor from cell to cell as the focus.
    press(find(editor, 'menu item', 'キーボードで操作'))
    window_id = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', '^%s$' % EDITOR],
                               capture_output=True, text=True).stdout.split()[0]
    subprocess.run(['xdotool', 'windowfocus', '--sync', window_id], timeout=10)
    wait_for('the editor active', lambda: editor.getState().contains(pyatspi.STATE_ACTIVE))
    for key in ('Right', 'Down'):
        del focus_events[:]
        subprocess.run(['xdotool', 'key', key], timeout=10)
        spoken = wait_for('the cursor\'s cell focused after ' + key, lambda: next(
            (name for role, name in focus_events if role == 'table cell'), None))
        print('cursor: "%s"' % spoken)
    press(find(editor, 'menu item', 'キーボードで操作'))

    # The check, three stages; each shows its result in the message area, which is announced.
    check = find(editor, 'push button', 'チェック')
    for stage in range(3):
        del name_events[:]
        press(check)
        wait_for('the message area announced after check %d' % (stage + 1),
                 lambda: any(description == 'メッセージエリア' for description, _ in name_events))
    print('message area announced: "%s"' % [n for d, n in name_events if d][-1].splitlines()[0])

    # The simulator, from the menu; one step lights the executing icon, which the grid says.
    press(find(editor, 'menu item', 'シミュレータ'))
    simulator = window(SIMULATOR)
    check_window(simulator)
    press(find(simulator, 'push button', 'ステップ'))
    lit = wait_for('a lit cell', lambda: next((cell(x, 4) for x in range(2, 21, 2)
                                               if cell(x, 4).name.endswith('実行中')), None))
    print('lit: "%s"' % lit.name)

    # Back to the start screen (the question about the unsaved program answered はい), help.
    press(find(editor, 'menu item', '初期画面に戻る'), opens_question=True)
    question = wait_for('the question on leaving', lambda: next(
        (w for w in program() if w is not None and w.name == '編集プログラムの終了' and showing(w)),
        None))
    check_window(question)
    press(find(question, 'push button', 'はい'))
    start = window(START)
    press(find(start, 'push button', '説明を見る（HELP）'))
    help_window = window(HELP)
    check_window(help_window, content_lists=('説明の項目',))
    press(find(help_window, 'push button', '戻る'))

    # The sample chooser: a pale step lights up when pressed, the bright one starts it.
    start = window(START)
    press(find(start, 'push button', 'サンプルプログラムから始める（TRY）'))
    samples = window(SAMPLES)
    check_window(samples)
    press(find(samples, 'push button', 'ステップ4 変数を使う'))
    wait_for('step 4 bright', lambda: any(
        o.getRoleName() == 'text' and 'カウントダウン' in o.queryText().getText(0, -1)
        for o, _ in walk(samples)))
    press(find(samples, 'push button', '戻る'))

    start = window(START)
    press(find(start, 'push button', '終わる（END）'))
    gone(START)


if __name__ == '__main__':
    main()
    if failures:
        sys.exit(1)
    print('every window read')
