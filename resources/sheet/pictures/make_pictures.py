#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Orthavel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the main menu's seven pictures as SVG: two book covers (the program draws their unlit
versions in grey tones) and the guide figure in three poses on black.

Run it from this folder after changing the artwork: python3 make_pictures.py
"""

GOLD = ("#f6df9a", "#c9a14a", "#8a6a24")


def gold_gradient(gid):
    return f"""<linearGradient id="{gid}" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="{GOLD[0]}"/><stop offset="0.5" stop-color="{GOLD[1]}"/>
      <stop offset="1" stop-color="{GOLD[2]}"/></linearGradient>"""


def cover(title, subtitle, leather_light, leather_dark, emblem, footer):
    """A leather-bound book, 200 x 258: spine on the left, page edges on the right."""
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="200" height="258" viewBox="0 0 200 258">
  <defs>
    <linearGradient id="leather" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="{leather_light}"/><stop offset="1" stop-color="{leather_dark}"/>
    </linearGradient>
    <linearGradient id="spine" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#000000" stop-opacity="0.55"/>
      <stop offset="0.6" stop-color="#ffffff" stop-opacity="0.12"/>
      <stop offset="1" stop-color="#000000" stop-opacity="0.35"/>
    </linearGradient>
    <radialGradient id="sheen" cx="0.45" cy="0.35" r="0.7">
      <stop offset="0" stop-color="#ffffff" stop-opacity="0.16"/>
      <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
    </radialGradient>
    {gold_gradient("gold")}
  </defs>
  <rect width="200" height="258" fill="#000000"/>
  <!-- The book keeps clear of the left 8 columns: in a narrow menu the centre's black ground
       reaches over the right cover's edge. -->
  <g transform="translate(8 0) scale(0.96 1)">
  <rect x="188" y="6" width="9" height="246" rx="2" fill="#efe6cf"/>
  <g stroke="#b9ad8f" stroke-width="0.6">
    <line x1="190" y1="9" x2="190" y2="249"/><line x1="192.5" y1="9" x2="192.5" y2="249"/>
    <line x1="195" y1="9" x2="195" y2="249"/>
  </g>
  <rect x="2" y="2" width="190" height="254" rx="5" fill="url(#leather)"/>
  <rect x="2" y="2" width="190" height="254" rx="5" fill="url(#sheen)"/>
  <rect x="2" y="2" width="18" height="254" rx="4" fill="url(#spine)"/>
  <line x1="20" y1="4" x2="20" y2="254" stroke="#000000" stroke-opacity="0.5" stroke-width="1.2"/>
  <g fill="none" stroke="url(#gold)">
    <rect x="27" y="10" width="157" height="238" rx="3" stroke-width="2.2"/>
    <rect x="32" y="15" width="147" height="228" rx="2" stroke-width="0.9"/>
  </g>
  <g fill="url(#gold)">
    <path d="M27 10 l14 0 l-14 14 z"/><path d="M184 10 l-14 0 l14 14 z"/>
    <path d="M27 248 l14 0 l-14 -14 z"/><path d="M184 248 l-14 0 l14 -14 z"/>
  </g>
  <text x="105.5" y="50" text-anchor="middle" font-family="Liberation Serif" font-weight="bold"
        font-size="25" letter-spacing="1.5" fill="#2a1a05" fill-opacity="0.6">{title}</text>
  <text x="104.5" y="49" text-anchor="middle" font-family="Liberation Serif" font-weight="bold"
        font-size="25" letter-spacing="1.5" fill="url(#gold)">{title}</text>
  <line x1="52" y1="58" x2="157" y2="58" stroke="url(#gold)" stroke-width="1"/>
  <text x="104.5" y="73" text-anchor="middle" font-family="Liberation Serif" font-weight="bold"
        font-size="10.5" letter-spacing="2" fill="url(#gold)">{subtitle}</text>
  {emblem}
  <line x1="52" y1="218" x2="157" y2="218" stroke="url(#gold)" stroke-width="1"/>
  <text x="104.5" y="233" text-anchor="middle" font-family="Liberation Serif" font-weight="bold"
        font-size="9" letter-spacing="1.5" fill="url(#gold)">{footer}</text>
  </g>
</svg>
"""


# The rule book: a shield with a crossed sword and quill, under a pair of dice.
RULE_EMBLEM = """<g transform="translate(105 143)">
    <circle r="52" fill="#000000" fill-opacity="0.18"/>
    <circle r="52" fill="none" stroke="url(#gold)" stroke-width="1.2"/>
    <path d="M-30 -36 L30 -36 L30 0 C30 24 12 38 0 46 C-12 38 -30 24 -30 0 Z" fill="#f3e3b5"
          stroke="url(#gold)" stroke-width="2.5"/>
    <path d="M-30 -36 L0 -36 L0 46 C-12 38 -30 24 -30 0 Z" fill="#3b5a8a"/>
    <path d="M-34 -40 L34 40" stroke="#dfe6ee" stroke-width="4.5" stroke-linecap="round"/>
    <path d="M-34 -40 L34 40" stroke="#8c99a8" stroke-width="1.2"/>
    <path d="M20 22 L30 12" stroke="url(#gold)" stroke-width="5" stroke-linecap="round"/>
    <path d="M30 -40 C22 -22 6 2 -30 40" fill="none" stroke="#fbf4de" stroke-width="3"/>
    <path d="M30 -40 C36 -30 30 -20 24 -24" fill="#fbf4de"/>
    <g transform="translate(-16 -58) rotate(-12)">
      <rect x="-9" y="-9" width="18" height="18" rx="3" fill="#f7f0df" stroke="#5a3a10"/>
      <circle cx="-4" cy="-4" r="1.8" fill="#7a1f24"/><circle cx="4" cy="4" r="1.8" fill="#7a1f24"/>
      <circle cx="0" cy="0" r="1.8" fill="#7a1f24"/></g>
    <g transform="translate(16 -58) rotate(14)">
      <rect x="-9" y="-9" width="18" height="18" rx="3" fill="#f7f0df" stroke="#5a3a10"/>
      <circle cx="-4" cy="-4" r="1.8" fill="#7a1f24"/><circle cx="4" cy="-4" r="1.8" fill="#7a1f24"/>
      <circle cx="-4" cy="4" r="1.8" fill="#7a1f24"/><circle cx="4" cy="4" r="1.8" fill="#7a1f24"/></g>
  </g>"""

# The culture book: a walled keep with three banners, one per great House colour.
CULTURE_EMBLEM = """<g transform="translate(105 146)">
    <circle r="54" fill="#000000" fill-opacity="0.2"/>
    <circle r="54" fill="none" stroke="url(#gold)" stroke-width="1.2"/>
    <path d="M-54 30 C-20 18 20 18 54 30 L54 36 L-54 36 Z" fill="#2e5a3a" opacity="0.9"/>
    <g fill="#d8cdb2" stroke="#5b4a2a" stroke-width="1">
      <path d="M-40 32 L-40 -6 L-44 -6 L-44 -14 L-38 -14 L-38 -10 L-34 -10 L-34 -14 L-28 -14 L-28 -10
               L-24 -10 L-24 -14 L-18 -14 L-18 -6 L-22 -6 L-22 32 Z"/>
      <path d="M22 32 L22 -6 L18 -6 L18 -14 L24 -14 L24 -10 L28 -10 L28 -14 L34 -14 L34 -10 L38 -10
               L38 -14 L44 -14 L44 -6 L40 -6 L40 32 Z"/>
      <path d="M-22 32 L-22 4 L22 4 L22 32 Z"/>
      <path d="M-12 4 L-12 -30 L-16 -30 L-16 -38 L-10 -38 L-10 -34 L-4 -34 L-4 -38 L4 -38 L4 -34
               L10 -34 L10 -38 L16 -38 L16 -30 L12 -30 L12 4 Z"/>
    </g>
    <path d="M-7 32 L-7 18 C-7 12 7 12 7 18 L7 32 Z" fill="#3a2a12"/>
    <rect x="-3" y="-24" width="6" height="10" rx="3" fill="#3a2a12"/>
    <rect x="-34" y="4" width="5" height="8" rx="2.5" fill="#3a2a12"/>
    <rect x="29" y="4" width="5" height="8" rx="2.5" fill="#3a2a12"/>
    <g stroke="#5b4a2a" stroke-width="1.2">
      <line x1="0" y1="-38" x2="0" y2="-62"/><line x1="-31" y1="-14" x2="-31" y2="-34"/>
      <line x1="31" y1="-14" x2="31" y2="-34"/></g>
    <path d="M0 -62 L20 -57 L0 -51 Z" fill="#b3262e"/>
    <path d="M-31 -34 L-15 -30 L-31 -25 Z" fill="#e0b23a"/>
    <path d="M31 -34 L47 -30 L31 -25 Z" fill="#3f7bc4"/>
  </g>"""


def figure(pose):
    """The guide in a hooded robe, on black. pose: 'idle', 'left' or 'right'.

    Returns (width, height, body centre x, svg body)."""
    sizes = {"idle": (145, 195, 72, 0), "left": (215, 195, 125, -2), "right": (200, 200, 70, 3)}
    width, height, cx, dy = sizes[pose]
    arm_down_left = """<path d="M-21 58 C-30 72 -33 92 -31 116 L-23 117 C-23 96 -20 78 -14 66 Z"
          fill="url(#robe)" stroke="#0c1626" stroke-width="1"/>
    <circle cx="-27" cy="120" r="5.5" fill="url(#skin)"/>"""
    arm_down_right = arm_down_left.replace("M-21 58 C-30 72 -33 92 -31 116 L-23 117 C-23 96 -20 78 -14 66",
                                           "M21 58 C30 72 33 92 31 116 L23 117 C23 96 20 78 14 66") \
        .replace('cx="-27"', 'cx="27"')
    # An arm raised to the side, pointing with the forefinger; reach is how far the hand goes.
    def pointing(side, reach):
        s = -1 if side == "left" else 1
        return f"""<path d="M{s*16} 56 C{s*34} 54 {s*(reach-20)} 55 {s*(reach-6)} 57 L{s*(reach-6)} 66
          C{s*(reach-22)} 66 {s*34} 68 {s*18} 74 Z" fill="url(#robe)" stroke="#0c1626" stroke-width="1"/>
    <path d="M{s*(reach-8)} 56 L{s*(reach-8)} 67" stroke="url(#trim)" stroke-width="2"/>
    <circle cx="{s*(reach-1)}" cy="61.5" r="5.5" fill="url(#skin)"/>
    <path d="M{s*(reach+3)} 59 L{s*(reach+13)} 59.5 C{s*(reach+15)} 60 {s*(reach+15)} 62 {s*(reach+13)} 62.3
          L{s*(reach+3)} 63 Z" fill="url(#skin)"/>"""
    arms = {
        "idle": arm_down_left + arm_down_right,
        "left": pointing("left", 76) + arm_down_right,
        "right": arm_down_left + pointing("right", 76),
    }[pose]
    # The face turns a little towards where the figure points.
    look = {"idle": 0, "left": -2.5, "right": 2.5}[pose]
    return width, height, f"""<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" viewBox="0 0 {width} {height}">
  <defs>
    <linearGradient id="robe" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#1b2e4d"/><stop offset="0.45" stop-color="#3d5f8f"/>
      <stop offset="1" stop-color="#14233b"/></linearGradient>
    <linearGradient id="hood" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#4a6fa3"/><stop offset="1" stop-color="#1d3152"/></linearGradient>
    <linearGradient id="trim" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#f6df9a"/><stop offset="1" stop-color="#a8822f"/></linearGradient>
    <radialGradient id="skin" cx="0.4" cy="0.35" r="0.7">
      <stop offset="0" stop-color="#f2cfa6"/><stop offset="1" stop-color="#b98352"/></radialGradient>
    <radialGradient id="glow" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#2a3a5a" stop-opacity="0.9"/>
      <stop offset="1" stop-color="#000000" stop-opacity="0"/></radialGradient>
    <radialGradient id="floor" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#3a3a44"/><stop offset="1" stop-color="#000000"/></radialGradient>
  </defs>
  <rect width="{width}" height="{height}" fill="#000000"/>
  <g transform="translate({cx} {dy})">
    <ellipse cx="0" cy="100" rx="58" ry="92" fill="url(#glow)"/>
    <ellipse cx="0" cy="187" rx="44" ry="6" fill="url(#floor)"/>
    <path d="M-9 176 L-9 186 L-22 187 C-24 183 -18 180 -14 176 Z" fill="#2a1c10"/>
    <path d="M9 176 L9 186 L22 187 C24 183 18 180 14 176 Z" fill="#2a1c10"/>
    <path d="M-20 54 C-27 90 -34 140 -38 180 C-14 185 14 185 38 180 C34 140 27 90 20 54
             C10 48 -10 48 -20 54 Z" fill="url(#robe)" stroke="#0c1626" stroke-width="1.2"/>
    <path d="M0 62 L0 181" stroke="url(#trim)" stroke-width="2.2"/>
    <path d="M-38 180 C-14 185 14 185 38 180" fill="none" stroke="url(#trim)" stroke-width="2.5"/>
    <path d="M-22 104 C-8 108 8 108 22 104 L23 111 C8 115 -8 115 -23 111 Z" fill="#5a3b1a"/>
    <rect x="-4.5" y="104.5" width="9" height="8" rx="1.5" fill="url(#trim)"/>
    <path d="M-22 58 C-24 40 -16 18 0 16 C16 18 24 40 22 58 C14 52 -14 52 -22 58 Z"
          fill="url(#hood)" stroke="#0c1626" stroke-width="1.2"/>
    <ellipse cx="{look}" cy="38" rx="10.5" ry="13" fill="url(#skin)"/>
    <path d="M{look-10.5} 33 C{look-8} 22 {look+8} 22 {look+10.5} 33 C{look+4} 28 {look-4} 28 {look-10.5} 33 Z"
          fill="#1d3152"/>
    <circle cx="{look-4}" cy="37" r="1.3" fill="#1a1a1a"/><circle cx="{look+4}" cy="37" r="1.3" fill="#1a1a1a"/>
    <path d="M{look-3} 44 C{look-1} 45.5 {look+1} 45.5 {look+3} 44" fill="none" stroke="#7a4a2a" stroke-width="1"/>
    <path d="M-22 58 C-14 52 14 52 22 58" fill="none" stroke="url(#trim)" stroke-width="2"/>
    {arms}
  </g>
</svg>
"""


def main():
    files = {
        "quick_cover.svg": cover("ORTHAVEL", "THE RULE BOOK", "#8e2a2f", "#3d0a10", RULE_EMBLEM,
                                 "QUICK PLAYER CHARACTERS"),
        "full_cover.svg": cover("ORTHAVEL", "HOUSES &amp; CULTURES", "#23557a", "#0a1f33",
                                CULTURE_EMBLEM, "EVERY PROFESSION AND JOB"),
    }
    for name, pose in (("figure_idle.svg", "idle"), ("figure_quick.svg", "left"),
                       ("figure_full.svg", "right")):
        files[name] = figure(pose)[2]
    for name, text in files.items():
        with open(name, "w", encoding="utf-8") as out:
            out.write(text)


if __name__ == "__main__":
    main()
