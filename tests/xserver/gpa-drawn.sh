# Sourced by scripts that look at the main window on an X server.
# gpa_drawn WINDOW PICTURE: takes a picture of the window into PICTURE and tells whether the GPA
# shows in it: more than one colour where its label stands (248,176 px below the menu bar,
# 65x18: the design's twips over 15). Reading a result is no proof that it is painted yet.
gpa_drawn() {
    import -silent -window "$1" "$2"
    local height colours
    height=$(identify -format '%h' "$2")
    colours=$(convert "$2" -crop "65x18+248+$((height - 213 + 176))" +repage -format '%k' info:)
    [ "$colours" -gt 1 ]
}
