#!/usr/bin/python3
"""The least window manager a test lane's display needs (tools/wine-lanes.sh).

Wine waits for a window manager to confirm each map and unmap of a managed
window (the ICCCM WM_STATE property) and, on a bare Xvfb, gives up only after
two seconds: every hide of a window cost a test two seconds of doing
nothing. This one confirms at once, and otherwise does what a display with
no window manager does: windows go where they ask, with no frame, and
nothing is minimised, focused or raised on its own.

    lane-wm.py        (on the display in DISPLAY; runs until it closes)
"""
from Xlib import X, Xatom, display, error

NORMAL, WITHDRAWN = 1, 0


def main():
    d = display.Display()
    root = d.screen().root
    wm_state = d.intern_atom("WM_STATE")
    catch = error.CatchError(error.BadWindow)

    def set_state(window, state):
        window.change_property(wm_state, wm_state, 32, [state, X.NONE], onerror=catch)

    root.change_attributes(event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
    d.sync()
    while True:
        e = d.next_event()
        if e.type == X.MapRequest:
            e.window.map(onerror=catch)
            set_state(e.window, NORMAL)
        elif e.type == X.ConfigureRequest:
            # Exactly what was asked, as without a window manager.
            values = {}
            for bit, name in ((X.CWX, "x"), (X.CWY, "y"), (X.CWWidth, "width"), (X.CWHeight, "height"),
                              (X.CWBorderWidth, "border_width"), (X.CWSibling, "sibling"),
                              (X.CWStackMode, "stack_mode")):
                if e.value_mask & bit:
                    values[name] = getattr(e, name)
            e.window.configure(onerror=catch, **values)
        elif e.type == X.UnmapNotify and e.event == root:
            set_state(e.window, WITHDRAWN)
        d.flush()


if __name__ == "__main__":
    try:
        main()
    except (error.ConnectionClosedError, OSError):
        pass
