# SPDX-FileCopyrightText: 2025-2026 Ketharin <ketharin@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later

# The browser build's folder of static files, site/ in the build folder (target "site"): the
# page, Qt's loader, the program's script and .wasm, the icon and the program's licence. Any
# web server that serves .wasm as application/wasm can serve it as it is.
set(site ${CMAKE_BINARY_DIR}/site)
configure_file(${PROJECT_SOURCE_DIR}/data/vantrel-page.html.in ${site}/index.html @ONLY)
set(site_files ${site}/vantrel.js ${site}/vantrel.wasm ${site}/qtloader.js
    ${site}/vantrel-16.png ${site}/vantrel-32.png ${site}/LICENSE.txt)
add_custom_command(OUTPUT ${site_files}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE_DIR:vantrel>/vantrel.js
        $<TARGET_FILE_DIR:vantrel>/vantrel.wasm $<TARGET_FILE_DIR:vantrel>/qtloader.js ${site}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/icons/16/org.example.Vantrel.png
        ${site}/vantrel-16.png
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/icons/32/org.example.Vantrel.png
        ${site}/vantrel-32.png
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
        ${site}/LICENSE.txt
    DEPENDS vantrel icons ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
    COMMENT "Putting the browser's site together")
add_custom_target(site ALL DEPENDS ${site_files})
