#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Quaylin as a screen reader meets it: over AT-SPI, every interactive control of the main
window, the tray panel, the project page, the card sheet, the project editor and the settings
sheet is found by role and name, and a sample of them (sidebar rows, filters, card tiles, chips,
segments) is activated through its accessible action (never a synthesised click); each
activation must change the data file, the preferences or what the window shows. Arguments: the
quaylin binary, a scratch folder."""

import json
import os
import subprocess
import sys
import threading
import time

import pyatspi
from gi.repository import Gio, GLib

BINARY, SCRATCH = sys.argv[1], sys.argv[2]
DATA = os.path.join(SCRATCH, "data", "Quaylin", "store.json")
CONFIG = os.path.join(SCRATCH, "config", "Quaylin", "Quaylin.conf")
PROJECT, PARKED = "00000000-0000-0000-0000-00000000000B", "00000000-0000-0000-0000-00000000000E"
CARD, OTHER, BUG = ("00000000-0000-0000-0000-00000000000D", "00000000-0000-0000-0000-000000000010",
                    "00000000-0000-0000-0000-00000000000A")
INTERACTIVE = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
               pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
               pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER}
failures = []


def write_data():
    folder = os.path.join(SCRATCH, "home", "alpha")
    os.makedirs(folder)
    os.makedirs(os.path.dirname(DATA))
    card = {"id": CARD, "projectID": PROJECT, "title": "Karta", "column": "doing",
            "sortIndex": 0, "createdAt": 0, "labelIDs": []}
    other = dict(card, id=OTHER, title="Oprava", sortIndex=1, labelIDs=[BUG])
    project = {"id": PROJECT, "name": "Alpha", "emoji": "🚀", "localPath": folder,
               "status": "development", "sortIndex": 0}
    parked = dict(project, id=PARKED, name="Beta", status="parked", sortIndex=1)
    with open(DATA, "w", encoding="utf-8") as file:
        json.dump({"didSeed": True, "projects": [project, parked], "folders": [],
                   "labels": [{"id": BUG, "name": "Bug", "colorName": "red"}],
                   "cards": [card, other]}, file)


def stored():
    with open(DATA, encoding="utf-8") as file:
        return json.load(file)


def wait(what, condition, timeout=15):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            value = condition()
        except Exception:  # a node gone while it was read: ask again
            value = None
        if value:
            return value
        time.sleep(0.2)
    raise AssertionError("timed out waiting for " + what)


def nodes(root):
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        yield node
        stack.extend(reversed([node.getChildAtIndex(i) for i in range(node.childCount)]))


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(root, role, name, visible=True):
    for node in nodes(root):
        if node.getRole() == role and node.name == name and (not visible or showing(node)):
            return node
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "quaylin":
            return app
    return None


def window(role, name=None):
    app = application()
    for child in app or []:
        if child is not None and child.getRole() == role and (name is None or child.name == name) \
                and showing(child):
            return child
    return None


def act(node, *names):
    """Runs the node's first action among `names`, as a screen reader's command would."""
    actions = node.queryAction()
    offered = [actions.getName(i) for i in range(actions.nActions)]
    for name in names:
        if name in offered:
            actions.doAction(offered.index(name))
            return
    raise AssertionError(f"{node.name!r} offers {offered}, none of {names}")


def key(symbol):
    pyatspi.Registry.generateKeyboardEvent(symbol, None, pyatspi.KEY_SYM)


def audit(root, where):
    """Every interactive control that shows is named, so a screen reader can say what it is."""
    for node in nodes(root):
        if node.getRole() in INTERACTIVE and showing(node) and not node.name.strip():
            failures.append(f"{where}: a {node.getRoleName()} without a name")


def check(what, condition, timeout=10):
    try:
        wait(what, condition, timeout)
    except AssertionError as error:
        failures.append(str(error))


def main_window():
    frame = wait("the main window", lambda: window(pyatspi.ROLE_FRAME, "Quaylin"), 60)
    audit(frame, "main window")

    # The status filter: a closed combo box whose entry a screen reader selects.
    tree = find(frame, pyatspi.ROLE_TREE, "Projekty")
    rows = lambda: [n.name for n in nodes(tree) if n.getRole() == pyatspi.ROLE_TABLE_CELL]
    # Qt names a combo box by its current entry.
    combo = wait("the status filter", lambda: find(frame, pyatspi.ROLE_COMBO_BOX, "Vše"))
    act(wait("the filter's entry Uloženo",
             lambda: find(combo, pyatspi.ROLE_LIST_ITEM, "Uloženo", visible=False)), "Toggle")
    check("the filter to leave only parked projects",
          lambda: not any("Alpha" in r for r in rows()) and any("Beta" in r for r in rows()))
    act(find(combo, pyatspi.ROLE_LIST_ITEM, "Vše", visible=False), "Toggle")
    check("every project back", lambda: any("Alpha" in r for r in rows()))

    # A folder from the "Projekt" menu and from the button, named through the field.
    menu = find(frame, pyatspi.ROLE_MENU_ITEM, "Projekt") or find(frame, pyatspi.ROLE_MENU, "Projekt")
    act(find(menu, pyatspi.ROLE_MENU_ITEM, "Nová složka", visible=False), "Press")
    for name, opener in (("Klienti", None), ("Weby", "button")):
        if opener:
            act(find(frame, pyatspi.ROLE_PUSH_BUTTON, "Nová složka"), "Press")
        field = wait("the folder name field", lambda: find(frame, pyatspi.ROLE_TEXT, "Nová složka"))
        field.queryEditableText().setTextContents(name)
        key(0xFF0D)  # Return: the field has the keyboard
        check(f"folder {name} stored", lambda: name in [f["name"] for f in stored()["folders"]])

    return frame


def stored_card(card_id):
    return next(c for c in stored()["cards"] if c["id"] == card_id)


def toggle(root, name, what, condition, role=pyatspi.ROLE_CHECK_BOX):
    """Toggles the named control and checks `what` follows."""
    act(wait(name, lambda: find(root, role, name)), "Toggle", "Press")
    check(what, condition)


def project_page(frame):
    """A project opened from the sidebar; on its board the label filter chip filters."""
    tree = find(frame, pyatspi.ROLE_TREE, "Projekty")
    row = next(n for n in nodes(tree)
               if n.getRole() == pyatspi.ROLE_TABLE_CELL and n.name.startswith("🚀 Alpha"))
    act(row, "Toggle")
    wait("the project page", lambda: find(frame, pyatspi.ROLE_PUSH_BUTTON, "Upravit projekt"))
    audit(frame, "project page")
    cards = lambda: [n.name for n in nodes(frame) if n.getRole() == pyatspi.ROLE_LIST_ITEM]
    toggle(frame, "Bug", "the Bug filter to hide Karta",
           lambda: "Oprava" in cards() and "Karta" not in cards())
    toggle(frame, "Bug", "every card back", lambda: "Karta" in cards())


def card_sheet(frame):
    """A card opened by its tile's action: a priority chip and a label chip reach the card."""
    act(wait("the card Karta", lambda: find(frame, pyatspi.ROLE_LIST_ITEM, "Karta")), "Toggle")
    sheet = wait("the card sheet", lambda: window(pyatspi.ROLE_DIALOG, "Karta"))
    audit(sheet, "card sheet")
    toggle(sheet, "Vysoká", "priority high stored",
           lambda: stored_card(CARD).get("priority") == "high")
    toggle(sheet, "Bug", "label Bug on the card", lambda: stored_card(CARD)["labelIDs"] == [BUG])
    toggle(sheet, "Bug", "label Bug off the card", lambda: stored_card(CARD)["labelIDs"] == [])
    act(find(sheet, pyatspi.ROLE_PUSH_BUTTON, "Hotovo"), "Press")
    wait("the card sheet closed", lambda: window(pyatspi.ROLE_DIALOG) is None)


def project_editor(frame):
    """The editor's status segment, saved, reaches the project."""
    act(find(frame, pyatspi.ROLE_PUSH_BUTTON, "Upravit projekt"), "Press")
    editor = wait("the project editor", lambda: window(pyatspi.ROLE_DIALOG, "Upravit projekt"))
    audit(editor, "project editor")
    act(find(editor, pyatspi.ROLE_RADIO_BUTTON, "Hotové"), "Toggle")
    act(find(editor, pyatspi.ROLE_PUSH_BUTTON, "Uložit"), "Press")
    check("status done stored",
          lambda: next(p for p in stored()["projects"] if p["id"] == PROJECT)["status"] == "done")
    wait("the editor closed", lambda: window(pyatspi.ROLE_DIALOG) is None)


def settings(frame):
    act(find(frame, pyatspi.ROLE_PUSH_BUTTON, "Nastavení"), "Press")
    settings = wait("the settings sheet", lambda: window(pyatspi.ROLE_DIALOG))
    audit(settings, "settings sheet")
    act(find(settings, pyatspi.ROLE_RADIO_BUTTON, "EN"), "Toggle", "Press")
    check("English stored", lambda: "language=en" in open(CONFIG, encoding="utf-8").read())
    check("the window in English",
          lambda: find(frame, pyatspi.ROLE_PUSH_BUTTON, "Settings") is not None)


class TrayWatcher:
    """A panel's StatusNotifierWatcher with a host, answering from a thread of its own (Qt asks
    it with blocking calls): the application's tray icon registers here, and the test clicks it
    the way a panel does, through the item's Activate."""

    INTERFACE = Gio.DBusNodeInfo.new_for_xml(
        "<node><interface name='org.kde.StatusNotifierWatcher'>"
        "<method name='RegisterStatusNotifierItem'><arg type='s' direction='in'/></method>"
        "<property name='IsStatusNotifierHostRegistered' type='b' access='read'/>"
        "<property name='RegisteredStatusNotifierItems' type='as' access='read'/>"
        "<property name='ProtocolVersion' type='i' access='read'/>"
        "</interface></node>").interfaces[0]

    def __init__(self):
        self.items, self.ready = [], threading.Event()
        threading.Thread(target=self.serve, daemon=True).start()
        self.ready.wait(10)

    def serve(self):
        context = GLib.MainContext()
        context.push_thread_default()
        address = Gio.dbus_address_get_for_bus_sync(Gio.BusType.SESSION, None)
        self.bus = Gio.DBusConnection.new_for_address_sync(
            address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        self.bus.register_object("/StatusNotifierWatcher", self.INTERFACE, self.called,
                                 self.property, None)
        self.bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                           "org.freedesktop.DBus", "RequestName",
                           GLib.Variant("(su)", ("org.kde.StatusNotifierWatcher", 0)), None,
                           Gio.DBusCallFlags.NONE, -1, None)
        self.ready.set()
        GLib.MainLoop(context).run()

    def called(self, bus, sender, path, interface, method, arguments, invocation):
        self.items.append(sender)  # the item lives on the connection that registers it
        invocation.return_value(None)

    def property(self, bus, sender, path, interface, name):
        return {"IsStatusNotifierHostRegistered": GLib.Variant("b", True),
                "RegisteredStatusNotifierItems": GLib.Variant("as", self.items),
                "ProtocolVersion": GLib.Variant("i", 0)}[name]

    def activate(self):
        wait("the tray icon", lambda: self.items)
        self.bus.call_sync(self.items[0], "/StatusNotifierItem", "org.kde.StatusNotifierItem",
                           "Activate", GLib.Variant("(ii)", (0, 0)), None,
                           Gio.DBusCallFlags.NONE, 5000, None)


def panel(tray):
    """With a tray the application starts in it: its panel, opened from the icon, shows a row
    per project and opens the main window."""
    wait("the application", application, 60)
    tray.activate()
    panel = wait("the panel", lambda: window(pyatspi.ROLE_FRAME, "Quaylin"))
    audit(panel, "panel")
    check("a row per project", lambda: find(panel, pyatspi.ROLE_FILLER, "Alpha")
          and find(panel, pyatspi.ROLE_FILLER, "Beta"))
    act(find(panel, pyatspi.ROLE_PUSH_BUTTON, "Otevřít Quaylin"), "Press")
    wait("the panel to hide", lambda: not showing(panel))  # a frame named as the main window


def main():
    write_data()
    log = open(os.path.join(SCRATCH, "quaylin.log"), "w")
    tray = TrayWatcher()
    app = subprocess.Popen([BINARY], stdout=log, stderr=subprocess.STDOUT)
    try:
        panel(tray)
        frame = main_window()
        project_page(frame)
        card_sheet(frame)
        project_editor(frame)
        settings(frame)
    except (AssertionError, StopIteration, AttributeError) as error:
        failures.append(f"stopped: {error!r}")
        for window_node in application() or []:
            for node in nodes(window_node):  # what there was, to see what was missed
                print(node.getRoleName(), repr(node.name), showing(node))
    finally:
        app.terminate()
        app.wait(20)
    if failures:
        print("\n".join(failures))
        print(open(os.path.join(SCRATCH, "quaylin.log")).read())
        sys.exit(1)
    print("every control named; the panel, the filters, both ways to a folder, a sidebar row, a"
          " card, its chips, the status and language segments")


main()
