"""Harness for driving the real quickfigure.exe under Wine on an X display.

The game runs as an ordinary Wine process in a folder of its own; input reaches it only
through the window system (xdotool), and what it shows is read back from screenshots.
"""
