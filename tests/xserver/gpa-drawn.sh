# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by scripts that look at the main window on an X server. Needs VANTREL_DESIGN: where the
# design puts the main window's labels, in pixels below the menu bar, as the build writes it.
read -r client_width client_height gpa_left gpa_top gpa_width gpa_height < <(python3 -c '
import json, sys
design = json.load(open(sys.argv[1]))
print(*design["client"], *design["gpa"])' "$VANTREL_DESIGN")

# gpa_drawn WINDOW PICTURE: takes a picture of the window into PICTURE and tells whether the GPA
# shows in it: more than one colour where its label stands. Reading a result is no proof that it
# is painted yet.
gpa_drawn() {
    import -silent -window "$1" "$2"
    local height colours
    height=$(identify -format '%h' "$2")
    colours=$(convert "$2" -crop \
        "${gpa_width}x${gpa_height}+${gpa_left}+$((height - client_height + gpa_top))" +repage \
        -format '%k' info:)
    [ "$colours" -gt 1 ]
}
