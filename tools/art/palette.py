# SPDX-License-Identifier: GPL-3.0-or-later
"""The game's shared colour palette, so every picture reads as part of one set."""

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)

# Greens: walls and the green lettering that matches the window's text.
G0 = (8, 34, 18)
G1 = (18, 60, 30)
G2 = (32, 92, 44)
G3 = (54, 130, 58)
G4 = (96, 176, 78)
TEXT = (64, 222, 84)
TEXT_HI = (178, 255, 150)

# Wood browns for the crate (also the shoes).
B0 = (46, 24, 14)
B1 = (88, 50, 24)
B2 = (138, 84, 38)
B3 = (186, 124, 60)
B4 = (226, 174, 102)

# Grey-browns for the goal frame.
S0 = (54, 48, 42)
S1 = (96, 88, 76)
S2 = (146, 136, 118)
S3 = (196, 186, 162)

# Reds for the editor's start marker and the player's cheeks.
R0 = (74, 10, 18)
R1 = (136, 24, 32)
R2 = (200, 48, 46)
CHEEK = (244, 130, 112)

# The egg-shaped hero's shell, darkest (outline) to lightest.
E0 = (104, 56, 34)
E1 = (206, 142, 86)
E2 = (242, 196, 128)
E3 = (255, 236, 186)

# His spiky hair.
H0 = (110, 28, 14)
H1 = (196, 66, 24)
H2 = (246, 128, 36)
H3 = (255, 204, 92)

# The marbled ball: a blue body with cyan veins.
J0 = (12, 14, 56)
J1 = (28, 42, 128)
J2 = (48, 88, 196)
J3 = (88, 156, 238)
J4 = (176, 222, 255)
V1 = (30, 150, 170)
V2 = (120, 232, 222)

# White gloves, so his floating hands read as hands even over his own body.
W0 = (150, 146, 170)
W1 = (214, 214, 228)
