#!/usr/bin/env python3
"""Draws the normalised load-settlement curves of the Technical Manual as
PNG pictures (docs/manual/images/curve-*.png), drawn by ImageMagick's convert
from its vector graphics language (MVG) with the DejaVu Sans font
(fonts-dejavu-core). The numbers are the tables of
technical/load-settlement.html.

    python3 docs/tools/plot_curves.py
"""
import os
import subprocess
import tempfile

SAND_SIDE_X = [0, 0.001, 0.002, 0.003, 0.005, 0.006, 0.008, 0.012, 0.016, 0.1]
SAND_SIDE = {
    "trend": [0, 0.335, 0.58, 0.72, 0.86, 0.91, 0.95, 0.965, 0.96, 0.95],
    "upper bound": [0, 0.45, 0.76, 0.9, 0.98, 1.0, 1.0, 1.0, 1.0, 1.0],
    "lower bound": [0, 0.22, 0.4, 0.54, 0.74, 0.82, 0.9, 0.93, 0.92, 0.9],
}
CLAY_SIDE_X = [0, 0.001, 0.002, 0.003, 0.005, 0.006, 0.008, 0.012, 0.016, 0.02]
CLAY_SIDE = {
    "trend": [0, 0.51, 0.72, 0.9, 0.925, 0.945, 0.955, 0.925, 0.9, 0.835],
    "upper bound": [0, 0.74, 0.92, 0.97, 1.01, 1.02, 1.02, 1.0, 0.96, 0.92],
    "lower bound": [0, 0.29, 0.52, 0.7, 0.84, 0.87, 0.89, 0.85, 0.8, 0.75],
}
TIP_X = [0, 0.005, 0.01, 0.015, 0.025, 0.03, 0.04, 0.05, 0.07, 0.1]
SAND_TIP = {
    "trend": [0, 0.175, 0.345, 0.485, 0.64, 0.73, 0.88, 1.015, 1.195, 1.46],
    "upper bound": [0, 0.25, 0.48, 0.67, 0.76, 0.84, 0.96, 1.08, 1.28, 1.61],
    "lower bound": [0, 0.1, 0.21, 0.3, 0.52, 0.62, 0.8, 0.95, 1.11, 1.32],
}
CLAY_TIP = {
    "trend": [0, 0.395, 0.56, 0.7, 0.865, 0.9, 0.95, 0.97, 0.98, 0.991],
    "upper bound": [0, 0.59, 0.75, 0.86, 0.96, 0.98, 0.995, 0.995, 0.994, 0.992],
    "lower bound": [0, 0.2, 0.37, 0.54, 0.77, 0.82, 0.9, 0.94, 0.97, 0.99],
}
COLOURS = {"trend": "#000000", "upper bound": "#0000c0", "lower bound": "#c00000"}

WIDTH, HEIGHT = 560, 340
LEFT, RIGHT, TOP, BOTTOM = 70, 150, 20, 50


def mvg(title, x_label, y_label, x, curves, x_max, y_max, x_ticks, y_ticks):
    """The plot in ImageMagick's vector graphics language."""
    plot_w, plot_h = WIDTH - LEFT - RIGHT, HEIGHT - TOP - BOTTOM

    def px(value):
        return LEFT + value / x_max * plot_w

    def py(value):
        return TOP + plot_h - value / y_max * plot_h

    out = ["viewbox 0 0 %d %d" % (WIDTH, HEIGHT), "fill white",
           "rectangle 0,0 %d,%d" % (WIDTH, HEIGHT), "font '/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf'", "font-size 12",
           "stroke-width 1"]
    for tick in x_ticks:
        out += ["stroke #dddddd", "line %.1f,%d %.1f,%d" % (px(tick), TOP, px(tick), TOP + plot_h),
                "stroke none", "fill black",
                "text %.1f,%d '%g'" % (px(tick) - 10, TOP + plot_h + 16, tick)]
    for tick in y_ticks:
        out += ["stroke #dddddd",
                "line %d,%.1f %d,%.1f" % (LEFT, py(tick), LEFT + plot_w, py(tick)),
                "stroke none", "fill black", "text %d,%.1f '%g'" % (LEFT - 30, py(tick) + 4, tick)]
    out += ["fill none", "stroke black",
            "rectangle %d,%d %d,%d" % (LEFT, TOP, LEFT + plot_w, TOP + plot_h),
            "stroke none", "fill black",
            "text %d,%d '%s'" % (LEFT + plot_w / 2 - 40, HEIGHT - 12, x_label),
            "push graphic-context", "translate 18,%d" % (TOP + plot_h / 2 + 30), "rotate -90",
            "text 0,0 '%s'" % y_label, "pop graphic-context"]
    legend_y = TOP + 10
    for name, values in curves.items():
        colour = COLOURS[name]
        points = " ".join("%.1f,%.1f" % (px(a), py(b)) for a, b in zip(x, values) if a <= x_max)
        out += ["fill none", "stroke %s" % colour, "stroke-width 2", "polyline %s" % points,
                "fill %s" % colour, "stroke-width 1"]
        for a, b in zip(x, values):
            if a <= x_max:
                out.append("circle %.1f,%.1f %.1f,%.1f" % (px(a), py(b), px(a) + 3, py(b)))
        out += ["stroke-width 2",
                "line %d,%d %d,%d" % (LEFT + plot_w + 12, legend_y, LEFT + plot_w + 36, legend_y),
                "stroke none", "fill black",
                "text %d,%d '%s'" % (LEFT + plot_w + 42, legend_y + 4, name)]
        legend_y += 20
    out += ["text %d,%d '%s'" % (LEFT + plot_w + 12, TOP + plot_h, title)]
    return "\n".join(out) + "\n"


def write_png(name, text, folder):
    with tempfile.NamedTemporaryFile("w", suffix=".mvg", delete=False) as file:
        file.write(text)
    subprocess.run(["convert", "-size", "%dx%d" % (WIDTH, HEIGHT), "mvg:" + file.name,
                    os.path.join(folder, name)], check=True)
    os.unlink(file.name)


def main():
    folder = os.path.join(os.path.dirname(__file__), "..", "manual", "images")
    side_ticks = [0, 0.005, 0.01, 0.015, 0.02]
    write_png("curve-side-sand.png",
              mvg("sand", "movement / D", "t / t_max", SAND_SIDE_X, SAND_SIDE, 0.02, 1.1,
                  side_ticks, [0, 0.2, 0.4, 0.6, 0.8, 1.0]), folder)
    write_png("curve-side-clay.png",
              mvg("clay", "movement / D", "t / t_max", CLAY_SIDE_X, CLAY_SIDE, 0.02, 1.1,
                  side_ticks, [0, 0.2, 0.4, 0.6, 0.8, 1.0]), folder)
    tip_ticks = [0, 0.02, 0.04, 0.06, 0.08, 0.1]
    write_png("curve-tip-sand.png",
              mvg("sand", "tip movement / D_t", "q / Q_b", TIP_X, SAND_TIP, 0.1, 1.7,
                  tip_ticks, [0, 0.4, 0.8, 1.2, 1.6]), folder)
    write_png("curve-tip-clay.png",
              mvg("clay", "tip movement / D_t", "q / Q_b", TIP_X, CLAY_TIP, 0.1, 1.1,
                  tip_ticks, [0, 0.2, 0.4, 0.6, 0.8, 1.0]), folder)


if __name__ == "__main__":
    main()
